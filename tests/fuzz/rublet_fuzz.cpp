// libFuzzer over the portable rules that read what a user or a file gives:
// number texts, the stored settings, bitmap and PNG headers, dropped paths
// and the blocks drops arrive in. The first byte picks the rule; the checks
// are the rules' own promises.
#include <cstdlib>

#include "drop/drop_files_block.h"
#include "drop/drop_processing.h"
#include "memory_store.h"
#include "pictures/bitmap_file.h"
#include "pictures/png_file.h"
#include "platform/portable/conversions.h"
#include "platform/portable/ini_text.h"
#include "platform/portable/paths.h"
#include "settings/settings.h"

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

void Numbers(const std::wstring& text) {
    const auto wide = TextToInt32(text);
    const auto narrow = TextToInt16(text);
    Require(narrow.ok() ? wide.ok() && wide.value == narrow.value : !wide.ok() || wide.value < -32768 || wide.value > 32767);
    if (wide.ok()) Require(TextToInt32(SingleToText(static_cast<float>(wide.value))).ok());
    if (const auto single = TextToSingle(text)) Require(TextToSingle(FormatFixed2(*single)).has_value());
}

// Pairs of a key's number and a text's length, each before its text.
void StoredSettings(const std::uint8_t* data, std::size_t size) {
    static const wchar_t* keys[] = {L"Defleft", L"Deftop", L"Bmpdir", L"Option1", L"Option2", L"Option3", L"Option4", L"Option5"};
    testing_support::MemoryStore store;
    for (std::size_t at = 0; at + 2 < size; at += 2 + data[at + 1])
        store.Set(keys[data[at] % 8], Text(data + at + 2, std::min<std::size_t>(data[at + 1], size - at - 2)));
    const auto stored = store.values;
    const SettingsReading reading = ReadSettings(store, {15360, 11520}, L"C:\\Rublet\\Rublet.bmp");
    Require(store.values == stored && reading.Invalid.size() <= stored.size());
    // With no monitor to keep it on, the window starts on the primary screen.
    const TwipsPoint place = StartUpPlace({reading.Record.Defleft, reading.Record.Deftop}, 480, 480, {15360, 11520}, {});
    Require(place.Left >= 0 && place.Left <= 15360 && place.Top >= 0 && place.Top <= 11520);
}

// Each path is whole and not empty, and together they fit in the block.
void DropBlock(const std::uint8_t* data, std::size_t size) {
    const auto paths = ReadDropFilesBlock({reinterpret_cast<const std::byte*>(data), size},
                                          [](std::string_view text) { return std::wstring(text.begin(), text.end()); });
    std::size_t units = 0;
    for (const std::wstring& path : paths.value_or(std::vector<std::wstring>{})) {
        Require(!path.empty() && path.find(L'\0') == std::wstring::npos);
        units += path.size() + 1;
    }
    Require(20 + units <= size || !paths);
}

// A path's names hold no separator and are none of them empty; a name's key
// is never longer than the name.
void DroppedPath(const std::wstring& path) {
    static_cast<void>(IsDriveOrShareRoot(path));
    for (const std::wstring_view name : SplitPath(path).Names) {
        Require(!name.empty() && name.find_first_of(L"\\/") == std::wstring_view::npos);
        Require(NameKey(name).size() <= name.size());
        if (IsPlainName(name)) Require(!NameKey(name).empty());
    }
}

// Whatever an ini file holds, a value written to it reads back as written
// (up to its first line break), and the file's other keys stay.
void IniFile(const std::wstring& text) {
    const std::wstring value = text.substr(text.size() / 2);
    const std::wstring written = WithIniValue(text, L"setting", L"Option1", value);
    Require(IniValue(written, L"setting", L"Option1") == value.substr(0, value.find_first_of(L"\r\n")));
    Require(IniValue(written, L"other", L"Option1") == IniValue(text, L"other", L"Option1"));
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
    case 3: DroppedPath(Text(data + 1, size - 1)); break;
    case 4: IniFile(Text(data + 1, size - 1)); break;
    default: DropBlock(data + 1, size - 1); break;
    }
    return 0;
}
