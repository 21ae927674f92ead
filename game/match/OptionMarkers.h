// Markers of the options page and the stage-select cursor: screen positions kept in step with
// the settings and StageChoice.
#pragma once

#include <cstdint>

namespace Main_Module {
inline int32_t StockMarkerX = 0, GaugeMarkerX = 0, SpeedMarkerX = 0, MusicMarkerX = 0;
inline uint8_t StockMarkerW = 0, GaugeMarkerW = 0, SpeedMarkerW = 0, MusicMarkerW = 0;
// Top-left of the 220x170 stage cursor frame.
inline int32_t StageCursorX = 0;
inline int16_t StageCursorY = 0;
}  // namespace Main_Module

namespace Main2 {
// Markers from the settings; a value off its table leaves its marker. On the music item it
// also starts or stops the title music.
void PlaceOptionMarkers();
void PlaceStageCursor();
}  // namespace Main2
