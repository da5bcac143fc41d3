#pragma once
// The Japanese texts, for a Japanese Windows display language. UTF-8
// source; the half-width katakana belong to the texts.

#include "texts/language.h"

namespace rublet::text {

inline constexpr Texts Japanese = {
    .MessageTitle = L"Rublet",
    .LineBreak = L"\r\n",
    .PictureUnreadable = L"画像ファイルを読み込めませんでした。標準の画像を表示します。",
    .PictureEmpty = L"画像ファイルは読み込めましたが、表示される部分がありません。標準の画像を表示します。",
    .SettingInvalid = L"設定の値が正しくないため、既定値を使用します。",
    .SettingsNotSaved = L"設定を保存できませんでした。",
    .ConfirmTitle = L"RUblet",
    .ConfirmRecycleOne = L"{count}個のファイルを「ｺﾞﾐ箱に移動」します",
    .ConfirmRecycle = L"{count}個のファイルを「ｺﾞﾐ箱に移動」します",
    .ConfirmDeleteOne = L"{count}個のファイルを「削除」します",
    .ConfirmDelete = L"{count}個のファイルを「削除」します",
    .ConfirmQuestion = L"よろしいですか？",
    .ProcessingDone = L"処理が完了しました",
    .ProcessingFailed = L"エラーが発生したため、処理は完了しませんでした",
    .RootRefused = L"ドライブそのものは削除できません。",
    .PathTooLong = L"パスが長すぎる項目を含むため処理できません。",
    .ItemNotFound = L"ドロップされた項目か、その中の項目が見つからないため処理できません。",
    .NameRefused = L"別の項目を指すおそれのある名前を含むため処理できません。",
    .LinkRefused = L"リンクを含むため処理できません。リンク先まで削除されるおそれがあります。",
    .RedirectedRefused = L"システムが別のフォルダーに振り替える場所にあるため処理できません。",
    .NothingDeleted = L"何も削除していません。",
    // Not in the original program.
    .CannotRecycle = L"次の項目はごみ箱に移せません。完全に削除しますか?",
    // New.
    .InUse = L"次の項目は別のプログラムで開かれているため、操作を完了できません。",
    .Form2Caption = L"設定",
    .OkCaption = L"OK",
    .CancelCaption = L"CANCEL",
    .Frame2Caption = L"全般",
    .Check4Caption = L"最前面表示",
    .Check4Tooltip = L"常に最前面に表示します",
    .Check2Caption = L"処理開始確認",
    .Check2Tooltip = L"処理を開始する前に確認します",
    .Check3Caption = L"処理終了確認",
    .Check3Tooltip = L"処理が終了したらメッセージを表示します",
    .Frame1Caption = L"ﾌｧｲﾙﾄﾞﾛｯﾌﾟ時の処理",
    .RecycleCaption = L"ｺﾞﾐ箱へ",
    .RecycleTooltip = L"ｺﾞﾐ箱に投入します",
    .DeleteCaption = L"削除",
    .DeleteTooltip = L"ｺﾞﾐ箱には入れずに削除します、この操作は元に戻せません",
    .PicturePathTooltip = L"画像の左上の色が透過色になります",
    .BrowseCaption = L"...",
    .Label1Caption = L"表示する画像",
    .Check5Caption = L"処理終了後に「ゴミ箱を空にする」サウンド再生",
    .PictureChangeNotice = L"画像の変更は次回起動時に有効になります",
    .PictureFilterName = L"画像ﾌｧｲﾙ",
    .PictureChooserTitle = L"画像の選択",
    .TrashEmpty = L"空っぽ",
    .TrashObjectsOne = L"{count}個のｵﾌﾞｼﾞｪｸﾄ({size}MB)",
    .TrashObjects = L"{count}個のｵﾌﾞｼﾞｪｸﾄ({size}MB)",
    // New.
    .TrashLooking = L"ゴミ箱を調べています…",
    .AboutText = L"Rubblet Ver.2.1",
    .AboutTitle = L"ﾊﾞｰｼﾞｮﾝ情報",
    .Form3Caption = L"Form3",
    .MenuOption = L"設定",
    .MenuAbout = L"ﾊﾞｰｼﾞｮﾝ情報",
    .MenuEnd = L"終了",
    .MenuOpen = L"開く",
    .MenuEmpty = L"ゴミ箱を空にする",
    // New: under the dragged files while they hover over the bin.
    .DragToRecycleBin = L"ごみ箱へ移動",
    .DragToDelete = L"完全に削除",
    // Not in the original program: undoing a drop, and opening the trash under Wine.
    .UndoOne = L"{count} 個の項目を元に戻す",
    .Undo = L"{count} 個の項目を元に戻す",
    .UndoDone = L"元に戻しました",
    .UndoSome = L"一部の項目を元に戻せませんでした。",
    .UndoNone = L"元に戻せませんでした。",
    .UndoRestoredList = L"元に戻した項目:",
    .UndoKeptList = L"ゴミ箱に残した項目:",
    .UndoItemLine = L"{path}  ({reason})",
    .UndoOccupied = L"元の場所に別の項目があります",
    .UndoMissing = L"ゴミ箱にありません",
    .UndoAmbiguous = L"同じ場所から同じ時刻に捨てられた項目がゴミ箱に複数あります",
    .UndoFailed = L"ゴミ箱から戻せませんでした",
    .OpenUnavailable = L"ゴミ箱を表示できるファイルマネージャーが見つかりません。",
    // New.
    .UndoGone = L"この項目はもう元に戻せません。ゴミ箱が空にされたか、すでに元に戻されています。",
};

}  // namespace rublet::text
