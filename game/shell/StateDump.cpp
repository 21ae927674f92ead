#include "StateDump.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace Main2 {

namespace {
std::vector<ModuleHooks>& Registry() {
    static std::vector<ModuleHooks> modules;
    return modules;
}

std::string Quote(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}
}  // namespace

std::string StateJson::Format(double value) {
    if (!std::isfinite(value)) return "null";
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", value);
        return buf;
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.9g", value);
    return buf;
}

void StateJson::Num(const std::string& name, double value) { fields_[name] = Format(value); }
void StateJson::Int(const std::string& name, int64_t value) { fields_[name] = std::to_string(value); }
void StateJson::Bool(const std::string& name, bool value) { fields_[name] = value ? "true" : "false"; }
void StateJson::Str(const std::string& name, const std::string& value) { fields_[name] = Quote(value); }

std::string StateJson::Text() const {
    std::string out = "{";
    bool first = true;
    for (const auto& [name, value] : fields_) {
        if (!first) out += ",";
        first = false;
        out += Quote(name) + ":" + value;
    }
    return out + "}";
}

bool RegisterModule(const ModuleHooks& hooks) {
    Registry().push_back(hooks);
    return true;
}

void ResetAllModules() {
    for (const auto& m : Registry())
        if (m.reset) m.reset();
}

std::string DumpAllState() {
    StateJson out;
    for (const auto& m : Registry())
        if (m.dump) m.dump(out);
    return out.Text();
}

}  // namespace Main2
