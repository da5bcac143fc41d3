#include "recycle_bin/empty_recycle_bin.h"

#include <windows.h>
#include <shellapi.h>

namespace rublet {

bool EmptyRecycleBin(RecycleBinGate& gate) {
    const RecycleBinGate::Turn turn = gate.Enter();
    return ::SHEmptyRecycleBinW(nullptr, L"", 0) == S_OK;
}

}  // namespace rublet
