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

// The same picture lighter, in the same outline.
ShapedPicture Lightened(const ShapedPicture& picture) {
    return {picture.Box.Lightened(picture.Box.HasAlpha() ? CLR_INVALID : picture.Box.Point(0, 0)), picture.Runs};
}

// The hover pictures: `lifted` where there is one, else the shown one lighter.
void AddHover(BinPictures& pictures, std::optional<ShapedPicture> emptyLifted, std::optional<ShapedPicture> fullLifted) {
    pictures.EmptyHover = emptyLifted ? std::move(emptyLifted) : Lightened(pictures.Empty);
    if (pictures.Full) pictures.FullHover = fullLifted ? std::move(fullLifted) : Lightened(*pictures.Full);
}

BinPictures EmbeddedBinPictures(HINSTANCE module) {
    BinPictures pictures;
    if (auto empty = Shaped(Picture::FromResource(module, IDR_DEFAULT_PICTURE))) pictures.Empty = std::move(*empty);
    pictures.Full = Shaped(Picture::FromResource(module, IDR_DEFAULT_FULL_PICTURE));
    AddHover(pictures, Shaped(Picture::FromResource(module, IDR_DEFAULT_OPEN_PICTURE)),
             Shaped(Picture::FromResource(module, IDR_DEFAULT_FULL_OPEN_PICTURE)));
    return pictures;
}

}  // namespace

std::variant<BinPictures, PictureFault> LoadBinPictures(const std::wstring& path, bool lidLifted) {
    std::optional<Picture> picture = Picture::FromFile(path);
    if (!picture) return PictureFault::Unreadable;
    std::optional<ShapedPicture> empty = Shaped(std::move(picture));
    if (!empty) return PictureFault::NothingToShow;
    const std::wstring full = FullPicturePath(path);
    BinPictures pictures;
    pictures.Empty = std::move(*empty);
    pictures.Full = Shaped(Picture::FromFile(full));
    if (lidLifted) AddHover(pictures, Shaped(Picture::FromFile(LidLiftedPath(path))), Shaped(Picture::FromFile(LidLiftedPath(full))));
    else AddHover(pictures, std::nullopt, std::nullopt);
    return pictures;
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
        std::variant<BinPictures, PictureFault> loaded = LoadBinPictures(path, defaultBin);
        if (auto* pictures = std::get_if<BinPictures>(&loaded)) return {std::move(*pictures), path, std::nullopt};
        // A default bin that is missing is no fault of the user's.
        if (!defaultBin) chosen.Fault = std::get<PictureFault>(loaded);
    }
    chosen.Pictures = EmbeddedBinPictures(::GetModuleHandleW(nullptr));
    return chosen;
}

}  // namespace rublet
