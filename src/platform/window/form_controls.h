#pragma once
// A window design's controls turned into child windows.

#include <windows.h>

#include <cstddef>
#include <string_view>

#include "layouts/layout.h"
#include "platform/window/screen.h"

namespace rublet {

// The words a layout's text ids stand for, from the program that owns the layout.
using LayoutTexts = std::wstring_view (*)(TextId);

// The child-window identifier of the layout table's entry `tableIndex`.
[[nodiscard]] constexpr int ControlId(std::size_t tableIndex) noexcept { return 100 + static_cast<int>(tableIndex); }

// Creates every control of `layout` but its picture boxes, which their
// window holds in memory and paints, in `window`'s client area, twips
// turned into pixels by `factor`; controls with a tooltip get one.
void CreateControls(HWND window, const FormLayout& layout, LayoutTexts texts, TwipsPerPixel factor);

}  // namespace rublet
