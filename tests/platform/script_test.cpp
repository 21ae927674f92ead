#include <gtest/gtest.h>

#include "platform/script.h"

namespace {

TEST(Script, ReadsEveryCommandCommentsAndBlankLines) {
    const char* text =
        "# warm-up\n"
        "\n"
        "0 keydown 37\n"
        "0 keyup 0x25\n"
        "  3   mousemove 639 479  \n"
        "3 mousedown 1\n"
        "4 mouseup 2\r\n"
        "5 joy 0 65535 0xFFFFFFFF\n"
        "5 nojoy\n"
        "6 capture out/a.png\n"
        "6 state s.json\n"
        "7 close\n"
        "9 quit\n";
    std::vector<ScriptLine> lines;
    std::string error;
    ASSERT_TRUE(ParseScript(text, "s.txt", lines, error)) << error;
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0].op, ScriptOp::KeyDown);
    EXPECT_EQ(lines[0].a, 37u);
    EXPECT_EQ(lines[0].lineNumber, 3);
    EXPECT_EQ(lines[1].a, 37u);
    EXPECT_EQ(lines[2].frame, 3);
    EXPECT_EQ(lines[2].a, 639u);
    EXPECT_EQ(lines[2].b, 479u);
    EXPECT_EQ(lines[4].op, ScriptOp::MouseUp);
    EXPECT_EQ(lines[5].op, ScriptOp::Joy);
    EXPECT_EQ(lines[5].c, 0xFFFFFFFFu);
    EXPECT_EQ(lines[7].path, "out/a.png");
    EXPECT_EQ(lines[8].op, ScriptOp::State);
    EXPECT_EQ(lines[9].op, ScriptOp::Close);
    EXPECT_EQ(lines[10].op, ScriptOp::Quit);
    EXPECT_EQ(lines[10].lineNumber, 13);
}

using namespace std::string_literals;

struct BadLine {
    std::string line;
    const char* reasonPart;
};

TEST(Script, RejectsMalformedLinesNamingFileAndLine) {
    const BadLine cases[] = {
        {"1 jump", "unknown command 'jump'"},
        {"1", "missing command"},
        {"1 keydown", "keydown takes 1 argument, got 0"},
        {"1 keydown 37 38", "got 2"},
        {"1 mousemove 5", "mousemove takes 2 arguments"},
        {"1 joy 1 2", "joy takes 3 arguments"},
        {"1 quit now", "quit takes 0 arguments"},
        {"1 capture", "capture takes 1 argument"},
        {"1 keydown abc", "key code must be a number"},
        {"1 keydown 37x", "key code must be"},
        {"1 keydown -1", "key code must be"},
        {"1 keydown 300", "from 3 to 254"},
        {"1 keydown 1", "from 3 to 254"},
        {"1 mousemove 640 0", "X must be"},
        {"1 mousemove 0 480", "Y must be"},
        {"1 mousedown 3", "button must be"},
        {"1 joy 65536 0 0", "X must be"},
        {"1 joy 0 0 0x100000000", "buttons must be"},
        {"1 keydown 0x", "key code must be"},
        {"x keydown 37", "frame must be"},
        {"-1 keydown 37", "frame must be"},
        {"1.5 keydown 37", "frame must be"},
        {"Keydown 37", "frame must be"},
        {"1 keydown 3\0007"s, "key code must be"},  // a NUL inside the number
    };
    for (const BadLine& c : cases) {
        std::vector<ScriptLine> lines;
        std::string error;
        const std::string text = "0 keydown 40\n# note\n" + c.line + "\n9 quit\n";
        EXPECT_FALSE(ParseScript(text, "bad.txt", lines, error)) << c.line;
        EXPECT_EQ(error.rfind("bad.txt:3: ", 0), 0u) << c.line << " -> " << error;
        EXPECT_NE(error.find(c.reasonPart), std::string::npos) << c.line << " -> " << error;
        EXPECT_TRUE(lines.empty());
    }
}

TEST(Script, RejectsFramesGoingBackwards) {
    std::vector<ScriptLine> lines;
    std::string error;
    EXPECT_FALSE(ParseScript("5 keydown 37\n5 keyup 37\n4 quit\n", "s", lines, error));
    EXPECT_EQ(error, "s:3: frame 4 comes after frame 5");
}

}  // namespace
