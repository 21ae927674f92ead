#include "song.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <vector>

namespace soundgen {
namespace {

struct Instrument {
    std::string kind = "square";
    std::map<std::string, double> p;
    double Get(const std::string& key, double fallback) const {
        auto it = p.find(key);
        return it == p.end() ? fallback : it->second;
    }
};

struct Note {
    double start = 0, len = 0;  // steps
    std::vector<int> midi;      // several for a chord
    float vel = 1;
    bool chord = false;
};

struct Part {
    int steps = 0;
    std::map<std::string, std::vector<Note>> voices;
    std::map<std::string, double> lengths;
};

struct Song {
    double tempo = 120, swing = 0, echoBeats = 0.75, echoFb = 0, echoWet = 0, reverb = 0, tail = 2;
    float peak = 0.5f;
    bool loop = false;
    std::map<std::string, Instrument> inst;
    std::vector<std::string> instOrder;
    std::map<std::string, Part> parts;
    std::vector<std::string> order;
};

bool IsDrum(const std::string& kind) {
    return kind == "kick" || kind == "snare" || kind == "hat" || kind == "ohat" || kind == "crash" || kind == "tom";
}

// "c#5" -> MIDI number; -1 if it is not a note.
int ParseNote(const std::string& s) {
    static const int kPc[7] = {9, 11, 0, 2, 4, 5, 7};  // a..g
    if (s.empty() || s[0] < 'a' || s[0] > 'g') return -1;
    int pc = kPc[s[0] - 'a'];
    size_t i = 1;
    while (i < s.size() && (s[i] == '#' || s[i] == 'b')) pc += s[i++] == '#' ? 1 : -1;
    if (i >= s.size()) return -1;
    int octave = 0;
    try {
        size_t used = 0;
        octave = std::stoi(s.substr(i), &used);
        if (i + used != s.size()) return -1;
    } catch (...) {
        return -1;
    }
    return 12 * (octave + 1) + pc;
}

// "F#m7" -> pitch class and intervals; false if it is not a chord.
bool ParseChord(const std::string& s, int& root, std::vector<int>& intervals) {
    static const int kPc[7] = {9, 11, 0, 2, 4, 5, 7};
    if (s.empty() || s[0] < 'A' || s[0] > 'G') return false;
    root = kPc[s[0] - 'A'];
    size_t i = 1;
    while (i < s.size() && (s[i] == '#' || s[i] == 'b')) root += s[i++] == '#' ? 1 : -1;
    root = (root + 12) % 12;
    static const std::map<std::string, std::vector<int>> kQualities = {
        {"", {0, 4, 7}},         {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},  {"maj7", {0, 4, 7, 11}},
        {"m7", {0, 3, 7, 10}},   {"sus4", {0, 5, 7}},     {"sus2", {0, 2, 7}},   {"dim", {0, 3, 6}},
        {"add9", {0, 4, 7, 14}}, {"madd9", {0, 3, 7, 14}}, {"6", {0, 4, 7, 9}},  {"m6", {0, 3, 7, 9}}};
    auto q = kQualities.find(s.substr(i));
    if (q == kQualities.end()) return false;
    intervals = q->second;
    return true;
}

bool Fail(std::string* error, int line, const std::string& what) {
    if (error) *error = "line " + std::to_string(line) + ": " + what;
    return false;
}

bool Parse(const std::string& text, Song& song, std::string* error) {
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    Part* part = nullptr;
    std::string partName;
    while (std::getline(in, raw)) {
        ++lineNo;
        // '#' also marks sharps: only a '#' at line start or after a blank opens a comment.
        for (size_t i = 0; i < raw.size(); ++i)
            if (raw[i] == '#' && (i == 0 || raw[i - 1] == ' ' || raw[i - 1] == '\t')) {
                raw.resize(i);
                break;
            }
        std::istringstream words(raw);
        std::string head;
        if (!(words >> head)) continue;
        if (part) {
            if (head == "end") {
                part = nullptr;
                continue;
            }
            auto it = song.inst.find(head);
            if (it == song.inst.end()) return Fail(error, lineNo, "unknown voice " + head);
            auto& notes = part->voices[head];
            double& at = part->lengths[head];
            if (IsDrum(it->second.kind)) {
                std::string rest;
                std::getline(words, rest);
                for (size_t ci = 0; ci < rest.size(); ++ci) {
                    const char c = rest[ci];
                    if (c == ' ' || c == '|' || c == '\t') continue;
                    if (c == '~') {  // ~N: N silent steps
                        size_t used = 0;
                        int count = 0;
                        try {
                            count = std::stoi(rest.substr(ci + 1), &used);
                        } catch (...) {
                            return Fail(error, lineNo, "bad ~ count");
                        }
                        if (count <= 0) return Fail(error, lineNo, "bad ~ count");
                        at += count;
                        ci += used;
                        continue;
                    }
                    if (c == 'x' || c == 'X' || c == 'o') {
                        Note n;
                        n.start = at;
                        n.len = 1;
                        n.vel = c == 'X' ? 1.35f : c == 'o' ? 0.55f : 1.0f;
                        notes.push_back(n);
                    } else if (c != '.') {
                        return Fail(error, lineNo, std::string("bad drum step ") + c);
                    }
                    at += 1;
                }
                continue;
            }
            std::string tok;
            double len = 4;
            while (words >> tok) {
                if (tok == "|") continue;
                std::string name = tok;
                size_t colon = tok.find(':');
                if (colon != std::string::npos) {
                    name = tok.substr(0, colon);
                    try {
                        len = std::stod(tok.substr(colon + 1));
                    } catch (...) {
                        return Fail(error, lineNo, "bad length in " + tok);
                    }
                    if (len <= 0) return Fail(error, lineNo, "bad length in " + tok);
                }
                if (name == "r") {
                    at += len;
                    continue;
                }
                if (name == "-") {
                    if (notes.empty()) return Fail(error, lineNo, "tie with no note");
                    notes.back().len += len;
                    at += len;
                    continue;
                }
                Note n;
                n.start = at;
                n.len = len;
                int root;
                std::vector<int> intervals;
                int midi = ParseNote(name);
                if (midi >= 0) {
                    n.midi.push_back(midi);
                } else if (ParseChord(name, root, intervals)) {
                    const Instrument& ins = it->second;
                    const int low = static_cast<int>(ins.Get("low", 55));
                    const double bassStep = ins.Get("bass", 0), arpStep = ins.Get("arp", 0);
                    if (bassStep > 0) {
                        // Root, fifth and octave in a bouncing figure.
                        static const int kFigure[8] = {0, 0, 7, 0, 12, 0, 7, 12};
                        const int base = low + ((root - low) % 12 + 12) % 12;
                        int k = 0;
                        for (double t = 0; t < len - 1e-9; t += bassStep, ++k) {
                            Note b;
                            b.start = at + t;
                            b.len = std::min(bassStep, len - t);
                            b.midi.push_back(base + kFigure[k % 8]);
                            notes.push_back(b);
                        }
                        at += len;
                        continue;
                    }
                    std::vector<int> tones;
                    for (int iv : intervals) {
                        int pc = (root + iv) % 12;
                        int m = low + ((pc - low) % 12 + 12) % 12;
                        if (iv >= 12) m += 12;
                        tones.push_back(m);
                    }
                    std::sort(tones.begin(), tones.end());
                    if (arpStep > 0) {
                        // Up through two octaves and back down.
                        std::vector<int> run = tones;
                        for (int m : tones) run.push_back(m + 12);
                        for (size_t r = run.size() - 1; r-- > 1;) run.push_back(run[r]);
                        int k = 0;
                        for (double t = 0; t < len - 1e-9; t += arpStep, ++k) {
                            Note a;
                            a.start = at + t;
                            a.len = std::min(arpStep, len - t);
                            a.midi.push_back(run[k % run.size()]);
                            notes.push_back(a);
                        }
                        at += len;
                        continue;
                    }
                    n.chord = true;
                    n.midi = tones;
                } else {
                    return Fail(error, lineNo, "bad note " + tok);
                }
                notes.push_back(n);
                at += len;
            }
            continue;
        }
        if (head == "tempo") words >> song.tempo;
        else if (head == "loop") song.loop = true;
        else if (head == "swing") words >> song.swing;
        else if (head == "echo") words >> song.echoBeats >> song.echoFb >> song.echoWet;
        else if (head == "reverb") words >> song.reverb;
        else if (head == "tail") words >> song.tail;
        else if (head == "peak") words >> song.peak;
        else if (head == "inst") {
            std::string name, kv;
            Instrument inst;
            if (!(words >> name >> inst.kind)) return Fail(error, lineNo, "inst needs a name and a kind");
            while (words >> kv) {
                size_t eq = kv.find('=');
                if (eq == std::string::npos) return Fail(error, lineNo, "bad setting " + kv);
                try {
                    inst.p[kv.substr(0, eq)] = std::stod(kv.substr(eq + 1));
                } catch (...) {
                    return Fail(error, lineNo, "bad setting " + kv);
                }
            }
            song.inst[name] = inst;
            song.instOrder.push_back(name);
        } else if (head == "part") {
            int bars = 0;
            if (!(words >> partName >> bars) || bars <= 0) return Fail(error, lineNo, "part needs a name and bars");
            part = &song.parts[partName];
            part->steps = bars * 16;
        } else if (head == "song") {
            std::string name;
            while (words >> name) {
                if (!song.parts.count(name)) return Fail(error, lineNo, "unknown part " + name);
                song.order.push_back(name);
            }
        } else {
            return Fail(error, lineNo, "unknown directive " + head);
        }
    }
    if (part) return Fail(error, lineNo, "part " + partName + " has no end");
    if (song.order.empty()) return Fail(error, lineNo, "no song line");
    // Lines shorter than their part repeat; they must divide it evenly.
    for (auto& [name, p] : song.parts) {
        for (auto& [voice, notes] : p.voices) {
            const double len = p.lengths[voice];
            if (len <= 0) continue;
            const double reps = p.steps / len;
            if (std::fabs(reps - std::round(reps)) > 1e-9 || reps < 1)
                return Fail(error, 0, "part " + name + ": voice " + voice + " has " + std::to_string(len) +
                                          " steps, not a divisor of " + std::to_string(p.steps));
            const size_t once = notes.size();
            for (int r = 1; r < static_cast<int>(std::lround(reps)); ++r)
                for (size_t i = 0; i < once; ++i) {
                    Note n = notes[i];
                    n.start += r * len;
                    notes.push_back(n);
                }
        }
    }
    return true;
}

void RenderTone(const Instrument& inst, const Note& note, double startSec, double stepSec, Buffer& dry, Buffer& send) {
    const double gate = note.len * stepSec * inst.Get("gate", 0.9);
    const double a = inst.Get("a", 0.005), d = inst.Get("d", 0.2), s = inst.Get("s", 0.6), r = inst.Get("r", 0.1);
    const double vol = inst.Get("vol", 0.2) * note.vel;
    const double vib = inst.Get("vib", 0), detune = inst.Get("detune", 0);
    const double cutoff = inst.Get("cutoff", 0), fenv = inst.Get("fenv", 0), q = inst.Get("q", 0.7);
    const double sendAmt = inst.Get("send", 0);
    const int octave = static_cast<int>(inst.Get("octave", 0));
    Wave wave = Wave::Square;
    if (inst.kind == "sine") wave = Wave::Sine;
    else if (inst.kind == "tri") wave = Wave::Triangle;
    else if (inst.kind == "saw") wave = Wave::Saw;
    const float duty = static_cast<float>(inst.Get("duty", 0.5));

    const size_t start = static_cast<size_t>(startSec * kRate);
    const size_t n = static_cast<size_t>((gate + r) * kRate) + 1;
    if (dry.size() < start + n) {
        dry.resize(start + n, 0.0f);
        send.resize(start + n, 0.0f);
    }
    const float chordScale = 1.0f / std::sqrt(static_cast<float>(note.midi.size()));
    for (size_t k = 0; k < note.midi.size(); ++k) {
        const double hz = NoteHz(note.midi[k] + 12 * octave);
        Osc o1(wave, duty, 7 + static_cast<uint32_t>(k)), o2(wave, duty, 11 + static_cast<uint32_t>(k));
        Svf filter;
        for (size_t i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / kRate;
            double f = hz;
            if (vib > 0 && t > 0.12) f *= std::pow(2.0, vib / 12.0 * std::sin(2 * kPi * 5.5 * (t - 0.12)) * std::min(1.0, (t - 0.12) * 4));
            double v = o1.Next(f);
            if (detune > 0) v = 0.5 * (v + o2.Next(f * std::pow(2.0, detune / 1200.0)));
            if (cutoff > 0) {
                filter.Set(cutoff * (1 + fenv * std::exp(-t * 10)), q);
                v = filter.Low(static_cast<float>(v));
            }
            const float out = static_cast<float>(v * vol * Adsr(t, gate, a, d, s, r)) * chordScale;
            dry[start + i] += out;
            send[start + i] += out * static_cast<float>(sendAmt);
        }
    }
}

void RenderDrum(const Instrument& inst, const Note& note, double startSec, Buffer& dry, Buffer& send, uint32_t seed) {
    const size_t start = static_cast<size_t>(startSec * kRate);
    const float vol = static_cast<float>(inst.Get("vol", 0.3)) * note.vel;
    Buffer hit;
    if (inst.kind == "kick") Kick(hit, 0, vol);
    else if (inst.kind == "snare") Snare(hit, 0, vol, seed);
    else if (inst.kind == "hat") HiHat(hit, 0, vol, inst.Get("decay", 0.035), seed);
    else if (inst.kind == "ohat") HiHat(hit, 0, vol, inst.Get("decay", 0.2), seed);
    else if (inst.kind == "crash") Crash(hit, 0, vol, seed);
    else if (inst.kind == "tom") Tom(hit, 0, vol, inst.Get("hz", 120));
    if (dry.size() < start + hit.size()) {
        dry.resize(start + hit.size(), 0.0f);
        send.resize(start + hit.size(), 0.0f);
    }
    const float sendAmt = static_cast<float>(inst.Get("send", 0));
    for (size_t i = 0; i < hit.size(); ++i) {
        dry[start + i] += hit[i];
        send[start + i] += hit[i] * sendAmt;
    }
}

void RemoveDc(Buffer& b) {
    double mean = 0;
    for (float v : b) mean += v;
    mean /= std::max<size_t>(1, b.size());
    for (float& v : b) v -= static_cast<float>(mean);
}

}  // namespace

bool RenderSong(const std::string& text, Buffer& out, std::string* error) {
    Song song;
    if (!Parse(text, song, error)) return false;
    const double stepSec = 60.0 / song.tempo / 4.0;
    double totalSteps = 0;
    for (const auto& name : song.order) totalSteps += song.parts[name].steps;
    const size_t length = static_cast<size_t>(std::llround(totalSteps * stepSec * kRate));
    const size_t full = length + static_cast<size_t>(song.tail * kRate);
    Buffer dry(full, 0.0f), send(full, 0.0f);

    double offset = 0;
    uint32_t seed = 1;
    for (const auto& name : song.order) {
        const Part& part = song.parts[name];
        for (const auto& voice : song.instOrder) {
            auto it = part.voices.find(voice);
            if (it == part.voices.end()) continue;
            const Instrument& inst = song.inst[voice];
            for (const Note& note : it->second) {
                double step = offset + note.start;
                if (std::fmod(note.start, 2.0) == 1.0) step += song.swing;
                const double at = step * stepSec;
                if (IsDrum(inst.kind)) RenderDrum(inst, note, at, dry, send, seed++);
                else RenderTone(inst, note, at, stepSec, dry, send);
            }
        }
        offset += part.steps;
    }
    dry.resize(std::max(dry.size(), full), 0.0f);
    send.resize(dry.size(), 0.0f);
    if (song.echoWet > 0) {
        Buffer wet = send;
        Echo(wet, song.echoBeats * 60.0 / song.tempo, static_cast<float>(song.echoFb), 1.0f);
        for (size_t i = 0; i < dry.size(); ++i) dry[i] += static_cast<float>(song.echoWet) * (wet[i] - send[i]);
    }
    if (song.reverb > 0) {
        Buffer room = send;
        Reverb(room, 1.0f, 1.0f);
        for (size_t i = 0; i < dry.size(); ++i) dry[i] += static_cast<float>(song.reverb) * (room[i] - send[i]);
    }
    if (song.loop) {
        // Everything that rings past the loop's end sounds again over its start.
        for (size_t i = length; i < dry.size(); ++i) dry[(i - length) % length] += dry[i];
        dry.resize(length);
        RemoveDc(dry);
    } else {
        RemoveDc(dry);
        size_t end = dry.size();
        while (end > length && std::fabs(dry[end - 1]) < 1e-4f) --end;
        dry.resize(end);
        FadeEdges(dry, 0.0, 0.05);
    }
    Normalize(dry, song.peak);
    out = std::move(dry);
    return true;
}

}  // namespace soundgen
