// Config.UAC: five lines, CR LF, numbers with a period, booleans as #TRUE# / #FALSE#.
#include "shell/Settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <vector>

#include "shell/ProgramDir.h"
#include "shell/StateDump.h"

namespace Main2 {
using namespace Main_Module;

namespace {

// Only the head of the file matters; a huge or binary file is not read whole.
constexpr size_t kMaxRead = 4096;

void SetDefaults() {
    StockSetting = 3;
    GaugeRateSetting = 0.9f;
    FrameDelay = 50;
    MusicOn = True;
    AltKeyLayout = False;
}

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// A whole number 0..255 with nothing else on the line.
bool ParseByte(const std::string& s, uint8_t& out) {
    unsigned v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty() || v > 255) return false;
    out = static_cast<uint8_t>(v);
    return true;
}

// A finite decimal number, period as separator, leading zero optional (".9").
bool ParseFloat(const std::string& s, float& out) {
    std::string t = s;
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    if (!t.empty() && t[0] == '.') t.insert(0, "0");
    if (t.empty()) return false;
    float v = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v)) return false;
    out = v;
    return true;
}

bool ParseFlag(const std::string& s, Flag& out) {
    std::string u;
    for (char c : s) u += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    if (u == "#TRUE#") out = True;
    else if (u == "#FALSE#") out = False;
    else return false;
    return true;
}

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

void Dump(StateJson& out) {
    out.Int("StockSetting", StockSetting);
    out.Num("GaugeRateSetting", GaugeRateSetting);
    out.Int("FrameDelay", FrameDelay);
    out.Int("MusicOn", MusicOn);
    out.Int("AltKeyLayout", AltKeyLayout);
}

const bool registered = RegisterModule({"Main_Module.Settings", &SetDefaults, &Dump});

}  // namespace

std::string FormatGaugeRate(float value) {
    char buf[32];
    for (int precision = 1; precision <= 7; ++precision) {
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general,
                                       precision);
        if (ec != std::errc()) break;
        float back = 0;
        std::from_chars(buf, end, back);
        if (back == value || precision == 7) return std::string(buf, end);
    }
    return "0";
}

std::string FormatSettings() {
    std::string s;
    s += std::to_string(StockSetting) + "\r\n";
    s += FormatGaugeRate(GaugeRateSetting) + "\r\n";
    s += std::to_string(FrameDelay) + "\r\n";
    s += std::string(IsTrue(MusicOn) ? "#TRUE#" : "#FALSE#") + "\r\n";
    s += std::string(IsTrue(AltKeyLayout) ? "#TRUE#" : "#FALSE#") + "\r\n";
    return s;
}

void ParseSettings(const std::string& text) {
    SetDefaults();
    std::vector<std::string> lines;
    size_t pos = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
    while (lines.size() < 5 && pos < text.size()) {
        size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) nl = text.size();
        lines.push_back(Trim(text.substr(pos, nl - pos)));
        pos = nl + 1;
    }
    lines.resize(5);

    uint8_t stock = 0;
    // No lives at all would put every fighter out before the match starts.
    if (ParseByte(lines[0], stock) && stock >= 1) StockSetting = stock;
    float rate = 0;
    // A negative rate would drain the gauge below empty.
    if (ParseFloat(lines[1], rate) && rate >= 0) GaugeRateSetting = rate;
    ParseByte(lines[2], FrameDelay);
    ParseFlag(lines[3], MusicOn);
    ParseFlag(lines[4], AltKeyLayout);
}

void ReadSettings() {
    SetDefaults();
    std::ifstream in(ProgramFile(kSettingsFile), std::ios::binary);
    if (!in) return;
    std::string text(kMaxRead, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    ParseSettings(text);
}

bool WriteSettings() {
    const std::string target = ProgramFile(kSettingsFile);
    const std::string temp = target + ".tmp" + std::to_string(getpid());
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, FormatSettings()) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok) ok = std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    int dir = open(ProgramDirectory().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

}  // namespace Main2
