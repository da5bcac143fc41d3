#pragma once

#include <map>

#include "platform/settings_store.h"

namespace rublet::testing_support {

// Settings held in memory under "application|section|key".
struct MemoryStore final : SettingsStore {
    std::optional<std::wstring> Read(std::wstring_view application, std::wstring_view section,
                                     std::wstring_view key) const override {
        const auto found = values.find(Address(application, section, key));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void Save(std::wstring_view application, std::wstring_view section, std::wstring_view key,
              std::wstring_view text) override {
        values[Address(application, section, key)] = text;
    }
    void Set(std::wstring_view key, std::wstring_view text) { Save(L"Rublet", L"setting", key, text); }
    static std::wstring Address(std::wstring_view application, std::wstring_view section, std::wstring_view key) {
        return (std::wstring(application) += L'|').append(section).append(L"|").append(key);
    }

    std::map<std::wstring, std::wstring> values;
};

}  // namespace rublet::testing_support
