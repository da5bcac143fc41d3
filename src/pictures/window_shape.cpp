#include "pictures/window_shape.h"

#include "pictures/region.h"
#include "platform/window/layered_window.h"

namespace rublet {

void ApplyPictureShape(HWND hwnd, const ShapedPicture& picture, bool resize) {
    SetLayered(hwnd, picture.Box.HasAlpha());
    if (picture.Box.HasAlpha()) {
        ShowLayeredPicture(hwnd, picture.Box.Bitmap(), {picture.Box.ScaleWidth(), picture.Box.ScaleHeight()});
        return;
    }
    UniqueRegion shapeRegion = BuildShapeRegion(picture.Runs);
    if (resize)
        ::SetWindowPos(hwnd, nullptr, 0, 0, picture.Box.ScaleWidth(), picture.Box.ScaleHeight(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (::SetWindowRgn(hwnd, shapeRegion.get(), TRUE))
        static_cast<void>(shapeRegion.release());  // the window owns the region now
    ::InvalidateRect(hwnd, nullptr, FALSE);
}

void PaintPicture(HWND hwnd, const PictureBox& picture) {
    const PaintDc paint(hwnd);
    if (!picture.Bitmap() || picture.HasAlpha()) return;
    UniqueMemoryDc source(::CreateCompatibleDC(paint.get()));
    SelectedObject selected(source.get(), picture.Bitmap());
    ::BitBlt(paint.get(), 0, 0, picture.ScaleWidth(), picture.ScaleHeight(), source.get(), 0, 0, SRCCOPY);
}

}  // namespace rublet
