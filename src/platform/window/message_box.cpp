#include "platform/window/message_box.h"

#include <string>

namespace rublet {

int MsgBox(HWND owner, std::wstring_view text, UINT style, std::wstring_view title) {
    return ::MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(title).c_str(), style);
}

}  // namespace rublet
