// The real Rublet.exe, started as a user would start it, observed from
// outside through the window manager and the registry.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/handles.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "../win/drop_helpers.h"
#include "../win/reference_region.h"
#include "../win/test_pictures.h"

static bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace rublet {
namespace {

using namespace std::chrono_literals;
constexpr wchar_t SettingsKey[] = L"Software\\Rublet\\setting";

std::wstring OwnDirectory() {
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return DirectoryOfModule(path);
}

void StoreSetting(const wchar_t* key, const std::wstring& text) {
    HKEY settings = nullptr;
    ::RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &settings, nullptr);
    ::RegSetValueExW(settings, key, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(settings);
}

std::optional<std::wstring> StoredSetting(const wchar_t* key) {
    wchar_t text[512] = {};
    DWORD bytes = sizeof text;
    DWORD type = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, SettingsKey, key, RRF_RT_ANY, &type, text, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    return std::wstring(text);
}

template <class Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds limit = 10s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(20ms);
    }
    return condition();
}

using testing_drops::VisibleWindowOf;

// One run of Rublet.exe; ended at the latest when the test ends.
class RubletProcess {
public:
    RubletProcess() {
        std::wstring command = L"\"" + OwnDirectory() + L"\\Rublet.exe\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        started_ = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    OwnDirectory().c_str(), &startup, &info) != FALSE;
        if (started_) {
            process_.reset(info.hProcess);
            ::CloseHandle(info.hThread);
            id_ = info.dwProcessId;
        }
    }
    RubletProcess(const RubletProcess&) = delete;
    RubletProcess& operator=(const RubletProcess&) = delete;
    ~RubletProcess() {
        if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(process_.get(), 1);
            ::WaitForSingleObject(process_.get(), 5000);
        }
    }

    [[nodiscard]] HWND MainWindow() const {
        HWND hwnd = nullptr;
        WaitFor([&] { return (hwnd = VisibleWindowOf(id_, L"Rublet.Form1")) != nullptr; });
        return hwnd;
    }
    // The text of the message box the program shows, which is then answered with OK.
    [[nodiscard]] std::wstring AnswerMessageBox() const {
        HWND box = nullptr;
        if (!WaitFor([&] { return (box = VisibleWindowOf(id_, L"#32770")) != nullptr; })) return L"(no message box)";
        wchar_t title[64] = {}, text[1024] = {};
        ::GetWindowTextW(box, title, 64);
        ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !::IsWindow(box); });
        return std::wstring(title) + L"|" + text;
    }
    [[nodiscard]] bool Ended(std::chrono::milliseconds limit = 10s) const {
        return ::WaitForSingleObject(process_.get(), static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
    }
    [[nodiscard]] bool started() const { return started_; }

private:
    bool started_ = false;
    DWORD id_ = 0;
    UniqueKernelHandle process_;
};

std::vector<RECT> WindowRegionRects(HWND hwnd) {
    UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    if (::GetWindowRgn(hwnd, region.get()) == ERROR) return {};
    return reference::RegionRects(region.get());
}

// The region the picture file should give, made step by step.
std::vector<RECT> ExpectedRegionRects(const std::wstring& picturePath) {
    auto picture = Picture::FromFile(picturePath);
    if (!picture) return {};
    PictureBox box;
    box.SetPicture(std::move(*picture));
    const COLORREF transparent = box.Point(0, 0);
    box.SetBackColor(transparent);
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.get(), box.Bitmap());
    const UniqueRegion region = reference::BuildWithCombineRgn(
        reference::ScanWithGetPixel(dc.get(), box.ScaleWidth(), box.ScaleHeight(), transparent));
    return reference::RegionRects(region.get());
}

RECT WindowRect(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return rect;
}

class RubletExe : public testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
        ASSERT_EQ(::GetSystemMetrics(SM_CXSCREEN), 1024) << "the sandbox's screen";
        ASSERT_EQ(::GetSystemMetrics(SM_CYSCREEN), 768);
    }
};

