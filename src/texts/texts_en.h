#pragma once
// The English texts, for every Windows display language but Japanese.
// Captions fit the settings dialog's controls at 96 and 144 dpi.

#include "texts/language.h"

namespace rublet::text {

inline constexpr Texts English = {
    .MessageTitle = L"Rublet",
    .LineBreak = L"\r\n",
    .PictureUnreadable = L"The picture file could not be read. The default picture is shown instead.",
    .PictureEmpty = L"The picture file can be read, but nothing of it would show. The default picture is shown instead.",
    .SettingInvalid = L"A setting has an invalid value. The default value is used instead.",
    .SettingsNotSaved = L"The settings could not be saved.",
    .ConfirmTitle = L"Rublet",
    .ConfirmRecycleOne = L"{count} item will be moved to the Recycle Bin.",
    .ConfirmRecycle = L"{count} items will be moved to the Recycle Bin.",
    .ConfirmDeleteOne = L"{count} item will be permanently deleted. This cannot be undone.",
    .ConfirmDelete = L"{count} items will be permanently deleted. This cannot be undone.",
    .ConfirmQuestion = L"Do you want to continue?",
    .ProcessingDone = L"The operation is complete.",
    .ProcessingFailed = L"An error occurred. The operation was not completed.",
    .RootRefused = L"A whole drive cannot be deleted.",
    .PathTooLong = L"This item, or an item in it, has a path too long to be processed.",
    .ItemNotFound = L"This item, or an item in it, could not be found.",
    .NameRefused = L"This item's name, or a name in it, could stand for another item.",
    .LinkRefused = L"This item is a link, or holds one. Removing it could remove what the link points to.",
    .RedirectedRefused = L"This item lies where the system redirects this program to another folder.",
    .NothingDeleted = L"Nothing was deleted.",
    // Not in the original program.
    .CannotRecycle = L"These items cannot go to the Recycle Bin. Delete them for good?",
    // New.
    .InUse = L"The action can't be completed because these items are open in another program.",
    .Form2Caption = L"Settings",
    .OkCaption = L"OK",
    .CancelCaption = L"Cancel",
    .Frame2Caption = L"General",
    .Check4Caption = L"Stay on top",
    .Check4Tooltip = L"Keep Rublet in front of other windows",
    .Check2Caption = L"Ask first",
    .Check2Tooltip = L"Ask before moving or deleting dropped items",
    .Check3Caption = L"Show result",
    .Check3Tooltip = L"Show a message when the operation is complete",
    .Frame1Caption = L"Dropped items",
    .RecycleCaption = L"Recycle",
    .RecycleTooltip = L"Move dropped items to the Recycle Bin",
    .DeleteCaption = L"Delete",
    .DeleteTooltip = L"Delete dropped items permanently. This cannot be undone.",
    .PicturePathTooltip = L"The color of the picture's top-left pixel becomes transparent",
    .BrowseCaption = L"...",
    .Label1Caption = L"Picture",
    .Check5Caption = L"Play the \"Empty Recycle Bin\" sound when done",
    .PictureChangeNotice = L"The new picture will be shown the next time Rublet starts.",
    .PictureFilterName = L"Pictures",
    .PictureChooserTitle = L"Choose a picture",
    .TrashEmpty = L"Recycle Bin is empty",
    .TrashObjectsOne = L"{count} item ({size} MB)",
    .TrashObjects = L"{count} items ({size} MB)",
    // New.
    .TrashLooking = L"Looking at the Recycle Bin…",
    .AboutText = L"Rublet version 2.1",
    .AboutTitle = L"About Rublet",
    .Form3Caption = L"Form3",
    .MenuOption = L"Settings...",
    .MenuAbout = L"About Rublet",
    .MenuEnd = L"Exit",
    .MenuOpen = L"Open",
    .MenuEmpty = L"Empty Recycle Bin",
    // New: under the dragged files while they hover over the bin.
    .DragToRecycleBin = L"Move to Recycle Bin",
    .DragToDelete = L"Delete for good",
    // Not in the original program: undoing a drop, and opening the trash under Wine.
    .UndoOne = L"Undo {count} item",
    .Undo = L"Undo {count} items",
    .UndoDone = L"Done",
    .UndoSome = L"Some items could not be restored.",
    .UndoNone = L"Nothing could be restored.",
    .UndoRestoredList = L"Restored:",
    .UndoKeptList = L"Left in the Recycle Bin:",
    .UndoItemLine = L"{path}  ({reason})",
    .UndoOccupied = L"something else now stands at its place",
    .UndoMissing = L"no longer in the Recycle Bin",
    .UndoAmbiguous = L"more than one item in the Recycle Bin came from there at that time",
    .UndoFailed = L"the Recycle Bin did not restore it",
    .OpenUnavailable = L"No file manager that shows the trash was found.",
    // New.
    .UndoGone = L"These items can no longer be taken back: the Recycle Bin was emptied, or they were taken back already.",
};

}  // namespace rublet::text
