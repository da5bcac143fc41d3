#include "platform/recycle_bin_contents.h"

#include <gtest/gtest.h>

#include "support.h"

namespace rublet {
namespace {

// Emptied, the bin looks empty again in the full-bin scenario.
TEST(RecycleBinContents, AHiddenRecycledFileFillsTheRecycleBin) {
    RUBLET_SKIP_OUTSIDE_SANDBOX();
    constexpr DWORD Quietly = SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND;
    ::SHEmptyRecycleBinW(nullptr, nullptr, Quietly);
    EXPECT_FALSE(RecycleBinHoldsAnything());
    const std::wstring list = std::wstring(L"T:\\recycled and hidden.txt") + L'\0';  // and the string's own NUL
    testing_support::WriteEmptyFile(list.c_str());
    ::SetFileAttributesW(list.c_str(), FILE_ATTRIBUTE_HIDDEN);
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE, operation.pFrom = list.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    ASSERT_EQ(::SHFileOperationW(&operation), 0);
    EXPECT_TRUE(RecycleBinHoldsAnything());
    ::SHEmptyRecycleBinW(nullptr, nullptr, Quietly);
}

}  // namespace
}  // namespace rublet
