// Making the surfaces of the picture set, the two built sprite sheets and the now-loading screens.
#pragma once

#include <cstdint>
#include <vector>

namespace Main2 {

// The unpacked bitmap file of an embedded picture ("CHR_1", "READY0", "TitleBMP3"...);
// empty when the program carries no such picture.
std::vector<uint8_t> PictureBytes(const char* name);

// Start-up surfaces. Step 12 makes SurfCHR_1 and SurfCHR_2; step 13 makes the other start-up
// pictures in table order. A picture that is absent or fails leaves its handle 0.
void MakeStartupSurfaces(int step);

// Composes SurfCharSheet and SurfTukkomiSheet, sets their keys, releases the two sources.
void BuildSheets();

// Title pictures: made before every title screen, released before every match.
void MakeTitleSurfaces();
void ReleaseTitleSurfaces();

// The opening's pictures (SurfTamberlyn 0..4, SurfTukkomi).
void MakeOpeningSurfaces();
void ReleaseOpeningSurfaces();

// Before a match: the first time WarmUpSurfaces (now-loading frame, then every large match
// surface drawn once off screen), later times ShowNowLoading (the now-loading frame only).
// The title screen keeps the WarmedUp flag that chooses between them.
void WarmUpSurfaces();
void ShowNowLoading();

}  // namespace Main2
