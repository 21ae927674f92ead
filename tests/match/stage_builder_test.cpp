// The battlefield backgrounds painted before a match.
#include "MatchHarness.h"

#include "pictures/Surfaces.h"

using namespace Main_Module;
using match_test::Match;

namespace {

std::vector<uint8_t> StagePixels() {
    std::vector<uint8_t> px(640 * 480);
    EXPECT_EQ(ddGetSurfaceData(px.data(), static_cast<int32_t>(px.size()), Main2::SurfStage), 1);
    return px;
}

class StageBuilder : public Match {
protected:
    void SetUp() override {
        Open("");
        // A tile sheet whose stars alone have their own colour.
        Main2::SurfHAIKEI = ddCreateSurface(288, 320);
        ddFillRect(Main2::SurfHAIKEI, 0, 0, 288, 320, 1);
        ddFillRect(Main2::SurfHAIKEI, 0, 292, 64, 324, 6);
    }
};

}  // namespace

TEST_F(StageBuilder, ChoiceBecomesTheStageInPlay) {
    struct Case {
        uint8_t choice, stage;
        bool painted;
    };
    const Case cases[] = {{0, 0, true}, {1, 1, true}, {2, 5, true}, {3, 3, true}, {4, 4, true}, {6, 6, false}, {9, 9, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.choice));
        const int32_t before = Main2::SurfStage;
        StageChoice = c.choice;
        Main2::BuildStage();
        EXPECT_EQ(StageNumber, c.stage);
        EXPECT_EQ(StageChoice, c.choice == 2 ? 5 : c.choice);
        if (c.painted) { EXPECT_NE(Main2::SurfStage, before); }
        else EXPECT_EQ(Main2::SurfStage, before);
        EXPECT_NE(Main2::SurfStage, 0);
    }
}

TEST_F(StageBuilder, NightStarsMoveBetweenBuildsAndNothingElseDoes) {
    StageChoice = 0;
    PlatformHeadlessSetClock(1000);
    Main2::BuildStage();
    const auto first = StagePixels();
    PlatformHeadlessSetClock(2345);
    Main2::BuildStage();
    const auto second = StagePixels();
    int differing = 0, starPixels = 0;
    for (size_t i = 0; i < first.size(); ++i) {
        starPixels += first[i] == 6;
        if (first[i] != second[i]) {
            ++differing;
            EXPECT_TRUE(first[i] == 6 || second[i] == 6) << "at " << i;
        }
    }
    EXPECT_GT(starPixels, 0);
    EXPECT_GT(differing, 0);
}
