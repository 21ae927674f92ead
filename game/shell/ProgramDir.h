// The program's directory: where the palette, the sounds and Config.UAC live.
#pragma once

#include <string>

namespace Main2 {
// Directory of the running executable (no trailing slash), unless overridden.
const std::string& ProgramDirectory();
// Program directory + "/" + name.
std::string ProgramFile(const std::string& name);
// Tests point the game at a scratch directory; "" goes back to the executable's.
void SetProgramDirectory(const std::string& dir);
}  // namespace Main2
