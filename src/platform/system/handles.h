#pragma once
// Owners for every handle the program holds. Move-only; the destructor
// gives the handle back to the system.

#include <windows.h>
#include <objbase.h>
#include <shtypes.h>

#include <memory>
#include <utility>

namespace rublet {

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    [[nodiscard]] Handle get() const noexcept { return handle_; }
    [[nodiscard]] explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    // Ownership passes to the caller (or to the system).
    [[nodiscard]] Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    void reset(Handle handle = Traits::Invalid()) noexcept {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

private:
    Handle handle_ = Traits::Invalid();
};

template <class H, auto CloseFunction>
struct NullHandleTraits {
    using Handle = H;
    static constexpr Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { CloseFunction(handle); }
};

// Handles that are INVALID_HANDLE_VALUE when invalid.
template <auto CloseFunction>
struct InvalidValueHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { CloseFunction(handle); }
};

inline void DeleteGdiObject(HGDIOBJ object) noexcept { ::DeleteObject(object); }
inline void FreeGlobal(HGLOBAL memory) noexcept { ::GlobalFree(memory); }
inline void CloseRegKey(HKEY key) noexcept { ::RegCloseKey(key); }
inline void CloseKernelHandle(HANDLE handle) noexcept { ::CloseHandle(handle); }
// Waits until a callback that runs has returned, so none outlives its owner.
inline void UnregisterWaitAndFinish(HANDLE wait) noexcept { ::UnregisterWaitEx(wait, INVALID_HANDLE_VALUE); }

using UniqueWindow = UniqueHandle<NullHandleTraits<HWND, ::DestroyWindow>>;
using UniqueRegion = UniqueHandle<NullHandleTraits<HRGN, DeleteGdiObject>>;
using UniqueBitmap = UniqueHandle<NullHandleTraits<HBITMAP, DeleteGdiObject>>;
using UniqueBrush = UniqueHandle<NullHandleTraits<HBRUSH, DeleteGdiObject>>;
using UniqueMemoryDc = UniqueHandle<NullHandleTraits<HDC, ::DeleteDC>>;
using UniqueMenu = UniqueHandle<NullHandleTraits<HMENU, ::DestroyMenu>>;
using UniqueRegKey = UniqueHandle<NullHandleTraits<HKEY, CloseRegKey>>;
using UniqueGlobal = UniqueHandle<NullHandleTraits<HGLOBAL, FreeGlobal>>;
using UniqueFile = UniqueHandle<InvalidValueHandleTraits<CloseKernelHandle>>;
using UniqueFind = UniqueHandle<InvalidValueHandleTraits<::FindClose>>;
using UniqueChangeNotification = UniqueHandle<InvalidValueHandleTraits<::FindCloseChangeNotification>>;
using UniqueWaitRegistration = UniqueHandle<NullHandleTraits<HANDLE, UnregisterWaitAndFinish>>;
// A hook of SetWindowsHookExW.
using UniqueHook = UniqueHandle<NullHandleTraits<HHOOK, ::UnhookWindowsHookEx>>;
// Process, thread and event handles, which are null when invalid.
using UniqueKernelHandle = UniqueHandle<NullHandleTraits<HANDLE, CloseKernelHandle>>;

// An item identifier list the shell allocated, freed with CoTaskMemFree.
struct PidlFree {
    void operator()(ITEMIDLIST* pidl) const noexcept { ::CoTaskMemFree(pidl); }
};
using UniquePidl = std::unique_ptr<ITEMIDLIST, PidlFree>;

class WindowDc {
public:
    explicit WindowDc(HWND hwnd) noexcept : hwnd_(hwnd), hdc_(::GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (hdc_) ::ReleaseDC(hwnd_, hdc_);
    }
    [[nodiscard]] HDC get() const noexcept { return hdc_; }

private:
    HWND hwnd_;
    HDC hdc_;
};

class PaintDc {
public:
    explicit PaintDc(HWND hwnd) noexcept : hwnd_(hwnd), hdc_(::BeginPaint(hwnd, &paint_)) {}
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { ::EndPaint(hwnd_, &paint_); }
    [[nodiscard]] HDC get() const noexcept { return hdc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC hdc_;
};

// An object selected into a DC for the scope; the previous one comes back.
class SelectedObject {
public:
    SelectedObject(HDC hdc, HGDIOBJ object) noexcept : hdc_(hdc), previous_(::SelectObject(hdc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_) ::SelectObject(hdc_, previous_);
    }

private:
    HDC hdc_;
    HGDIOBJ previous_;
};

template <class Interface>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { reset(); }

    [[nodiscard]] Interface* get() const noexcept { return pointer_; }
    [[nodiscard]] Interface* operator->() const noexcept { return pointer_; }
    [[nodiscard]] explicit operator bool() const noexcept { return pointer_ != nullptr; }

    // For out-parameters: releases what is held and gives the slot.
    [[nodiscard]] Interface** put() noexcept {
        reset();
        return &pointer_;
    }
    [[nodiscard]] void** put_void() noexcept { return reinterpret_cast<void**>(put()); }

    void reset() noexcept {
        if (pointer_) std::exchange(pointer_, nullptr)->Release();
    }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace rublet
