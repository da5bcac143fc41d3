#pragma once
// Number <-> text conversions of the user-interface runtime. Portable: no
// Windows header, so the rules are tested natively as well.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rublet {

enum class ConversionError { None, TypeMismatch, Overflow };

template <class Integer>
struct Converted {
    Integer value{};
    ConversionError error = ConversionError::None;

    [[nodiscard]] bool ok() const noexcept { return error == ConversionError::None; }
};

// Decimal text (blanks around it, a sign, a fraction, an exponent) to the
// nearest integer, a half going to the even neighbour. Text that is no
// number gives TypeMismatch; a number outside the type gives Overflow.
[[nodiscard]] Converted<std::int32_t> TextToInt32(std::wstring_view text) noexcept;
[[nodiscard]] Converted<std::int16_t> TextToInt16(std::wstring_view text) noexcept;

// Nearest integer of a single-precision value, a half going to the even
// neighbour; the caller keeps the value within 32 bits.
[[nodiscard]] std::int32_t RoundHalfEven(float value) noexcept;

// General text of a single-precision number: at most 7 significant digits,
// no group separators, no fraction for whole numbers, E notation from 1E+07
// on ("7680", "-150", "7672.5", "1.234568E+07").
[[nodiscard]] std::wstring SingleToText(float value);

// Decimal text to the nearest single-precision number; nothing for text
// that is no number.
[[nodiscard]] std::optional<float> TextToSingle(std::wstring_view text);

// The "###0.00" pattern: at least one integer digit, exactly two decimals,
// no group separators, halves rounded away from zero on the exact value.
[[nodiscard]] std::wstring FormatFixed2(double value);

}  // namespace rublet
