#include "platform/portable/ini_text.h"

#include <algorithm>

#include "platform/portable/paths.h"

namespace rublet {
namespace {

std::wstring_view Trimmed(std::wstring_view text) {
    const std::size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// One line of the text: where it starts, and its content without the line break.
struct Line {
    std::size_t Start = 0;
    std::wstring_view Content;
};

// Calls `visit` with each line and the section it lies in, until it returns true.
template <class Visit>
void EachLine(std::wstring_view text, Visit visit) {
    std::wstring_view section;
    bool inAnySection = false;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(L'\n', start), text.size());
        std::wstring_view content = text.substr(start, end - start);
        if (!content.empty() && content.back() == L'\r') content.remove_suffix(1);
        const std::wstring_view trimmed = Trimmed(content);
        if (trimmed.size() >= 2 && trimmed.front() == L'[' && trimmed.back() == L']') {
            section = Trimmed(trimmed.substr(1, trimmed.size() - 2));
            inAnySection = true;
        }
        if (visit(Line{start, content}, inAnySection ? std::optional(section) : std::nullopt)) return;
        start = end + 1;
    }
}

// Where the value of a "key=value" line starts within it, or npos.
std::size_t ValueOf(std::wstring_view content, std::wstring_view key) {
    const std::size_t equals = content.find(L'=');
    if (equals == std::wstring_view::npos || !EqualIgnoringCase(Trimmed(content.substr(0, equals)), Trimmed(key)))
        return std::wstring_view::npos;
    return equals + 1;
}

bool IsSection(const std::optional<std::wstring_view>& found, std::wstring_view section) {
    return found && EqualIgnoringCase(*found, Trimmed(section));
}

}  // namespace

std::optional<std::wstring> IniValue(std::wstring_view text, std::wstring_view section, std::wstring_view key) {
    std::optional<std::wstring> value;
    EachLine(text, [&](const Line& line, const std::optional<std::wstring_view>& in) {
        const std::size_t at = IsSection(in, section) ? ValueOf(line.Content, key) : std::wstring_view::npos;
        if (at != std::wstring_view::npos) value = std::wstring(line.Content.substr(at));
        return value.has_value();
    });
    return value;
}

std::wstring WithIniValue(std::wstring_view text, std::wstring_view section, std::wstring_view key,
                          std::wstring_view value) {
    value = value.substr(0, value.find_first_of(L"\r\n"));
    const std::wstring_view lineBreak = text.find(L"\r\n") != std::wstring_view::npos || text.find(L'\n') == std::wstring_view::npos
                                            ? L"\r\n"
                                            : L"\n";
    std::size_t replaceFrom = std::wstring_view::npos, replaceTo = 0, insertAt = std::wstring_view::npos;
    EachLine(text, [&](const Line& line, const std::optional<std::wstring_view>& in) {
        if (!IsSection(in, section)) return false;
        const std::size_t at = ValueOf(line.Content, key);
        if (at != std::wstring_view::npos) {
            replaceFrom = line.Start + at, replaceTo = line.Start + line.Content.size();
            return true;
        }
        if (!Trimmed(line.Content).empty()) insertAt = line.Start + line.Content.size();
        return false;
    });
    std::wstring result(text);
    if (replaceFrom != std::wstring_view::npos) return result.replace(replaceFrom, replaceTo - replaceFrom, value);
    const std::wstring entry = std::wstring(Trimmed(key)) + L'=' + std::wstring(value);
    if (insertAt != std::wstring_view::npos) return result.insert(insertAt, std::wstring(lineBreak) + entry);
    if (!result.empty() && result.back() != L'\n') result += lineBreak;
    return result += L'[' + std::wstring(Trimmed(section)) + L']' + std::wstring(lineBreak) + entry + std::wstring(lineBreak);
}

}  // namespace rublet
