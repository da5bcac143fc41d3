#pragma once
// The Recycle Bin opened for the user: Explorer rooted at its folder on
// Windows; under Wine, whose Explorer shows no window for it, the Linux
// desktop's file manager on the trash, where one is registered for trash:
// addresses.

namespace rublet {

// Explorer on the Recycle Bin; what it does is not reported.
void OpenRecycleBinInExplorer();
// Hands trash:/// to winebrowser, which passes it to the desktop's opener;
// false when that cannot be started or reports that it found none. Waits
// for the opener, for seconds: on a worker only.
[[nodiscard]] bool OpenTrashUnderWine();

}  // namespace rublet
