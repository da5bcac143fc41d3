// Form1's end: closing, the end of the session, and the unload.
#include "main_window/form1.h"

#include "texts/language.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "settings/settings.h"

namespace rublet {

// The bin hides at once. A drop or an undo that has begun goes on to its
// end, its boxes included; the unload follows it.
void Form1::Form_QueryUnload() {
    if (closing_) return;
    closing_ = true;
    ::ShowWindow(hwnd(), SW_HIDE);
    if (!drops_->Processing() && !undo_->Running()) Unload();
}

// Log-off or shut-down: the drop and the undo stop between two items and
// are waited for, no box shows, and the place is stored as at any end.
void Form1::Form_EndSession() {
    endingSession_ = true;
    drops_->EndSession();
    undo_->EndSession();
    Unload();
}

Form1::~Form1() { Unload(); }

void Form1::Unload() {
    if (!hwnd()) return;
    Form_Unload();
    Timer2.reset();
    showTheBin_.reset();
    tooltip_.Destroy();
    ::DestroyWindow(hwnd());
}

void Form1::Form_Unload() {
    RECT frame{};
    ::GetWindowRect(hwnd(), &frame);
    const TwipsPerPixel factor = ScreenTwipsPerPixel();
    SavePlace(store_, PixelsToTwips(frame.left, factor.X), PixelsToTwips(frame.top, factor.Y));
    // The system frees the former region; a layered window has none.
    if (!face_.Shown().Box.HasAlpha()) ::SetWindowRgn(hwnd(), nullptr, TRUE);
    if (form3_) form3_->Unload();  // the settings dialog first, then the menu host
    drops_->Hold();
    // No box while Windows ends the session: it would hold the log-off up.
    if (!endingSession_)
        if (const std::optional<std::wstring> failed = store_.TakeSaveFailure())
            MsgBox(nullptr, TwoLines(Text().SettingsNotSaved, *failed), MB_OK | MB_ICONEXCLAMATION, Text().MessageTitle);
}

}  // namespace rublet
