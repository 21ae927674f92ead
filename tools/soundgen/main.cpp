// soundgen SONG_DIR OUT_DIR [SLOT]: writes 00.wav .. 36.wav (or one slot) into OUT_DIR.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "effects.h"
#include "song.h"
#include "wavfile.h"

using namespace soundgen;

namespace {

const char* SongFile(int slot) {
    switch (slot) {
        case 3: return "versus.song";
        case 4: return "ready.song";
        case 14: return "title.song";
        case 15: return "course.song";
        case 16: return "won.song";
        case 17: return "lost.song";
        default: return nullptr;
    }
}

bool Make(int slot, const std::string& songDir, Buffer& out) {
    if (HasEffect(slot)) {
        out = MakeEffect(slot);
        return !out.empty();
    }
    const std::string path = songDir + "/" + SongFile(slot);
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "soundgen: cannot read %s\n", path.c_str());
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    if (!RenderSong(text.str(), out, &error)) {
        std::fprintf(stderr, "soundgen: %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: soundgen SONG_DIR OUT_DIR [SLOT]\n");
        return 2;
    }
    int first = 0, last = 36;
    if (argc > 3) first = last = std::stoi(argv[3]);
    for (int slot = first; slot <= last; ++slot) {
        Buffer samples;
        if (!Make(slot, argv[1], samples)) return 1;
        char name[16];
        std::snprintf(name, sizeof name, "/%02d.wav", slot);
        if (!WriteWave(std::string(argv[2]) + name, samples)) {
            std::fprintf(stderr, "soundgen: cannot write %s%s\n", argv[2], name);
            return 1;
        }
    }
    return 0;
}
