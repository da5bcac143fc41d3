#pragma once
// The program speaks one language, chosen once at start from the user's
// Windows display language: Japanese for Japanese, English for any other.
//
// Each language is one table of Texts in a header of its own (texts.h:
// Japanese, texts_en.h: English). Tables in the source rather than string
// tables in the resources, because the portable core builds its messages
// from them and is tested natively, where no resource can be loaded, and
// because a table that misses a text does not build (missing initialisers
// are an error). A translator adds a header with one table and a line in
// TextsOf (language.cpp). Messages with a number are whole patterns per
// language, "{count}" where the number goes, singular and plural apart.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace rublet {

struct Texts {
    std::wstring_view MessageTitle;
    std::wstring_view LineBreak;

    // Start-up warnings, each followed by LineBreak and what was wrong.
    std::wstring_view PictureUnreadable;
    std::wstring_view PictureEmpty;  // read, but nothing of it would show
    std::wstring_view SettingInvalid;
    // Followed by LineBreak and the file that could not be written.
    std::wstring_view SettingsNotSaved;

    // Dropped files. ConfirmRecycle and ConfirmDelete: "{count}" files, the
    // One forms for a single file; ConfirmQuestion follows after LineBreak.
    std::wstring_view ConfirmTitle;
    std::wstring_view ConfirmRecycleOne;
    std::wstring_view ConfirmRecycle;
    std::wstring_view ConfirmDeleteOne;
    std::wstring_view ConfirmDelete;
    std::wstring_view ConfirmQuestion;
    std::wstring_view ProcessingDone;
    std::wstring_view ProcessingFailed;
    // A drop refused before the shell sees it: the reason, LineBreak, the
    // item that shows it, LineBreak, NothingDeleted.
    std::wstring_view RootRefused;
    std::wstring_view PathTooLong;
    std::wstring_view ItemNotFound;
    std::wstring_view NameRefused;
    std::wstring_view LinkRefused;
    std::wstring_view RedirectedRefused;
    std::wstring_view NothingDeleted;
    // Not in the original program: under Wine, before deleting for good what
    // its trash could not take; LineBreak and the items follow.
    std::wstring_view CannotRecycle;
    // New: items another program holds open, which neither the Recycle Bin
    // nor deleting can take; LineBreak, the items and ProcessingFailed follow.
    std::wstring_view InUse;

    // The settings dialog.
    std::wstring_view Form2Caption;
    std::wstring_view OkCaption;
    std::wstring_view CancelCaption;
    std::wstring_view Frame2Caption;
    std::wstring_view Check4Caption;
    std::wstring_view Check4Tooltip;
    std::wstring_view Check2Caption;
    std::wstring_view Check2Tooltip;
    std::wstring_view Check3Caption;
    std::wstring_view Check3Tooltip;
    std::wstring_view Frame1Caption;
    std::wstring_view RecycleCaption;
    std::wstring_view RecycleTooltip;
    std::wstring_view DeleteCaption;
    std::wstring_view DeleteTooltip;
    std::wstring_view PicturePathTooltip;
    std::wstring_view BrowseCaption;
    std::wstring_view Label1Caption;
    std::wstring_view Check5Caption;

    std::wstring_view PictureChangeNotice;
    std::wstring_view PictureFilterName;
    std::wstring_view PictureChooserTitle;

    // The Recycle Bin's status line: "{count}" objects of "{size}" megabytes.
    std::wstring_view TrashEmpty;
    std::wstring_view TrashObjectsOne;
    std::wstring_view TrashObjects;
    // New: the status line before the first look at the Recycle Bin has ended.
    std::wstring_view TrashLooking;

    // The version box.
    std::wstring_view AboutText;
    std::wstring_view AboutTitle;

    // The menus.
    std::wstring_view Form3Caption;
    std::wstring_view MenuOption;
    std::wstring_view MenuAbout;
    std::wstring_view MenuEnd;
    std::wstring_view MenuOpen;
    std::wstring_view MenuEmpty;
    // New: what a drop will do, shown under the dragged files (Windows).
    std::wstring_view DragToRecycleBin;
    std::wstring_view DragToDelete;

    // Not in the original program. Undoing the last drop into the Recycle
    // Bin: the menu item, for "{count}" items; UndoDone when all came back;
    // otherwise UndoSome or UndoNone, then the restored items under
    // UndoRestoredList and the kept ones under UndoKeptList, each an
    // UndoItemLine of "{path}" and one of the four reasons.
    std::wstring_view UndoOne;
    std::wstring_view Undo;
    std::wstring_view UndoDone;
    std::wstring_view UndoSome;
    std::wstring_view UndoNone;
    std::wstring_view UndoRestoredList;
    std::wstring_view UndoKeptList;
    std::wstring_view UndoItemLine;
    std::wstring_view UndoOccupied;
    std::wstring_view UndoMissing;
    std::wstring_view UndoAmbiguous;
    std::wstring_view UndoFailed;
    // Not in the original program: "開く" where no file manager shows the trash.
    std::wstring_view OpenUnavailable;
    // New: the undo item of a drop that can no longer come back.
    std::wstring_view UndoGone;
};

enum class Language { Japanese, English };

// Japanese for a LANGID whose primary language is Japanese (0x11), else English.
[[nodiscard]] Language LanguageOf(std::uint16_t langId) noexcept;

// The language of every text from now on; Japanese until it is called.
void UseLanguage(Language language) noexcept;
[[nodiscard]] const Texts& TextsOf(Language language) noexcept;
[[nodiscard]] const Texts& Text() noexcept;

// One text of a table, named in a layout; null names no text.
using TextId = std::wstring_view Texts::*;
[[nodiscard]] std::wstring_view TextOf(TextId id) noexcept;

// `pattern` with each "{name}" of `values` replaced by its value; any other
// brace is kept as it is.
[[nodiscard]] std::wstring FillIn(std::wstring_view pattern,
                                  std::initializer_list<std::pair<std::wstring_view, std::wstring_view>> values);

// Two lines: `text`, and under it what it speaks of (a path, a key).
[[nodiscard]] std::wstring TwoLines(std::wstring_view text, std::wstring_view detail);

// The pattern for `count` things: `one` for exactly one, else `many`.
[[nodiscard]] constexpr std::wstring_view ForCount(std::int64_t count, std::wstring_view one,
                                                   std::wstring_view many) noexcept {
    return count == 1 ? one : many;
}

}  // namespace rublet
