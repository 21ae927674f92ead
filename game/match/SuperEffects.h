// Super-move pictures: the full-screen sequences and the per-fighter effect layer.
#pragma once

namespace Main_Module {

void HyperSequence(int slot);
void SichiseiSequence(int slot);
void KamikazeSequence();
void TendonSequence(int slot);
// Effect layer and strike flash of fighter slot, drawn inside the renderer's fighter loop.
void DrawFighterEffects(int slot);

}  // namespace Main_Module
