#pragma once
// Form1: the shaped main window. Its start-up reads the settings, takes the
// picture's size and outline and raises the drop handling; its unload
// stores the position. While the Recycle Bin holds anything it shows the
// full picture, where there is one, in that picture's outline.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drop/drop_handling.h"
#include "menus/form3.h"
#include "pictures/bin_face.h"
#include "platform/window/tooltip.h"
#include "platform/window/ui_tasks.h"
#include "platform/window/window.h"
#include "platform/window/window_drag.h"
#include "platform/window/window_timer.h"
#include "recycle_bin/recycle_bin_gate.h"
#include "recycle_bin/recycle_bin_watcher.h"
#include "settings/settings_store.h"
#include "undo/recycle_bin_undo.h"

namespace rublet {

class Form1 final : public Window {
public:
    // Creates the window, runs Form_Load and shows it; null when the
    // system refused the window.
    [[nodiscard]] static std::unique_ptr<Form1> Create(SettingsStore& store);

    explicit Form1(SettingsStore& store) : store_(store) {}
    // Waits for the jobs under way, each in its owner.
    ~Form1() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Form_Load();
    void Form_Shown();
    // Reads the settings, with a warning for each value that could not be
    // used, and loads the pictures; the place the window starts at, in pixels.
    [[nodiscard]] POINT Loadsetting();
    void LoadPicture1();
    void setform();
    void Form_QueryUnload();
    void Form_EndSession();
    // Form_Unload, then the window goes; nothing once it has gone.
    void Unload();
    void Form_Unload();
    void Timer2_Timer();
    void DropProcessed(const DropOutcome& outcome);
    void Form_MouseDown(int button);
    void Form_DblClick();
    void Form_KeyDown(WPARAM key);
    void ShowTheBin();
    // The undo of `drop`, or the word that it can no longer come back.
    void TakeBack(const RecycledDrop& drop);
    void UndoEnded(const std::vector<UndoItem>& items);
    void RecycleBinEmptied(bool emptied);
    // Null when its window cannot be made: no menu opens.
    Form3* MenuHost();
    // What the Recycle Bin holds has changed, or has been read first.
    void RecycleBinStateChanged();
    [[nodiscard]] std::wstring StatusLine() const;

    // First: every job posts its end here, and ends before it goes.
    UiTasks tasks_;
    RecycleBinGate gate_;
    SettingsStore& store_;
    BinFace face_;
    std::optional<WindowTimer> Timer2;
    std::optional<WindowTimer> showTheBin_;  // while a second start has the bin on top
    WindowTooltip tooltip_;
    WindowDrag drag_;
    std::optional<DropHandling> drops_;
    std::optional<RecycleBinUndo> undo_;
    std::optional<RecycleBinWatcher> recycleBin_;
    std::unique_ptr<Form3> form3_;  // made at the first menu; its window goes at unload
    bool closing_ = false;         // asked to close: hidden, and gone once its drop or undo has ended
    bool endingSession_ = false;   // Windows is ending the session: no box at unload
};

}  // namespace rublet
