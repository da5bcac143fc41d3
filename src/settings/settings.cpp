#include "settings/settings.h"

#include "layouts/names.h"
#include "layouts/language.h"
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

std::wstring DefaultPicturePath(std::wstring_view programDirectory) {
    std::wstring path(programDirectory);
    path += L'\\';
    path += names::DefaultPictureFile;
    return path;
}

std::vector<std::wstring> DefaultPicturePaths(std::wstring_view programDirectory, int dpi) {
    constexpr struct {
        int FromDpi;
        std::wstring_view File;
    } bins[] = {{288, names::DefaultPicture128File}, {144, names::DefaultPicture64File}, {0, names::DefaultPictureFile}};
    std::vector<std::wstring> paths;
    for (const auto& bin : bins)
        if (dpi >= bin.FromDpi) paths.push_back(std::wstring(programDirectory) + L'\\' + std::wstring(bin.File));
    return paths;
}

std::wstring FullPicturePath(std::wstring_view picturePath) {
    const std::size_t name = picturePath.find_last_of(L"\\/") + 1;  // 0 without a folder
    std::size_t dot = picturePath.rfind(L'.');
    if (dot == std::wstring_view::npos || dot < name) dot = picturePath.size();
    std::wstring path(picturePath.substr(0, dot));
    path += names::FullPictureSuffix;
    path += picturePath.substr(dot);
    return path;
}

SettingsReading ReadSettings(const SettingsStore& store, ScreenTwips screen,
                             std::wstring_view programDirectory) {
    SettingsReading reading;
    Reader reader(store, reading);
    SettingsRecord& record = reading.Record;
    record.Defleft = reader.Position(names::KeyDefleft, screen.Width);
    record.Deftop = reader.Position(names::KeyDeftop, screen.Height);
    reading.PictureStored = store.Read(names::SettingsApplication, names::SettingsSection, names::KeyBmpdir).has_value();
    record.Bmpdir = reader.Text(names::KeyBmpdir, DefaultPicturePath(programDirectory));
    record.Option1 = reader.Option(names::KeyOption1, 1);
    record.Option2 = reader.Option(names::KeyOption2, 1);
    record.Option3 = reader.Option(names::KeyOption3, 1);
    record.Option4 = reader.Option(names::KeyOption4, 0);
    record.Option5 = reader.Option(names::KeyOption5, 1);
    return reading;
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
