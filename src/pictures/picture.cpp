#include "pictures/picture.h"

#include <wincodec.h>

#include <algorithm>
#include <span>

#include "pictures/bitmap_file.h"
#include "pictures/png_file.h"

namespace rublet {
namespace {

// Pixel size of the picture: exact for bitmaps and icons, from the
// HIMETRIC extent at the screen's resolution otherwise.
SIZE PixelSize(IPicture& picture) {
    SHORT type = PICTYPE_UNINITIALIZED;
    OLE_HANDLE handle = 0;
    picture.get_Type(&type);
    picture.get_Handle(&handle);
    if (type == PICTYPE_BITMAP && handle) {
        BITMAP bitmap{};
        if (::GetObjectW(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), sizeof bitmap, &bitmap))
            return {bitmap.bmWidth, bitmap.bmHeight};
    }
    if (type == PICTYPE_ICON && handle) {
        ICONINFO info{};
        if (::GetIconInfo(reinterpret_cast<HICON>(static_cast<UINT_PTR>(handle)), &info)) {
            UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
            BITMAP bitmap{};
            if (color && ::GetObjectW(color.get(), sizeof bitmap, &bitmap))
                return {bitmap.bmWidth, bitmap.bmHeight};
            if (mask && ::GetObjectW(mask.get(), sizeof bitmap, &bitmap))
                return {bitmap.bmWidth, bitmap.bmHeight / 2};  // mask and image stacked
        }
    }
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture.get_Width(&width);
    picture.get_Height(&height);
    WindowDc screen(nullptr);
    return {::MulDiv(width, ::GetDeviceCaps(screen.get(), LOGPIXELSX), 2540),
            ::MulDiv(height, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 2540)};
}

}  // namespace

BITMAPINFO TopDown32(int width, int height) noexcept {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::optional<Picture> Picture::FromFile(const std::wstring& path) {
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart > MAXDWORD / 2)
        return std::nullopt;
    const auto bytes = static_cast<DWORD>(size.QuadPart);
    UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) return std::nullopt;
    void* data = ::GlobalLock(memory.get());
    DWORD read = 0;
    const BOOL ok = data && ::ReadFile(file.get(), data, bytes, &read, nullptr);
    ::GlobalUnlock(memory.get());
    if (!ok || read != bytes) return std::nullopt;
    return FromGlobal(std::move(memory), bytes);
}

std::optional<Picture> Picture::FromResource(HINSTANCE module, int id) {
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!resource) return std::nullopt;
    const DWORD bytes = ::SizeofResource(module, resource);
    const void* source = ::LockResource(::LoadResource(module, resource));
    if (!source || bytes == 0) return std::nullopt;
    UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) return std::nullopt;
    void* data = ::GlobalLock(memory.get());
    if (!data) return std::nullopt;
    ::CopyMemory(data, source, bytes);
    ::GlobalUnlock(memory.get());
    return FromGlobal(std::move(memory), bytes);
}

std::optional<Picture> Picture::FromGlobal(UniqueGlobal memory, DWORD size) {
    const void* bytes = ::GlobalLock(memory.get());
    const std::span<const std::uint8_t> file(static_cast<const std::uint8_t*>(bytes), bytes ? size : 0);
    const bool png = StartsAsPng(file);
    const bool whole = bytes && (png ? ReadPngHeader(file).has_value() : IsWholeIfBitmap(file));
    ::GlobalUnlock(memory.get());
    if (!whole) return std::nullopt;
    ComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(memory.get(), TRUE, stream.put()))) return std::nullopt;
    // The stream frees the memory now.
    static_cast<void>(memory.release());
    // Windows' own picture loader takes no PNG: the imaging component, which
    // every Windows since 7 carries, decodes it.
    if (png) return FromPng(*stream.get());
    Picture picture;
    if (FAILED(::OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                                picture.picture_.put_void())) ||
        !picture.picture_)
        return std::nullopt;
    const SIZE pixels = PixelSize(*picture.picture_.get());
    if (pixels.cx <= 0 || pixels.cy <= 0) return std::nullopt;
    picture.width_ = pixels.cx;
    picture.height_ = pixels.cy;
    return picture;
}

std::optional<Picture> Picture::FromPng(IStream& stream) {
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  factory.put_void())) ||
        FAILED(factory->CreateDecoderFromStream(&stream, nullptr, WICDecodeMetadataCacheOnDemand, decoder.put())) ||
        FAILED(decoder->GetFrame(0, frame.put())))
        return std::nullopt;
    UINT width = 0, height = 0;
    // The size is known before anything is made for it.
    if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 || width > MaxPictureSide ||
        height > MaxPictureSide)
        return std::nullopt;
    if (FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom)))
        return std::nullopt;
    Picture picture;
    picture.pixels_.resize(static_cast<std::size_t>(width) * height);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                     reinterpret_cast<BYTE*>(picture.pixels_.data()))))
        return std::nullopt;
    picture.width_ = static_cast<int>(width);
    picture.height_ = static_cast<int>(height);
    picture.hasAlpha_ = std::any_of(picture.pixels_.begin(), picture.pixels_.end(),
                                    [](std::uint32_t pixel) { return (pixel >> 24) != 0xFF; });
    return picture;
}

void Picture::Render(HDC hdc) const {
    if (!picture_) {
        // A PNG: its pixels as they are (the holder takes those of a PNG
        // with alpha straight).
        const BITMAPINFO info = TopDown32(width_, height_);
        ::SetDIBitsToDevice(hdc, 0, 0, width_, height_, 0, 0, 0, height_, pixels_.data(), &info, DIB_RGB_COLORS);
        return;
    }
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture_->get_Width(&width);
    picture_->get_Height(&height);
    // HIMETRIC runs bottom-up: start at the source's top and go down.
    picture_->Render(hdc, 0, 0, width_, height_, 0, height, width, -height, nullptr);
}

}  // namespace rublet
