#pragma once
// The pointer over every window of the program: the hourglass while it
// works, which portable code asks for by name.

namespace rublet {

enum class MousePointer { Default, Hourglass };

}  // namespace rublet
