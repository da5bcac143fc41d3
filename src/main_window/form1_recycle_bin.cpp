// Form1 and the Recycle Bin: the picture for what it holds, the drops that
// can be taken back, their undo, and emptying.
#include "main_window/form1.h"

#include "texts/language.h"
#include "platform/window/message_box.h"
#include "settings/settings.h"

namespace rublet {

void Form1::RecycleBinStateChanged() {
    tooltip_.Pop();
    const std::optional<RecycleBinContents>& last = recycleBin_->Last();
    face_.ShowFull(hwnd(), last && last->Full());
    // A menu opened before the first look ended shows what it found now.
    if (form3_ && form3_->ShowsMenu(MenuItem::mfile2)) form3_->SetCaption(MenuItem::mtrashstatus, StatusLine());
}

std::wstring Form1::StatusLine() const { return recycleBin_ ? recycleBin_->StatusLine() : std::wstring(Text().TrashLooking); }

void Form1::DropProcessed(const DropOutcome& outcome) {
    if (outcome.AllGone) {
        if (outcome.Recycled) undo_->Remember({outcome.Paths, outcome.Started, outcome.Ended});
        else undo_->Forget();
    }
    if (recycleBin_) recycleBin_->Look();
    if (closing_ && !undo_->Running()) Unload();
}

void Form1::TakeBack(const RecycledDrop& drop) {
    if (undo_->CanTakeBack(drop)) undo_->Start(drop);
    else MsgBox(hwnd(), Text().UndoGone, MB_OK | MB_ICONEXCLAMATION, Text().MessageTitle);
}

void Form1::UndoEnded(const std::vector<UndoItem>& items) {
    if (recycleBin_) recycleBin_->Look();
    const bool done = AllRestored(items);
    if ((!done || IsOn(Settings.Option3)) && !endingSession_)
        MsgBox(hwnd(), UndoReport(items), MB_OK | (done ? MB_ICONINFORMATION : MB_ICONEXCLAMATION), Text().MessageTitle);
    if (closing_ && !drops_->Processing()) Unload();
}

void Form1::RecycleBinEmptied(bool emptied) {
    if (emptied) undo_->Emptied();
    if (recycleBin_) recycleBin_->Look();
}

}  // namespace rublet
