#include "shell/Echowave.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/platform.h"
#include "shell/StateDump.h"

namespace Echowave {
namespace {

const Library* Bound = nullptr;
Library Loaded;
void* LoadedHandle = nullptr;

// A library that has only the pointer-taking dsCreateDSB gets it behind this adapter.
int32_t (*PlainCreate)(int32_t, const void*, int32_t) = nullptr;
int32_t CreateWithoutSize(int32_t device, const void* image, uint32_t, int32_t flag) {
    return PlainCreate(device, image, flag);
}

// Files larger than this are not read: no sound is that long.
constexpr std::uintmax_t kMaxFileBytes = 256u << 20;

std::string ExecutableDirectory() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

template <typename F>
bool Sym(void* handle, const char* name, F& out) {
    out = reinterpret_cast<F>(dlsym(handle, name));
    return out != nullptr;
}

bool LoadFrom(const std::string& file) {
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return false;
    Library lib;
    bool ok = Sym(handle, "dsInitialize", lib.dsInitialize) && Sym(handle, "dsPlay", lib.dsPlay) &&
              Sym(handle, "dsPlayLooping", lib.dsPlayLooping) && Sym(handle, "dsStop", lib.dsStop) &&
              Sym(handle, "dsFree", lib.dsFree) && Sym(handle, "dsTerminate", lib.dsTerminate);
    if (ok && !Sym(handle, "dsCreateDSBEx", lib.dsCreateDSB)) {
        ok = Sym(handle, "dsCreateDSB", PlainCreate);
        lib.dsCreateDSB = &CreateWithoutSize;
    }
    if (!ok) {
        dlclose(handle);
        return false;
    }
    Sym(handle, "dsSetNullDevice", lib.dsSetNullDevice);
    Sym(handle, "dsIsPlaying", lib.dsIsPlaying);
    Loaded = lib;
    LoadedHandle = handle;
    Bound = &Loaded;
    return true;
}

void Reset() {
    // Back to program start: nothing open.
    SoundTerm();
    SoundDevice = 0;
}

void Dump(Main2::StateJson& out) { out.Int("SoundDevice", SoundDevice); }

const bool registered = Main2::RegisterModule({"Echowave", &Reset, &Dump});

}  // namespace

bool BindLibrary() {
    if (Bound) return true;
    return LoadFrom(ExecutableDirectory() + "/libechowell.so") || LoadFrom("libechowell.so");
}

void BindLibrary(const Library* table) { Bound = table; }

void SoundInit(int32_t windowHandle) {
    SoundDevice = 0;
    if (BindLibrary()) {
        if (Bound->dsSetNullDevice) Bound->dsSetNullDevice(PlatformIsHeadless() ? 1 : 0);
        SoundDevice = dsInitialize(windowHandle);
    }
    if (SoundDevice == 0) SoundError("Direct Soundインターフェースが作成できません。");
}

int32_t LoadSound(const std::string& path, int32_t flag) {
    if (SoundDevice == 0) return 0;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return 0;
    try {
        const std::uintmax_t length = std::filesystem::file_size(path, ec);
        if (ec) {
            SoundError(ec.message());
            return 0;
        }
        if (length > kMaxFileBytes) return 0;
        std::vector<char> bytes(static_cast<size_t>(length));
        std::ifstream file(path, std::ios::binary);
        if (!file || (length > 0 && !file.read(bytes.data(), static_cast<std::streamsize>(length)))) {
            SoundError(std::strerror(errno ? errno : EIO));
            return 0;
        }
        if (bytes.empty()) return 0;  // nothing the library could take
        return dsCreateDSB(SoundDevice, bytes.data(), static_cast<uint32_t>(bytes.size()), flag);
    } catch (const std::exception& e) {
        SoundError(e.what());
        return 0;
    }
}

void SoundError(const std::string& text) { MessageBox(text, "Echowell.Dll", MessageIcon::Exclamation); }

void SoundTerm() {
    if (SoundDevice != 0) dsTerminate(SoundDevice);
    SoundDevice = 0;
}

int32_t dsInitialize(int32_t window) { return Bound && Bound->dsInitialize ? Bound->dsInitialize(window) : 0; }
int32_t dsCreateDSB(int32_t device, const void* image, uint32_t size, int32_t flag) {
    return Bound && Bound->dsCreateDSB ? Bound->dsCreateDSB(device, image, size, flag) : 0;
}
int32_t dsPlay(int32_t buffer) { return Bound && Bound->dsPlay ? Bound->dsPlay(buffer) : 0; }
int32_t dsPlayLooping(int32_t buffer) { return Bound && Bound->dsPlayLooping ? Bound->dsPlayLooping(buffer) : 0; }
int32_t dsStop(int32_t buffer) { return Bound && Bound->dsStop ? Bound->dsStop(buffer) : 0; }
int32_t dsFree(int32_t buffer) { return Bound && Bound->dsFree ? Bound->dsFree(buffer) : 0; }
int32_t dsTerminate(int32_t device) { return Bound && Bound->dsTerminate ? Bound->dsTerminate(device) : 0; }
int32_t IsPlaying(int32_t buffer) { return Bound && Bound->dsIsPlaying ? Bound->dsIsPlaying(buffer) : 0; }

}  // namespace Echowave
