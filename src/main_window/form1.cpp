#include "main_window/form1.h"

#include <shellapi.h>

#include "drop/hook.h"
#include "layouts/form1_layout.h"
#include "layouts/language.h"
#include "layouts/window_classes.h"
#include "layouts/window_messages.h"
#include "layouts/resource_ids.h"
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

void Warn(const std::wstring& message) { MsgBox(nullptr, message, MB_OK | MB_ICONEXCLAMATION, Text().MessageTitle); }

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
    ApplyPictureShape(hwnd(), ShownPicture(), false);
    Timer2.emplace(hwnd(), Timer2Id, layouts::Timer2IntervalMs);
    undo_.emplace(hwnd(), names::UndoEndedMessage);
    setform();
    const PictureBox& shown = ShownPicture().Box;
    ShowInZOrder(hwnd(), IsOn(Settings.Option4),
                 {place.x, place.y, place.x + shown.ScaleWidth(), place.y + shown.ScaleHeight()});
    ::UpdateWindow(hwnd());
    ::PostMessageW(hwnd(), names::AfterShowMessage, 0, 0);
}

void Form1::Form_Shown() {
    CreateLayoutControls();
    recycleBin_.emplace(hwnd(), names::RecycleBinStateMessage);
    tooltip_.Create(hwnd(), [this] { return StatusLine(); });
}

POINT Form1::Loadsetting() {
    const ScreenTwips screen = ScreenSizeInTwips();
    SettingsReading reading = ReadSettings(store_, screen, DefaultBinPath());
    Settings = std::move(reading.Record);
    for (const InvalidSetting& invalid : reading.Invalid) Warn(InvalidSettingMessage(invalid));
    LoadPicture1();

    const TwipsPerPixel factor = ScreenTwipsPerPixel();
    const PictureBox& picture = pictures_.Empty.Box;
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
        Warn(TwoLines(chosen.Fault == PictureFault::Unreadable ? Text().PictureUnreadable : Text().PictureEmpty,
                      Settings.Bmpdir));
    pictures_ = std::move(chosen.Pictures);
    Settings.Bmpdir = std::move(chosen.Path);
}

const ShapedPicture& Form1::ShownPicture() const noexcept {
    return showsFull_ ? *pictures_.Full : pictures_.Empty;
}

void Form1::ShowRecycleBinState() {
    tooltip_.Pop();
    const std::optional<RecycleBinContents> last = recycleBin_->Last();
    const bool full = pictures_.Full && last && last->Full();
    if (full == showsFull_) return;
    showsFull_ = full;
    ApplyPictureShape(hwnd(), ShownPicture(), true);
}

void Form1::RecycleBinChanged() {
    if (recycleBin_) recycleBin_->Look();
}

std::wstring Form1::StatusLine() const { return recycleBin_ ? recycleBin_->StatusLine() : std::wstring(); }

void Form1::setform() { ResumeDropHandling(hwnd()); }

// One drop at a time: while one is processed, the drop handling is down,
// and a drop that reaches the hook all the same (emptying the Recycle Bin
// brings it back) waits untaken, to be discarded at the end, as lost.
void Form1::Timer2_Timer() {
    if (dropJob_.Running() || !TakePendingDrop()) return;
    // The scratch field keeps the last path of the drop.
    if (!DroppedFiles.empty()) ::SetWindowTextW(Control(ControlName::Text1), DroppedFiles.back().c_str());
    SuspendDropHandling(hwnd());
    dropJob_.Start(hwnd(), names::DropProcessedMessage, Settings, DroppedFiles);
}

void Form1::DropProcessed() {
    dropJob_.Finish();
    if (const DropOutcome& outcome = dropJob_.Outcome(); outcome.AllGone) {
        if (outcome.Recycled) undo_->Remember({outcome.Paths, outcome.Started, outcome.Ended});
        else undo_->Forget();
    }
    ResumeDropHandling(hwnd());
    RecycleBinChanged();
    if (closeAfterDrop_) Unload();
}

Form1::~Form1() { Unload(); }

