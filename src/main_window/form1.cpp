#include "main_window/form1.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <chrono>

#include "drop/drop_processing.h"
#include "drop/hook.h"
#include "drop/shell_desktop.h"
#include "layouts/form1_layout.h"
#include "layouts/language.h"
#include "layouts/names.h"
#include "layouts/resource_ids.h"
#include "pictures/picture_paths.h"
#include "pictures/region.h"
#include "platform/system/program_directory.h"
#include "platform/window/layered_window.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "platform/window/tooltip.h"
#include "platform/window/z_order.h"
#include "recycle_bin/recycle_bin_looks.h"
#include "settings/settings.h"

namespace rublet {
namespace {

constexpr UINT_PTR Timer2Id = 2;
// Where the shell does not report every change of the Recycle Bin and the
// folder of its items cannot be watched, the window looks for itself
// (NextRecycleBinCheckMs).
constexpr UINT_PTR RecycleBinCheckId = 3;
// How long a second start brings the bin to the top.
constexpr UINT_PTR ShowTheBinId = 4;
constexpr UINT ShowTheBinMs = 1500;
// The longest a status line waits for the first look at the Recycle Bin.
constexpr std::chrono::seconds FirstLookWait{60};

// Where the pointer was, on the screen, when the current message was posted.
POINT PointerOfMessage() noexcept {
    const DWORD position = ::GetMessagePos();
    return {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
}

void Warn(const std::wstring& message) {
    MsgBox(nullptr, message, MB_OK | MB_ICONEXCLAMATION, Text().MessageTitle);
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
    ApplyShape(false);
    Timer2.emplace(hwnd(), Timer2Id, layouts::Timer2IntervalMs);
    undo_.emplace(hwnd(), names::UndoEndedMessage);
    setform();
    const PictureBox& shown = ShownPicture().Box;
    ShowInZOrder(hwnd(), IsOn(Settings.Option4),
                 {place.x, place.y, place.x + shown.ScaleWidth(), place.y + shown.ScaleHeight()});
    ::UpdateWindow(hwnd());
    ::PostMessageW(hwnd(), names::AfterShowMessage, 0, 0);
}

// The window's controls, the first look at the Recycle Bin, the word of
// its changes and the tooltip.
void Form1::Form_Shown() {
    CreateLayoutControls();
    recycleBin_.emplace(hwnd(), names::RecycleBinLookedMessage);
    recycleBinWatch_.emplace(hwnd(), names::ShellChangeMessage);
    storageWatch_.emplace(hwnd(), names::RecycleBinStorageMessage);
    tooltip_.reset(CreateTooltip(nullptr));
    AddTool(tooltip_.get(), hwnd(), 0, LPSTR_TEXTCALLBACKW);
}

POINT Form1::Loadsetting() {
    const ScreenTwips screen = ScreenSizeInTwips();
    SettingsReading reading = ReadSettings(store_, screen, DefaultPicturePath(ProgramDirectory()));
    Settings = std::move(reading.Record);
    for (const InvalidSetting& invalid : reading.Invalid) Warn(InvalidSettingMessage(invalid));
    LoadPicture1(reading.PictureStored);

    const TwipsPerPixel factor = ScreenTwipsPerPixel();
    const PictureBox& picture = pictures_.Empty.Box;
    const TwipsPoint place =
        StartUpPlace({Settings.Defleft, Settings.Deftop}, PixelsToTwips(picture.ScaleWidth(), factor.X),
                     PixelsToTwips(picture.ScaleHeight(), factor.Y), screen, MonitorsInTwips());
    Settings.Defleft = place.Left;
    Settings.Deftop = place.Top;
    return {TwipsToPixels(place.Left, factor.X), TwipsToPixels(place.Top, factor.Y)};
}

// The pictures named by Bmpdir (ChooseBinPictures), after a warning where
// a stored picture cannot be shown.
void Form1::LoadPicture1(bool stored) {
    ChosenPictures chosen = ChooseBinPictures(Settings.Bmpdir, stored);
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
    const std::optional<RecycleBinContents> last = recycleBin_->Last();
    const bool full = pictures_.Full && last && last->Full();
    if (full == showsFull_) return;
    showsFull_ = full;
    ApplyShape(true);
}

void Form1::ApplyShape(bool resize) {
    const ShapedPicture& picture = ShownPicture();
    // A picture with alpha is its own outline; the others are cut to their
    // runs through the window region.
    SetLayered(hwnd(), picture.Box.HasAlpha());
    if (picture.Box.HasAlpha()) {
        ShowLayeredPicture(hwnd(), picture.Box.Bitmap(), {picture.Box.ScaleWidth(), picture.Box.ScaleHeight()});
        return;
    }
    UniqueRegion ShapeRegion = BuildShapeRegion(picture.Runs);
    if (resize)
        ::SetWindowPos(hwnd(), nullptr, 0, 0, picture.Box.ScaleWidth(), picture.Box.ScaleHeight(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (::SetWindowRgn(hwnd(), ShapeRegion.get(), TRUE))
        static_cast<void>(ShapeRegion.release());  // the window owns the region now
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void Form1::RecycleBinChanged() {
    // A status line on show is out of date now; the next one is the look's.
    if (tooltip_) ::SendMessageW(tooltip_.get(), TTM_POP, 0, 0);
    if (recycleBin_) recycleBin_->Look();
}

void Form1::RecycleBin_Looked() {
    if (!recycleBin_) return;
    ShowRecycleBinState();
    // Where nothing reports changes, the next look waits in proportion to
    // how long this one took.
    if (!storageWatch_->Watching())
        recycleBinCheck_.emplace(hwnd(), RecycleBinCheckId, NextRecycleBinCheckMs(recycleBin_->Last()->LookMs));
}

void Form1::RecycleBinCheck_Timer() {
    recycleBinCheck_.reset();
    recycleBin_->Look();
}

std::wstring Form1::StatusLine() const {
    const std::optional<RecycleBinContents> last = recycleBin_ ? recycleBin_->Last(FirstLookWait) : std::nullopt;
    return last ? last->StatusLine() : std::wstring();
}

void Form1::OnTooltipText(NMTTDISPINFOW& request) {
    tooltipText_ = StatusLine();
    request.lpszText = tooltipText_.data();
}

void Form1::setform() { ResumeDropHandling(hwnd()); }

void Form1::Timer2_Timer() {
    if (!TakePendingDrop()) return;
    // The scratch field keeps the last path of the drop.
    if (!DroppedFiles.empty()) ::SetWindowTextW(Control(ControlName::Text1), DroppedFiles.back().c_str());
    SuspendDropHandling(hwnd());
    ShellDesktop desktop(hwnd());
    const std::int64_t start = FileTimeNow();
    if (ProcessDroppedFiles(Settings, DroppedFiles, desktop)) {
        if (Settings.Option1 == 0) undo_->Remember({DroppedFiles, start, FileTimeNow()});
        else undo_->Forget();
    }
    ResumeDropHandling(hwnd());
    RecycleBinChanged();
}

Form1::~Form1() { Unload(); }

void Form1::Unload() {
    if (!hwnd()) return;
    Form_Unload();
    Timer2.reset();
    recycleBinCheck_.reset();
    showTheBin_.reset();
    recycleBinWatch_.reset();
    storageWatch_.reset();
    recycleBin_.reset();
    tooltip_.reset();
    ::DestroyWindow(hwnd());
}

Form3* Form1::MenuHost() {
    if (!form3_ || !form3_->hwnd()) form3_ = Form3::Create(store_, hwnd());
    return form3_.get();
}

void Form1::Form_MouseDown(int button) {
    if (button == 1) {
        // A drag may follow: the window keeps the mouse until the release,
        // wherever the pointer goes, and remembers where it was held.
        ::SetCapture(hwnd());
        RECT frame{};
        ::GetWindowRect(hwnd(), &frame);
        const POINT pointer = PointerOfMessage();
        dragHold_ = POINT{pointer.x - frame.left, pointer.y - frame.top};
    }
    if (button != 2) return;
    if (Form3* menus = MenuHost()) menus->PopupMenu(MenuItem::mfile);
}

void Form1::Form_MouseMove(WPARAM buttons) {
    if (!(buttons & MK_LBUTTON) || !dragHold_ || ::GetCapture() != hwnd()) return;
    // The window follows the pointer by its whole travel since the press,
    // however far it went between two messages.
    const POINT pointer = PointerOfMessage();
    ::SetWindowPos(hwnd(), nullptr, pointer.x - dragHold_->x, pointer.y - dragHold_->y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::Form_DblClick() {
    Form3* menus = MenuHost();
    if (!menus) return;
    menus->SetCaption(MenuItem::mtrashstatus, StatusLine());
    menus->SetUndo(undo_->Count() ? UndoCaption(undo_->Count()) : std::wstring());
    menus->PopupMenu(MenuItem::mfile2);
}

void Form1::Undo_Ended() {
    const std::vector<UndoItem> items = undo_->TakeOutcome();
    RecycleBinChanged();
    const bool done = AllRestored(items);
    if (!done || IsOn(Settings.Option3))
        MsgBox(hwnd(), UndoReport(items), MB_OK | (done ? MB_ICONINFORMATION : MB_ICONEXCLAMATION), Text().MessageTitle);
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

void Form1::Form_Paint() {
    const PaintDc paint(hwnd());
    const PictureBox& picture = ShownPicture().Box;
    if (!picture.Bitmap() || picture.HasAlpha()) return;  // a layered window is not painted
    UniqueMemoryDc source(::CreateCompatibleDC(paint.get()));
    SelectedObject selected(source.get(), picture.Bitmap());
    ::BitBlt(paint.get(), 0, 0, picture.ScaleWidth(), picture.ScaleHeight(), source.get(), 0, 0, SRCCOPY);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (tooltip_ && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        MSG relayed{hwnd(), message, wParam, lParam, 0, {}};
        ::SendMessageW(tooltip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    switch (message) {
    case WM_PAINT:
        Form_Paint();
        return 0;
    case WM_TIMER:
        if (wParam == Timer2Id) Timer2_Timer();
        if (wParam == RecycleBinCheckId) RecycleBinCheck_Timer();
        if (wParam == ShowTheBinId) {
            showTheBin_.reset();
            SetAlwaysOnTop(hwnd(), IsOn(Settings.Option4));
        }
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == TTN_GETDISPINFOW)
            OnTooltipText(*reinterpret_cast<NMTTDISPINFOW*>(lParam));
        return 0;
    case names::RecycleBinChangedMessage:
        RecycleBinChanged();
        return 0;
    case names::RecycleBinStorageMessage:
        if (storageWatch_) storageWatch_->Rearm();  // before the look, so that no later change goes unseen
        RecycleBinChanged();
        return 0;
    case names::RecycleBinLookedMessage:
        RecycleBin_Looked();
        return 0;
    case names::ShellChangeMessage:
        RecycleBinWatch::Acknowledge(wParam, lParam);
        RecycleBinChanged();
        return 0;
    case names::UndoMessage:
        undo_->Start();
        return 0;
    case names::UndoEndedMessage:
        Undo_Ended();
        return 0;
    case names::RecycleBinEmptiedMessage:
        undo_->Forget();
        return 0;
    case WM_KEYDOWN:
        if (wParam == 'Z' && ::GetKeyState(VK_CONTROL) < 0) undo_->Start();
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
        dragHold_.reset();
        return 0;
    case WM_RBUTTONDOWN:
        Form_MouseDown(2);
        return 0;
    case WM_MOUSEMOVE:
        Form_MouseMove(wParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        Form_DblClick();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the picture covers the whole window
    case WM_CLOSE:
        Unload();
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
