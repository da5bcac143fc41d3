#pragma once
// Form1: the shaped main window. Its start-up reads the settings, takes the
// picture's size and outline and hooks the drop machinery; its unload
// stores the position. While the Recycle Bin holds anything it shows the
// full picture, where there is one, in that picture's outline.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "drop/drop_job.h"
#include "menus/form3.h"
#include "pictures/bin_pictures.h"
#include "platform/window/tooltip.h"
#include "platform/window/window.h"
#include "platform/window/window_drag.h"
#include "platform/window/window_timer.h"
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
    void Timer2_Timer();
    void DropProcessed();
    void Form_MouseDown(int button);
    void Form_DblClick();
    // Null when its window cannot be made: no menu opens.
    Form3* MenuHost();
    void LoadPicture1();
    // A layered window is redrawn whole for each picture, so only a change
    // between empty and full reaches the window.
    void ShowRecycleBinState();
    // After a drop or an emptying: a look follows.
    void RecycleBinChanged();
    [[nodiscard]] const ShapedPicture& ShownPicture() const noexcept;
    [[nodiscard]] std::wstring StatusLine() const;

    SettingsStore& store_;
    BinPictures pictures_;
    bool showsFull_ = false;
    std::optional<WindowTimer> Timer2;
    std::optional<WindowTimer> showTheBin_;  // while a second start has the bin on top
    std::optional<RecycleBinWatcher> recycleBin_;
    WindowTooltip tooltip_;
    std::optional<RecycleBinUndo> undo_;
    std::unique_ptr<Form3> form3_;  // made at the first menu; its window goes at unload
    DropJob dropJob_;             // after the members its boxes and messages reach
    bool closeAfterDrop_ = false;  // asked to close while a drop was processed
    bool endingSession_ = false;  // Windows is ending the session: no box at unload
    WindowDrag drag_;
};

}  // namespace rublet
