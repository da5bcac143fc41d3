#pragma once
// The settings store in a file, for a program that carries its settings
// with it: "[section]" and "key=value" lines, the application being the
// file's own. UTF-16 with its byte-order mark and UTF-8 with or without one
// are read, and the file is written as it was. The file is read once; each
// save writes it whole through a new file beside it, so a save that fails
// (a read-only file or folder, a full stick) leaves it as it was.

#include <string>

#include "settings/settings_store.h"

namespace rublet {

class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(std::wstring path);

    [[nodiscard]] std::optional<std::wstring> Read(std::wstring_view application, std::wstring_view section,
                                                   std::wstring_view key) const override;
    void Save(std::wstring_view application, std::wstring_view section, std::wstring_view key,
              std::wstring_view text) override;
    [[nodiscard]] std::optional<std::wstring> TakeSaveFailure() override;

    // The largest file read; a larger one is taken as unreadable.
    static constexpr unsigned long MaxBytes = 1 << 20;

private:
    enum class Encoding { Utf8, Utf8WithMark, Utf16WithMark };

    bool Write(const std::wstring& text) const;

    const std::wstring path_;
    std::wstring text_;
    Encoding encoding_ = Encoding::Utf8;
    bool readable_ = false;  // an unreadable file is never written over
    bool failed_ = false, told_ = false;
};

}  // namespace rublet
