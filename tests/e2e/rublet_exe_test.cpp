// The real Rublet.exe, started as a user starts it, observed from outside
// through the window manager and the registry.
#include <gtest/gtest.h>

#include <windows.h>

#include "pictures.h"
#include "platform/handles.h"
#include "platform/paths.h"
#include "reference_region.h"
#include "support.h"

namespace rublet {
namespace {

using namespace testing_support;

constexpr wchar_t SettingsKey[] = L"Software\\Rublet\\setting";

std::wstring OwnDirectory() {
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return DirectoryOfModule(path);
}

std::wstring Stored(const wchar_t* key) {
    wchar_t text[512] = {};
    DWORD bytes = sizeof text;
    return ::RegGetValueW(HKEY_CURRENT_USER, SettingsKey, key, RRF_RT_REG_SZ, nullptr, text, &bytes) == ERROR_SUCCESS
               ? text
               : L"(none)";
}

// One run of Rublet.exe; ended at the latest with the test.
class RubletProcess {
public:
    RubletProcess() {
        std::wstring command = L"\"" + OwnDirectory() + L"\\Rublet.exe\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return;
        process_.reset(info.hProcess);
        ::CloseHandle(info.hThread);
        id_ = info.dwProcessId;
    }
    ~RubletProcess() {
        if (::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) ::TerminateProcess(process_.get(), 1);
    }
    [[nodiscard]] HWND Window(const wchar_t* className) const {
        HWND hwnd = nullptr;
        WaitUntil([&] { return (hwnd = VisibleWindowOf(id_, className)) != nullptr; }, 10000);
        return hwnd;
    }
    // "title|text" of the message box the program shows, answered with OK.
    [[nodiscard]] std::wstring AnswerMessageBox() const {
        const HWND box = Window(L"#32770");
        wchar_t title[64] = {}, text[1024] = {};
        ::GetWindowTextW(box, title, 64);
        ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !::IsWindow(box); });
        return std::wstring(title) + L"|" + text;
    }
    [[nodiscard]] bool Close(HWND mainWindow) const {
        ::PostMessageW(mainWindow, WM_CLOSE, 0, 0);
        return ::WaitForSingleObject(process_.get(), 10000) == WAIT_OBJECT_0;
    }

private:
    DWORD id_ = 0;
    UniqueKernelHandle process_;
};

class RubletExe : public testing::Test {
protected:
    void SetUp() override {
        RUBLET_SKIP_OUTSIDE_SANDBOX();
        if (::GetSystemMetrics(SM_CXSCREEN) != 1024 || ::GetSystemMetrics(SM_CYSCREEN) != 768)
            GTEST_SKIP() << "the expected places are those of a 1024 x 768 screen";
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
    }
};

struct StartCase {
    std::vector<std::pair<const wchar_t*, std::wstring>> stored;
    std::vector<std::wstring> warnings;
    RECT place;
    std::wstring picture = OwnDirectory() + L"\\Rublet.bmp";
};

const std::wstring Triangle = [] {
    Image image{40, 20, std::vector<COLORREF>(800, RGB(0, 0, 0))};
    for (int y = 2; y < 18; ++y)
        for (int x = 5 + y; x < 35; ++x) image.pixels[static_cast<std::size_t>(y) * 40 + x] = RGB(200, 30, 30);
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"三角 picture.bmp";
    WriteFile(path, Bmp24(image));
    return path;
}();
const std::wstring Missing = OwnDirectory() + L"\\なし.bmp";
const std::wstring BadValue = L"Rublet|設定の値が正しくないため、既定値を使用します。\r\n";

class StartUp : public RubletExe, public testing::WithParamInterface<StartCase> {};

TEST_P(StartUp, PlacesAndShapesTheBinWarnsOfWhatItCannotUseAndStoresOnlyThePlaceAtTheEnd) {
    const StartCase& c = GetParam();
    for (const auto& [key, text] : c.stored) StoreRegValue(HKEY_CURRENT_USER, SettingsKey, key, REG_SZ, text);
    RubletProcess rublet;
    std::vector<std::wstring> warnings;
    for (std::size_t i = 0; i < c.warnings.size(); ++i) warnings.push_back(rublet.AnswerMessageBox());
    EXPECT_EQ(warnings, c.warnings);
    const HWND hwnd = rublet.Window(L"Rublet.Form1");
    ASSERT_TRUE(hwnd);
    RECT place{};
    ::GetWindowRect(hwnd, &place);
    EXPECT_EQ(place, c.place);
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    const UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    ::GetWindowRgn(hwnd, region.get());
    EXPECT_EQ(reference::RegionRects(region.get()), reference::RegionRectsOfPicture(c.picture));

    ::SetWindowPos(hwnd, nullptr, -10, 3, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(rublet.Close(hwnd));
    EXPECT_EQ(Stored(L"Defleft") + L"," + Stored(L"Deftop"), L"-150,45") << "a negative place is stored as it is";
    for (const wchar_t* key : {L"Bmpdir", L"Option1", L"Option2", L"Option3", L"Option4", L"Option5"}) {
        std::wstring expected = L"(none)";  // defaults are not written back
        for (const auto& [storedKey, text] : c.stored)
            if (storedKey == std::wstring(key)) expected = text;
        EXPECT_EQ(Stored(key), expected) << "nothing but the place is written";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StartUp,
    testing::Values(StartCase{{}, {}, {512, 384, 544, 416}},
                    StartCase{{{L"Defleft", L"1500"}, {L"Deftop", L"3000.4"}}, {}, {100, 200, 132, 232}},
                    StartCase{{{L"Bmpdir", Triangle}}, {}, {512, 384, 552, 404}, Triangle},
                    StartCase{{{L"Bmpdir", Missing}},
                              {L"Rublet|画像ファイルを読み込めませんでした。標準の画像を表示します。\r\n" + Missing},
                              {512, 384, 544, 416}},
                    StartCase{{{L"Bmpdir", L""}}, {}, {512, 384, 544, 416}},
                    StartCase{{{L"Defleft", L"abc"}, {L"Option3", L"70000"}},
                              {BadValue + L"Defleft=abc", BadValue + L"Option3=70000"}, {512, 384, 544, 416}}));

TEST_F(RubletExe, IsAlwaysOnTopOnlyForOption4EqualToOne) {
    for (const wchar_t* option4 : {L"1", L"0", L"2"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(option4)));
        StoreRegValue(HKEY_CURRENT_USER, SettingsKey, L"Option4", REG_SZ, option4);
        const auto window = [] {
            return UniqueWindow(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                                  nullptr, nullptr, nullptr));
        };
        const UniqueWindow before = window();
        RubletProcess rublet;
        const HWND hwnd = rublet.Window(L"Rublet.Form1");
        ASSERT_TRUE(hwnd);
        const UniqueWindow after = window();
        // Walking down the z-order from Rublet: windows shown before and
        // after it lie below it only when it is on top.
        int below = 0;
        for (HWND w = ::GetWindow(hwnd, GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT))
            below += w == before.get() || w == after.get();
        const bool topmost = std::wstring(option4) == L"1";
        EXPECT_EQ(below, topmost ? 2 : 0);
        EXPECT_EQ((::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, topmost);
        ASSERT_TRUE(rublet.Close(hwnd));
    }
}

}  // namespace
}  // namespace rublet
