#include "settings/settings.h"

#include "texts/language.h"
#include "platform/portable/conversions.h"
#include "settings/settings_keys.h"

namespace rublet {

SettingsRecord Settings;

namespace {

// Every setting lies under one application and section of the store.
std::optional<std::wstring> Stored(const SettingsStore& store, std::wstring_view key) {
    return store.Read(names::SettingsApplication, names::SettingsSection, key);
}

void Store(SettingsStore& store, std::wstring_view key, std::wstring_view text) {
    store.Save(names::SettingsApplication, names::SettingsSection, key, text);
}

class Reader {
public:
    Reader(const SettingsStore& store, SettingsReading& reading) : store_(store), reading_(reading) {}

    [[nodiscard]] std::wstring Text(std::wstring_view key, std::wstring_view defaultText) const {
        return Stored(store_, key).value_or(std::wstring(defaultText));
    }

    // The stored coordinate; text that is no 32-bit number gives the middle
    // of `extent`.
    std::int32_t Position(std::wstring_view key, float extent) {
        const float half = extent / 2;
        const std::wstring text = Text(key, SingleToText(half));
        const auto converted = TextToInt32(text);
        if (converted.ok()) return converted.value;
        reading_.Invalid.push_back({std::wstring(key), text});
        return RoundHalfEven(half);
    }

    std::int16_t Option(std::wstring_view key, std::int16_t defaultValue) {
        const std::wstring text = Text(key, std::to_wstring(defaultValue));
        const auto converted = TextToInt16(text);
        if (!converted.ok()) {
            reading_.Invalid.push_back({std::wstring(key), text});
            return defaultValue;
        }
        return converted.value;
    }

private:
    const SettingsStore& store_;
    SettingsReading& reading_;
};

}  // namespace

SettingsReading ReadSettings(const SettingsStore& store, ScreenTwips screen,
                             std::wstring_view defaultPicture) {
    SettingsReading reading;
    Reader reader(store, reading);
    SettingsRecord& record = reading.Record;
    record.Defleft = reader.Position(names::KeyDefleft, screen.Width);
    record.Deftop = reader.Position(names::KeyDeftop, screen.Height);
    record.Bmpdir = reader.Text(names::KeyBmpdir, defaultPicture);
    for (const auto& [key, option] : {std::pair{names::KeyOption1, &SettingsRecord::Option1},
                                      {names::KeyOption2, &SettingsRecord::Option2},
                                      {names::KeyOption3, &SettingsRecord::Option3},
                                      {names::KeyOption4, &SettingsRecord::Option4},
                                      {names::KeyOption5, &SettingsRecord::Option5}})
        record.*option = reader.Option(key, record.*option);
    return reading;
}

void SavePlace(SettingsStore& store, float left, float top) {
    Store(store, names::KeyDefleft, SingleToText(left));
    Store(store, names::KeyDeftop, SingleToText(top));
}

void SaveOptions(SettingsStore& store, const SettingsRecord& record) {
    Store(store, names::KeyBmpdir, record.Bmpdir);
    Store(store, names::KeyOption1, std::to_wstring(record.Option1));
    Store(store, names::KeyOption2, std::to_wstring(record.Option2));
    Store(store, names::KeyOption3, std::to_wstring(record.Option3));
    Store(store, names::KeyOption4, std::to_wstring(record.Option4));
    Store(store, names::KeyOption5, std::to_wstring(record.Option5));
}

TwipsPoint StartUpPlace(TwipsPoint stored, float width, float height, ScreenTwips screen,
                        std::span<const TwipsRect> monitors) {
    const auto left = static_cast<float>(stored.Left), top = static_cast<float>(stored.Top);
    for (const TwipsRect& monitor : monitors)
        if (left < monitor.Right && left + width > monitor.Left && top < monitor.Bottom && top + height > monitor.Top)
            return stored;
    const auto within = [](std::int32_t value, float extent) {
        const double twips = value;
        return twips < 0 || static_cast<double>(extent) < twips ? RoundHalfEven(extent / 2) : value;
    };
    return {within(stored.Left, screen.Width), within(stored.Top, screen.Height)};
}

std::wstring InvalidSettingMessage(const InvalidSetting& invalid) {
    return TwoLines(Text().SettingInvalid, invalid.Key + L'=' + invalid.StoredText);
}

}  // namespace rublet
