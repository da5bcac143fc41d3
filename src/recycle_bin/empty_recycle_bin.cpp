#include "recycle_bin/empty_recycle_bin.h"

#include <windows.h>
#include <shellapi.h>

namespace rublet {

bool EmptyRecycleBin(RecycleBinGate& gate, bool quietly) {
    const RecycleBinGate::Turn turn = gate.Enter();
    return ::SHEmptyRecycleBinW(nullptr, L"", quietly ? SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND : 0) ==
           S_OK;
}

}  // namespace rublet
