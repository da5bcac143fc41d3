#include "main_window/form1.h"

#include <shellapi.h>
#include <windowsx.h>

#include "drop/drop_processing.h"
#include "drop/hook.h"
#include "drop/shell_desktop.h"
#include "layouts/form1_layout.h"
#include "layouts/names.h"
#include "layouts/resource_ids.h"
#include "layouts/texts.h"
#include "main_window/settings.h"
#include "platform/conversions.h"
#include "recycle_menu/recycle_bin.h"
#include "recycle_menu/trash_status.h"
#include "shape/region.h"
#include "shape/run_scan.h"

namespace rublet {
namespace {

constexpr UINT_PTR Timer2Id = 2;

// Where the pointer was, on the screen, when the current message was posted.
POINT PointerOfMessage() noexcept {
    const DWORD position = ::GetMessagePos();
    return {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
}

void Warn(const std::wstring& message) {
    MsgBox(nullptr, message, MB_OK | MB_ICONEXCLAMATION, text::MessageTitle);
}

}  // namespace

std::unique_ptr<Form1> Form1::Create(SettingsStore& store) {
    auto form = std::make_unique<Form1>(store);
    // No border, no caption; the taskbar keeps no button for a desktop item.
    if (!form->CreateFromLayout(layouts::Form1, names::Form1Class, WS_POPUP | WS_CLIPCHILDREN,
                                WS_EX_TOOLWINDOW, 0, 0))
        return nullptr;
    form->Form_Load();
    ShowInZOrder(form->hwnd(), IsOn(Settings.Option4));
    return form;
}

void Form1::Form_Load() {
    Loadsetting();
    SetAlwaysOnTop(hwnd(), IsOn(Settings.Option4));
    UniqueRegion ShapeRegion = BuildShapeRegion(ShapeRuns());
    if (::SetWindowRgn(hwnd(), ShapeRegion.get(), TRUE))
        static_cast<void>(ShapeRegion.release());  // the window owns the region now
    ::InvalidateRect(hwnd(), nullptr, FALSE);
    Timer2.emplace(hwnd(), Timer2Id, layouts::Timer2IntervalMs);
    setform();
}

void Form1::Loadsetting() {
    SettingsReading reading = ReadSettings(store_, ScreenSizeInTwips(), ProgramDirectory());
    Settings = std::move(reading.Record);
    for (const InvalidSetting& invalid : reading.Invalid) Warn(InvalidSettingMessage(invalid));
    LoadPicture1();

    const TwipsPerPixel factor = ScreenTwipsPerPixel();
    ::SetWindowPos(hwnd(), nullptr, TwipsToPixels(Settings.Defleft, factor.X),
                   TwipsToPixels(Settings.Deftop, factor.Y), Picture1.ScaleWidth(),
                   Picture1.ScaleHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

// The picture named by Bmpdir; the embedded default for an empty name, and
// after a warning for one that cannot be loaded. A picture made only of its
// corner colour counts as one that cannot be loaded: its window could not
// be seen, clicked, dropped on, moved or ended. Bmpdir stays as stored.
void Form1::LoadPicture1() {
    if (!Settings.Bmpdir.empty()) {
        std::optional<Picture> picture = Picture::FromFile(Settings.Bmpdir);
        if (picture) {
            Picture1.SetPicture(std::move(*picture));
            if (!ShapeRuns().empty()) return;
        }
        std::wstring message(text::PictureUnreadable);
        message += text::LineBreak;
        message += Settings.Bmpdir;
        Warn(message);
    }
    if (auto embedded = Picture::FromResource(::GetModuleHandleW(nullptr), IDR_DEFAULT_PICTURE))
        Picture1.SetPicture(std::move(*embedded));
}

// The runs of every pixel of Picture1 other than its corner colour, which
// then also shows wherever the picture is transparent or absent.
std::vector<RunRect> Form1::ShapeRuns() {
    const COLORREF TransparentColor = Picture1.Point(0, 0);
    Picture1.SetBackColor(TransparentColor);
    std::vector<RunRect> runs;
    ScanPictureRuns(runs, TransparentColor, Picture1.Pixels());
    return runs;
}

void Form1::setform() { ResumeDropHandling(hwnd()); }

void Form1::Timer2_Timer() {
    if (!TakePendingDrop()) return;
    SuspendDropHandling(hwnd());
    ShellDesktop desktop(hwnd());
    ProcessDroppedFiles(Settings, DroppedFiles, desktop);
    ResumeDropHandling(hwnd());
}

Form1::~Form1() { Unload(); }

void Form1::Unload() {
    if (!hwnd()) return;
    Form_Unload();
    Timer2.reset();
    ::DestroyWindow(hwnd());
}

Form3& Form1::MenuHost() {
    if (!form3_ || !form3_->hwnd()) form3_ = std::make_unique<Form3>(store_, hwnd());
    return *form3_;
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
    if (button == 2) MenuHost().PopupMenu(MenuItem::mfile);
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
    const std::int64_t count = TrashCount();
    const std::int64_t size = count != 0 ? TrashSize() : 0;
    Form3& menus = MenuHost();
    menus.SetCaption(MenuItem::mtrashstatus, TrashStatusText(count, size));
    menus.PopupMenu(MenuItem::mfile2);
}

void Form1::Form_Unload() {
    RECT frame{};
    ::GetWindowRect(hwnd(), &frame);
    const TwipsPerPixel factor = ScreenTwipsPerPixel();
    SaveSetting(store_, names::SettingsApplication, names::SettingsSection, names::KeyDefleft,
                SingleToText(static_cast<float>(frame.left) * factor.X));
    SaveSetting(store_, names::SettingsApplication, names::SettingsSection, names::KeyDeftop,
                SingleToText(static_cast<float>(frame.top) * factor.Y));
    ::SetWindowRgn(hwnd(), nullptr, TRUE);  // the system frees the former region
    if (form3_) form3_->Unload();  // the settings dialog first, then the menu host
    SuspendDropHandling(hwnd());
}

void Form1::Form_Paint() {
    const PaintDc paint(hwnd());
    if (!Picture1.Bitmap()) return;
    UniqueMemoryDc source(::CreateCompatibleDC(paint.get()));
    SelectedObject selected(source.get(), Picture1.Bitmap());
    ::BitBlt(paint.get(), 0, 0, Picture1.ScaleWidth(), Picture1.ScaleHeight(), source.get(), 0, 0, SRCCOPY);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Form_Paint();
        return 0;
    case WM_TIMER:
        if (wParam == Timer2Id) Timer2_Timer();
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
        if (wParam) Unload();
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace rublet
