#include "recycle_bin/recycle_bin_look.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "recycle_bin/trash_status.h"

namespace rublet {

std::wstring RecycleBinContents::StatusLine() const { return TrashStatusText(Count, Count != 0 ? Bytes : 0); }

RecycleBinContents LookAtRecycleBin(RecycleBinGate& gate) {
    const ULONGLONG start = ::GetTickCount64();
    SHQUERYRBINFO info{};
    info.cbSize = sizeof info;
    {
        const RecycleBinGate::Turn turn = gate.Enter();
        ::SHQueryRecycleBinW(nullptr, &info);
    }
    const auto tookMs = static_cast<unsigned>(std::min<ULONGLONG>(::GetTickCount64() - start, 3600000));
    return {info.i64NumItems, info.i64Size, tookMs};
}

}  // namespace rublet
