#pragma once
// The per-user settings store: text values addressed by application,
// section and key. Portable interface; the registry and a Rublet.ini
// beside the program implement it.

#include <optional>
#include <string>
#include <string_view>

namespace rublet {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or nothing when the application, section or key is absent.
    [[nodiscard]] virtual std::optional<std::wstring> Read(std::wstring_view application,
                                                           std::wstring_view section,
                                                           std::wstring_view key) const = 0;
    // Stores the text, creating application and section as needed.
    virtual void Save(std::wstring_view application, std::wstring_view section,
                      std::wstring_view key, std::wstring_view text) = 0;
    // Where a save failed, the first time it is asked after a failure;
    // nothing otherwise, and ever after once it has been told. A store
    // whose failures nobody examines (the registry's) never tells.
    [[nodiscard]] virtual std::optional<std::wstring> TakeSaveFailure() { return std::nullopt; }
};

}  // namespace rublet
