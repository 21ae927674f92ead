// libFuzzer target: the WAVE reader and the rate conversion on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "wave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    echowell::Pcm pcm;
    if (!echowell::ParseWave(data, size, pcm)) return 0;
    echowell::Pcm out;
    echowell::Resample(pcm, 48000, (size & 1) != 0, out);
    return 0;
}

// Writes seed files into dir when run with -write-seeds=DIR (keeps binaries out of the repo).
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
void Put(std::vector<uint8_t>& b, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
std::vector<uint8_t> Seed(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, int frames) {
    const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    std::vector<uint8_t> b = {'R', 'I', 'F', 'F'};
    const uint32_t data = static_cast<uint32_t>(frames * align);
    Put(b, 4 + 8 + 16 + 8 + data + 10, 4);
    for (char c : std::string("WAVEfmt ")) b.push_back(static_cast<uint8_t>(c));
    Put(b, 16, 4);
    Put(b, tag, 2);
    Put(b, channels, 2);
    Put(b, rate, 4);
    Put(b, rate * align, 4);
    Put(b, align, 2);
    Put(b, bits, 2);
    for (char c : std::string("LIST")) b.push_back(static_cast<uint8_t>(c));
    Put(b, 1, 4);
    b.push_back(0);
    b.push_back(0);
    for (char c : std::string("data")) b.push_back(static_cast<uint8_t>(c));
    Put(b, data, 4);
    for (uint32_t i = 0; i < data; ++i) b.push_back(static_cast<uint8_t>(i * 37));
    return b;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    for (int i = 1; i < *argc; ++i) {
        const char* arg = (*argv)[i];
        if (std::strncmp(arg, "-write-seeds=", 13) != 0) continue;
        const std::string dir = arg + 13;
        const std::vector<uint8_t> seeds[] = {Seed(1, 1, 22050, 16, 40), Seed(1, 2, 44100, 8, 33),
                                              Seed(1, 2, 8000, 16, 5), Seed(0xFFFE, 1, 48000, 16, 7)};
        int n = 0;
        for (const auto& s : seeds) {
            const std::string path = dir + "/seed" + std::to_string(n++);
            if (FILE* f = std::fopen(path.c_str(), "wb")) {
                std::fwrite(s.data(), 1, s.size(), f);
                std::fclose(f);
            }
        }
        std::exit(0);
    }
    return 0;
}