TEST_F(RubletExe, OnAnEmptyStoreStartsInTheMiddleAsTheBinAndStoresItsPlaceWhenClosed) {
    RubletProcess rublet;
    ASSERT_TRUE(rublet.started());
    const HWND hwnd = rublet.MainWindow();
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(WindowRect(hwnd), (RECT{512, 384, 544, 416}));
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(WindowRegionRects(hwnd), ExpectedRegionRects(OwnDirectory() + L"\\Rublet.bmp"));
    UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    ::GetWindowRgn(hwnd, region.get());
    RECT bounds{};
    EXPECT_EQ(::GetRgnBox(region.get(), &bounds), COMPLEXREGION);
    EXPECT_EQ(bounds, (RECT{3, 1, 29, 31})) << "the bin alone, its background cut away";

    ::SetWindowPos(hwnd, nullptr, 37, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(rublet.Ended());
    EXPECT_EQ(StoredSetting(L"Defleft"), L"555");
    EXPECT_EQ(StoredSetting(L"Deftop"), L"675");
    EXPECT_EQ(StoredSetting(L"Bmpdir"), std::nullopt) << "only the position is written at the end";
    EXPECT_EQ(StoredSetting(L"Option1"), std::nullopt);
}

TEST_F(RubletExe, StartsAtTheSavedPlaceAndStoresANegativePlaceAsIs) {
    StoreSetting(L"Defleft", L"1500");
    StoreSetting(L"Deftop", L"3000.4");
    RubletProcess rublet;
    const HWND hwnd = rublet.MainWindow();
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(WindowRect(hwnd), (RECT{100, 200, 132, 232}));
    ::SetWindowPos(hwnd, nullptr, -10, 3, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(rublet.Ended());
    EXPECT_EQ(StoredSetting(L"Defleft"), L"-150");
    EXPECT_EQ(StoredSetting(L"Deftop"), L"45");
}

TEST_F(RubletExe, AlwaysOnTopOnlyForOption4EqualToOne) {
    for (const wchar_t* option4 : {L"1", L"0", L"2"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(option4)));
        StoreSetting(L"Option4", option4);
        // An ordinary window of the test's own, shown before Rublet starts.
        UniqueWindow other(::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                             nullptr, nullptr, nullptr, nullptr));
        RubletProcess rublet;
        const HWND hwnd = rublet.MainWindow();
        ASSERT_TRUE(hwnd);
        const bool topmost = (::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        EXPECT_EQ(topmost, std::wstring(option4) == L"1");
        UniqueWindow later(::CreateWindowExW(0, L"STATIC", L"later", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                             nullptr, nullptr, nullptr, nullptr));
        // Walk down the z-order from Rublet: the windows shown before and
        // after it lie below it only when it is on top.
        bool otherBelow = false, laterBelow = false;
        for (HWND below = ::GetWindow(hwnd, GW_HWNDNEXT); below; below = ::GetWindow(below, GW_HWNDNEXT)) {
            otherBelow = otherBelow || below == other.get();
            laterBelow = laterBelow || below == later.get();
        }
        EXPECT_EQ(otherBelow, topmost);
        EXPECT_EQ(laterBelow, topmost);
        ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
        ASSERT_TRUE(rublet.Ended());
    }
}

TEST_F(RubletExe, TakesTheSizeAndOutlineOfAnotherPicture) {
    testing_pictures::Image image{40, 20, std::vector<COLORREF>(800, RGB(0, 0, 0))};
    for (int y = 2; y < 18; ++y)
        for (int x = 5 + y; x < 35; ++x) image.pixels[static_cast<std::size_t>(y) * 40 + x] = RGB(200, 30, 30);
    const std::wstring path = testing_pictures::ScratchFolder() + L"\\三角 picture.bmp";
    testing_pictures::WriteFile(path, testing_pictures::Bmp24(image));
    StoreSetting(L"Bmpdir", path);

    RubletProcess rublet;
    const HWND hwnd = rublet.MainWindow();
    ASSERT_TRUE(hwnd);
    const RECT rect = WindowRect(hwnd);
    EXPECT_EQ(rect.right - rect.left, 40);
    EXPECT_EQ(rect.bottom - rect.top, 20);
    EXPECT_EQ(WindowRegionRects(hwnd), ExpectedRegionRects(path));
    ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(rublet.Ended());
}

TEST_F(RubletExe, APictureThatCannotBeLoadedIsReportedAndTheDefaultShownWithTheSettingKept) {
    const std::wstring missing = testing_pictures::ScratchFolder() + L"\\なし.bmp";
    StoreSetting(L"Bmpdir", missing);
    RubletProcess rublet;
    EXPECT_EQ(rublet.AnswerMessageBox(),
              L"Rublet|画像ファイルを読み込めませんでした。標準の画像を表示します。\r\n" + missing);
    const HWND hwnd = rublet.MainWindow();
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(WindowRegionRects(hwnd), ExpectedRegionRects(OwnDirectory() + L"\\Rublet.bmp"));
    ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(rublet.Ended());
    EXPECT_EQ(StoredSetting(L"Bmpdir"), missing);
}

TEST_F(RubletExe, AnEmptyPicturePathShowsTheDefaultSilently) {
    StoreSetting(L"Bmpdir", L"");
    RubletProcess rublet;
    const HWND hwnd = rublet.MainWindow();
    ASSERT_TRUE(hwnd);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hwnd, &processId);
    EXPECT_EQ(VisibleWindowOf(processId, L"#32770"), nullptr) << "no message box";
    EXPECT_EQ(WindowRegionRects(hwnd), ExpectedRegionRects(OwnDirectory() + L"\\Rublet.bmp"));
    ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(rublet.Ended());
    EXPECT_EQ(StoredSetting(L"Bmpdir"), L"");
}

TEST_F(RubletExe, AStoredValueThatIsNoNumberIsReportedAndItsDefaultUsed) {
    StoreSetting(L"Defleft", L"abc");
    StoreSetting(L"Option3", L"70000");
    RubletProcess rublet;
    EXPECT_EQ(rublet.AnswerMessageBox(), L"Rublet|設定の値が正しくないため、既定値を使用します。\r\nDefleft=abc");
    EXPECT_EQ(rublet.AnswerMessageBox(), L"Rublet|設定の値が正しくないため、既定値を使用します。\r\nOption3=70000");
    const HWND hwnd = rublet.MainWindow();
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(WindowRect(hwnd).left, 512);
    EXPECT_EQ(StoredSetting(L"Option3"), L"70000") << "nothing is written at start-up";
    ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(rublet.Ended());
}

}  // namespace
}  // namespace rublet
