#pragma once
// The Recycle Bin opened under Wine, which has no Explorer window for it:
// the Linux desktop's file manager shows the trash, where one is
// registered for trash: addresses.

namespace rublet {

// Hands trash:/// to winebrowser, which passes it to the desktop's opener;
// false when that cannot be started or reports that it found none.
[[nodiscard]] bool OpenTrashUnderWine();

}  // namespace rublet
