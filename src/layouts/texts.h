#pragma once
// Every text the user sees, exactly as designed. UTF-8 source; the
// half-width katakana belong to the texts.

#include <string_view>

namespace rublet::text {

inline constexpr std::wstring_view MessageTitle = L"Rublet";
inline constexpr std::wstring_view LineBreak = L"\r\n";

// Start-up warnings, each followed by LineBreak and what was wrong.
inline constexpr std::wstring_view PictureUnreadable =
    L"画像ファイルを読み込めませんでした。標準の画像を表示します。";
inline constexpr std::wstring_view SettingInvalid =
    L"設定の値が正しくないため、既定値を使用します。";

}  // namespace rublet::text
