#include "platform/recycle_bin_contents.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include "drop/hook.h"
#include "support.h"

namespace rublet {
namespace {

void EmptyRecycleBin() { ::SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND); }

TEST(RecycleBinContents, AHiddenRecycledFileFillsTheRecycleBinAndEmptyingItEmptiesIt) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    EmptyRecycleBin();
    EXPECT_FALSE(RecycleBinHoldsAnything());
    const std::wstring path = L"T:\\recycled and hidden.txt";
    testing_support::WriteEmptyFile(path);
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    const std::wstring list = path + L'\0';  // and the string's own NUL
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    ASSERT_EQ(::SHFileOperationW(&operation), 0);
    ASSERT_EQ(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(RecycleBinHoldsAnything());
    EmptyRecycleBin();
    EXPECT_FALSE(RecycleBinHoldsAnything());
}

// A block of `bytes` as the shell hands it over.
HDROP DropOf(const std::string& bytes) {
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    ::CopyMemory(::GlobalLock(memory), bytes.data(), bytes.size());
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST(DroppedPaths, AnAnsiListIsReadInTheAnsiCodePageAndABlockCutShortGivesNothing) {
    DROPFILES header{sizeof header, {0, 0}, FALSE, FALSE};
    const std::string start(reinterpret_cast<const char*>(&header), sizeof header);
    const HDROP ansi = DropOf(start + std::string("T:\\b.txt\0T:\\a\0", 16));
    EXPECT_EQ(ReadDroppedPaths(ansi), (std::vector<std::wstring>{L"T:\\b.txt", L"T:\\a"}));
    ::GlobalFree(ansi);
    header.fWide = TRUE;
    const HDROP cut = DropOf(std::string(reinterpret_cast<const char*>(&header), sizeof header) + std::string("T\0:\0", 4));
    EXPECT_TRUE(ReadDroppedPaths(cut).empty());
    ::GlobalFree(cut);
}

}  // namespace
}  // namespace rublet
