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

// Dropped files.
inline constexpr std::wstring_view ConfirmTitle = L"RUblet";
inline constexpr std::wstring_view ConfirmRecycle = L"個のファイルを「ｺﾞﾐ箱に移動」します";
inline constexpr std::wstring_view ConfirmDelete = L"個のファイルを「削除」します";
inline constexpr std::wstring_view ConfirmQuestion = L"よろしいですか？";
inline constexpr std::wstring_view ProcessingDone = L"処理が完了しました";
inline constexpr std::wstring_view ProcessingFailed = L"エラーが発生したため、処理は完了しませんでした";
// Followed by LineBreak and the path.
inline constexpr std::wstring_view RootRefused = L"ドライブそのものは削除できません。";

}  // namespace rublet::text
