#include "platform/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace rublet {
namespace {

struct IntegerCase {
    const wchar_t* text;
    std::int32_t value;
};

class TextToInt32Converts : public testing::TestWithParam<IntegerCase> {};

TEST_P(TextToInt32Converts, ToTheNearestWithHalvesToEven) {
    const auto converted = TextToInt32(GetParam().text);
    ASSERT_TRUE(converted.ok()) << testing::PrintToString(std::wstring(GetParam().text));
    EXPECT_EQ(converted.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToInt32Converts,
    testing::Values(IntegerCase{L"7680", 7680}, IntegerCase{L"-150", -150},
                    IntegerCase{L"7680.5", 7680}, IntegerCase{L"7681.5", 7682},
                    IntegerCase{L"7672.5", 7672}, IntegerCase{L"0.5", 0}, IntegerCase{L"1.5", 2},
                    IntegerCase{L"-2.5", -2}, IntegerCase{L"-3.5", -4},
                    IntegerCase{L"2.5000001", 3}, IntegerCase{L"2.4999999", 2},
                    IntegerCase{L"  42 ", 42}, IntegerCase{L"+7", 7}, IntegerCase{L".9", 1},
                    IntegerCase{L"1.234568E+07", 12345680}, IntegerCase{L"15e-1", 2},
                    IntegerCase{L"0.0000001", 0}, IntegerCase{L"-0", 0},
                    IntegerCase{L"2147483647", 2147483647},
                    IntegerCase{L"-2147483648", -2147483647 - 1},
                    IntegerCase{L"2147483647.4", 2147483647},
                    IntegerCase{L"000000000000000000000000012", 12}));

struct FailureCase {
    const wchar_t* text;
    ConversionError error;
};

class TextToInt32Rejects : public testing::TestWithParam<FailureCase> {};

TEST_P(TextToInt32Rejects, TextThatIsNoNumberOrDoesNotFit) {
    EXPECT_EQ(TextToInt32(GetParam().text).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToInt32Rejects,
    testing::Values(FailureCase{L"", ConversionError::TypeMismatch},
                    FailureCase{L"abc", ConversionError::TypeMismatch},
                    FailureCase{L"12x", ConversionError::TypeMismatch},
                    FailureCase{L"1 2", ConversionError::TypeMismatch},
                    FailureCase{L"-", ConversionError::TypeMismatch},
                    FailureCase{L".", ConversionError::TypeMismatch},
                    FailureCase{L"1e", ConversionError::TypeMismatch},
                    FailureCase{L"2147483648", ConversionError::Overflow},
                    FailureCase{L"2147483647.5", ConversionError::Overflow},
                    FailureCase{L"-2147483649", ConversionError::Overflow},
                    FailureCase{L"1e10", ConversionError::Overflow},
                    FailureCase{L"9e99999999999", ConversionError::Overflow}));

TEST(TextToInt16, KeepsSixteenBitsAndRejectsWhatDoesNotFit) {
    EXPECT_EQ(TextToInt16(L"32767").value, 32767);
    EXPECT_EQ(TextToInt16(L"-32768").value, -32768);
    EXPECT_EQ(TextToInt16(L"-32768.5").value, -32768);
    EXPECT_EQ(TextToInt16(L"5").value, 5);
    EXPECT_EQ(TextToInt16(L"70000").error, ConversionError::Overflow);
    EXPECT_EQ(TextToInt16(L"32767.5").error, ConversionError::Overflow);
    EXPECT_EQ(TextToInt16(L"-32769").error, ConversionError::Overflow);
    EXPECT_EQ(TextToInt16(L"on").error, ConversionError::TypeMismatch);
}

TEST(SingleToText, WritesTheGeneralFormWithSevenSignificantDigits) {
    EXPECT_EQ(SingleToText(7680.0f), L"7680");
    EXPECT_EQ(SingleToText(-150.0f), L"-150");
    EXPECT_EQ(SingleToText(7672.5f), L"7672.5");
    EXPECT_EQ(SingleToText(0.0f), L"0");
    EXPECT_EQ(SingleToText(-0.0f), L"0");
    EXPECT_EQ(SingleToText(1234567.0f), L"1234567");
    EXPECT_EQ(SingleToText(123456.78f), L"123456.8");
    EXPECT_EQ(SingleToText(12345678.0f), L"1.234568E+07");
    EXPECT_EQ(SingleToText(0.25f), L"0.25");
}

TEST(SingleToText, ReadsBackAsTheSameWholeNumber) {
    for (int twips = -30000; twips <= 30000; twips += 7) {
        const auto back = TextToInt32(SingleToText(static_cast<float>(twips)));
        ASSERT_TRUE(back.ok());
        ASSERT_EQ(back.value, twips);
    }
}

TEST(FormatFixed2, RoundsHalvesAwayFromZeroOnTheExactValue) {
    EXPECT_EQ(FormatFixed2(1.5), L"1.50");
    EXPECT_EQ(FormatFixed2(0.0), L"0.00");
    EXPECT_EQ(FormatFixed2(0.125), L"0.13");   // exactly a half
    EXPECT_EQ(FormatFixed2(0.375), L"0.38");
    EXPECT_EQ(FormatFixed2(-0.125), L"-0.13");
    EXPECT_EQ(FormatFixed2(2.675), L"2.67");   // the double lies just below 2.675
    EXPECT_EQ(FormatFixed2(0.005), L"0.01");   // the double lies just above 0.005
    EXPECT_EQ(FormatFixed2(9.995), L"9.99");   // just below
    EXPECT_EQ(FormatFixed2(99.999), L"100.00");
    EXPECT_EQ(FormatFixed2(1234567.891), L"1234567.89");
    EXPECT_EQ(FormatFixed2(-0.001), L"0.00");
    EXPECT_EQ(FormatFixed2(3072.0), L"3072.00");
}

TEST(FormatFixed2, AgreesWithIndependentHundredthsOnSinglePrecisionValues) {
    // Every float k/1024 is exact in binary: the hundredths follow from
    // integer arithmetic, with a half only when 100 k is an odd multiple of 512.
    for (int k = 0; k < 200000; k += 13) {
        const long long scaled = 100LL * k;
        long long hundredths = scaled / 1024;
        if (scaled % 1024 >= 512) ++hundredths;
        char expected[32];
        std::snprintf(expected, sizeof expected, "%lld.%02lld", hundredths / 100, hundredths % 100);
        ASSERT_EQ(FormatFixed2(static_cast<float>(k) / 1024.0f),
                  std::wstring(expected, expected + std::char_traits<char>::length(expected)))
            << k;
    }
}

}  // namespace
}  // namespace rublet
