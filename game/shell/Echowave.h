// Echowave: the game's routines around the sound library, and the library's calls as the game
// sees them (bound by name at run time; every call is a no-op while no library is bound).
#pragma once

#include <cstdint>
#include <string>

namespace Echowave {

// Device handle from dsInitialize; 0 = no sound device.
inline int32_t SoundDevice = 0;

// Loads the library and opens the device; shows SoundError when that fails.
void SoundInit(int32_t windowHandle);
// Reads the WAVE file at path whole and makes a buffer of it; 0 when there is no device,
// no file, or the library refuses it (a read error also shows SoundError).
int32_t LoadSound(const std::string& path, int32_t flag);
// Message box with text, caption "Echowell.Dll", waiting for OK.
void SoundError(const std::string& text);
// Closes the device if one is open.
void SoundTerm();

// The library's calls. Each takes and returns 32-bit values; 0 handles are ignored.
int32_t dsInitialize(int32_t window);
int32_t dsCreateDSB(int32_t device, const void* image, uint32_t size, int32_t flag);
int32_t dsPlay(int32_t buffer);
int32_t dsPlayLooping(int32_t buffer);
int32_t dsStop(int32_t buffer);
int32_t dsFree(int32_t buffer);
int32_t dsTerminate(int32_t device);

// The bound entry points. Tests may install their own table; nullptr members do nothing.
struct Library {
    int32_t (*dsInitialize)(int32_t) = nullptr;
    int32_t (*dsCreateDSB)(int32_t, const void*, uint32_t, int32_t) = nullptr;
    int32_t (*dsPlay)(int32_t) = nullptr;
    int32_t (*dsPlayLooping)(int32_t) = nullptr;
    int32_t (*dsStop)(int32_t) = nullptr;
    int32_t (*dsFree)(int32_t) = nullptr;
    int32_t (*dsTerminate)(int32_t) = nullptr;
    void (*dsSetNullDevice)(int32_t) = nullptr;   // optional
    int32_t (*dsIsPlaying)(int32_t) = nullptr;    // optional
};
// Loads libechowell.so (program's directory, then the system path) unless a table is bound.
// Returns false when it cannot be loaded.
bool BindLibrary();
// Binds the given table instead (nullptr unbinds); the caller keeps it alive.
void BindLibrary(const Library* table);
// 1 when the buffer is sounding (always 0 when the library has no such query).
int32_t IsPlaying(int32_t buffer);

}  // namespace Echowave
