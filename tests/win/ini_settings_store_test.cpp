#include "settings/ini_settings_store.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/system/handles.h"
#include "support.h"

using namespace rublet;

namespace {

std::string Bytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void Put(const std::wstring& path, const std::string& bytes) {
    std::ofstream(path.c_str(), std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace

// A save is written to a new file beside the old one and then moved over
// it. A crash between the two leaves the old file whole and a stray new
// one, which the next start ignores and the next save writes over. A move
// that fails (the old file held open) leaves the old file whole, no stray
// new one, and the failure to tell.
TEST(IniSettingsStore, AFailedOrUnfinishedSaveLeavesTheOldFileWhole) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    const std::wstring path = L"T:\\rublet_ini_test.ini", fresh = path + L".new";
    const std::string old = "\xEF\xBB\xBF[setting]\r\nBmpdir=C:\\\xE7\xB5\xB5.bmp\r\nOption1=0\r\n";
    Put(path, old);
    Put(fresh, "[setting]\r\nOpt");  // what a crash during the write left

    IniSettingsStore store(path);
    EXPECT_EQ(store.Read(L"Rublet", L"setting", L"Option1"), L"0");
    EXPECT_EQ(store.Read(L"Rublet", L"setting", L"Bmpdir"), L"C:\\絵.bmp");
    {
        // Held without the right to read or write, so a save straight into
        // the file would go through; only the move over it fails.
        const UniqueFile held(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        store.Save(L"Rublet", L"setting", L"Option1", L"1");
        EXPECT_EQ(Bytes(path), old);
        EXPECT_EQ(::GetFileAttributesW(fresh.c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(store.TakeSaveFailure(), path);
    }
    store.Save(L"Rublet", L"setting", L"Option2", L"1");
    EXPECT_EQ(Bytes(path), "\xEF\xBB\xBF[setting]\r\nBmpdir=C:\\\xE7\xB5\xB5.bmp\r\nOption1=0\r\nOption2=1\r\n");
    EXPECT_EQ(::GetFileAttributesW(fresh.c_str()), INVALID_FILE_ATTRIBUTES);
    ::DeleteFileW(path.c_str());
}
