#pragma once
// The settings record, the rules by which start-up reads it, and the rule
// that places the window at start-up. Portable.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/portable/screen_twips.h"
#include "settings/settings_store.h"

namespace rublet {

// With the defaults that a key missing from the store takes; the place's
// and the picture's follow from the screen and the program's folder.
struct SettingsRecord {
    std::int32_t Defleft = 0;  // twips
    std::int32_t Deftop = 0;   // twips
    std::wstring Bmpdir;
    std::int16_t Option1 = 1;  // 0 = to the Recycle Bin, any other value = delete outright
    std::int16_t Option2 = 1;  // confirm before processing (on only when 1)
    std::int16_t Option3 = 1;  // report when processing has ended
    std::int16_t Option4 = 0;  // always on top
    std::int16_t Option5 = 1;  // play the "EmptyRecycleBin" sound
};

[[nodiscard]] constexpr bool IsOn(std::int16_t option) noexcept { return option == 1; }
// Dropped items go to the Recycle Bin for Option1 0 alone; any other value
// deletes them outright.
[[nodiscard]] constexpr bool IsRecycleBinMode(const SettingsRecord& settings) noexcept { return settings.Option1 == 0; }

// The process-wide record: filled by Loadsetting, changed only by the
// settings dialog's OK.
extern SettingsRecord Settings;

// A stored value that could not be converted; its key's default was used.
struct InvalidSetting {
    std::wstring Key;
    std::wstring StoredText;
};

struct SettingsReading {
    // Defleft and Deftop as stored, or the middle of the screen where
    // nothing usable was stored; StartUpPlace decides where the window goes.
    SettingsRecord Record;
    std::vector<InvalidSetting> Invalid;
};

struct TwipsPoint {
    std::int32_t Left = 0;
    std::int32_t Top = 0;

    friend bool operator==(const TwipsPoint&, const TwipsPoint&) = default;
};

// Reads every key with its default (`defaultPicture` for Bmpdir) and
// replaces unconvertible numbers by their defaults. Reads only; nothing is
// written to the store.
[[nodiscard]] SettingsReading ReadSettings(const SettingsStore& store, ScreenTwips screen,
                                           std::wstring_view defaultPicture);

// The window's place, in twips, as its unload stores it.
void SavePlace(SettingsStore& store, float left, float top);
// The picture and the five options of `record`, as the settings dialog's
// OK stores them.
void SaveOptions(SettingsStore& store, const SettingsRecord& record);

// Where the window, `width` by `height` twips, starts: the stored place
// where the window there lies at least partly on one of the monitors, so a
// bin kept on a second monitor stays there; otherwise each coordinate
// outside the primary screen goes to the screen's middle.
[[nodiscard]] TwipsPoint StartUpPlace(TwipsPoint stored, float width, float height, ScreenTwips screen,
                                      std::span<const TwipsRect> monitors);

// The warning shown for a value that ReadSettings replaced.
[[nodiscard]] std::wstring InvalidSettingMessage(const InvalidSetting& invalid);

}  // namespace rublet