void Form1::Unload() {
    if (!hwnd()) return;
    Form_Unload();
    if (endingSession_) dropJob_.Abandon();
    dropJob_.Finish();
    Timer2.reset();
    showTheBin_.reset();
    recycleBin_.reset();
    tooltip_.Destroy();
    ::DestroyWindow(hwnd());
}

Form3* Form1::MenuHost() {
    if (!form3_ || !form3_->hwnd()) form3_ = Form3::Create(store_, hwnd());
    return form3_.get();
}

void Form1::Form_MouseDown(int button) {
    if (button == 1) drag_.Hold(hwnd());
    if (button != 2) return;
    if (Form3* menus = MenuHost()) menus->PopupMenu(MenuItem::mfile);
}

void Form1::Form_DblClick() {
    Form3* menus = MenuHost();
    if (!menus) return;
    menus->SetCaption(MenuItem::mtrashstatus, StatusLine());
    menus->SetUndo(undo_->Count() ? UndoCaption(undo_->Count()) : std::wstring());
    menus->PopupMenu(MenuItem::mfile2);
}

void Form1::Form_Unload() {
    RECT frame{};
    ::GetWindowRect(hwnd(), &frame);
    const TwipsPerPixel factor = ScreenTwipsPerPixel();
    SavePlace(store_, PixelsToTwips(frame.left, factor.X), PixelsToTwips(frame.top, factor.Y));
    // The system frees the former region; a layered window has none.
    if (!ShownPicture().Box.HasAlpha()) ::SetWindowRgn(hwnd(), nullptr, TRUE);
    if (form3_) form3_->Unload();  // the settings dialog first, then the menu host
    SuspendDropHandling(hwnd());
    // No box while Windows ends the session: it would hold the log-off up.
    if (!endingSession_)
        if (const std::optional<std::wstring> failed = store_.TakeSaveFailure())
            Warn(TwoLines(Text().SettingsNotSaved, *failed));
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (tooltip_.Relay(hwnd(), message, wParam, lParam)) return 0;
    if (undo_ && undo_->HandleMessage(hwnd(), message, wParam, IsOn(Settings.Option3))) return 0;
    switch (message) {
    case WM_PAINT:
        PaintPicture(hwnd(), ShownPicture().Box);
        return 0;
    case WM_TIMER:
        if (wParam == Timer2Id) Timer2_Timer();
        if (wParam == ShowTheBinId) {
            showTheBin_.reset();
            SetAlwaysOnTop(hwnd(), IsOn(Settings.Option4));
        }
        return 0;
    case names::RecycleBinChangedMessage:
        RecycleBinChanged();
        return 0;
    case names::RecycleBinStateMessage:
        if (recycleBin_) ShowRecycleBinState();
        return 0;
    case names::DropProcessedMessage:
        DropProcessed();
        return 0;
    case names::AfterShowMessage:
        Form_Shown();
        return 0;
    case names::ShowTheBinMessage:
        // A second start: the bin comes to the top for a moment, then goes
        // back where its setting puts it.
        SetAlwaysOnTop(hwnd(), true);
        showTheBin_.emplace(hwnd(), ShowTheBinId, ShowTheBinMs);
        return 0;
    case WM_DROPFILES:
        // Only while the hook is away: the drop is lost, its handle released.
        ::DragFinish(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        Form_MouseDown(1);
        return 0;
    case WM_LBUTTONUP:
        ::ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        drag_.Release();
        return 0;
    case WM_RBUTTONDOWN:
        Form_MouseDown(2);
        return 0;
    case WM_MOUSEMOVE:
        drag_.Follow(hwnd(), wParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        Form_DblClick();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the picture covers the whole window
    case WM_CLOSE:
        // The shell's work cannot be broken off: the bin ends after it.
        closeAfterDrop_ = dropJob_.Running();
        if (!closeAfterDrop_) Unload();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // Log-off or shut-down: an orderly end, which stores the place too.
        if (wParam) {
            endingSession_ = true;
            Unload();
        }
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace rublet
