#include "main_window/form1.h"

#include <shellapi.h>

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

namespace rublet {
namespace {

constexpr UINT_PTR Timer2Id = 2;

// Always on top only for exactly 1; otherwise beneath every other window.
HWND ZOrderFor(std::int16_t option4) { return option4 == 1 ? HWND_TOPMOST : HWND_BOTTOM; }

void Warn(const std::wstring& message) {
    MsgBox(nullptr, message, MB_OK | MB_ICONEXCLAMATION, text::MessageTitle);
}

}  // namespace

void ApplyAlwaysOnTop(HWND form1, std::int16_t option4) noexcept {
    // Only the z-order changes: no activation, which would raise the
    // window again on some systems (Wine). Windows ends a topmost state on
    // the move to the bottom; Wine does not, so it is ended first.
    constexpr UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
    if (option4 != 1 && (::GetWindowLongPtrW(form1, GWL_EXSTYLE) & WS_EX_TOPMOST))
        ::SetWindowPos(form1, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    ::SetWindowPos(form1, ZOrderFor(option4), 0, 0, 0, 0, flags);
}

std::unique_ptr<Form1> Form1::Create(SettingsStore& store) {
    auto form = std::make_unique<Form1>(store);
    // No border, no caption; the taskbar keeps no button for a desktop item.
    if (!form->CreateFromLayout(layouts::Form1, names::Form1Class, WS_POPUP | WS_CLIPCHILDREN,
                                WS_EX_TOOLWINDOW, 0, 0))
        return nullptr;
    form->Form_Load();
    // Shown without activation in the z-order Form_Load chose: showing a
    // window raises it on some systems (Wine), even one put at the bottom.
    ::SetWindowPos(form->hwnd(), ZOrderFor(Settings.Option4), 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return form;
}

void Form1::Form_Load() {
    Loadsetting();
    ApplyAlwaysOnTop(hwnd(), Settings.Option4);
    const COLORREF TransparentColor = Picture1.Point(0, 0);
    // Wherever the picture is transparent or absent the holder shows its
    // background, which now reads as the transparent colour as well.
    Picture1.SetBackColor(TransparentColor);
    ScanPictureRuns(ShapeRuns, TransparentColor, Picture1.Pixels());
    UniqueRegion region = BuildShapeRegion();
    ShapeRegion = region.get();
    ::SetWindowRgn(hwnd(), region.release(), TRUE);  // the window owns the region now
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
// after a warning for one that cannot be loaded. Bmpdir stays as stored.
void Form1::LoadPicture1() {
    std::optional<Picture> picture;
    if (!Settings.Bmpdir.empty()) {
        picture = Picture::FromFile(Settings.Bmpdir);
        if (!picture) {
            std::wstring message(text::PictureUnreadable);
            message += text::LineBreak;
            message += Settings.Bmpdir;
            Warn(message);
        }
    }
    if (!picture) picture = Picture::FromResource(::GetModuleHandleW(nullptr), IDR_DEFAULT_PICTURE);
    if (picture) Picture1.SetPicture(std::move(*picture));
}

void Form1::setform() {
    DropPending = 0;
    ::DragAcceptFiles(hwnd(), TRUE);
    HookWindow(hwnd());
}

UniqueRegion Form1::BuildShapeRegion() const { return CreateRegionFromRuns(ShapeRuns); }

void Form1::Timer2_Timer() {
    if (DropPending != -1) return;
    DropPending = 0;
    UnhookWindow(hwnd());
    ShellDesktop desktop(hwnd());
    ProcessDroppedFiles(Settings, DroppedFiles, desktop);
    ::DragAcceptFiles(hwnd(), TRUE);
    HookWindow(hwnd());
}

Form1::~Form1() = default;

Form3& Form1::MenuHost() {
    if (!form3_ || !form3_->hwnd()) form3_ = std::make_unique<Form3>(store_, hwnd());
    return *form3_;
}

void Form1::Form_MouseDown(int button) {
    if (button == 2) MenuHost().PopupMenu(L"mfile");
}

void Form1::Form_MouseMove(WPARAM buttons) {
    if (!(buttons & MK_LBUTTON)) return;
    ::ReleaseCapture();
    // The system's move loop, as for a press on a title bar.
    ::SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void Form1::Form_DblClick() {
    const std::int64_t count = TrashCount();
    const std::int64_t size = count != 0 ? TrashSize() : 0;
    Form3& menus = MenuHost();
    menus.SetCaption(L"mtrashstatus", TrashStatusText(count, size));
    menus.PopupMenu(L"mfile2");
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
    ShapeRegion = nullptr;
    if (form3_) form3_->Unload();  // the settings dialog first, then the menu host
    UnhookWindow(hwnd());
}

void Form1::Form_Paint() {
    PAINTSTRUCT paint{};
    HDC hdc = ::BeginPaint(hwnd(), &paint);
    if (Picture1.Bitmap()) {
        UniqueMemoryDc source(::CreateCompatibleDC(hdc));
        SelectedObject selected(source.get(), Picture1.Bitmap());
        ::BitBlt(hdc, 0, 0, Picture1.ScaleWidth(), Picture1.ScaleHeight(), source.get(), 0, 0, SRCCOPY);
    }
    ::EndPaint(hwnd(), &paint);
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
        Form_Unload();
        Timer2.reset();
        ::DestroyWindow(hwnd());
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace rublet
