#pragma once
// The look at a drop before the shell sees any of it: whether every path
// names exactly the item that was dragged, and nothing the shell would reach
// lies outside what was dropped. Portable; the file system is reached
// through DropFileSystem.

#include <optional>
#include <string>
#include <vector>

#include "drop/drop_processing.h"
#include "texts/language.h"

namespace rublet {

// What a drop may not hand the shell, and the dropped item that holds it.
struct Refusal {
    TextId Reason;
    std::wstring Path;
};

// The first reason, found afresh, why the drop may not reach the shell.
[[nodiscard]] std::optional<Refusal> CheckDrop(const std::vector<std::wstring>& paths, DropFileSystem& files,
                                               bool deleting);

}  // namespace rublet
