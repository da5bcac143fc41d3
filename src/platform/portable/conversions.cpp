#include "platform/portable/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace rublet {
namespace {

bool IsBlank(wchar_t c) noexcept { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) noexcept { return c >= L'0' && c <= L'9'; }

// The decimal number of a text as digits and a power of ten:
// value = sign * 0.d1d2d3... * 10^pointPosition.
struct DecimalNumber {
    bool negative = false;
    std::string digits;  // no leading zeros; empty means zero
    long pointPosition = 0;
};

// The digits before and after the point, from `i` on; false without any.
bool ParseMantissa(std::wstring_view text, std::size_t& i, DecimalNumber& number, long& integerDigits,
                   long& leadingFractionZeros) {
    const std::size_t n = text.size();
    bool anyDigit = false;
    for (; i < n && IsDigit(text[i]); ++i) {
        anyDigit = true;
        if (number.digits.empty() && text[i] == L'0') continue;
        number.digits.push_back(static_cast<char>(text[i]));
        ++integerDigits;
    }
    if (i < n && text[i] == L'.') {
        for (++i; i < n && IsDigit(text[i]); ++i) {
            anyDigit = true;
            if (number.digits.empty() && text[i] == L'0') {
                ++leadingFractionZeros;
                continue;
            }
            number.digits.push_back(static_cast<char>(text[i]));
        }
    }
    return anyDigit;
}

// An exponent from `i` on ("E", "e", "D" or "d", a sign, digits), or 0
// where there is none; false for a letter without digits.
bool ParseExponent(std::wstring_view text, std::size_t& i, long& exponent) {
    const std::size_t n = text.size();
    exponent = 0;
    if (i >= n || std::wstring_view(L"EeDd").find(text[i]) == std::wstring_view::npos) return true;
    ++i;
    bool negative = false;
    if (i < n && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    if (i >= n || !IsDigit(text[i])) return false;
    for (; i < n && IsDigit(text[i]); ++i) {
        // Far beyond any integer type either way; stop growing.
        if (exponent < 100000) exponent = exponent * 10 + (text[i] - L'0');
    }
    if (negative) exponent = -exponent;
    return true;
}

bool ParseDecimal(std::wstring_view text, DecimalNumber& number) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    if (i < n && (text[i] == L'+' || text[i] == L'-')) number.negative = text[i++] == L'-';
    long integerDigits = 0, leadingFractionZeros = 0, exponent = 0;
    if (!ParseMantissa(text, i, number, integerDigits, leadingFractionZeros) || !ParseExponent(text, i, exponent))
        return false;
    while (i < n && IsBlank(text[i])) ++i;
    if (i != n) return false;
    while (!number.digits.empty() && number.digits.back() == '0') number.digits.pop_back();
    number.pointPosition = (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + exponent;
    return true;
}

// Rounds to the nearest integer magnitude, halves to even; false when the
// magnitude exceeds `limit`.
bool RoundMagnitude(const DecimalNumber& number, std::uint64_t limit, std::uint64_t& magnitude) {
    magnitude = 0;
    if (number.digits.empty()) return true;
    const long size = static_cast<long>(number.digits.size());
    if (number.pointPosition > 20) return false;
    for (long k = 0; k < number.pointPosition; ++k) {
        const int digit = k < size ? number.digits[static_cast<std::size_t>(k)] - '0' : 0;
        if (magnitude > (limit - static_cast<std::uint64_t>(digit)) / 10) return false;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit);
    }
    // The first dropped digit decides, the rest only break a tie.
    const long first = std::max(number.pointPosition, 0L);
    if (number.pointPosition < 0 || first >= size) return true;
    const int roundingDigit = number.digits[static_cast<std::size_t>(first)] - '0';
    const bool exactHalf = roundingDigit == 5 && first + 1 == size;
    const bool up = exactHalf ? (magnitude % 2) == 1 : roundingDigit >= 5;
    if (up) {
        if (magnitude == limit) return false;
        ++magnitude;
    }
    return true;
}

template <class Integer>
Converted<Integer> TextToInteger(std::wstring_view text) noexcept {
    Converted<Integer> result;
    try {
        DecimalNumber number;
        if (!ParseDecimal(text, number)) {
            result.error = ConversionError::TypeMismatch;
            return result;
        }
        const auto maximum = static_cast<std::uint64_t>(std::numeric_limits<Integer>::max());
        const std::uint64_t limit = number.negative ? maximum + 1 : maximum;
        std::uint64_t magnitude = 0;
        if (!RoundMagnitude(number, limit, magnitude)) {
            result.error = ConversionError::Overflow;
            return result;
        }
        const auto signedMagnitude = static_cast<std::int64_t>(magnitude);
        result.value = static_cast<Integer>(number.negative ? -signedMagnitude : signedMagnitude);
    } catch (const std::bad_alloc&) {
        result.error = ConversionError::Overflow;
    }
    return result;
}

std::wstring Widen(std::string_view text) { return {text.begin(), text.end()}; }

}  // namespace

Converted<std::int32_t> TextToInt32(std::wstring_view text) noexcept {
    return TextToInteger<std::int32_t>(text);
}

Converted<std::int16_t> TextToInt16(std::wstring_view text) noexcept {
    return TextToInteger<std::int16_t>(text);
}

std::int32_t RoundHalfEven(float value) noexcept {
    // lrint follows the default rounding mode, which is to nearest, ties to even.
    return static_cast<std::int32_t>(std::lrint(static_cast<double>(value)));
}

std::wstring SingleToText(float value) {
    if (value == 0.0f) return L"0";  // also for -0
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, error == std::errc{} ? end : buffer);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return Widen(text);
}

std::optional<float> TextToSingle(std::wstring_view text) {
    DecimalNumber number;
    if (!ParseDecimal(text, number)) return std::nullopt;
    std::string narrow;
    for (const wchar_t c : text)
        if (c != L' ' && c != L'\t') narrow.push_back(c == L'D' || c == L'd' ? 'e' : static_cast<char>(c));
    if (!narrow.empty() && narrow.front() == '+') narrow.erase(0, 1);
    float value = 0;
    const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    if (error == std::errc::result_out_of_range) return std::nullopt;
    if (error != std::errc{} || end != narrow.data() + narrow.size()) return std::nullopt;
    return value;
}

std::wstring FormatFixed2(double value) {
    // Enough digits to hold every double exactly, so the half test is exact.
    std::vector<char> buffer(1500);
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                            std::fabs(value), std::chars_format::fixed, 1100);
    if (error != std::errc{}) return L"0.00";
    const std::string exact(buffer.data(), end);
    const std::size_t point = exact.find('.');

    std::string digits = exact.substr(0, point) + exact.substr(point + 1, 2);
    const bool up = exact[point + 3] >= '5';  // a half or more of the last kept unit
    if (up) {
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
        if (k == 0) digits.insert(digits.begin(), '1');
        else ++digits[k - 1];
    }
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    const bool negative = value < 0 && firstNonZero != std::string::npos;
    std::string integerPart = digits.substr(0, digits.size() - 2);
    integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size() - 1));
    return Widen((negative ? "-" : "") + integerPart + "." + digits.substr(digits.size() - 2));
}

}  // namespace rublet
