// In-match key polling of the keyboard fighters and the mouse fighter's buttons.
#pragma once

namespace Main_Module {
void PollKeys();
}  // namespace Main_Module
