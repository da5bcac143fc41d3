#pragma once
// A window that is nothing but its picture: the picture's size and
// outline, and its pixels painted.

#include <windows.h>

#include "pictures/bin_pictures.h"

namespace rublet {

// Gives the window the picture's outline, and its size where `resize`. A
// picture with alpha is its own outline, through a layered window; any
// other is cut to its runs through the window region.
void ApplyPictureShape(HWND hwnd, const ShapedPicture& picture, bool resize);

// For WM_PAINT; a layered window is not painted.
void PaintPicture(HWND hwnd, const PictureBox& picture);

}  // namespace rublet
