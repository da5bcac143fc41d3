#pragma once
// Form1: the shaped main window. Its start-up reads the settings, takes the
// picture's size and outline and hooks the drop machinery; its unload
// stores the position. While the Recycle Bin holds anything it shows the
// full picture, where there is one, in that picture's outline.

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>

#include "pictures/bin_pictures.h"
#include "platform/window/window.h"
#include "platform/window/window_timer.h"
#include "recycle_bin/recycle_bin_state.h"
#include "recycle_bin/recycle_bin_storage_watch.h"
#include "recycle_bin/recycle_bin_watch.h"
#include "recycle_menu/form3.h"
#include "settings/settings_store.h"
#include "undo/recycle_bin_undo.h"

namespace rublet {

class Form1 final : public Window {
public:
    // Creates the window, runs Form_Load and shows it; null when the
    // system refused the window.
    [[nodiscard]] static std::unique_ptr<Form1> Create(SettingsStore& store);

    explicit Form1(SettingsStore& store) : store_(store) {}
    ~Form1() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Form_Load();
    void Form_Shown();
    // Reads the settings, with a warning for each value that could not be
    // used, and loads the pictures; the place the window starts at, in pixels.
    [[nodiscard]] POINT Loadsetting();
    void setform();
    // Form_Unload, then the window goes; nothing once it has gone.
    void Unload();
    void Form_Unload();
    void Form_Paint();
    void Timer2_Timer();
    void Form_MouseDown(int button);
    void Form_MouseMove(WPARAM buttons);
    void Form_DblClick();
    // Null when its window cannot be made: no menu opens.
    Form3* MenuHost();
    void LoadPicture1(bool stored);
    // The full picture while the Recycle Bin is known to hold anything,
    // Picture1 otherwise: the window takes its size and outline.
    void ShowRecycleBinState();
    void ApplyShape(bool resize);
    // After a drop, emptying or the word of a change: a look follows.
    void RecycleBinChanged();
    // A look has ended: the picture follows what it found.
    void RecycleBin_Looked();
    void RecycleBinCheck_Timer();
    [[nodiscard]] const ShapedPicture& ShownPicture() const noexcept;
    // The status line of the last look, for the tooltip and the menu; only
    // before the first look has ended does it wait, for that look.
    [[nodiscard]] std::wstring StatusLine() const;
    void OnTooltipText(NMTTDISPINFOW& request);
    // The last drop into the Recycle Bin has been taken back, or not all of it.
    void Undo_Ended();

    SettingsStore& store_;
    BinPictures pictures_;
    bool showsFull_ = false;
    std::optional<WindowTimer> Timer2;
    std::optional<WindowTimer> recycleBinCheck_;
    std::optional<WindowTimer> showTheBin_;  // while a second start has the bin on top
    std::optional<RecycleBinState> recycleBin_;
    std::optional<RecycleBinWatch> recycleBinWatch_;
    std::optional<RecycleBinStorageWatch> storageWatch_;
    std::optional<RecycleBinUndo> undo_;  // where it watches, the bin does not look by itself
    // Not owned by the bin: Wine puts a window with an owned popup below
    // that popup rather than among the topmost windows.
    UniqueWindow tooltip_;
    std::wstring tooltipText_;  // what the tooltip shows, kept while it shows it
    std::unique_ptr<Form3> form3_;  // made at the first menu; its window goes at unload
    bool endingSession_ = false;  // Windows is ending the session: no box at unload
    std::optional<POINT> dragHold_;  // the held point, from the window's corner, while dragging
};

}  // namespace rublet
