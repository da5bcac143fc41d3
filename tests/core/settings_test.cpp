#include "settings/settings.h"

#include <gtest/gtest.h>

#include <map>

namespace rublet {
namespace {

// A store held in memory.
class MemoryStore final : public SettingsStore {
public:
    std::optional<std::wstring> Read(std::wstring_view application, std::wstring_view section,
                                     std::wstring_view key) const override {
        const auto found = values.find(Address(application, section, key));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void Save(std::wstring_view application, std::wstring_view section, std::wstring_view key,
              std::wstring_view text) override {
        values[Address(application, section, key)] = text;
    }
    void Set(std::wstring_view key, std::wstring_view text) { Save(L"Rublet", L"setting", key, text); }
    static std::wstring Address(std::wstring_view application, std::wstring_view section, std::wstring_view key) {
        return std::wstring(application) + L"|" + std::wstring(section) + L"|" + std::wstring(key);
    }

    std::map<std::wstring, std::wstring> values;
};

constexpr ScreenTwips Screen1024x768{1024 * 15.0f, 768 * 15.0f};

SettingsReading ReadFrom(const MemoryStore& store, ScreenTwips screen = Screen1024x768) {
    return ReadSettings(store, screen, L"C:\\Program Files\\Rublet");
}

TEST(ReadSettings, AnEmptyStoreGivesTheDefaults) {
    const MemoryStore store;
    const SettingsRecord record = ReadFrom(store).Record;
    EXPECT_EQ(record.Defleft, 7680);
    EXPECT_EQ(record.Deftop, 5760);
    EXPECT_EQ(record.Bmpdir, L"C:\\Program Files\\Rublet\\Rublet.bmp");
    EXPECT_EQ((std::vector<int>{record.Option1, record.Option2, record.Option3, record.Option4, record.Option5}),
              (std::vector<int>{1, 1, 1, 0, 1}));
    // 1023 x 767 pixels: half the width is 7672.5 twips, whose text converts to 7672.
    EXPECT_EQ(ReadFrom(store, {1023 * 15.0f, 767 * 15.0f}).Record.Defleft, 7672);
    EXPECT_EQ(ReadFrom(store, {1023 * 15.0f, 767 * 15.0f}).Record.Deftop, 5752);
}

struct PlaceCase {
    const wchar_t *defleft, *deftop;
    std::vector<TwipsRect> monitors;  // none: the rules of the primary screen alone
    std::int32_t left, top;
    std::size_t invalid = 0;
};

class StoredPlace : public testing::TestWithParam<PlaceCase> {};

// A 32 x 32 pixel window (480 twips), the primary screen 1024 x 768 pixels.
TEST_P(StoredPlace, IsKeptWithinTheScreenOrWhereTheWindowLiesAtLeastPartlyOnAMonitor) {
    MemoryStore store;
    store.Set(L"Defleft", GetParam().defleft);
    store.Set(L"Deftop", GetParam().deftop);
    const SettingsReading reading = ReadFrom(store);
    const TwipsPoint place = StartUpPlace({reading.Record.Defleft, reading.Record.Deftop}, 480, 480,
                                          Screen1024x768, GetParam().monitors);
    EXPECT_EQ(place, (TwipsPoint{GetParam().left, GetParam().top}));
    EXPECT_EQ(reading.Invalid.size(), GetParam().invalid);
}

INSTANTIATE_TEST_SUITE_P(PrimaryScreen, StoredPlace,
                         testing::Values(PlaceCase{L"15360", L"11520", {}, 15360, 11520},  // the screen size passes
                                         PlaceCase{L"-15", L"300", {}, 7680, 300}, PlaceCase{L"300", L"11521", {}, 300, 5760},
                                         PlaceCase{L"15361", L"-1", {}, 7680, 5760}, PlaceCase{L"0", L"0", {}, 0, 0},
                                         PlaceCase{L"7680.5", L"7681.5", {}, 7680, 7682},
                                         PlaceCase{L"-0.4", L"-0.5", {}, 0, 0}));

constexpr TwipsRect Primary{0, 0, 15360, 11520};
constexpr TwipsRect ToTheLeft{-19200, 1000, 0, 11800};         // 1280 x 720, a little lower
constexpr TwipsRect Above{-2000, -16200, 26800, 0};             // 1920 x 1080
constexpr TwipsRect ToTheRight{15360, -3000, 44160, 13200};     // taller than the primary

INSTANTIATE_TEST_SUITE_P(
    Monitors, StoredPlace,
    testing::Values(PlaceCase{L"-15000", L"3000", {Primary, ToTheLeft}, -15000, 3000},
                    PlaceCase{L"3000", L"-6000", {Primary, Above}, 3000, -6000},
                    PlaceCase{L"30000", L"12000", {ToTheRight, Primary}, 30000, 12000},
                    PlaceCase{L"-15000", L"3000", {Primary}, 7680, 3000},  // unplugged since
                    PlaceCase{L"-15000", L"400", {Primary, ToTheLeft}, 7680, 400},  // just above the monitor on the left
                    PlaceCase{L"-15", L"3000", {Primary}, -15, 3000},  // partly off the primary screen
                    PlaceCase{L"-480", L"-480", {Primary}, 7680, 5760},  // touching it, not on it
                    PlaceCase{L"15360", L"11520", {Primary}, 15360, 11520},  // what the rules accept stays
                    PlaceCase{L"abc", L"3000", {Primary, ToTheLeft}, 7680, 3000, 1}));

TEST(ReadSettings, ANumberThatCannotBeReadGivesItsDefaultAndAWarning) {
    MemoryStore store;
    store.Set(L"Defleft", L"left");
    store.Set(L"Deftop", L"99999999999");
    store.Set(L"Option2", L"abc");
    store.Set(L"Option3", L"70000");
    store.Set(L"Option4", L"1");
    const SettingsReading reading = ReadFrom(store);
    EXPECT_EQ(reading.Record.Defleft, 7680);
    EXPECT_EQ(reading.Record.Deftop, 5760);
    EXPECT_EQ(reading.Record.Option2, 1);
    EXPECT_EQ(reading.Record.Option3, 1);
    EXPECT_EQ(reading.Record.Option4, 1);
    std::vector<std::wstring> messages;
    for (const InvalidSetting& invalid : reading.Invalid) messages.push_back(InvalidSettingMessage(invalid));
    const std::wstring warning = L"設定の値が正しくないため、既定値を使用します。\r\n";
    EXPECT_EQ(messages, (std::vector<std::wstring>{warning + L"Defleft=left", warning + L"Deftop=99999999999",
                                                   warning + L"Option2=abc", warning + L"Option3=70000"}));
}

TEST(ReadSettings, OptionsAndThePicturePathArriveAsStored) {
    MemoryStore store;
    for (const auto& [key, text] : {std::pair{L"Option1", L"5"}, {L"Option2", L"2"}, {L"Option3", L"-1"},
                                    {L"Option4", L"32767"}, {L"Option5", L"0"}, {L"Bmpdir", L" D:\\ごみ箱.gif "}})
        store.Set(key, text);
    const SettingsRecord record = ReadFrom(store).Record;
    EXPECT_EQ((std::vector<int>{record.Option1, record.Option2, record.Option3, record.Option4, record.Option5}),
              (std::vector<int>{5, 2, -1, 32767, 0}));
    EXPECT_EQ(record.Bmpdir, L" D:\\ごみ箱.gif ");
    store.Set(L"Bmpdir", L"");
    EXPECT_EQ(ReadFrom(store).Record.Bmpdir, L"") << "an empty path stays empty";
    EXPECT_EQ(DefaultPicturePath(L"C:\\"), L"C:\\\\Rublet.bmp");
}

TEST(FullPicturePath, PutsFullBeforeTheExtensionOfTheFileName) {
    EXPECT_EQ(FullPicturePath(L"C:\\Tools\\Rublet.bmp"), L"C:\\Tools\\Rublet_full.bmp");
    EXPECT_EQ(FullPicturePath(L"D:\\絵.pics\\ごみ箱.large.gif"), L"D:\\絵.pics\\ごみ箱.large_full.gif");
    EXPECT_EQ(FullPicturePath(L"D:\\my.pics\\bin"), L"D:\\my.pics\\bin_full") << "no extension";
    EXPECT_EQ(FullPicturePath(L"bin.ico"), L"bin_full.ico");
}

}  // namespace
}  // namespace rublet
