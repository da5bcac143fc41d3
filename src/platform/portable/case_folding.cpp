#include "platform/portable/case_folding.h"

#include <algorithm>
#include <iterator>

namespace rublet {
namespace {

// Code units from First to Last, every Step-th, map to themselves plus Offset.
struct CaseRun {
    char16_t First, Last;
    int Offset, Step;
};
constexpr CaseRun Runs[] = {
#include "platform/portable/case_table.inc"
};

}  // namespace

wchar_t UpperCaseUnit(wchar_t unit) noexcept {
    if (unit < 0x80) return unit >= L'a' && unit <= L'z' ? static_cast<wchar_t>(unit - 32) : unit;
    const auto run = std::upper_bound(std::begin(Runs), std::end(Runs), unit,
                                      [](wchar_t u, const CaseRun& r) { return static_cast<unsigned>(u) < r.First; });
    if (run == std::begin(Runs)) return unit;
    const CaseRun& found = *std::prev(run);
    const unsigned code = static_cast<unsigned>(unit);
    if (code > found.Last || (code - found.First) % static_cast<unsigned>(found.Step) != 0) return unit;
    return static_cast<wchar_t>(static_cast<int>(code) + found.Offset);
}

std::wstring UpperCase(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& unit : upper) unit = UpperCaseUnit(unit);
    return upper;
}

}  // namespace rublet
