// The match: RunMatch and the round flow.
#pragma once

namespace Main_Module {
void RunMatch();
}  // namespace Main_Module
