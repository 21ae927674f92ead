// Until the super-move pictures are drawn, the sequences show nothing and return at once.
#include "match/SuperEffects.h"

namespace Main_Module {

void HyperSequence(int) {}
void SichiseiSequence(int) {}
void KamikazeSequence() {}
void TendonSequence(int) {}
void DrawFighterEffects(int) {}

}  // namespace Main_Module
