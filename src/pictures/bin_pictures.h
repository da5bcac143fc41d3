#pragma once
// The bin's pictures: the chosen one and its "_full" twin, each with the
// outline it gives the window, scanned once when it is loaded.

#include <windows.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "pictures/picture_box.h"
#include "pictures/run_scan.h"

namespace rublet {

struct ShapedPicture {
    PictureBox Box;
    // A picture with alpha (Box.HasAlpha()): every pixel of alpha above 0;
    // the window shows it through its own alpha, not through a region.
    // Any other: every pixel other than the picture's corner colour, which
    // then also shows wherever the picture is transparent or absent.
    std::vector<RunRect> Runs;
};

struct BinPictures {
    ShapedPicture Empty;
    std::optional<ShapedPicture> Full;  // none: the empty picture serves both states
    // While files hover over the bin: the default bin with its lid lifted,
    // any other picture lighter; each in its own outline.
    std::optional<ShapedPicture> EmptyHover;
    std::optional<ShapedPicture> FullHover;
};

// Why a chosen picture cannot be the bin.
enum class PictureFault {
    Unreadable,
    // Made only of its corner colour (or, with alpha, only of pixels of
    // alpha 0): its window could not be seen, clicked, dropped on, moved or
    // ended.
    NothingToShow,
};

// The picture at `path` and its "_full" twin where it has one, each with
// the picture it shows while files hover over the bin, or why the picture
// cannot be shown. `lidLifted`: the default bin, whose hover pictures are
// the "_open" twins beside it.
[[nodiscard]] std::variant<BinPictures, PictureFault> LoadBinPictures(const std::wstring& path, bool lidLifted = false);

struct ChosenPictures {
    BinPictures Pictures;
    std::wstring Path;  // the picture shown, as the setting names it
    // Why the user's picture could not be shown; the pair carried inside
    // the program shows instead.
    std::optional<PictureFault> Fault;
};

// What the settings hold when no picture is stored, and what the settings
// dialog stores for an empty path: the 32-pixel default bin beside the program.
[[nodiscard]] std::wstring DefaultBinPath();

// The pictures for the setting `bmpdir`. A path that names a default bin
// beside the program, in any size, stands for the default bin: the one
// that suits the screen is taken, the next smaller where one is missing,
// and Path names it. Any other path is taken as it is. The pair carried
// inside the program serves an empty path, a missing default bin, and a
// picture of the user's that cannot be shown.
[[nodiscard]] ChosenPictures ChooseBinPictures(const std::wstring& bmpdir);

}  // namespace rublet
