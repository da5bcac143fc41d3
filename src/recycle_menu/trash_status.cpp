#include "recycle_menu/trash_status.h"

#include "layouts/texts.h"
#include "platform/conversions.h"

namespace rublet {

std::wstring TrashStatusText(std::int64_t count, std::int64_t bytes) {
    if (count == 0) return std::wstring(text::TrashEmpty);
    const float megabytes = static_cast<float>(bytes) / 1024.0f / 1024.0f;
    const float rounded = TextToSingle(FormatFixed2(megabytes)).value_or(0.0f);
    std::wstring line = std::to_wstring(count);
    line += text::TrashObjectsOpen;
    line += SingleToText(rounded);
    line += text::TrashMegabytesClose;
    return line;
}

}  // namespace rublet
