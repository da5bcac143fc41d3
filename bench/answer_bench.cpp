// How long Rublet's window takes to answer, asked every 20 ms for SECONDS
// (answer_bench SECONDS): the longest answer, when it was asked, and how
// many answers took over 100 ms and over 1 s. Windows marks a window that
// does not answer for 5 s "Not responding".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>

#include "layouts/window_classes.h"

int wmain(int argc, wchar_t** argv) {
    const ULONGLONG seconds = argc > 1 ? std::wcstoull(argv[1], nullptr, 10) : 40;
    HWND bin = nullptr;
    const ULONGLONG start = ::GetTickCount64();
    while (!bin && ::GetTickCount64() - start < 30000) {
        bin = ::FindWindowW(rublet::names::Form1Class, nullptr);
        ::Sleep(20);
    }
    if (!bin) {
        std::fputs("answer_bench: no Rublet window\n", stderr);
        return 1;
    }
    ULONGLONG longest = 0, longestAt = 0;
    int slow = 0, frozen = 0;
    for (const ULONGLONG begin = ::GetTickCount64(); ::GetTickCount64() - begin < seconds * 1000;) {
        const ULONGLONG asked = ::GetTickCount64();
        DWORD_PTR result = 0;
        if (!::SendMessageTimeoutW(bin, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result) && !::IsWindow(bin)) break;
        const ULONGLONG took = ::GetTickCount64() - asked;
        if (took > longest) longest = took, longestAt = asked - begin;
        slow += took > 100;
        frozen += took > 1000;
        ::Sleep(20);
    }
    std::printf("longest answer %llu ms (at %.1f s); answers over 100 ms: %d; over 1 s: %d\n", longest,
                static_cast<double>(longestAt) / 1000, slow, frozen);
    return 0;
}
