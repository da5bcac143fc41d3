#pragma once
// Form1: the shaped main window. Its start-up reads the settings, takes the
// picture's size and outline and hooks the drop machinery; its unload
// stores the position.

#include <memory>
#include <optional>
#include <vector>

#include "platform/picture.h"
#include "platform/settings_store.h"
#include "platform/window_runtime.h"
#include "recycle_menu/form3.h"
#include "shape/run_scan.h"

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
    void Loadsetting();
    void setform();
    // Form_Unload, then the window goes; nothing once it has gone.
    void Unload();
    void Form_Unload();
    void Form_Paint();
    void Timer2_Timer();
    void Form_MouseDown(int button);
    void Form_MouseMove(WPARAM buttons);
    void Form_DblClick();
    Form3& MenuHost();
    void LoadPicture1();
    [[nodiscard]] std::vector<RunRect> ShapeRuns();

    SettingsStore& store_;
    PictureBox Picture1;
    std::optional<WindowTimer> Timer2;
    std::unique_ptr<Form3> form3_;  // made at the first menu; its window goes at unload
    std::optional<POINT> dragHold_;  // the held point, from the window's corner, while dragging
};

}  // namespace rublet
