// The memory display device: no window system. Presentation only keeps the frame.
#include "internal.h"

namespace lb {
namespace {

class MemoryDevice final : public Device {
public:
    bool EnterMode(int32_t, int32_t, bool) override { return true; }
    void LeaveMode() override {}
    bool Show(const Surface&, const LumablitPaletteEntry*) override { return true; }
    void WaitRefresh(bool) override {}
    void ListModes(std::vector<std::array<int32_t, 3>>& modes) override {
        static const int32_t sizes[][2] = {{640, 480}, {800, 600}, {1024, 768}};
        for (const auto& s : sizes)
            for (int32_t bits : {8, 16, 24, 32}) modes.push_back({s[0], s[1], bits});
    }
};

}  // namespace

std::unique_ptr<Device> MakeMemoryDevice() { return std::make_unique<MemoryDevice>(); }

}  // namespace lb
