#pragma once
// Where the program file lies.

#include <string>

namespace rublet {

// The folder of the program file (see DirectoryOfModule).
[[nodiscard]] std::wstring ProgramDirectory();

}  // namespace rublet
