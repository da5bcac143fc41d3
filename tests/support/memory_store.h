#pragma once

#include <map>
#include <tuple>

#include "settings/settings_store.h"

namespace rublet::testing_support {

// Settings held in memory by application, section and key.
struct MemoryStore final : SettingsStore {
    using Address = std::tuple<std::wstring, std::wstring, std::wstring>;
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

    std::map<Address, std::wstring> values;
};

}  // namespace rublet::testing_support
