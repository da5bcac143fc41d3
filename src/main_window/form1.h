#pragma once
// Form1: the shaped main window. Its start-up reads the settings, takes the
// picture's size and outline and hooks the drop machinery; its unload
// stores the position.

#include <memory>
#include <optional>
#include <vector>

#include "platform/picture.h"
#include "recycle_menu/form3.h"
#include "platform/settings_store.h"
#include "platform/window_runtime.h"
#include "shape/run_scan.h"

namespace rublet {

// Always on top for an Option4 of exactly 1; beneath every other window,
// and no longer topmost, for any other value. Position and size stay.
void ApplyAlwaysOnTop(HWND form1, std::int16_t option4) noexcept;

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
    void Form_Unload();
    void Form_Paint();
    void Timer2_Timer();
    void Form_MouseDown(int button);
    void Form_MouseMove(WPARAM buttons);
    void Form_DblClick();
    Form3& MenuHost();
    [[nodiscard]] UniqueRegion BuildShapeRegion() const;
    void LoadPicture1();

    SettingsStore& store_;
    PictureBox Picture1;
    std::vector<RunRect> ShapeRuns;
    HRGN ShapeRegion = nullptr;  // owned by the window once it has it
    std::optional<WindowTimer> Timer2;
    std::unique_ptr<Form3> form3_;  // made at the first menu; its window goes at unload
};

}  // namespace rublet
