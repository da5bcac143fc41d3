#include "drop/drop_target.h"

#include <cwchar>

#include "drop/hook.h"
#include "texts/language.h"

namespace rublet {
namespace {

FORMATETC FileListFormat() noexcept { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool HoldsFiles(IDataObject* data) {
    FORMATETC format = FileListFormat();
    return data && data->QueryGetData(&format) == S_OK;
}

}  // namespace

HRESULT DropTarget::QueryInterface(REFIID id, void** object) {
    if (!object) return E_POINTER;
    if (id == IID_IUnknown || id == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DropTarget::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    taking_ = HoldsFiles(data) && site_.TakesDrops();
    *effect = Effect();
    data_.reset();
    if (data) {
        data->AddRef();
        *data_.put() = data;
    }
    if (!helper_)
        ::CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper, helper_.put_void());
    POINT at{point.x, point.y};
    if (helper_) helper_->DragEnter(window_, data, &at, *effect);
    Describe(data, taking_);
    if (taking_) site_.Hovering(true);
    return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    // A drop ending or a dialog opening meanwhile refuses from then on.
    if (taking_ && !site_.TakesDrops()) {
        taking_ = false;
        Describe(data_.get(), false);
        site_.Hovering(false);
    }
    *effect = Effect();
    POINT at{point.x, point.y};
    if (helper_) helper_->DragOver(&at, *effect);
    return S_OK;
}

HRESULT DropTarget::DragLeave() {
    if (helper_) helper_->DragLeave();
    Leave();
    return S_OK;
}

// The bin moves the items itself, to the Recycle Bin or away for good, once
// it has looked at them; a source told Move would delete them itself,
// past every look. So the drop ends with the effect None for the source,
// whatever the bin then does.
HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    const bool taking = taking_ && HoldsFiles(data) && site_.TakesDrops();
    POINT at{point.x, point.y};
    if (helper_) helper_->Drop(data, &at, taking ? DROPEFFECT_MOVE : DROPEFFECT_NONE);
    FORMATETC format = FileListFormat();
    STGMEDIUM medium{};
    if (taking && SUCCEEDED(data->GetData(&format, &medium))) {
        if (medium.tymed == TYMED_HGLOBAL) CollectDrop(static_cast<HDROP>(medium.hGlobal));
        ::ReleaseStgMedium(&medium);
    }
    Leave();
    *effect = DROPEFFECT_NONE;
    return S_OK;
}

void DropTarget::Leave() {
    Describe(data_.get(), false);
    data_.reset();
    if (taking_) site_.Hovering(false);
    taking_ = false;
}

// Windows shows the description under the dragged image; Wine's data
// objects take no data, which leaves the drag as it is.
void DropTarget::Describe(IDataObject* data, bool taking) {
    static const CLIPFORMAT description = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(CFSTR_DROPDESCRIPTION));
    if (!data || !description) return;
    UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPDESCRIPTION)));
    auto* const text = memory ? static_cast<DROPDESCRIPTION*>(::GlobalLock(memory.get())) : nullptr;
    if (!text) return;
    text->type = !taking ? DROPIMAGE_INVALID : site_.Recycling() ? DROPIMAGE_MOVE : DROPIMAGE_WARNING;
    if (taking) {
        const std::wstring_view message = site_.Recycling() ? Text().DragToRecycleBin : Text().DragToDelete;
        std::wcsncpy(text->szMessage, std::wstring(message).c_str(), MAX_PATH - 1);
    }
    ::GlobalUnlock(memory.get());
    FORMATETC format{description, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = memory.get();
    if (SUCCEEDED(data->SetData(&format, &medium, TRUE))) static_cast<void>(memory.release());  // the data object's now
}

DropTargetRegistration::DropTargetRegistration(HWND window, DropTargetSite site)
    : window_(window), target_(new DropTarget(window, std::move(site))) {
    registered_ = SUCCEEDED(::RegisterDragDrop(window, target_));
}

DropTargetRegistration::~DropTargetRegistration() {
    if (registered_) ::RevokeDragDrop(window_);
    target_->Release();
}

}  // namespace rublet
