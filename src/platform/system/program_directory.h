#pragma once
// Where the program file lies.

#include <string>
#include <string_view>

namespace rublet {

// The folder of the program file (see DirectoryOfModule).
[[nodiscard]] std::wstring ProgramDirectory();
// A file of that folder, one separator between them (a drive's root too).
[[nodiscard]] std::wstring BesideProgram(std::wstring_view file);

}  // namespace rublet
