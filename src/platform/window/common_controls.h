#pragma once
// The common controls library, loaded at its first use rather than at
// start-up: the main window needs none of its classes to show.

namespace rublet {

// Loads the library (the version the program's manifest names) and
// registers its classes; once per process. False when it is not there.
bool LoadCommonControls() noexcept;

}  // namespace rublet
