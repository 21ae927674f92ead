// Echowell: the game's sound library. A software mixer over one stereo output device.
//
// Every handle is a 32-bit value from a table of live objects: 0 is never a valid handle and
// every call ignores it; a handle that is unknown, freed, or of the wrong kind is refused.
// Calls are made from one game thread; the audio callback runs beside it safely.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ECHOWELL_API __attribute__((visibility("default")))

// Opens the output device (window may be 0; it is not used). Returns a device handle, or 0
// when a device is already open. When no audio device can be opened, or after
// dsSetNullDevice(1), it opens the null device: the mixer runs only when dsMixFrames pulls it.
ECHOWELL_API int32_t dsInitialize(int32_t window);

// Makes a buffer from a complete RIFF/WAVE file image (PCM 8 or 16 bit, mono or stereo, any
// common rate). The library copies what it needs during the call. flag 1 = music (looped
// seamlessly), 2 = effect. Returns a buffer handle, or 0 for a bad device, flag or file.
// dsCreateDSB trusts the image to hold the RIFF size its header declares;
// dsCreateDSBEx reads at most size bytes and should be preferred when the size is known.
ECHOWELL_API int32_t dsCreateDSB(int32_t device, const void* image, int32_t flag);
ECHOWELL_API int32_t dsCreateDSBEx(int32_t device, const void* image, uint32_t size, int32_t flag);

// Starts the buffer once from its beginning. Playing a buffer that is already playing
// restarts it. Returns 1, or 0 for a refused handle.
ECHOWELL_API int32_t dsPlay(int32_t buffer);
// Starts the buffer repeating from its beginning until dsStop (restarts it if playing).
ECHOWELL_API int32_t dsPlayLooping(int32_t buffer);
// Silences the buffer; harmless when it is not playing.
ECHOWELL_API int32_t dsStop(int32_t buffer);
// Releases the buffer (stopping it first). Its handle is refused from then on.
ECHOWELL_API int32_t dsFree(int32_t buffer);
// Closes the device and releases every buffer still made on it.
ECHOWELL_API int32_t dsTerminate(int32_t device);

// ---- Extras for headless runs and tests ----

// 1: the next dsInitialize opens the null device whatever audio exists; 0: try real audio.
ECHOWELL_API void dsSetNullDevice(int32_t on);
// 1 while the buffer is sounding, else 0.
ECHOWELL_API int32_t dsIsPlaying(int32_t buffer);
// Output rate of the device in frames per second (0 for a refused handle).
ECHOWELL_API int32_t dsDeviceRate(int32_t device);
// Null device only: mixes frames stereo frames into out (2 * frames int16 values; out may be
// null to discard). Returns the frames mixed, 0 on a real device or a refused handle.
ECHOWELL_API int32_t dsMixFrames(int32_t device, int16_t* out, int32_t frames);

#ifdef __cplusplus
}
#endif
