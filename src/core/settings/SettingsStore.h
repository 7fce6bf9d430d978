#pragma once

#include <string>
#include <string_view>

#include "core/settings/AppSettings.h"
#include "core/settings/modINI.h"

namespace kelvane {

// The name of the settings file in the program's folder.
inline constexpr std::string_view SettingsFileName = "kelvane.ini";

// The settings file holds two sections, written in this order: "Windows"
// with MainState, MainCorner1 to MainCorner4, then the same five keys for the
// prefixes Info, Elements, Orbit, Quick and Sector; and "Options" with LifeSupport,
// Biozone, OrbitDisplay, VisibleOrbits, ColorText, SwapBW, WhiteOrbits and
// OrbitPenWidth. Every value is a decimal integer; booleans are -1 or 0.

// Every option to its built-in default, every window placement to none
// recorded (State -1, corners 0).
void SetDefaultSettings(AppSettings& settings);

// Reads every field from the settings file at settingsPath, each with the
// field's current value as its default, so a missing file, section or key
// leaves the field as it is. Values are taken as the file holds them, without
// checking them against the options' ranges. A value that a 16-bit field
// (the States and the options) cannot hold, below -32768 or above 32767,
// is treated like a missing key: the field keeps its current value. So is a
// value of a corner that does not fit in 32 bits.
void LoadSettings(AppSettings& settings, modINI& ini, const std::string& settingsPath);

// Writes every field to the settings file at settingsPath, in the order
// above, in one replacement of the file. Keys already in the file are
// replaced in place; missing keys, sections and the file itself are added.
// A file that cannot be written is left as it was; failures are not
// reported.
void SaveSettings(const AppSettings& settings, modINI& ini, const std::string& settingsPath);

} // namespace kelvane
