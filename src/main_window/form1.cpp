#include "main_window/form1.h"

#include <shellapi.h>

#include "drop/hook.h"
#include "layouts/form1_layout.h"
#include "texts/language.h"
#include "layouts/resource_ids.h"
#include "layouts/window_classes.h"
#include "main_window/form1_messages.h"
#include "pictures/window_shape.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "platform/window/z_order.h"
#include "settings/settings.h"

namespace rublet {
namespace {

constexpr UINT_PTR Timer2Id = 2;
// How long a second start brings the bin to the top.
constexpr UINT_PTR ShowTheBinId = 4;
constexpr UINT ShowTheBinMs = 1500;

void Warn(HWND owner, const std::wstring& message) {
    MsgBox(owner, message, MB_OK | MB_ICONEXCLAMATION, Text().MessageTitle);
}

}  // namespace

std::unique_ptr<Form1> Form1::Create(SettingsStore& store) {
    auto form = std::make_unique<Form1>(store);
    // No border, no caption; the taskbar keeps no button for a desktop item.
    if (!form->CreateWindowFromLayout(layouts::Form1, TextOf, {names::Form1Class, IDI_RUBLET}, WS_POPUP | WS_CLIPCHILDREN,
                                      WS_EX_TOOLWINDOW, 0, 0))
        return nullptr;
    form->Form_Load();
    return form;
}

// The window is placed, sized, put in its place of the z-order and shown
// in one move, once its picture and outline are known. It shows the empty
// picture and takes drops at once; what it needs only later waits until
// it has been painted (Form_Shown).
void Form1::Form_Load() {
    const POINT place = Loadsetting();
    ApplyPictureShape(hwnd(), face_.Shown(), false);
    Timer2.emplace(hwnd(), Timer2Id, layouts::Timer2IntervalMs);
    drops_.emplace(hwnd(), tasks_, [this](bool hovering) { face_.ShowHover(hwnd(), hovering); },
                   [] { return IsRecycleBinMode(Settings); });
    undo_.emplace(tasks_, gate_, [this](const std::vector<UndoItem>& items) { UndoEnded(items); });
    setform();
    const PictureBox& shown = face_.Shown().Box;
    ShowInZOrder(hwnd(), IsOn(Settings.Option4),
                 {place.x, place.y, place.x + shown.ScaleWidth(), place.y + shown.ScaleHeight()});
    ::UpdateWindow(hwnd());
    ::PostMessageW(hwnd(), names::AfterShowMessage, 0, 0);
}

void Form1::Form_Shown() {
    CreateLayoutControls();
    recycleBin_.emplace(tasks_, gate_, [this] { RecycleBinStateChanged(); });
    tooltip_.Create(hwnd(), [this] { return StatusLine(); });
}

POINT Form1::Loadsetting() {
    const ScreenTwips screen = ScreenSizeInTwips();
    SettingsReading reading = ReadSettings(store_, screen, DefaultBinPath());
    Settings = std::move(reading.Record);
    for (const InvalidSetting& invalid : reading.Invalid) Warn(nullptr, InvalidSettingMessage(invalid));
    LoadPicture1();

    const TwipsPerPixel factor = ScreenTwipsPerPixel();
    const PictureBox& picture = face_.Empty().Box;
    const TwipsPoint place =
        StartUpPlace({Settings.Defleft, Settings.Deftop}, PixelsToTwips(picture.ScaleWidth(), factor.X),
                     PixelsToTwips(picture.ScaleHeight(), factor.Y), screen, MonitorsInTwips());
    Settings.Defleft = place.Left;
    Settings.Deftop = place.Top;
    return {TwipsToPixels(place.Left, factor.X), TwipsToPixels(place.Top, factor.Y)};
}

// Bmpdir then names the bin in use, which the settings dialog shows and
// its OK stores.
void Form1::LoadPicture1() {
    ChosenPictures chosen = ChooseBinPictures(Settings.Bmpdir);
    if (chosen.Fault)
        Warn(nullptr, TwoLines(chosen.Fault == PictureFault::Unreadable ? Text().PictureUnreadable : Text().PictureEmpty,
                               Settings.Bmpdir));
    face_.Take(std::move(chosen.Pictures));
    Settings.Bmpdir = std::move(chosen.Path);
}

void Form1::setform() { drops_->Release(); }

void Form1::Timer2_Timer() {
    if (closing_ || !drops_->TakePendingDrop()) return;
    // The scratch field keeps the last path of the drop.
    if (!DroppedFiles.empty()) ::SetWindowTextW(Control(ControlName::Text1), DroppedFiles.back().c_str());
    drops_->Process(Settings, [this](const DropOutcome& outcome) { DropProcessed(outcome); });
}

Form3* Form1::MenuHost() {
    if (!form3_ || !form3_->hwnd())
        form3_ = Form3::Create({store_, hwnd(), tasks_, gate_, *drops_, [this](bool emptied) { RecycleBinEmptied(emptied); },
                                [this](const RecycledDrop& drop) { TakeBack(drop); }});
    return form3_.get();
}

void Form1::Form_MouseDown(int button) {
    if (button == 1) drag_.Hold(hwnd());
    if (button != 2) return;
    if (Form3* menus = MenuHost()) menus->PopupMenu(MenuItem::mfile);
}

// The menu comes at once, with what the last look found.
void Form1::Form_DblClick() {
    Form3* menus = MenuHost();
    if (!menus) return;
    menus->SetCaption(MenuItem::mtrashstatus, StatusLine());
    menus->SetUndo(undo_->Last());
    menus->PopupMenu(MenuItem::mfile2);
}

void Form1::Form_KeyDown(WPARAM key) {
    if (key == 'Z' && ::GetKeyState(VK_CONTROL) < 0 && undo_->Last()) TakeBack(*undo_->Last());
}

// A second start: the bin comes to the top for a moment, then goes back
// where its setting puts it.
void Form1::ShowTheBin() {
    SetAlwaysOnTop(hwnd(), true);
    showTheBin_.emplace(hwnd(), ShowTheBinId, ShowTheBinMs);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) tooltip_.RelayMouse(hwnd(), message, wParam, lParam);
    switch (message) {
    case WM_PAINT: face_.Paint(hwnd()); return 0;
    case WM_ERASEBKGND: return 1;  // the picture covers the whole window
    case WM_NOTIFY: return tooltip_.AnswerNotify(lParam);
    case WM_TIMER:
        if (wParam == Timer2Id) Timer2_Timer();
        if (wParam == ShowTheBinId) showTheBin_.reset(), SetAlwaysOnTop(hwnd(), IsOn(Settings.Option4));
        return 0;
    case names::AfterShowMessage: Form_Shown(); return 0;
    case names::ShowTheBinMessage: ShowTheBin(); return 0;
    // Only while the hook is away: the drop is lost, its handle released.
    case WM_DROPFILES: ::DragFinish(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_LBUTTONDOWN: Form_MouseDown(1); return 0;
    case WM_LBUTTONUP: ::ReleaseCapture(); return 0;
    case WM_CAPTURECHANGED: drag_.Release(); return 0;
    case WM_RBUTTONDOWN: Form_MouseDown(2); return 0;
    case WM_MOUSEMOVE: drag_.Follow(hwnd(), wParam); return 0;
    case WM_LBUTTONDBLCLK: Form_DblClick(); return 0;
    case WM_KEYDOWN: Form_KeyDown(wParam); return 0;
    case WM_CLOSE: Form_QueryUnload(); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: if (wParam) Form_EndSession(); return 0;
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace rublet
