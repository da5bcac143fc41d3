#include "texts/language.h"

// A table that misses a text does not build (GCC checks designated
// initialisers too).
#pragma GCC diagnostic error "-Wmissing-field-initializers"
#include "texts/texts.h"
#include "texts/texts_en.h"

namespace rublet {
namespace {

constexpr std::uint16_t PrimaryLanguageMask = 0x3ff;  // PRIMARYLANGID
constexpr std::uint16_t PrimaryJapanese = 0x11;       // LANG_JAPANESE

// The one language of the process, set at start before any window.
Language languageInUse = Language::Japanese;

}  // namespace

Language LanguageOf(std::uint16_t langId) noexcept {
    return (langId & PrimaryLanguageMask) == PrimaryJapanese ? Language::Japanese : Language::English;
}

void UseLanguage(Language language) noexcept { languageInUse = language; }

const Texts& TextsOf(Language language) noexcept {
    switch (language) {
    case Language::English: return text::English;
    case Language::Japanese: break;
    }
    return text::Japanese;
}

const Texts& Text() noexcept { return TextsOf(languageInUse); }

std::wstring_view TextOf(TextId id) noexcept { return id ? Text().*id : std::wstring_view(); }

std::wstring TwoLines(std::wstring_view text, std::wstring_view detail) {
    std::wstring lines(text);
    lines += Text().LineBreak;
    lines += detail;
    return lines;
}

std::wstring FillIn(std::wstring_view pattern,
                    std::initializer_list<std::pair<std::wstring_view, std::wstring_view>> values) {
    std::wstring filled;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::size_t open = pattern.find(L'{', at);
        const std::size_t close = open == std::wstring_view::npos ? open : pattern.find(L'}', open);
        if (close == std::wstring_view::npos) break;
        filled += pattern.substr(at, open - at);
        const std::wstring_view name = pattern.substr(open + 1, close - open - 1);
        const auto* value = values.begin();
        while (value != values.end() && value->first != name) ++value;
        if (value != values.end()) {
            filled += value->second;
            at = close + 1;
        } else {
            filled += L'{';
            at = open + 1;
        }
    }
    filled += pattern.substr(at);
    return filled;
}

}  // namespace rublet
