// libFuzzer over the portable rules that read what a user or a file gives:
// number texts, the stored settings, bitmap and PNG headers, dropped paths
// and the blocks drops arrive in. The first byte picks the rule; the checks
// are the rules' own promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <span>
#include <string>

#include "drop/drop_files_block.h"
#include "drop/drop_processing.h"
#include "settings/settings.h"
#include "platform/bitmap_file.h"
#include "platform/conversions.h"
#include "platform/png_file.h"

namespace {

using namespace rublet;

std::wstring Text(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) text += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    return text;
}

void Require(bool promise) {
    if (!promise) std::abort();
}

class Store final : public SettingsStore {
public:
    std::optional<std::wstring> Read(std::wstring_view, std::wstring_view, std::wstring_view key) const override {
        const auto found = values.find(std::wstring(key));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void Save(std::wstring_view, std::wstring_view, std::wstring_view, std::wstring_view) override { std::abort(); }
    std::map<std::wstring, std::wstring> values;
};

void Numbers(const std::wstring& text) {
    const auto wide = TextToInt32(text);
    const auto narrow = TextToInt16(text);
    Require(!narrow.ok() || (wide.ok() && wide.value == narrow.value));
    Require(narrow.ok() || !wide.ok() || wide.value < -32768 || wide.value > 32767);
    if (wide.ok()) Require(TextToInt32(SingleToText(static_cast<float>(wide.value))).ok());
    if (const auto single = TextToSingle(text)) Require(TextToSingle(FormatFixed2(*single)).has_value());
}

void StoredSettings(const std::uint8_t* data, std::size_t size) {
    static const wchar_t* keys[] = {L"Defleft", L"Deftop", L"Bmpdir", L"Option1", L"Option2", L"Option3", L"Option4", L"Option5"};
    Store store;
    for (std::size_t at = 0; at + 2 < size;) {
        const std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
        store.values[keys[data[at] % 8]] = Text(data + at + 2, length);
        at += 2 + length;
    }
    const SettingsReading reading = ReadSettings(store, {15360, 11520}, L"C:\\Rublet");
    // With no monitor to keep it on, the window starts on the primary screen.
    const TwipsPoint place = StartUpPlace({reading.Record.Defleft, reading.Record.Deftop}, 480, 480, {15360, 11520}, {});
    Require(place.Left >= 0 && place.Left <= 15360 && place.Top >= 0 && place.Top <= 11520);
    Require(reading.Invalid.size() <= store.values.size());
}

// Each path is whole and not empty, and together they fit in the block.
void DropBlock(const std::uint8_t* data, std::size_t size) {
    const auto paths = ReadDropFilesBlock({reinterpret_cast<const std::byte*>(data), size},
                                          [](std::string_view text) { return std::wstring(text.begin(), text.end()); });
    if (!paths) return;
    std::size_t units = 0;
    for (const std::wstring& path : *paths) {
        Require(!path.empty() && path.find(L'\0') == std::wstring::npos);
        units += path.size() + 1;
    }
    Require(20 + units <= size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    if (data[0] == 0xFF) {  // PNG headers; the others keep their first bytes
        if (const auto png = ReadPngHeader({data + 1, size - 1}))
            Require(png->Width >= 1 && png->Width <= MaxPictureSide && png->Height >= 1 && png->Height <= MaxPictureSide);
        return 0;
    }
    switch (data[0] % 8) {
    case 0: Numbers(Text(data + 1, size - 1)); break;
    case 1: StoredSettings(data + 1, size - 1); break;
    case 2: static_cast<void>(IsWholeIfBitmap({data + 1, size - 1})); break;
    case 3: static_cast<void>(IsDriveOrShareRoot(Text(data + 1, size - 1))); break;
    default: DropBlock(data + 1, size - 1); break;
    }
    return 0;
}
