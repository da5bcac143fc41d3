#pragma once
// What the Windows tests share: the sandbox check, waiting while messages
// flow, files, registry values, drops, windows of a process and message
// boxes answered from a second thread.

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Found by argument lookup for RECT, which lives in the global namespace.
bool operator==(const RECT& a, const RECT& b);

namespace rublet::testing_support {

// Tests that write the registry, delete files or empty the Recycle Bin run
// only in the throwaway Wine prefix of scripts/wine-sandbox, which alone
// writes the token of RUBLET_SANDBOX_TOKEN to C:\rublet-sandbox.token.
[[nodiscard]] bool InSandbox();
#define RUBLET_SKIP_OUTSIDE_SANDBOX()                                                               \
    if (!::rublet::testing_support::InSandbox())                                                    \
    GTEST_SKIP() << "only in the prefix of scripts/wine-sandbox: this test writes the registry, " \
                    "deletes files or empties the Recycle Bin"

// Dispatches this thread's messages until the condition holds or the time
// is up; tells whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs = 20000);

// Paths of any length.
void WriteFile(const std::wstring& path, const std::string& bytes);
[[nodiscard]] bool Exists(const std::wstring& path);
// Every file and folder below `root` (folders end in "\"), with a hash of each file's bytes.
[[nodiscard]] std::map<std::wstring, std::uint64_t> Listing(const std::wstring& root);

void StoreRegValue(HKEY root, const std::wstring& subkey, const std::wstring& name, DWORD type,
                   const std::wstring& text);

// An HDROP as the shell makes it, with `padding` bytes of ballast after the paths.
[[nodiscard]] HDROP MakeDrop(const std::vector<std::wstring>& paths, SIZE_T padding = 0);
// True when `action` frees the drop of `paths` it is given: the drop carries
// 64 MB, which the process's private memory shows until it is freed.
[[nodiscard]] bool FreesDrop(const std::vector<std::wstring>& paths, const std::function<void(HDROP)>& action);

// A visible top-level window of the process with the class name, or null.
[[nodiscard]] HWND VisibleWindowOf(DWORD processId, const wchar_t* className);

// Answers the message boxes of this process with `button` from a second
// thread while the test's thread sits in their modal loops.
class BoxAnswerer {
public:
    explicit BoxAnswerer(int button = IDOK, std::function<void()> whileFirstBoxIsOpen = {});
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    ~BoxAnswerer();
    // "title|text" of every box answered so far.
    [[nodiscard]] std::vector<std::wstring> Seen();

private:
    void Run();

    int button_;
    std::function<void()> whileFirstBoxIsOpen_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::wstring> seen_;
    std::thread thread_;
};

}  // namespace rublet::testing_support
