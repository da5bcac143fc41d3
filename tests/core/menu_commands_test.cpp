#include "recycle_menu/menu_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>


namespace rublet {
namespace {

class FakeMenuDesktop final : public MenuDesktop {
public:
    int ShowMessage(std::wstring_view text, unsigned style, std::wstring_view title) override {
        calls.push_back(L"box " + std::to_wstring(style) + L" " + std::wstring(title) + L": " + std::wstring(text));
        return 1;
    }
    void ShellOpen(std::wstring_view verb, std::wstring_view file, std::wstring_view parameters,
                      std::wstring_view directory, int show) override {
        calls.push_back(L"execute " + std::wstring(verb) + L"|" + std::wstring(file) + L"|" + std::wstring(parameters) +
                        L"|" + std::wstring(directory) + L"|" + std::to_wstring(show));
    }
    void SuspendDropHandling() override { calls.push_back(L"suspend"); }
    void ResumeDropHandling() override { calls.push_back(L"resume"); }
    void EmptyRecycleBin() override { calls.push_back(L"empty"); }

    std::vector<std::wstring> calls;
};

TEST(MenuCommands, EmptyingTakesTheDropHandlingDownAroundTheShellAndDiscardsAPendingDrop) {
    FakeMenuDesktop desktop;
    mempty_Click(desktop);
    EXPECT_EQ(desktop.calls, (std::vector<std::wstring>{L"suspend", L"empty", L"resume"}));
}

TEST(MenuCommands, OpenStartsExplorerOnTheRecycleBinEachTime) {
    FakeMenuDesktop desktop;
    mopen_Click(desktop);
    mopen_Click(desktop);
    const std::wstring call = L"execute Open|explorer.exe|/root,::{645FF040-5081-101B-9F08-00AA002F954E}||1";
    EXPECT_EQ(desktop.calls, (std::vector<std::wstring>{call, call}));
}

TEST(MenuCommands, TheVersionBoxHasOneOkButtonAndNoIcon) {
    FakeMenuDesktop desktop;
    mabout_Click(desktop);
    EXPECT_EQ(desktop.calls, (std::vector<std::wstring>{L"box 0 ﾊﾞｰｼﾞｮﾝ情報: Rubblet Ver.2.1"}));
}

}  // namespace
}  // namespace rublet
