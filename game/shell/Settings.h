// The five settings of Config.UAC (module Main_Module's globals) and the file routines.
#pragma once

#include <cstdint>
#include <string>

#include "shell/Flag.h"

namespace Main_Module {
inline uint8_t StockSetting = 3;
inline float GaugeRateSetting = 0.9f;
inline uint8_t FrameDelay = 50;
inline Flag MusicOn = True;
inline Flag AltKeyLayout = False;
}  // namespace Main_Module

namespace Main2 {

inline constexpr const char* kSettingsFile = "Config.UAC";

// Defaults, then Config.UAC from the program directory. A missing file keeps the defaults;
// a line that is missing or does not hold a usable value keeps that setting's default.
void ReadSettings();
// Writes Config.UAC through a temporary file in the same directory renamed over the old one,
// so the old file survives any failure. Returns false (old file untouched) if it could not.
bool WriteSettings();

// The file's text and its parser, for the routines above and for tests.
std::string FormatSettings();   // five CR LF lines
void ParseSettings(const std::string& text);  // sets the defaults first
std::string FormatGaugeRate(float value);     // shortest form, at most 7 significant digits

}  // namespace Main2
