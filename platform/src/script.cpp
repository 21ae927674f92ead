#include "platform/script.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace {

std::vector<std::string> Split(const std::string& s) {
    std::vector<std::string> words;
    std::istringstream in(s);
    std::string w;
    while (in >> w) words.push_back(w);
    return words;
}

// Decimal, or hexadecimal with 0x; the whole word must be the number.
bool ParseNumber(const std::string& word, uint64_t max, uint64_t& out) {
    if (word.empty() || word[0] == '-' || word[0] == '+') return false;
    int base = 10;
    const char* p = word.c_str();
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        base = 16;
        p += 2;
    }
    if (*p == '\0' || *p == '-' || *p == '+' || *p == ' ') return false;
    errno = 0;
    char* end = nullptr;
    unsigned long long v = std::strtoull(p, &end, base);
    if (errno != 0 || end != word.c_str() + word.size() || v > max) return false;
    out = v;
    return true;
}

struct CommandShape {
    const char* name;
    ScriptOp op;
    int args;
};

constexpr CommandShape kCommands[] = {
    {"keydown", ScriptOp::KeyDown, 1},     {"keyup", ScriptOp::KeyUp, 1},
    {"mousemove", ScriptOp::MouseMove, 2}, {"mousedown", ScriptOp::MouseDown, 1},
    {"mouseup", ScriptOp::MouseUp, 1},     {"joy", ScriptOp::Joy, 3},
    {"nojoy", ScriptOp::NoJoy, 0},         {"capture", ScriptOp::Capture, 1},
    {"state", ScriptOp::State, 1},         {"close", ScriptOp::Close, 0},
    {"quit", ScriptOp::Quit, 0},
};

bool ParseWords(const std::vector<std::string>& words, size_t first, ScriptLine& out,
                std::string& reason) {
    if (first >= words.size()) {
        reason = "missing command";
        return false;
    }
    const std::string& name = words[first];
    const CommandShape* shape = nullptr;
    for (const auto& c : kCommands)
        if (name == c.name) shape = &c;
    if (!shape) {
        reason = "unknown command '" + name + "'";
        return false;
    }
    const size_t given = words.size() - first - 1;
    if (given != static_cast<size_t>(shape->args)) {
        reason = name + " takes " + std::to_string(shape->args) + " argument" +
                 (shape->args == 1 ? "" : "s") + ", got " + std::to_string(given);
        return false;
    }
    out.op = shape->op;
    auto arg = [&](int i) -> const std::string& { return words[first + 1 + i]; };
    auto number = [&](int i, uint64_t lo, uint64_t hi, const char* what, uint32_t& dst) {
        uint64_t v = 0;
        if (!ParseNumber(arg(i), hi, v) || v < lo) {
            reason = std::string(what) + " must be a number from " + std::to_string(lo) + " to " +
                     std::to_string(hi) + ", got '" + arg(i) + "'";
            return false;
        }
        dst = static_cast<uint32_t>(v);
        return true;
    };
    switch (shape->op) {
    case ScriptOp::KeyDown:
    case ScriptOp::KeyUp:
        return number(0, 3, 254, "key code", out.a);
    case ScriptOp::MouseMove:
        return number(0, 0, 639, "X", out.a) && number(1, 0, 479, "Y", out.b);
    case ScriptOp::MouseDown:
    case ScriptOp::MouseUp:
        return number(0, 1, 2, "button", out.a);
    case ScriptOp::Joy:
        return number(0, 0, 65535, "X", out.a) && number(1, 0, 65535, "Y", out.b) &&
               number(2, 0, 0xFFFFFFFFu, "buttons", out.c);
    case ScriptOp::Capture:
    case ScriptOp::State:
        out.path = arg(0);
        return true;
    default:
        return true;
    }
}

}  // namespace

bool ParseScriptCommand(const std::string& command, ScriptLine& out, std::string& reason) {
    out = ScriptLine{};
    return ParseWords(Split(command), 0, out, reason);
}

bool ParseScript(const std::string& text, const std::string& name, std::vector<ScriptLine>& out,
                 std::string& error) {
    out.clear();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    long lastFrame = 0;
    auto fail = [&](const std::string& reason) {
        error = name + ":" + std::to_string(number) + ": " + reason;
        out.clear();
        return false;
    };
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> words = Split(line);
        if (words.empty() || words[0][0] == '#') continue;
        uint64_t frame = 0;
        if (!ParseNumber(words[0], 0x7FFFFFFF, frame))
            return fail("frame must be a whole number from 0, got '" + words[0] + "'");
        if (static_cast<long>(frame) < lastFrame)
            return fail("frame " + std::to_string(frame) + " comes after frame " +
                        std::to_string(lastFrame));
        ScriptLine parsed;
        std::string reason;
        if (!ParseWords(words, 1, parsed, reason)) return fail(reason);
        parsed.frame = static_cast<long>(frame);
        parsed.lineNumber = number;
        lastFrame = parsed.frame;
        out.push_back(parsed);
    }
    return true;
}
