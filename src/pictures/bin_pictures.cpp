#include "pictures/bin_pictures.h"

#include "layouts/resource_ids.h"
#include "pictures/picture_paths.h"
#include "platform/system/program_directory.h"
#include "platform/window/screen.h"

namespace rublet {
namespace {

// Nothing for a picture without a single pixel of the outline.
std::optional<ShapedPicture> Shaped(std::optional<Picture> picture) {
    if (!picture) return std::nullopt;
    ShapedPicture shaped;
    shaped.Box.SetPicture(std::move(*picture));
    if (shaped.Box.HasAlpha()) {
        ScanAlphaRuns(shaped.Runs, shaped.Box.Pixels());
    } else {
        const COLORREF transparentColor = shaped.Box.Point(0, 0);
        shaped.Box.SetBackColor(transparentColor);
        ScanPictureRuns(shaped.Runs, transparentColor, shaped.Box.Pixels());
    }
    if (shaped.Runs.empty()) return std::nullopt;
    return shaped;
}

BinPictures EmbeddedBinPictures(HINSTANCE module) {
    BinPictures pictures;
    if (auto empty = Shaped(Picture::FromResource(module, IDR_DEFAULT_PICTURE))) pictures.Empty = std::move(*empty);
    pictures.Full = Shaped(Picture::FromResource(module, IDR_DEFAULT_FULL_PICTURE));
    return pictures;
}

}  // namespace

std::variant<BinPictures, PictureFault> LoadBinPictures(const std::wstring& path) {
    std::optional<Picture> picture = Picture::FromFile(path);
    if (!picture) return PictureFault::Unreadable;
    std::optional<ShapedPicture> empty = Shaped(std::move(picture));
    if (!empty) return PictureFault::NothingToShow;
    return BinPictures{std::move(*empty), Shaped(Picture::FromFile(FullPicturePath(path)))};
}

std::wstring DefaultBinPath() { return DefaultPicturePath(ProgramDirectory()); }

ChosenPictures ChooseBinPictures(const std::wstring& bmpdir) {
    const std::wstring programDirectory = ProgramDirectory();
    const bool defaultBin = IsDefaultPicturePath(bmpdir, programDirectory);
    std::vector<std::wstring> candidates;
    if (defaultBin) candidates = DefaultPicturePaths(programDirectory, ScreenDpi());
    else if (!bmpdir.empty()) candidates.push_back(bmpdir);
    ChosenPictures chosen{{}, bmpdir, std::nullopt};
    for (const std::wstring& path : candidates) {
        std::variant<BinPictures, PictureFault> loaded = LoadBinPictures(path);
        if (auto* pictures = std::get_if<BinPictures>(&loaded)) return {std::move(*pictures), path, std::nullopt};
        // A default bin that is missing is no fault of the user's.
        if (!defaultBin) chosen.Fault = std::get<PictureFault>(loaded);
    }
    chosen.Pictures = EmbeddedBinPictures(::GetModuleHandleW(nullptr));
    return chosen;
}

}  // namespace rublet
