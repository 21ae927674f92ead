// The game's sound module: start-up, loading order and flags, failures, freeing, and one run
// against the real library and the generated sounds.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/platform.h"
#include "shell/Echowave.h"
#include "shell/SoundBank.h"
#include "shell/SuperModule.h"

namespace fs = std::filesystem;

// ---- What the module calls around it, recorded ----
namespace {
std::vector<std::string> Log;
std::vector<std::pair<std::string, std::string>> Boxes;
std::vector<MessageIcon> BoxIcons;
}  // namespace

void MessageBox(const std::string& text, const std::string& caption, MessageIcon icon) {
    Boxes.emplace_back(text, caption);
    BoxIcons.push_back(icon);
}
bool PlatformIsHeadless() { return true; }
namespace SUPER_MODULE {
void HideCursor(Flag hide) { Log.push_back("HideCursor(" + std::to_string(hide) + ")"); }
}  // namespace SUPER_MODULE

namespace {

struct Created {
    uint32_t size;
    int32_t flag;
    std::string head;
};
std::vector<Created> Creates;
int32_t InitResult = 77;
int32_t RefuseSize = -1;  // dsCreateDSB refuses an image of this size

const Echowave::Library kFake = [] {
    Echowave::Library l;
    l.dsInitialize = [](int32_t) { return InitResult; };
    l.dsCreateDSB = [](int32_t device, const void* image, uint32_t size, int32_t flag) -> int32_t {
        EXPECT_EQ(device, InitResult);
        Creates.push_back({size, flag, std::string(static_cast<const char*>(image), 4)});
        return static_cast<int32_t>(size) == RefuseSize ? 0 : 1000 + static_cast<int32_t>(Creates.size());
    };
    l.dsFree = [](int32_t b) { Log.push_back("dsFree(" + std::to_string(b) + ")"); return 1; };
    l.dsTerminate = [](int32_t d) { Log.push_back("dsTerminate(" + std::to_string(d) + ")"); return 1; };
    return l;
}();

const char* const kNoDevice = "Direct Soundインターフェースが作成できません。";

class SoundBank : public ::testing::Test {
protected:
    void SetUp() override {
        Log.clear();
        Boxes.clear();
        BoxIcons.clear();
        Creates.clear();
        InitResult = 77;
        RefuseSize = -1;
        Echowave::BindLibrary(&kFake);
        for (int32_t& b : Main2::SoundBuf) b = -5;
        dir = fs::temp_directory_path() / ("soundbank_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        // File n holds "RIFF" and is 20 + n bytes long, so each call shows which file it got.
        for (int n = 0; n < Main_Module::kSoundSlots; ++n)
            std::ofstream(File(n), std::ios::binary) << "RIFF" << std::string(16 + n, 'x');
    }
    void TearDown() override {
        Echowave::SoundDevice = 0;
        Echowave::BindLibrary(nullptr);
        fs::remove_all(dir);
    }
    std::string File(int n) const {
        char name[16];
        std::snprintf(name, sizeof name, "%02d.wav", n);
        return (dir / name).string();
    }
    fs::path dir;
};

TEST_F(SoundBank, LoadsEverySlotInOrderWithItsFlag) {
    Echowave::SoundInit(1);
    EXPECT_EQ(Echowave::SoundDevice, 77);
    Main2::LoadSounds(dir.string());
    ASSERT_EQ(Creates.size(), 37u);
    for (int n = 0; n < 37; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(Creates[n].size, 20u + n) << "file " << n << " read whole, in order";
        EXPECT_EQ(Creates[n].head, "RIFF");
        EXPECT_EQ(Creates[n].flag, (n == 3 || n == 14 || n == 15) ? 1 : 2);
        EXPECT_EQ(Main2::SoundBuf[n], 1001 + n);
    }
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(SoundBank, NoDeviceShowsOneMessageAndLoadsNothing) {
    InitResult = 0;
    Echowave::SoundInit(1);
    Main2::LoadSounds(dir.string());
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].first, kNoDevice);
    EXPECT_EQ(Boxes[0].second, "Echowell.Dll");
    EXPECT_EQ(BoxIcons[0], MessageIcon::Exclamation);
    EXPECT_TRUE(Creates.empty());
    for (int32_t b : Main2::SoundBuf) EXPECT_EQ(b, 0);
    Echowave::SoundTerm();
    EXPECT_TRUE(Log.empty()) << "no device, nothing to close";
}

TEST_F(SoundBank, AFailedFileLeavesOnlyItsSlotZero) {
    struct Failure {
        const char* what;
        std::function<void(const std::string& file)> apply;
        size_t boxes;
    };
    const Failure failures[] = {
        {"missing", [](const std::string& f) { fs::remove(f); }, 0},
        {"unreadable", [](const std::string& f) { fs::remove(f); fs::create_directory(f); }, 1},
        {"refused by the library", [](const std::string&) { RefuseSize = 20 + 14; }, 0},
        {"empty", [](const std::string& f) { std::ofstream(f, std::ios::trunc); }, 0},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.what);
        SetUp();
        f.apply(File(14));
        Echowave::SoundInit(1);
        Main2::LoadSounds(dir.string());
        EXPECT_EQ(Main2::SoundBuf[14], 0);
        for (int n = 0; n < 37; ++n)
            if (n != 14) {
                EXPECT_NE(Main2::SoundBuf[n], 0) << n;
            }
        ASSERT_EQ(Boxes.size(), f.boxes);
        if (f.boxes) {
            EXPECT_FALSE(Boxes[0].first.empty());
            EXPECT_EQ(Boxes[0].second, "Echowell.Dll");
        }
    }
}

