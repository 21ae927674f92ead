// Songs as text: instruments, parts of note and drum lines, and an arrangement.
//
//   tempo 120            quarter notes per minute; a step is a sixteenth
//   loop                 rendered as one seamless loop (else a one-shot with its tail)
//   swing 0.15           off-beat sixteenths are late by this part of a step
//   echo 0.75 0.35 0.3   delay in beats, feedback, wet (instruments opt in with send=)
//   reverb 0.25          room on the send bus
//   tail 2               seconds of release and room after the last step
//   peak 0.45            final peak level
//   inst lead square duty=0.25 a=0.01 d=0.2 s=0.6 r=0.1 vol=0.2 vib=0.15 cutoff=3000 send=0.5
//   part A 4             a part of 4 bars; each line: voice name, then tokens
//     lead e5:4 g5:2 -:2 r:4 c#5:2   note:steps, '-' ties on, 'r' rests
//     pad  Am:16 F:16               chords (C, Cm, C7, Cmaj7, Cm7, Csus4, Csus2, Cdim, Cadd9)
//     kick x...x...x...x...          drums: one step per character, X accent, o ghost, ~N N rests
//   chords on an instrument with bass=N play a root/fifth/octave figure of N-step notes;
//   with arp=N they play N-step arpeggios; otherwise they sound as one chord
//   end                  a line shorter than its part repeats to fill it
//   song A A B A
#pragma once

#include <string>

#include "synth.h"

namespace soundgen {

// Parses and renders a song; false with a message in *error on a bad file.
bool RenderSong(const std::string& text, Buffer& out, std::string* error);

}  // namespace soundgen
