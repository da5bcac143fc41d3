#include "settings/settings.h"

#include <gtest/gtest.h>

#include "memory_store.h"

namespace {
using namespace rublet;
using testing_support::MemoryStore;

constexpr ScreenTwips Screen1024x768{1024 * 15.0f, 768 * 15.0f};

SettingsReading ReadFrom(const MemoryStore& store, ScreenTwips screen = Screen1024x768) {
    return ReadSettings(store, screen, L"C:\\Program Files\\Rublet\\Rublet.bmp");
}

// The place and the options.
std::vector<int> Numbers(const SettingsRecord& r) {
    return {r.Defleft, r.Deftop, r.Option1, r.Option2, r.Option3, r.Option4, r.Option5};
}

TEST(ReadSettings, AnEmptyStoreGivesTheDefaultsInTheMiddleOfTheScreen) {
    // 1023 x 767 pixels: half the width is 7672.5 twips, whose text converts to 7672.
    const SettingsReading reading = ReadFrom({}, {1023 * 15.0f, 767 * 15.0f});
    EXPECT_EQ(Numbers(reading.Record), (std::vector<int>{7672, 5752, 1, 1, 1, 0, 1}));
}

// A 32 x 32 pixel window (480 twips), the primary screen 1024 x 768 pixels.
TEST(StartUpPlace, KeepsTheStoredPlaceWithinTheScreenOrWhereTheWindowLiesAtLeastPartlyOnAMonitor) {
    constexpr TwipsRect Primary{0, 0, 15360, 11520}, ToTheLeft{-19200, 1000, 0, 11800},  // 1280 x 720, a little lower
        Above{-2000, -16200, 26800, 0}, ToTheRight{15360, -3000, 44160, 13200};         // the last taller than the primary
    const struct { const wchar_t *defleft, *deftop; std::vector<TwipsRect> monitors; TwipsPoint place; } cases[] = {
        {L"15360", L"11520", {}, {15360, 11520}},  // none: the rules of the primary screen alone
        {L"-15", L"300", {}, {7680, 300}}, {L"300", L"11521", {}, {300, 5760}}, {L"-0.4", L"-0.5", {}, {0, 0}},
        {L"-15000", L"3000", {Primary, ToTheLeft}, {-15000, 3000}}, {L"3000", L"-6000", {Primary, Above}, {3000, -6000}},
        {L"30000", L"12000", {ToTheRight, Primary}, {30000, 12000}},
        // Touching a monitor's edge from each side is not lying on it.
        {L"-480", L"3000", {Primary}, {7680, 3000}}, {L"-15000", L"520", {Primary, ToTheLeft}, {7680, 520}},
        {L"44160", L"3000", {Primary, ToTheRight}, {7680, 3000}}, {L"30000", L"13200", {ToTheRight}, {7680, 5760}},
        {L"15360", L"11520", {Primary}, {15360, 11520}}};  // off every monitor, but the rules accept it
    for (const auto& c : cases) {
        MemoryStore store;
        store.Set(L"Defleft", c.defleft), store.Set(L"Deftop", c.deftop);
        const SettingsReading reading = ReadFrom(store);
        EXPECT_EQ(StartUpPlace({reading.Record.Defleft, reading.Record.Deftop}, 480, 480, Screen1024x768, c.monitors),
                  c.place) << &c - cases;
        EXPECT_TRUE(reading.Invalid.empty());
    }
}

TEST(ReadSettings, KeepsWhatIsStoredButGivesANumberThatCannotBeReadItsDefaultAndAWarning) {
    MemoryStore store;
    for (const auto& [key, text] : {std::pair{L"Defleft", L"left"}, {L"Deftop", L"99999999999"}, {L"Option1", L"-1"},
                                    {L"Option2", L"abc"}, {L"Option3", L"70000"}, {L"Option4", L"32767"},
                                    {L"Option5", L"0"}, {L"Bmpdir", L" D:\\ごみ箱.gif "}})
        store.Set(key, text);
    const SettingsReading reading = ReadFrom(store);
    EXPECT_EQ(Numbers(reading.Record), (std::vector<int>{7680, 5760, -1, 1, 1, 32767, 0}));
    EXPECT_EQ(reading.Record.Bmpdir, L" D:\\ごみ箱.gif ");
    std::wstring invalid;
    for (const InvalidSetting& setting : reading.Invalid) invalid += setting.Key + L"=" + setting.StoredText + L" ";
    EXPECT_EQ(invalid, L"Defleft=left Deftop=99999999999 Option2=abc Option3=70000 ");
}

}  // namespace
