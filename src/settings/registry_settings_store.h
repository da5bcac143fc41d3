#pragma once
// The settings store in the current user's registry:
// HKEY_CURRENT_USER\Software\<application>\<section>, one REG_SZ value per key.

#include "settings/settings_store.h"

namespace rublet {

class RegistrySettingsStore final : public SettingsStore {
public:
    [[nodiscard]] std::optional<std::wstring> Read(std::wstring_view application,
                                                   std::wstring_view section,
                                                   std::wstring_view key) const override;
    void Save(std::wstring_view application, std::wstring_view section, std::wstring_view key,
              std::wstring_view text) override;

    [[nodiscard]] static std::wstring KeyPath(std::wstring_view application,
                                              std::wstring_view section);
};

}  // namespace rublet
