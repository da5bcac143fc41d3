#include "platform/recycle_bin_contents.h"

#include <windows.h>

#include <shlobj.h>

#include "platform/com.h"
#include "platform/handles.h"

namespace rublet {
namespace {

// An item ID list the shell allocated, freed with CoTaskMemFree.
struct ItemIdListTraits {
    using Handle = ITEMIDLIST*;
    static constexpr Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle list) noexcept { ::CoTaskMemFree(list); }
};
using UniqueItemIdList = UniqueHandle<ItemIdListTraits>;

}  // namespace

bool RecycleBinHoldsAnything() noexcept {
    const ComApartment apartment;
    ComPtr<IShellFolder> desktop;
    if (FAILED(::SHGetDesktopFolder(desktop.put()))) return false;
    ITEMIDLIST* location = nullptr;
    if (FAILED(::SHGetFolderLocation(nullptr, CSIDL_BITBUCKET, nullptr, 0, &location))) return false;
    const UniqueItemIdList recycleBinId(location);
    ComPtr<IShellFolder> recycleBin;
    if (FAILED(desktop->BindToObject(recycleBinId.get(), nullptr, IID_IShellFolder, recycleBin.put_void())))
        return false;
    // Hidden and system files too, as the count of SHQueryRecycleBinW has them.
    constexpr SHCONTF Everything =
        SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN | SHCONTF_INCLUDESUPERHIDDEN;
    ComPtr<IEnumIDList> items;
    // S_FALSE, and no enumerator, is a folder with nothing in it.
    if (recycleBin->EnumObjects(nullptr, Everything, items.put()) != S_OK || !items) return false;
    ITEMIDLIST* first = nullptr;
    ULONG fetched = 0;
    const bool found = items->Next(1, &first, &fetched) == S_OK && fetched == 1;
    const UniqueItemIdList owned(first);
    return found;
}

}  // namespace rublet
