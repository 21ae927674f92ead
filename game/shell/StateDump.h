// Module registry: every module of the game registers how to put its globals back to their
// program-start values and how to write them into the headless state dump.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace Main2 {

// A flat JSON object under construction: names are the globals' own names, per-slot fields
// are arrays of four.
class StateJson {
public:
    void Num(const std::string& name, double value);
    void Int(const std::string& name, int64_t value);
    void Bool(const std::string& name, bool value);
    void Str(const std::string& name, const std::string& value);
    template <typename T>
    void Array(const std::string& name, const T* values, int count) {
        std::string s = "[";
        for (int i = 0; i < count; ++i) {
            if (i) s += ",";
            s += Format(static_cast<double>(values[i]));
        }
        fields_[name] = s + "]";
    }
    std::string Text() const;  // {"a":1,"b":[1,2,3,4],...} with names sorted
    static std::string Format(double value);

private:
    std::map<std::string, std::string> fields_;
};

struct ModuleHooks {
    const char* name;
    void (*reset)();               // program-start values (may be null)
    void (*dump)(StateJson& out);  // headless state (may be null)
};

// Register from a static object in the module's own .cpp:
//   static const bool registered = Main2::RegisterModule({"Main_Module.Menu", &Reset, &Dump});
bool RegisterModule(const ModuleHooks& hooks);
void ResetAllModules();
std::string DumpAllState();

}  // namespace Main2
