// Drops on the real main window, processed by the real shell inside the
// sandbox: the Recycle Bin is the freedesktop trash under T:\xdg-data.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <map>

#include "drop/drop_processing.h"
#include "drop/hook.h"
#include "drop_helpers.h"
#include "main_window/form1.h"
#include "platform/registry_settings_store.h"

namespace rublet {
namespace {

using testing_drops::BoxAnswerer;
using testing_drops::IsReleased;
using testing_drops::MakeDrop;
using testing_drops::PumpMessages;

const std::wstring TrashFiles = L"T:\\xdg-data\\Trash\\files";
const std::wstring TrashInfo = L"T:\\xdg-data\\Trash\\info";

std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

void WriteText(const std::wstring& path, const std::string& text) {
    HANDLE file = ::CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
}

std::uint64_t HashOfFile(const std::wstring& path) {
    HANDLE file = ::CreateFileW(Long(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::uint64_t hash = 1469598103934665603ull;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        for (DWORD i = 0; i < read; ++i) hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ull;
    ::CloseHandle(file);
    return hash;
}

// Every file and folder below `root`, with a hash of each file's bytes.
std::map<std::wstring, std::uint64_t> Listing(const std::wstring& root, const std::wstring& relative = L"") {
    std::map<std::wstring, std::uint64_t> listing;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(Long(root + relative + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return listing;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = relative + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            listing[path + L"\\"] = 0;
            listing.merge(Listing(root, path));
        } else {
            listing[path] = HashOfFile(root + path);
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return listing;
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(Long(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

class Form1Drops : public testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Rublet");
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        folder = L"T:\\drops\\" + std::wstring(info->name(), info->name() + std::strlen(info->name()));
        ::CreateDirectoryW(L"T:\\drops", nullptr);
        ::CreateDirectoryW(folder.c_str(), nullptr);
        WriteText(folder + L"\\ごみ 1.txt", "one");
        WriteText(folder + L"\\😀 emoji.txt", "two");
        ::CreateDirectoryW((folder + L"\\フォルダ with space").c_str(), nullptr);
        WriteText(folder + L"\\フォルダ with space\\inner.txt", "three");
        WriteText(folder + L"\\keep.txt", "keep me");
        dropped = {folder + L"\\ごみ 1.txt", folder + L"\\😀 emoji.txt", folder + L"\\フォルダ with space"};
    }
    void TearDown() override {
        if (form) {
            ::SendMessageW(form->hwnd(), WM_CLOSE, 0, 0);
            PumpMessages(50);
        }
    }

    void Start(const wchar_t* option1, const wchar_t* option2, const wchar_t* option3 = L"0") {
        store.Save(L"Rublet", L"setting", L"Option1", option1);
        store.Save(L"Rublet", L"setting", L"Option2", option2);
        store.Save(L"Rublet", L"setting", L"Option3", option3);
        store.Save(L"Rublet", L"setting", L"Option5", L"0");
        form = Form1::Create(store);
        ASSERT_TRUE(form);
    }
    HDROP DropAndWait(const std::vector<std::wstring>& paths) {
        bool processed = false;
        HDROP drop = testing_drops::DropOnMainWindowAndWait(form->hwnd(), paths, processed);
        EXPECT_TRUE(processed);
        return drop;
    }
    // The listing as it should be once the dropped items are gone.
    std::map<std::wstring, std::uint64_t> ListingWithoutDropped(std::map<std::wstring, std::uint64_t> listing) const {
        for (auto it = listing.begin(); it != listing.end();) {
            bool gone = false;
            for (const std::wstring& path : dropped) {
                const std::wstring relative = path.substr(folder.size());
                gone = gone || it->first == relative || it->first.rfind(relative + L"\\", 0) == 0;
            }
            it = gone ? listing.erase(it) : std::next(it);
        }
        return listing;
    }

    RegistrySettingsStore store;
    std::unique_ptr<Form1> form;
    std::wstring folder;
    std::vector<std::wstring> dropped;
};

TEST_F(Form1Drops, FilesAndFoldersGoToTheRecycleBinAndNothingElseIsTouched) {
    Start(L"0", L"0");
    const auto before = Listing(folder);
    HDROP drop = DropAndWait(dropped);
    EXPECT_TRUE(IsReleased(drop));
    EXPECT_EQ(Listing(folder), ListingWithoutDropped(before));
    for (const wchar_t* name : {L"ごみ 1.txt", L"😀 emoji.txt", L"フォルダ with space"}) {
        EXPECT_TRUE(Exists(TrashFiles + L"\\" + name)) << testing::PrintToString(std::wstring(name));
        EXPECT_TRUE(Exists(TrashInfo + L"\\" + name + L".trashinfo"));
    }
    EXPECT_TRUE(Exists(TrashFiles + L"\\フォルダ with space\\inner.txt"));

    // The hook is back: the next drop is handled as well.
    dropped = {folder + L"\\keep.txt"};
    DropAndWait(dropped);
    EXPECT_FALSE(Exists(folder + L"\\keep.txt"));
    EXPECT_TRUE(Exists(TrashFiles + L"\\keep.txt"));
}

TEST_F(Form1Drops, DeletionOutrightLeavesNothingInTheRecycleBin) {
    Start(L"1", L"0");
    const auto before = Listing(folder);
    const auto trashBefore = Listing(TrashFiles);
    DropAndWait(dropped);
    EXPECT_EQ(Listing(folder), ListingWithoutDropped(before));
    EXPECT_EQ(Listing(TrashFiles), trashBefore);
}

TEST_F(Form1Drops, APathLongerThanMaxPathReachesTheShellWhole) {
    std::wstring deep = folder;
    for (int i = 0; i < 3; ++i) {
        deep += L"\\" + std::wstring(100, static_cast<wchar_t>(L'a' + i));
        ::CreateDirectoryW(Long(deep).c_str(), nullptr);
    }
    const std::wstring file = deep + L"\\長い名前.txt";
    WriteText(file, "deep");
    ASSERT_GT(file.size(), static_cast<std::size_t>(MAX_PATH));
    dropped = {file};
    Start(L"1", L"0");
    const auto before = Listing(folder);
    BoxAnswerer answerer;
    DropAndWait(dropped);
    if (!answerer.Seen().empty()) {
        // A shell that cannot take the path refuses the drop as a whole.
        EXPECT_EQ(answerer.Seen(), (std::vector<std::wstring>{L"Rublet|エラーが発生したため、処理は完了しませんでした"}));
        EXPECT_EQ(Listing(folder), before);
    } else {
        EXPECT_EQ(Listing(folder), ListingWithoutDropped(before));
    }
}

TEST_F(Form1Drops, CancelAtTheConfirmationDeletesNothing) {
    Start(L"0", L"1");
    const auto before = Listing(folder);
    BoxAnswerer answerer(IDCANCEL);
    DropAndWait(dropped);
    EXPECT_EQ(answerer.Seen(), (std::vector<std::wstring>{L"RUblet|3個のファイルを「ｺﾞﾐ箱に移動」します\r\nよろしいですか？"}));
    EXPECT_EQ(Listing(folder), before);
}

TEST_F(Form1Drops, ConfirmedDeletionEndsWithTheCompletionMessage) {
    Start(L"2", L"1", L"1");
    const auto before = Listing(folder);
    BoxAnswerer answerer(IDOK);
    DropAndWait(dropped);
    EXPECT_EQ(answerer.Seen(), (std::vector<std::wstring>{L"RUblet|3個のファイルを「削除」します\r\nよろしいですか？",
                                                          L"Rublet|処理が完了しました"}));
    EXPECT_EQ(Listing(folder), ListingWithoutDropped(before));
}

TEST_F(Form1Drops, ADriveRootIsRefusedWithNothingDeleted) {
    Start(L"1", L"0");
    const auto before = Listing(folder);
    BoxAnswerer answerer;
    DropAndWait({folder + L"\\keep.txt", L"T:\\"});
    EXPECT_EQ(answerer.Seen(), (std::vector<std::wstring>{L"Rublet|ドライブそのものは削除できません。\r\nT:\\"}));
    EXPECT_EQ(Listing(folder), before);
}

struct SecondDrop {
    HWND hwnd;
    HDROP drop;
};

TEST_F(Form1Drops, ADropWhileAMessageIsOpenIsLostAndReleased) {
    Start(L"1", L"1");
    const auto before = Listing(folder);
    BoxAnswerer answerer(IDCANCEL);
    SecondDrop second{form->hwnd(), MakeDrop({folder + L"\\keep.txt"})};
    answerer.WhileFirstBoxIsOpen(
        [](void* context) {
            auto* drop = static_cast<SecondDrop*>(context);
            ::SendMessageW(drop->hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop->drop), 0);
        },
        &second);
    DropAndWait(dropped);
    EXPECT_EQ(answerer.Seen().size(), 1u) << "the lost drop asks nothing";
    EXPECT_TRUE(IsReleased(second.drop));
    EXPECT_EQ(DropPending, 0);
    EXPECT_EQ(Listing(folder), before);
}

TEST_F(Form1Drops, ClosingWithADropPendingNeverProcessesIt) {
    Start(L"1", L"0");
    const auto before = Listing(folder);
    HDROP drop = MakeDrop(dropped);
    ::PostMessageW(form->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    ::PostMessageW(form->hwnd(), WM_CLOSE, 0, 0);
    const HWND hwnd = form->hwnd();
    EXPECT_TRUE(testing_drops::PumpUntil(
        [](const void* window) { return !::IsWindow(static_cast<HWND>(const_cast<void*>(window))); }, hwnd));
    form.reset();
    EXPECT_TRUE(IsReleased(drop));
    EXPECT_EQ(PrevWndProc, nullptr);
    EXPECT_EQ(Listing(folder), before);
    EXPECT_TRUE(store.Read(L"Rublet", L"setting", L"Defleft").has_value());
}

}  // namespace
}  // namespace rublet
