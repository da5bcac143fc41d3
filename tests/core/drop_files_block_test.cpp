#include "drop/drop_files_block.h"

#include <gtest/gtest.h>

namespace {
using namespace rublet;
using Texts = std::vector<std::wstring>;

// A block as the shell builds it: the header, `gap` bytes, then the list
// (UTF-16 little endian, or one byte a character) with its closing NULs.
std::vector<std::byte> Block(const Texts& paths, bool wide, std::size_t gap = 0) {
    std::vector<std::byte> block(20 + gap);
    block[0] = static_cast<std::byte>(20 + gap), block[16] = static_cast<std::byte>(wide ? 1 : 0);
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    for (const wchar_t unit : list + L'\0') {
        block.push_back(static_cast<std::byte>(unit & 0xFF));
        if (wide) block.push_back(static_cast<std::byte>((unit >> 8) & 0xFF));
    }
    return block;
}

std::optional<Texts> Read(const std::vector<std::byte>& block) {
    return ReadDropFilesBlock(block, [](std::string_view text) { return L"ansi:" + std::wstring(text.begin(), text.end()); });
}

TEST(DropFilesBlock, GivesEveryPathWholeInTheDropsOrderWideOrAnsi) {
    // Far past MAX_PATH; the emoji as the UTF-16 surrogates the block holds on every host.
    const Texts paths{L"T:\\b.txt", L"T:\\" + std::wstring(40000, L'x'), L"T:\\フォルダ", L"T:\\a \xD83D\xDE00.doc"};
    EXPECT_EQ(Read(Block(paths, true)), paths);
    EXPECT_EQ(Read(Block(paths, true, 3)), paths) << "a list at an odd offset";
    EXPECT_EQ(Read(Block({}, true)), Texts{});
    EXPECT_EQ(Read(Block({L"T:\\b.txt", L"T:\\a"}, false)), (Texts{L"ansi:T:\\b.txt", L"ansi:T:\\a"}));
}

TEST(DropFilesBlock, ReadsNothingPastTheBlocksEnd) {
    for (const bool wide : {true, false}) {
        const auto whole = Block({L"T:\\one", L"T:\\two"}, wide);
        for (std::size_t size = 0; size < whole.size(); ++size)  // each cut copied whole: the sanitizers see any overread
            EXPECT_EQ(Read({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)}), std::nullopt) << size;
    }
    auto outside = Block({L"T:\\one"}, true);
    for (const std::uint32_t files : {0u, 19u, static_cast<std::uint32_t>(outside.size() + 1), 0xFFFFFFFFu}) {
        for (int i = 0; i < 4; ++i) outside[i] = static_cast<std::byte>(files >> (8 * i));
        EXPECT_EQ(Read(outside), std::nullopt) << "pFiles " << files;
    }
}

}  // namespace
