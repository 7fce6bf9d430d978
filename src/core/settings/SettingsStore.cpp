#include "core/settings/SettingsStore.h"

#include <cstdint>
#include <limits>
#include <type_traits>

namespace kelvane {

namespace {

// The keys of the settings file and the fields they hold, in writing order.

struct WindowKeys {
    std::string_view prefix;
    WindowPlacement AppSettings::*placement;
};

constexpr WindowKeys WindowsKeys[] = {
    {"Main", &AppSettings::Main},
    {"Info", &AppSettings::Info},
    {"Elements", &AppSettings::Elements},
    {"Orbit", &AppSettings::Orbit},
    {"Quick", &AppSettings::Quick},
    // Added later than the others, so after them in a file written before.
    {"Sector", &AppSettings::Sector},
};

constexpr std::int32_t WindowPlacement::*Corners[] = {
    &WindowPlacement::Corner1, // Top
    &WindowPlacement::Corner2, // Left
    &WindowPlacement::Corner3, // Height
    &WindowPlacement::Corner4, // Width
};

struct OptionKey {
    std::string_view name;
    std::int16_t AppSettings::*field;
};

// The options after the three that hold one of a few values.
constexpr OptionKey NumberOptionsKeys[] = {
    {"VisibleOrbits", &AppSettings::VisibleOrbits},
    {"ColorText", &AppSettings::ColorText},
    {"SwapBW", &AppSettings::SwapBW},
    {"WhiteOrbits", &AppSettings::WhiteOrbits},
    {"OrbitPenWidth", &AppSettings::OrbitPenWidth},
};

constexpr std::string_view WindowsSection = "Windows";
constexpr std::string_view OptionsSection = "Options";

// Calls visit(key, field) for every key of the settings file in writing
// order, after pointing ini at the key's section. Settings is AppSettings
// for reading and const AppSettings for writing; field is a reference to the
// 16-bit or 32-bit member, or the 16-bit enum, that the key holds.
template <class Settings, class Visit>
void VisitSettings(Settings& settings, modINI& ini, const std::string& settingsPath, Visit visit)
{
    ini.IniSetTarget(WindowsSection, settingsPath);
    std::string key;
    for (const WindowKeys& window : WindowsKeys) {
        auto& placement = settings.*(window.placement);
        key.assign(window.prefix).append("State");
        visit(key, placement.State);
        char digit = '1';
        for (const auto corner : Corners) {
            key.assign(window.prefix).append("Corner").push_back(digit++);
            visit(key, placement.*corner);
        }
    }

    ini.IniSetTarget(OptionsSection, settingsPath);
    key.assign("LifeSupport");
    visit(key, settings.LifeSupport);
    key.assign("Biozone");
    visit(key, settings.Biozone);
    key.assign("OrbitDisplay");
    visit(key, settings.OrbitDisplay);
    for (const OptionKey& option : NumberOptionsKeys) {
        key.assign(option.name);
        visit(key, settings.*(option.field));
    }
}

// The number a field holds, whether a plain integer or an enum.
template <class Field> std::int32_t AsNumber(Field field)
{
    if constexpr (std::is_enum_v<Field>)
        return static_cast<std::underlying_type_t<Field>>(field);
    else
        return field;
}

template <class Field> void ReadField(modINI& ini, const std::string& key, Field& field)
{
    if constexpr (std::is_enum_v<Field>) {
        // Any number of the enum's 16 bits is kept as the file holds it.
        auto number = static_cast<std::underlying_type_t<Field>>(field);
        ReadField(ini, key, number);
        field = static_cast<Field>(number);
    } else {
        const std::int32_t value = ini.IniReadInt(key, field);
        // A number the field cannot hold is dropped like a missing key.
        if (value < std::numeric_limits<Field>::min() || value > std::numeric_limits<Field>::max())
            return;
        field = static_cast<Field>(value);
    }
}

} // namespace

void SetDefaultSettings(AppSettings& settings)
{
    settings = AppSettings{};
}

void LoadSettings(AppSettings& settings, modINI& ini, const std::string& settingsPath)
{
    VisitSettings(settings, ini, settingsPath,
                  [&ini](const std::string& key, auto& field) { ReadField(ini, key, field); });
}

void SaveSettings(const AppSettings& settings, modINI& ini, const std::string& settingsPath)
{
    ini.IniHoldWrites();
    VisitSettings(settings, ini, settingsPath, [&ini](const std::string& key, const auto& field) {
        ini.IniWriteInt(key, AsNumber(field));
    });
    ini.IniWriteHeld(); // a file that cannot be written keeps what it held
}

} // namespace kelvane
