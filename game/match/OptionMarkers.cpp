#include "match/OptionMarkers.h"

#include "match/MatchSound.h"
#include "match/MenuState.h"
#include "shell/Settings.h"
#include "shell/StateDump.h"

namespace Main2 {
using namespace Main_Module;

namespace {
constexpr int kTitleMusic = 14;
constexpr int kMusicItem = 3;

template <typename T, size_t N>
int IndexOf(const T (&values)[N], T value) {
    for (size_t i = 0; i < N; ++i)
        if (values[i] == value) return static_cast<int>(i);
    return -1;
}
}  // namespace

void PlaceOptionMarkers() {
    static constexpr int32_t kStockX[9] = {220, 260, 290, 330, 360, 400, 440, 470, 500};
    if (StockSetting >= 1 && StockSetting <= 9) {
        StockMarkerX = kStockX[StockSetting - 1];
        StockMarkerW = 32;
    }

    static constexpr float kGauge[8] = {0.1f, 0.3f, 0.5f, 0.7f, 0.9f, 1.5f, 2.0f, 3.0f};
    static constexpr int32_t kGaugeX[8] = {220, 260, 300, 340, 382, 423, 475, 495};
    static constexpr uint8_t kGaugeW[8] = {40, 40, 43, 42, 43, 45, 20, 120};
    if (int g = IndexOf(kGauge, GaugeRateSetting); g >= 0) {
        GaugeMarkerX = kGaugeX[g];
        GaugeMarkerW = kGaugeW[g];
    }

    static constexpr int32_t kSpeedX[8] = {210, 260, 310, 368, 420, 476, 530, 580};
    if (FrameDelay % 10 == 0 && FrameDelay <= 70) {
        SpeedMarkerX = kSpeedX[FrameDelay / 10];
        SpeedMarkerW = 45;
    }

    if (OptionItem == kMusicItem) {
        if (IsTrue(MusicOn)) {
            MusicMarkerX = 210;
            MusicMarkerW = 90;
            PlaySoundLooping(kTitleMusic);
        } else if (MusicOn == False) {
            MusicMarkerX = 310;
            MusicMarkerW = 80;
            StopSound(kTitleMusic);
        }
    }
}

void PlaceStageCursor() {
    static constexpr int32_t kX[6] = {1, 210, 419, 0, 210, 419};
    static constexpr int16_t kY[6] = {64, 64, 64, 272, 272, 272};
    if (StageChoice > 5) return;
    StageCursorX = kX[StageChoice];
    StageCursorY = kY[StageChoice];
}

namespace {
void Reset() {
    StockMarkerX = GaugeMarkerX = SpeedMarkerX = MusicMarkerX = 0;
    StockMarkerW = GaugeMarkerW = SpeedMarkerW = MusicMarkerW = 0;
    StageCursorX = 0;
    StageCursorY = 0;
}

void Dump(StateJson& out) {
    out.Int("StockMarkerX", StockMarkerX);
    out.Int("StockMarkerW", StockMarkerW);
    out.Int("GaugeMarkerX", GaugeMarkerX);
    out.Int("GaugeMarkerW", GaugeMarkerW);
    out.Int("SpeedMarkerX", SpeedMarkerX);
    out.Int("SpeedMarkerW", SpeedMarkerW);
    out.Int("MusicMarkerX", MusicMarkerX);
    out.Int("MusicMarkerW", MusicMarkerW);
    out.Int("StageCursorX", StageCursorX);
    out.Int("StageCursorY", StageCursorY);
}
const bool registered = RegisterModule({"Main_Module.OptionMarkers", &Reset, &Dump});
}  // namespace

}  // namespace Main2
