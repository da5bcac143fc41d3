#include "settings_dialog/form2.h"

#include "layouts/form2_layout.h"
#include "texts/language.h"
#include "layouts/window_classes.h"
#include "layouts/resource_ids.h"
#include "settings_dialog/file_chooser.h"
#include "pictures/bin_pictures.h"
#include "pictures/picture_paths.h"
#include "platform/system/program_directory.h"
#include "platform/window/message_box.h"
#include "platform/window/z_order.h"
#include "settings/settings.h"

namespace rublet {
namespace {

// Not WS_CLIPCHILDREN: the dialog paints the inside of its group boxes.
constexpr DWORD Form2Style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD Form2ExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

void CentreOnScreen(HWND hwnd) {
    RECT frame{};
    ::GetWindowRect(hwnd, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    ::SetWindowPos(hwnd, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

std::unique_ptr<Form2> Form2::Create(SettingsStore& store, HWND mainWindow, TwipsPerPixel factor) {
    std::unique_ptr<Form2> form(new Form2(store, mainWindow));
    // No owner: the main window disables itself while the dialog is up
    // instead. An owned dialog would tie the main window's z-order to it,
    // and a main window at the bottom must stay there.
    if (!form->CreateFromLayout(layouts::Form2, TextOf, {names::Form2Class, IDI_RUBLET}, Form2Style, Form2ExStyle, 0, 0,
                                factor))
        return nullptr;
    CentreOnScreen(form->hwnd());
    // Enter means OK, as in every Windows dialog; OK shows it.
    ::SendMessageW(form->Control(ControlName::Command2), BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    return form;
}

Form2::~Form2() { Unload(); }

std::wstring Form2::Text1() const {
    HWND edit = Control(ControlName::Text1);
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Form2::SetText1(const std::wstring& text) { ::SetWindowTextW(Control(ControlName::Text1), text.c_str()); }

std::int16_t Form2::CheckValue(ControlName name) const {
    return static_cast<std::int16_t>(::SendMessageW(Control(name), BM_GETCHECK, 0, 0));
}

void Form2::SetCheckValue(ControlName name, std::int16_t value) {
    // A value no check box can show leaves it unchecked.
    const WPARAM state = value >= 0 && value <= 2 ? static_cast<WPARAM>(value) : BST_UNCHECKED;
    ::SendMessageW(Control(name), BM_SETCHECK, state, 0);
}

void Form2::Intoform() {
    SetText1(Settings.Bmpdir);
    // Every value but 0 means deletion, so every value but 0 selects deletion.
    const bool recycle = IsRecycleBinMode(Settings);
    ::SendMessageW(Control(ControlName::Check1, 0), BM_SETCHECK, recycle ? BST_CHECKED : BST_UNCHECKED, 0);
    ::SendMessageW(Control(ControlName::Check1, 1), BM_SETCHECK, recycle ? BST_UNCHECKED : BST_CHECKED, 0);
    SetCheckValue(ControlName::Check2, Settings.Option2);
    SetCheckValue(ControlName::Check3, Settings.Option3);
    SetCheckValue(ControlName::Check4, Settings.Option4);
    SetCheckValue(ControlName::Check5, Settings.Option5);
}

void Form2::ShowModal() {
    // The main window is given back as it was found: a box of a drop's
    // may hold it disabled too.
    mainWasEnabled_ = !::EnableWindow(mainWindow_, FALSE);
    ::ShowWindow(hwnd(), SW_SHOW);
    MSG message{};
    while (hwnd() && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageW(hwnd(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    if (message.message == WM_QUIT) ::PostQuitMessage(static_cast<int>(message.wParam));
    if (mainWasEnabled_) ::EnableWindow(mainWindow_, TRUE);
}

void Form2::Unload() {
    if (!hwnd()) return;
    // The main window takes input again before the dialog goes, so that
    // activation returns to it.
    if (mainWasEnabled_) ::EnableWindow(mainWindow_, TRUE);
    ::DestroyWindow(hwnd());
}

void Form2::Command1_Click() {
    std::wstring filter(Text().PictureFilterName);
    filter += L'\0';
    filter += PictureFilterPattern;
    filter += L'\0';
    const std::wstring chosen = ShowOpenFileDialog(hwnd(), filter, ProgramDirectory(),
                                                   std::wstring(Text().PictureChooserTitle));
    if (!chosen.empty()) SetText1(chosen);
}

void Form2::Command2_Click() {
    if (Text1().empty()) SetText1(DefaultBinPath());
    const std::wstring path = Text1();
    if (path != Settings.Bmpdir)
        MsgBox(hwnd(), Text().PictureChangeNotice, MB_OK | MB_ICONINFORMATION, Text().MessageTitle);
    Settings.Bmpdir = path;
    Settings.Option1 = ::SendMessageW(Control(ControlName::Check1, 1), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    Settings.Option2 = CheckValue(ControlName::Check2);
    Settings.Option3 = CheckValue(ControlName::Check3);
    Settings.Option4 = CheckValue(ControlName::Check4);
    Settings.Option5 = CheckValue(ControlName::Check5);
    SetAlwaysOnTop(mainWindow_, IsOn(Settings.Option4));
    SaveOptions(store_, Settings);
    if (const std::optional<std::wstring> failed = store_.TakeSaveFailure())
        MsgBox(hwnd(), TwoLines(Text().SettingsNotSaved, *failed), MB_OK | MB_ICONEXCLAMATION, Text().MessageTitle);
    Unload();
}

void Form2::Command3_Click() { Unload(); }

void Form2::OnCommand(HWND control, WORD notification) {
    if (notification != BN_CLICKED) return;
    if (control == Control(ControlName::Command1)) return Command1_Click();
    if (control == Control(ControlName::Command2)) return Command2_Click();
    if (control == Control(ControlName::Command3)) return Command3_Click();
    for (const ControlName check : {ControlName::Check2, ControlName::Check3, ControlName::Check4, ControlName::Check5})
        if (control == Control(check))
            ::SendMessageW(control, BM_SETCHECK, CheckValue(check) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
}

LRESULT Form2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // IsDialogMessage turns Escape into IDCANCEL, from no control.
        if (LOWORD(wParam) == IDCANCEL && !lParam) Command3_Click();
        else OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case DM_GETDEFID: {
        // What Enter clicks: the button that has the focus, else OK.
        const HWND focus = ::GetFocus();
        const bool onButton = focus == Control(ControlName::Command1) || focus == Control(ControlName::Command3);
        return MAKELRESULT(::GetDlgCtrlID(onButton ? focus : Control(ControlName::Command2)), DC_HASDEFID);
    }
    case WM_CLOSE:
        Unload();  // like CANCEL: nothing is saved
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // Labels, check boxes and option buttons on the dialog's own colour.
        ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace rublet
