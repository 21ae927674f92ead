// The status strip, the round intro messages and the result banners of a match frame.
#pragma once

namespace Main_Module {

// Labels, gauges, lives and out marks of the fighters in play.
void DrawHud();
// The course's stage banner and the READY scroll, while the intro runs; advances the intro.
void DrawIntroMessages();
// The versus banner with the win tally, then the course banner.
void DrawResultBanners();

}  // namespace Main_Module
