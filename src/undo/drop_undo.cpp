#include "undo/drop_undo.h"

#include <algorithm>

#include "texts/language.h"

namespace rublet {

std::vector<UndoItem> MatchDrop(const RecycledDrop& drop, const std::vector<RecycleBinEntry>& entries) {
    const std::int64_t earliest = drop.Start - drop.Start % TicksPerSecond;
    std::vector<UndoItem> items;
    for (const std::wstring& path : drop.Paths) {
        UndoItem item{path, UndoFate::Missing, 0};
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const RecycleBinEntry& entry = entries[i];
            if (entry.OriginalPath != path || !entry.DeletedAt || *entry.DeletedAt < earliest ||
                *entry.DeletedAt > drop.End)
                continue;
            item.Fate = item.Fate == UndoFate::Missing ? UndoFate::Restore : UndoFate::Ambiguous;
            item.Entry = i;
        }
        items.push_back(std::move(item));
    }
    return items;
}

std::wstring UndoCaption(std::size_t count) {
    const auto number = static_cast<std::int64_t>(count);
    return FillIn(ForCount(number, Text().UndoOne, Text().Undo), {{L"count", std::to_wstring(count)}});
}

bool AllRestored(const std::vector<UndoItem>& items) noexcept {
    return std::all_of(items.begin(), items.end(), [](const UndoItem& item) { return item.Fate == UndoFate::Restored; });
}

namespace {

TextId ReasonOf(UndoFate fate) noexcept {
    switch (fate) {
    case UndoFate::Occupied: return &Texts::UndoOccupied;
    case UndoFate::Ambiguous: return &Texts::UndoAmbiguous;
    case UndoFate::Missing: return &Texts::UndoMissing;
    default: return &Texts::UndoFailed;
    }
}

}  // namespace

std::wstring UndoReport(const std::vector<UndoItem>& items) {
    const Texts& texts = Text();
    if (AllRestored(items)) return std::wstring(texts.UndoDone);
    std::wstring restored, kept;
    for (const UndoItem& item : items) {
        std::wstring& list = item.Fate == UndoFate::Restored ? restored : kept;
        list += texts.LineBreak;
        list += item.Fate == UndoFate::Restored
                    ? item.Path
                    : FillIn(texts.UndoItemLine, {{L"path", item.Path}, {L"reason", texts.*ReasonOf(item.Fate)}});
    }
    std::wstring report(restored.empty() ? texts.UndoNone : texts.UndoSome);
    if (!restored.empty()) report += std::wstring(texts.LineBreak) + std::wstring(texts.UndoRestoredList) + restored;
    return report + std::wstring(texts.LineBreak) + std::wstring(texts.UndoKeptList) + kept;
}

}  // namespace rublet
