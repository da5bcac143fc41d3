#include "recycle_bin/trash_status.h"

#include "texts/language.h"
#include "platform/portable/conversions.h"

namespace rublet {

std::wstring TrashStatusText(std::int64_t count, std::int64_t bytes) {
    const Texts& texts = Text();
    if (count == 0) return std::wstring(texts.TrashEmpty);
    const float megabytes = static_cast<float>(bytes) / 1024.0f / 1024.0f;
    const float rounded = TextToSingle(FormatFixed2(megabytes)).value_or(0.0f);
    return FillIn(ForCount(count, texts.TrashObjectsOne, texts.TrashObjects),
                  {{L"count", std::to_wstring(count)}, {L"size", SingleToText(rounded)}});
}

}  // namespace rublet
