#pragma once
// Every text the user sees, each a named constant. UTF-8 source; the
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

// The settings dialog.
inline constexpr std::wstring_view Form2Caption = L"設定";
inline constexpr std::wstring_view OkCaption = L"OK";
inline constexpr std::wstring_view CancelCaption = L"CANCEL";
inline constexpr std::wstring_view Frame2Caption = L"全般";
inline constexpr std::wstring_view Check4Caption = L"最前面表示";
inline constexpr std::wstring_view Check4Tooltip = L"常に最前面に表示します";
inline constexpr std::wstring_view Check2Caption = L"処理開始確認";
inline constexpr std::wstring_view Check2Tooltip = L"処理を開始する前に確認します";
inline constexpr std::wstring_view Check3Caption = L"処理終了確認";
inline constexpr std::wstring_view Check3Tooltip = L"処理が終了したらメッセージを表示します";
inline constexpr std::wstring_view Frame1Caption = L"ﾌｧｲﾙﾄﾞﾛｯﾌﾟ時の処理";
inline constexpr std::wstring_view RecycleCaption = L"ｺﾞﾐ箱へ";
inline constexpr std::wstring_view RecycleTooltip = L"ｺﾞﾐ箱に投入します";
inline constexpr std::wstring_view DeleteCaption = L"削除";
inline constexpr std::wstring_view DeleteTooltip = L"ｺﾞﾐ箱には入れずに削除します、この操作は元に戻せません";
inline constexpr std::wstring_view PicturePathTooltip = L"画像の左上の色が透過色になります";
inline constexpr std::wstring_view BrowseCaption = L"...";
inline constexpr std::wstring_view Label1Caption = L"表示する画像";
inline constexpr std::wstring_view Check5Caption = L"処理終了後に「ゴミ箱を空にする」サウンド再生";

inline constexpr std::wstring_view PictureChangeNotice = L"画像の変更は次回起動時に有効になります";
inline constexpr std::wstring_view PictureFilterName = L"画像ﾌｧｲﾙ";
inline constexpr std::wstring_view PictureFilterPattern = L"*.bmp;*.gif;*.jpg;*.ico";
inline constexpr std::wstring_view PictureChooserTitle = L"画像の選択";

// The Recycle Bin's status line: count, ObjectsOpen, megabytes, MegabytesClose.
inline constexpr std::wstring_view TrashEmpty = L"空っぽ";
inline constexpr std::wstring_view TrashObjectsOpen = L"個のｵﾌﾞｼﾞｪｸﾄ(";
inline constexpr std::wstring_view TrashMegabytesClose = L"MB)";

// The version box.
inline constexpr std::wstring_view AboutText = L"Rubblet Ver.2.1";
inline constexpr std::wstring_view AboutTitle = L"ﾊﾞｰｼﾞｮﾝ情報";

// The menus.
inline constexpr std::wstring_view Form3Caption = L"Form3";
inline constexpr std::wstring_view MenuOption = L"設定";
inline constexpr std::wstring_view MenuAbout = L"ﾊﾞｰｼﾞｮﾝ情報";
inline constexpr std::wstring_view MenuEnd = L"終了";
inline constexpr std::wstring_view MenuOpen = L"開く";
inline constexpr std::wstring_view MenuEmpty = L"ゴミ箱を空にする";

}  // namespace rublet::text
