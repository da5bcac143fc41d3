#include "platform/system/environment.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace rublet;

TEST(ExpandEnvironment, ReplacesAReferenceAndKeepsTheRestWhole) {
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    EXPECT_EQ(ExpandEnvironment(L"%SystemRoot%\\media\\Windows Recycle.wav"),
              std::wstring(windows) + L"\\media\\Windows Recycle.wav");
}
