// Placeholder until the match lands: a match returns at once to the title.
#include "match/Match.h"

namespace Main_Module {
void RunMatch() {}
}  // namespace Main_Module