TEST_F(SoundBank, FreesAllSlotsInOrderThenShowsTheCursorThenCloses) {
    Echowave::SoundInit(1);
    for (int n = 0; n < 37; ++n) Main2::SoundBuf[n] = n % 5 == 0 ? 0 : 500 + n;
    Main2::FreeSounds();
    Echowave::SoundTerm();
    ASSERT_EQ(Log.size(), 39u);
    for (int n = 0; n < 37; ++n) EXPECT_EQ(Log[n], "dsFree(" + std::to_string(Main2::SoundBuf[n]) + ")");
    EXPECT_EQ(Log[37], "HideCursor(0)");
    EXPECT_EQ(Log[38], "dsTerminate(77)");
    EXPECT_EQ(Echowave::SoundDevice, 0);
}

TEST_F(SoundBank, WithoutALibraryEveryCallIsANoOp) {
    Echowave::BindLibrary(nullptr);
    static const Echowave::Library empty;
    Echowave::BindLibrary(&empty);
    Echowave::SoundInit(1);
    EXPECT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Echowave::dsPlay(5), 0);
    EXPECT_EQ(Echowave::dsPlayLooping(5), 0);
    EXPECT_EQ(Echowave::dsStop(5), 0);
    EXPECT_EQ(Echowave::dsFree(5), 0);
    EXPECT_EQ(Echowave::IsPlaying(5), 0);
}

// The real libechowell.so beside this program, on the null device, with the generated sounds.
TEST_F(SoundBank, RealLibraryLoadsTheGeneratedSounds) {
    Echowave::BindLibrary(nullptr);
    ASSERT_TRUE(Echowave::BindLibrary());
    Echowave::SoundInit(1);
    ASSERT_NE(Echowave::SoundDevice, 0);
    Main2::LoadSounds(AEROTUSSLE_BIN_DIR);
    for (int n = 0; n < 37; ++n) EXPECT_NE(Main2::SoundBuf[n], 0) << n;
    EXPECT_TRUE(Boxes.empty());

    Echowave::dsPlayLooping(Main2::SoundBuf[14]);
    Echowave::dsPlay(Main2::SoundBuf[1]);
    EXPECT_EQ(Echowave::IsPlaying(Main2::SoundBuf[14]), 1);
    EXPECT_EQ(Echowave::IsPlaying(Main2::SoundBuf[1]), 1);
    Echowave::dsStop(Main2::SoundBuf[14]);
    EXPECT_EQ(Echowave::IsPlaying(Main2::SoundBuf[14]), 0);
    const int32_t held = Main2::SoundBuf[1];
    Main2::FreeSounds();
    EXPECT_EQ(Echowave::IsPlaying(held), 0);
    EXPECT_EQ(Echowave::dsPlay(held), 0) << "freed";
    Echowave::SoundTerm();
    EXPECT_EQ(Echowave::SoundDevice, 0);
}

}  // namespace
