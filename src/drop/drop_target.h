#pragma once
// The bin as an OLE drop target. While files hover over it, it says what a
// drop will do: the effect Move, the bin's picture with its lid lifted, and
// on Windows a description under the dragged image. What it will not take
// (no files, or while the drop handling is down or the bin disabled) is
// refused with the effect None, and nothing of the bin changes. A drop it
// takes goes into the same collection as WM_DROPFILES (hook.h), for the
// timer.

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <atomic>
#include <functional>

#include "platform/system/handles.h"

namespace rublet {

// What the target asks of the bin, on the window's thread.
struct DropTargetSite {
    std::function<bool()> TakesDrops;
    std::function<bool()> Recycling;  // to the Recycle Bin, rather than deleting for good
    std::function<void(bool)> Hovering;  // files the bin takes hover over it, or no more
};

class DropTarget final : public IDropTarget {
public:
    DropTarget(HWND window, DropTargetSite site) : site_(std::move(site)), window_(window) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    // IDropTarget
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    [[nodiscard]] DWORD Effect() const noexcept { return taking_ ? DROPEFFECT_MOVE : DROPEFFECT_NONE; }
    void Describe(IDataObject* data, bool taking);
    void Leave();

    DropTargetSite site_;
    std::atomic<ULONG> references_{1};
    bool taking_ = false;  // the files that hover now would be taken
    const HWND window_;
    ComPtr<IDataObject> data_;         // of the drag that hovers
    ComPtr<IDropTargetHelper> helper_; // the system's drag image; none where it is missing
};

// The target registered on a window, and revoked with the object.
class DropTargetRegistration {
public:
    // Nothing registered where the system refuses (no OLE on the thread).
    DropTargetRegistration(HWND window, DropTargetSite site);
    DropTargetRegistration(const DropTargetRegistration&) = delete;
    DropTargetRegistration& operator=(const DropTargetRegistration&) = delete;
    ~DropTargetRegistration();

    [[nodiscard]] bool Registered() const noexcept { return registered_; }

private:
    HWND window_;
    DropTarget* target_;
    bool registered_ = false;
};

}  // namespace rublet
