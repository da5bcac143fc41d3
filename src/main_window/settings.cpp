#include "main_window/settings.h"

#include "layouts/names.h"
#include "layouts/texts.h"
#include "platform/conversions.h"

namespace rublet {

SettingsRecord Settings;

namespace {

class Reader {
public:
    Reader(const SettingsStore& store, SettingsReading& reading) : store_(store), reading_(reading) {}

    [[nodiscard]] std::wstring Text(std::wstring_view key, std::wstring_view defaultText) const {
        return GetSetting(store_, names::SettingsApplication, names::SettingsSection, key,
                          defaultText);
    }

    // A coordinate within 0 to `extent`; anything else, or text that is no
    // 32-bit number, gives the middle.
    std::int32_t Position(std::wstring_view key, float extent) {
        const float half = extent / 2;
        const std::wstring text = Text(key, SingleToText(half));
        const auto converted = TextToInt32(text);
        if (!converted.ok()) {
            reading_.Invalid.push_back({std::wstring(key), text});
            return RoundHalfEven(half);
        }
        const double value = converted.value;
        if (static_cast<double>(extent) < value || value < 0) return RoundHalfEven(half);
        return converted.value;
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

std::wstring DefaultPicturePath(std::wstring_view programDirectory) {
    std::wstring path(programDirectory);
    path += L'\\';
    path += names::DefaultPictureFile;
    return path;
}

SettingsReading ReadSettings(const SettingsStore& store, ScreenTwips screen,
                             std::wstring_view programDirectory) {
    SettingsReading reading;
    Reader reader(store, reading);
    SettingsRecord& record = reading.Record;
    record.Defleft = reader.Position(names::KeyDefleft, screen.Width);
    record.Deftop = reader.Position(names::KeyDeftop, screen.Height);
    record.Bmpdir = reader.Text(names::KeyBmpdir, DefaultPicturePath(programDirectory));
    record.Option1 = reader.Option(names::KeyOption1, 1);
    record.Option2 = reader.Option(names::KeyOption2, 1);
    record.Option3 = reader.Option(names::KeyOption3, 1);
    record.Option4 = reader.Option(names::KeyOption4, 0);
    record.Option5 = reader.Option(names::KeyOption5, 1);
    return reading;
}

std::wstring InvalidSettingMessage(const InvalidSetting& invalid) {
    std::wstring message(text::SettingInvalid);
    message += text::LineBreak;
    message += invalid.Key;
    message += L'=';
    message += invalid.StoredText;
    return message;
}

}  // namespace rublet
