#include "main_window/settings.h"

#include <gtest/gtest.h>

#include <map>

#include "layouts/texts.h"

namespace rublet {
namespace {

// A store held in memory that counts its writes.
class MemoryStore final : public SettingsStore {
public:
    std::optional<std::wstring> Read(std::wstring_view application, std::wstring_view section,
                                     std::wstring_view key) const override {
        const auto found = values.find(Address(application, section, key));
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    void Save(std::wstring_view application, std::wstring_view section, std::wstring_view key,
              std::wstring_view text) override {
        values[Address(application, section, key)] = std::wstring(text);
        ++writes;
    }
    void Set(std::wstring_view key, std::wstring_view text) { Save(L"Rublet", L"setting", key, text); }

    static std::wstring Address(std::wstring_view application, std::wstring_view section,
                                std::wstring_view key) {
        return std::wstring(application) + L"|" + std::wstring(section) + L"|" + std::wstring(key);
    }

    std::map<std::wstring, std::wstring> values;
    int writes = 0;
};

constexpr ScreenTwips Screen1024x768{1024 * 15.0f, 768 * 15.0f};
constexpr wchar_t ProgramDir[] = L"C:\\Program Files\\Rublet";

SettingsReading ReadFrom(const MemoryStore& store, ScreenTwips screen = Screen1024x768) {
    return ReadSettings(store, screen, ProgramDir);
}

TEST(ReadSettings, EmptyStoreGivesTheDefaults) {
    const MemoryStore store;
    const SettingsReading reading = ReadFrom(store);
    const SettingsRecord& record = reading.Record;
    EXPECT_EQ(record.Defleft, 7680);
    EXPECT_EQ(record.Deftop, 5760);
    EXPECT_EQ(record.Bmpdir, L"C:\\Program Files\\Rublet\\Rublet.bmp");
    EXPECT_EQ(record.Option1, 1);
    EXPECT_EQ(record.Option2, 1);
    EXPECT_EQ(record.Option3, 1);
    EXPECT_EQ(record.Option4, 0);
    EXPECT_EQ(record.Option5, 1);
    EXPECT_TRUE(reading.Invalid.empty());
}

TEST(ReadSettings, ReadsNothingButTheApplicationsOwnSection) {
    MemoryStore store;
    store.Save(L"Other", L"setting", L"Defleft", L"100");
    store.Save(L"Rublet", L"other", L"Defleft", L"100");
    EXPECT_EQ(ReadFrom(store).Record.Defleft, 7680);
}

TEST(ReadSettings, AnOddScreenHalfIsReadThroughItsTextForm) {
    // 1023 pixels: half the width is 7672.5 twips, whose text converts to 7672.
    const MemoryStore store;
    EXPECT_EQ(ReadFrom(store, {1023 * 15.0f, 767 * 15.0f}).Record.Defleft, 7672);
    EXPECT_EQ(ReadFrom(store, {1023 * 15.0f, 767 * 15.0f}).Record.Deftop, 5752);
}

struct PositionCase {
    const wchar_t* defleft;
    const wchar_t* deftop;
    std::int32_t expectedLeft;
    std::int32_t expectedTop;
};

class StoredPosition : public testing::TestWithParam<PositionCase> {};

TEST_P(StoredPosition, IsKeptWithinTheScreenCoordinateByCoordinate) {
    MemoryStore store;
    store.Set(L"Defleft", GetParam().defleft);
    store.Set(L"Deftop", GetParam().deftop);
    const SettingsReading reading = ReadFrom(store);
    EXPECT_EQ(reading.Record.Defleft, GetParam().expectedLeft);
    EXPECT_EQ(reading.Record.Deftop, GetParam().expectedTop);
    EXPECT_TRUE(reading.Invalid.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredPosition,
    testing::Values(PositionCase{L"15360", L"11520", 15360, 11520},  // the screen size passes
                    PositionCase{L"-15", L"300", 7680, 300},
                    PositionCase{L"300", L"11521", 300, 5760},
                    PositionCase{L"15361", L"-1", 7680, 5760},
                    PositionCase{L"0", L"0", 0, 0},
                    PositionCase{L"7680.5", L"7681.5", 7680, 7682},
                    PositionCase{L"-0.4", L"-0.5", 0, 0}));

TEST(ReadSettings, TextThatIsNoNumberGivesTheDefaultAndAWarning) {
    MemoryStore store;
    store.Set(L"Defleft", L"left");
    store.Set(L"Deftop", L"99999999999");
    store.Set(L"Option2", L"abc");
    store.Set(L"Option3", L"70000");
    store.Set(L"Option4", L"1");
    const int writesBefore = store.writes;
    const SettingsReading reading = ReadFrom(store);

    EXPECT_EQ(reading.Record.Defleft, 7680);
    EXPECT_EQ(reading.Record.Deftop, 5760);
    EXPECT_EQ(reading.Record.Option2, 1);
    EXPECT_EQ(reading.Record.Option3, 1);
    EXPECT_EQ(reading.Record.Option4, 1);
    ASSERT_EQ(reading.Invalid.size(), 4u);
    EXPECT_EQ(reading.Invalid[0].Key, L"Defleft");
    EXPECT_EQ(reading.Invalid[1].StoredText, L"99999999999");
    EXPECT_EQ(reading.Invalid[2].Key, L"Option2");
    EXPECT_EQ(reading.Invalid[3].Key, L"Option3");
    EXPECT_EQ(store.writes, writesBefore);
}

TEST(InvalidSettingMessage, NamesTheKeyAndTheStoredText) {
    EXPECT_EQ(InvalidSettingMessage({L"Option3", L"70000"}),
              L"設定の値が正しくないため、既定値を使用します。\r\nOption3=70000");
}

TEST(ReadSettings, OptionsArriveAsStoredWhateverTheirValue) {
    MemoryStore store;
    store.Set(L"Option1", L"5");
    store.Set(L"Option2", L"2");
    store.Set(L"Option3", L"-1");
    store.Set(L"Option4", L"32767");
    store.Set(L"Option5", L"0");
    const SettingsRecord record = ReadFrom(store).Record;
    EXPECT_EQ(record.Option1, 5);
    EXPECT_EQ(record.Option2, 2);
    EXPECT_EQ(record.Option3, -1);
    EXPECT_EQ(record.Option4, 32767);
    EXPECT_EQ(record.Option5, 0);
}

TEST(ReadSettings, TheStoredPicturePathIsKeptAsItIsEvenWhenEmpty) {
    MemoryStore store;
    store.Set(L"Bmpdir", L"");
    EXPECT_EQ(ReadFrom(store).Record.Bmpdir, L"");
    store.Set(L"Bmpdir", L"  D:\\pictures\\ごみ箱.gif ");
    EXPECT_EQ(ReadFrom(store).Record.Bmpdir, L"  D:\\pictures\\ごみ箱.gif ");
}

TEST(DefaultPicturePath, FollowsTheProgramDirectoryEvenAtADriveRoot) {
    EXPECT_EQ(DefaultPicturePath(L"C:\\Tools"), L"C:\\Tools\\Rublet.bmp");
    EXPECT_EQ(DefaultPicturePath(L"C:\\"), L"C:\\\\Rublet.bmp");
}

}  // namespace
}  // namespace rublet
