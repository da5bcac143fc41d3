#include "recycle_bin/recycle_bin_folder.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstring>

#include "platform/portable/paths.h"
#include "platform/system/environment.h"
#include "platform/system/file_time.h"
#include "platform/system/late_bound.h"

namespace rublet {
namespace {

// The Recycle Bin's columns "Original Location" and "Date Deleted"
// (PKEY_Recycle_DeletedFrom and PKEY_Recycle_DateDeleted).
constexpr GUID DisplacedProperties = {0x9B174B33, 0x40FF, 0x11D2, {0xA2, 0x7E, 0x00, 0xC0, 0x4F, 0xC3, 0x08, 0x71}};
constexpr SHCOLUMNID DeletedFrom = {DisplacedProperties, 2};
constexpr PROPERTYKEY DateDeleted = {DisplacedProperties, 3};
// Wine's Recycle Bin menu takes its restore command by its resource number
// alone, and no verb; Windows' takes the verb.
constexpr UINT WineRestoreCommand = 301;
constexpr char RestoreVerb[] = "undelete";

std::optional<std::wstring> TextOfStrRet(HRESULT result, STRRET& text, PCUITEMID_CHILD pidl) {
    wchar_t* value = nullptr;
    if (FAILED(result) || FAILED(::StrRetToStrW(&text, pidl, &value))) return std::nullopt;
    std::wstring taken(value);
    ::CoTaskMemFree(value);
    return taken;
}

// Wine's Recycle Bin gives the time of deletion only as a column text
// without seconds; its entry holds the time to the second, after a zero
// byte, as the last access time of a WIN32_FIND_DATAW whose name is the
// original path. Taken only where that name is the path the columns say.
std::optional<std::int64_t> WineDeletionTime(PCUITEMID_CHILD child, const std::wstring& path) {
    if (!RunsUnderWine() || child->mkid.cb < 2 + 1 + sizeof(WIN32_FIND_DATAW) + 2 || child->mkid.abID[0] != 0)
        return std::nullopt;
    WIN32_FIND_DATAW data;
    std::memcpy(&data, child->mkid.abID + 1, sizeof data);
    data.cFileName[MAX_PATH - 1] = L'\0';
    if (path != data.cFileName) return std::nullopt;
    return Ticks(data.ftLastAccessTime);
}

}  // namespace

RecycleBinFolder::RecycleBinFolder() {
    ComPtr<IShellFolder> desktop;
    ITEMIDLIST* found = nullptr;
    if (FAILED(::SHGetDesktopFolder(desktop.put())) ||
        FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_BITBUCKET, &found)))
        return;
    const UniquePidl recycleBin(found);
    if (FAILED(desktop->BindToObject(recycleBin.get(), nullptr, IID_IShellFolder2, folder_.put_void()))) return;
    ComPtr<IEnumIDList> list;
    if (folder_->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN, list.put()) != S_OK)
        return;
    ITEMIDLIST* child = nullptr;
    while (list->Next(1, &child, nullptr) == S_OK) {
        pidls_.emplace_back(child);
        entries_.push_back(Describe(child));
    }
}

void RecycleBinFolder::Restore(std::size_t entry) const {
    PCUITEMID_CHILD child = pidls_[entry].get();
    ComPtr<IContextMenu> menu;
    if (FAILED(folder_->GetUIObjectOf(nullptr, 1, &child, IID_IContextMenu, nullptr, menu.put_void()))) return;
    const UniqueMenu popup(::CreatePopupMenu());
    menu->QueryContextMenu(popup.get(), 0, 1, 0x7FFF, CMF_NORMAL);
    CMINVOKECOMMANDINFO invoke{};
    invoke.cbSize = sizeof invoke;
    invoke.fMask = CMIC_MASK_FLAG_NO_UI;
    invoke.lpVerb = RunsUnderWine() ? MAKEINTRESOURCEA(WineRestoreCommand) : RestoreVerb;
    invoke.nShow = SW_SHOWNORMAL;
    menu->InvokeCommand(&invoke);
}

RecycleBinEntry RecycleBinFolder::Describe(PCUITEMID_CHILD child) const {
    STRRET name{};
    const std::optional<std::wstring> leaf =
        TextOfStrRet(folder_->GetDisplayNameOf(child, SHGDN_INFOLDER | SHGDN_FOREDITING, &name), name, child);
    const std::optional<std::wstring> place = Detail(child, DeletedFrom);
    if (!leaf || !place) return {};
    RecycleBinEntry entry{JoinPath(*place, *leaf), std::nullopt};
    entry.DeletedAt = DeletionTime(child);
    if (!entry.DeletedAt) entry.DeletedAt = WineDeletionTime(child, entry.OriginalPath);
    return entry;
}

// As a FILETIME, which is UTC (a VARIANT date would leave the zone open).
// Wine 8's shell32 has no SHCreateItemWithParent: bound late, and never
// called there.
std::optional<std::int64_t> RecycleBinFolder::DeletionTime(PCUITEMID_CHILD child) const {
    static const auto createItem =
        LateBound<decltype(::SHCreateItemWithParent)>(RUBLET_WINDOWS_ONLY_NAME(L"shell32.dll", "SHCreateItemWithParent"));
    ComPtr<IShellItem2> item;
    FILETIME time{};
    if (RunsUnderWine() || !createItem ||
        FAILED(createItem(nullptr, folder_.get(), child, IID_IShellItem2, item.put_void())) ||
        FAILED(item->GetFileTime(DateDeleted, &time)))
        return std::nullopt;
    return Ticks(time);
}

// A column as the shell gives it: through GetDetailsEx, or where that is
// missing (Wine's), as the text of the column that the SCID names.
std::optional<std::wstring> RecycleBinFolder::Detail(PCUITEMID_CHILD child, const SHCOLUMNID& id) const {
    VARIANT value{};
    if (SUCCEEDED(folder_->GetDetailsEx(child, &id, &value))) {
        std::optional<std::wstring> text;
        if (value.vt == VT_BSTR && value.bstrVal) text = value.bstrVal;
        ::VariantClear(&value);
        return text;
    }
    SHCOLUMNID column{};
    for (UINT i = 0; SUCCEEDED(folder_->MapColumnToSCID(i, &column)); ++i) {
        if (column.fmtid != id.fmtid || column.pid != id.pid) continue;
        SHELLDETAILS details{};
        return TextOfStrRet(folder_->GetDetailsOf(child, i, &details), details.str, child);
    }
    return std::nullopt;
}

}  // namespace rublet
