#pragma once
// The small vocabulary that several parts of the program share: message-box
// styles, shell flags, the mouse pointer, the screen in twips and views of
// 32-bit pixels. Portable: the numbers are the platform's own.

#include <cstddef>
#include <cstdint>

namespace rublet {

// Message box styles and answers.
namespace box {
inline constexpr unsigned Ok = 0x00;
inline constexpr unsigned OkCancel = 0x01;
inline constexpr unsigned IconError = 0x10;
inline constexpr unsigned IconQuestion = 0x20;
inline constexpr unsigned IconExclamation = 0x30;
inline constexpr unsigned IconInformation = 0x40;
inline constexpr int IdOk = 1;
}  // namespace box

// Shell file-operation flags.
namespace fof {
inline constexpr unsigned NoConfirmation = 0x0010;
inline constexpr unsigned AllowUndo = 0x0040;
inline constexpr unsigned SimpleProgress = 0x0100;
inline constexpr unsigned WantNukeWarning = 0x4000;
}  // namespace fof

// The application-wide mouse pointer.
enum class MousePointer { Default, Hourglass };

// The primary screen's size in twips.
struct ScreenTwips {
    float Width = 0;
    float Height = 0;
};

// A rectangle on the screen in twips: left and top inside, right and bottom just outside.
struct TwipsRect {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
};

// 32-bit pixels as a top-down DIB holds them: 0x00RRGGBB, top byte ignored.
struct PixelView {
    const std::uint32_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    std::ptrdiff_t Stride = 0;  // pixels from one row to the next
};

// The DIB pixel of a colour in the platform's 0x00BBGGRR layout.
[[nodiscard]] constexpr std::uint32_t DibPixelOf(std::uint32_t colorRef) noexcept {
    return ((colorRef & 0xFFu) << 16) | (colorRef & 0xFF00u) | ((colorRef >> 16) & 0xFFu);
}

}  // namespace rublet
