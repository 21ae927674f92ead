#include "shell/ProgramDir.h"

#include <unistd.h>

#include <climits>

namespace Main2 {
namespace {
std::string& Override() {
    static std::string dir;
    return dir;
}

std::string ExecutableDirectory() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}
}  // namespace

const std::string& ProgramDirectory() {
    static const std::string exeDir = ExecutableDirectory();
    return Override().empty() ? exeDir : Override();
}

std::string ProgramFile(const std::string& name) {
    const std::string& dir = ProgramDirectory();
    return dir.back() == '/' ? dir + name : dir + "/" + name;
}

void SetProgramDirectory(const std::string& dir) { Override() = dir; }
}  // namespace Main2
