#include "platform/portable/conversions.h"

#include <gtest/gtest.h>

using namespace rublet;
constexpr auto Mismatch = ConversionError::TypeMismatch, Overflow = ConversionError::Overflow;

TEST(TextToInt32, RoundsToTheNearestWithHalvesToEvenOrSaysWhyNot) {
    const struct { const wchar_t* text; std::int32_t value; ConversionError error = ConversionError::None; } cases[] = {
        {L"7680", 7680}, {L"7680.5", 7680}, {L"7681.5", 7682}, {L"-2.5", -2}, {L"-3.5", -4}, {L"2.5000001", 3},
        {L"2.4999999", 2}, {L"  42 ", 42}, {L"+7", 7}, {L".9", 1}, {L"1.234568E+07", 12345680}, {L"15e-1", 2},
        {L"-0", 0}, {L"-2147483648", INT32_MIN}, {L"2147483647.4", INT32_MAX}, {L"000000000000000000000000012", 12},
        {L"", 0, Mismatch}, {L"12x", 0, Mismatch}, {L"1 2", 0, Mismatch}, {L"-", 0, Mismatch}, {L".", 0, Mismatch},
        {L"1e", 0, Mismatch}, {L"&H10", 0, Mismatch}, {L"2147483648", 0, Overflow}, {L"2147483647.5", 0, Overflow},
        {L"-2147483649", 0, Overflow}, {L"9e99999999999", 0, Overflow}};
    for (const auto& c : cases) {
        const auto converted = TextToInt32(c.text);
        EXPECT_EQ(std::pair(converted.error, converted.ok() ? converted.value : 0), std::pair(c.error, c.value))
            << testing::PrintToString(c.text);
    }
}

TEST(SingleToText, WritesTheGeneralFormThatReadsBackAsTheSameWholeNumber) {
    for (const auto& [value, text] : {std::pair{-0.0f, L"0"}, {12345678.0f, L"1.234568E+07"}})
        EXPECT_EQ(SingleToText(value), text);
    for (int twips = -30000; twips <= 30000; twips += 7)
        ASSERT_EQ(TextToInt32(SingleToText(static_cast<float>(twips))).value, twips);
}

TEST(FormatFixed2, RoundsHalvesAwayFromZeroOnTheExactValue) {
    // 2.675 is held just below itself, 0.005 just above; sizes are never negative.
    for (const auto& [value, text] : {std::pair{2.675, L"2.67"}, {0.005, L"0.01"}, {99.999, L"100.00"}})
        EXPECT_EQ(FormatFixed2(value), text) << value;
    // k / 1024 is exact in binary, with a half only where 100 k is an odd multiple of 512.
    for (int k = 0; k < 200000; k += 13) {
        const long long h = (100LL * k + 512) / 1024;
        ASSERT_EQ(FormatFixed2(k / 1024.0f), std::to_wstring(h / 100) + L"." + std::to_wstring(100 + h % 100).substr(1));
    }
}
