#include "drop/drop_files_block.h"

#include <gtest/gtest.h>

namespace rublet {
namespace {

using Paths = std::vector<std::wstring>;

// A block as the shell builds it: the header, `gap` bytes, then the list
// (UTF-16 little endian, or one byte a character) with its closing NULs.
std::vector<std::byte> Block(const Paths& paths, bool wide, std::size_t gap = 0) {
    std::vector<std::byte> block(20 + gap);
    const auto put = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) block[at + i] = static_cast<std::byte>(value >> (8 * i));
    };
    put(0, static_cast<std::uint32_t>(20 + gap));
    put(4, 300), put(8, 200), put(16, wide ? 1 : 0);
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    list += L'\0';
    for (const wchar_t unit : list) {
        block.push_back(static_cast<std::byte>(unit & 0xFF));
        if (wide) block.push_back(static_cast<std::byte>((unit >> 8) & 0xFF));
    }
    return block;
}

// Marks each converted path, so the test sees the converter was used.
std::wstring FromAnsi(std::string_view text) { return L"ansi:" + std::wstring(text.begin(), text.end()); }

std::optional<Paths> Read(const std::vector<std::byte>& block) { return ReadDropFilesBlock(block, &FromAnsi); }

TEST(DropFilesBlock, GivesEveryPathWholeInTheDropsOrder) {
    const std::wstring longPath = L"T:\\" + std::wstring(40000, L'x') + L".txt";  // far past MAX_PATH
    // The emoji as UTF-16 surrogates, which is what the block holds on every host.
    const Paths paths{L"T:\\b.txt", longPath, L"T:\\フォルダ", L"T:\\a \xD83D\xDE00.doc"};
    EXPECT_EQ(Read(Block(paths, true)), paths);
    EXPECT_EQ(Read(Block(paths, true, 3)), paths) << "a list at an odd offset";
    EXPECT_EQ(Read(Block({}, true)), Paths{});
    auto otherTrue = Block({L"T:\\a"}, true);
    otherTrue[17] = std::byte{1};  // fWide = 0x101: any value but 0 is wide
    EXPECT_EQ(Read(otherTrue), Paths{L"T:\\a"});
}

TEST(DropFilesBlock, ReadsAnAnsiListThroughTheConverter) {
    EXPECT_EQ(Read(Block({L"T:\\b.txt", L"T:\\a"}, false)), (Paths{L"ansi:T:\\b.txt", L"ansi:T:\\a"}));
}

TEST(DropFilesBlock, ReadsNothingPastTheBlocksEnd) {
    for (const bool wide : {true, false}) {
        const auto whole = Block({L"T:\\one", L"T:\\two"}, wide);
        for (std::size_t size = 0; size < whole.size(); ++size) {
            // A copy of exactly `size` bytes: the sanitizers catch any read past it.
            const std::vector<std::byte> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
            EXPECT_EQ(Read(cut), std::nullopt) << "cut to " << size << " bytes, wide " << wide;
        }
    }
    auto outside = Block({L"T:\\one"}, true);
    for (const std::uint32_t files : {std::uint32_t{0}, std::uint32_t{19}, static_cast<std::uint32_t>(outside.size() + 1),
                                      std::uint32_t{0xFFFFFFFF}}) {
        for (int i = 0; i < 4; ++i) outside[i] = static_cast<std::byte>(files >> (8 * i));
        EXPECT_EQ(Read(outside), std::nullopt) << "pFiles " << files;
    }
}

}  // namespace
}  // namespace rublet
