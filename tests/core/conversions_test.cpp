#include "platform/conversions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace rublet {
namespace {

struct IntegerCase {
    const wchar_t* text;
    std::int32_t value;
    ConversionError error = ConversionError::None;
};

class TextToInt32Converts : public testing::TestWithParam<IntegerCase> {};

TEST_P(TextToInt32Converts, ToTheNearestWithHalvesToEvenOrReportsWhyNot) {
    const auto converted = TextToInt32(GetParam().text);
    EXPECT_EQ(converted.error, GetParam().error);
    if (converted.ok()) {
        EXPECT_EQ(converted.value, GetParam().value);
    }
}

constexpr auto Mismatch = ConversionError::TypeMismatch;
constexpr auto Overflow = ConversionError::Overflow;

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToInt32Converts,
    testing::Values(IntegerCase{L"7680", 7680}, IntegerCase{L"-150", -150}, IntegerCase{L"7680.5", 7680},
                    IntegerCase{L"7681.5", 7682}, IntegerCase{L"-2.5", -2}, IntegerCase{L"-3.5", -4},
                    IntegerCase{L"2.5000001", 3}, IntegerCase{L"2.4999999", 2}, IntegerCase{L"  42 ", 42},
                    IntegerCase{L"+7", 7}, IntegerCase{L".9", 1}, IntegerCase{L"1.234568E+07", 12345680},
                    IntegerCase{L"15e-1", 2}, IntegerCase{L"-0", 0}, IntegerCase{L"-2147483648", INT32_MIN},
                    IntegerCase{L"2147483647.4", INT32_MAX}, IntegerCase{L"000000000000000000000000012", 12},
                    IntegerCase{L"", 0, Mismatch}, IntegerCase{L"12x", 0, Mismatch}, IntegerCase{L"1 2", 0, Mismatch},
                    IntegerCase{L"-", 0, Mismatch}, IntegerCase{L".", 0, Mismatch}, IntegerCase{L"1e", 0, Mismatch},
                    IntegerCase{L"&H10", 0, Mismatch}, IntegerCase{L"2147483648", 0, Overflow},
                    IntegerCase{L"2147483647.5", 0, Overflow}, IntegerCase{L"-2147483649", 0, Overflow},
                    IntegerCase{L"9e99999999999", 0, Overflow}));

TEST(TextToInt16, KeepsSixteenBitsAndRejectsWhatDoesNotFit) {
    EXPECT_EQ(TextToInt16(L"32767").value, 32767);
    EXPECT_EQ(TextToInt16(L"-32768.5").value, -32768);
    EXPECT_EQ(TextToInt16(L"70000").error, Overflow);
    EXPECT_EQ(TextToInt16(L"32767.5").error, Overflow);
    EXPECT_EQ(TextToInt16(L"on").error, Mismatch);
}

TEST(SingleToText, WritesTheGeneralFormThatReadsBackAsTheSameNumber) {
    EXPECT_EQ(SingleToText(7672.5f), L"7672.5");
    EXPECT_EQ(SingleToText(-0.0f), L"0");
    EXPECT_EQ(SingleToText(123456.78f), L"123456.8");
    EXPECT_EQ(SingleToText(12345678.0f), L"1.234568E+07");
    for (int twips = -30000; twips <= 30000; twips += 7)
        ASSERT_EQ(TextToInt32(SingleToText(static_cast<float>(twips))).value, twips);
    EXPECT_EQ(TextToSingle(L" -1.5 "), -1.5f);
    EXPECT_EQ(TextToSingle(L"1E+07"), 1e7f);
    EXPECT_EQ(TextToSingle(L"abc"), std::nullopt);
    EXPECT_EQ(TextToSingle(L"1e99"), std::nullopt);
}

TEST(FormatFixed2, RoundsHalvesAwayFromZeroOnTheExactValue) {
    EXPECT_EQ(FormatFixed2(0.125), L"0.13");   // exactly a half
    EXPECT_EQ(FormatFixed2(-0.125), L"-0.13");
    EXPECT_EQ(FormatFixed2(2.675), L"2.67");   // the double lies just below 2.675
    EXPECT_EQ(FormatFixed2(0.005), L"0.01");   // the double lies just above 0.005
    EXPECT_EQ(FormatFixed2(99.999), L"100.00");
    EXPECT_EQ(FormatFixed2(-0.001), L"0.00");
    // Every float k/1024 is exact in binary: the hundredths follow from
    // integer arithmetic, with a half only when 100 k is an odd multiple of 512.
    for (int k = 0; k < 200000; k += 13) {
        const long long hundredths = (100LL * k + 512) / 1024;
        char expected[32];
        std::snprintf(expected, sizeof expected, "%lld.%02lld", hundredths / 100, hundredths % 100);
        ASSERT_EQ(FormatFixed2(static_cast<float>(k) / 1024.0f), std::wstring(expected, expected + std::strlen(expected)))
            << k;
    }
}

}  // namespace
}  // namespace rublet
