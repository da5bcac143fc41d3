#include "settings/ini_settings_store.h"

#include <windows.h>

#include <string_view>
#include <utility>

#include "platform/portable/ini_text.h"
#include "platform/system/handles.h"
#include "platform/system/utf8.h"

namespace rublet {
namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF", Utf16Mark = "\xFF\xFE";

// The whole file, or nothing when it cannot be read or is over `limit` bytes.
std::optional<std::string> ReadWhole(const std::wstring& path, unsigned long limit) {
    const UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size) || size.QuadPart > limit) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size()))
        return std::nullopt;
    return bytes;
}

}  // namespace

IniSettingsStore::IniSettingsStore(std::wstring path) : path_(std::move(path)) {
    const std::optional<std::string> bytes = ReadWhole(path_, MaxBytes);
    if (!bytes) return;
    readable_ = true;
    const std::string_view content = *bytes;
    if (content.starts_with(Utf16Mark)) {
        encoding_ = Encoding::Utf16WithMark;
        text_.assign(reinterpret_cast<const wchar_t*>(content.data() + 2), (content.size() - 2) / 2);
    } else if (content.starts_with(Utf8Mark)) {
        encoding_ = Encoding::Utf8WithMark;
        text_ = FromUtf8(content.substr(3));
    } else {
        text_ = FromUtf8(content);
    }
}

std::optional<std::wstring> IniSettingsStore::Read(std::wstring_view, std::wstring_view section,
                                                   std::wstring_view key) const {
    return IniValue(text_, section, key);
}

void IniSettingsStore::Save(std::wstring_view, std::wstring_view section, std::wstring_view key,
                            std::wstring_view text) {
    std::wstring written = WithIniValue(text_, section, key, text);
    if (readable_ && Write(written)) text_ = std::move(written);
    else failed_ = true;
}

std::optional<std::wstring> IniSettingsStore::TakeSaveFailure() {
    if (!failed_ || told_) return std::nullopt;
    told_ = true;
    return path_;
}

bool IniSettingsStore::Write(const std::wstring& text) const {
    // A read-only file stays as it is, though its folder would let a new
    // file take its place.
    const DWORD attributes = ::GetFileAttributesW(path_.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    std::string bytes;
    if (encoding_ == Encoding::Utf16WithMark)
        bytes.append(Utf16Mark).append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    else
        bytes.append(encoding_ == Encoding::Utf8WithMark ? Utf8Mark : "").append(ToUtf8(text));
    const std::wstring fresh = path_ + L".new";
    {
        const UniqueFile file(::CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                            nullptr));
        DWORD written = 0;
        if (!file || !::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
            written != bytes.size() || !::FlushFileBuffers(file.get())) {
            ::DeleteFileW(fresh.c_str());
            return false;
        }
    }
    if (::MoveFileExW(fresh.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    ::DeleteFileW(fresh.c_str());
    return false;
}

}  // namespace rublet
