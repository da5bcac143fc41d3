#include "platform/portable/ini_text.h"

#include <gtest/gtest.h>

using namespace rublet;

TEST(IniText, ReadsAKeyOfItsSectionIgnoringCaseAndBlanksButKeepsTheValueAsItStands) {
    const std::wstring text = L"Option1=9\r\n[other]\r\nOption1=8\r\n [ Setting ] \r\n option1 = 1 \r\nBmpdir= D:\\ご み.gif \r\n"
                              L"Bmpdir=second\r\nbroken line\r\n=\r\n[setting]\r\nOption2=2";
    EXPECT_EQ(IniValue(text, L"setting", L"Option1"), L" 1 ");
    EXPECT_EQ(IniValue(text, L"setting", L"Bmpdir"), L" D:\\ご み.gif ");
    EXPECT_EQ(IniValue(text, L"setting", L"Option2"), L"2") << "a section given twice";
    EXPECT_EQ(IniValue(text, L"setting", L"Option3"), std::nullopt);
    EXPECT_EQ(IniValue(text, L"none", L"Option1"), std::nullopt);
    EXPECT_EQ(IniValue(L"", L"setting", L"Option1"), std::nullopt);
}

TEST(IniText, ChangesOneLineOrAddsOneAndLeavesEveryOtherLineAsItWas) {
    const struct { std::wstring text, key, value, written; } cases[] = {
        {L"", L"Defleft", L"7680", L"[setting]\r\nDefleft=7680\r\n"},
        {L"; mine\n[setting]\nOption1=0\n\n[x]\nk=v", L"Option1", L"1", L"; mine\n[setting]\nOption1=1\n\n[x]\nk=v"},
        {L"[setting]\r\nOption1=0\r\n\r\n[x]\r\n", L"Deftop", L"-30", L"[setting]\r\nOption1=0\r\nDeftop=-30\r\n\r\n[x]\r\n"},
        {L"[x]\nk=v", L"Bmpdir", L"C:\\a\r\nOption1=1", L"[x]\nk=v\n[setting]\nBmpdir=C:\\a\n"},
    };
    for (const auto& c : cases) {
        const std::wstring written = WithIniValue(c.text, L"setting", c.key, c.value);
        EXPECT_EQ(written, c.written) << testing::PrintToString(c.text);
        EXPECT_EQ(IniValue(written, L"setting", c.key), c.value.substr(0, c.value.find(L'\r')));
    }
}
