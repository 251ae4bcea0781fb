#include "writer/com/registry/RegistrationStore.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace quillot::com {

namespace {

// A store lists a few dozen keys; anything far larger is not one.
constexpr std::uintmax_t kMaxStoreBytes = 4u << 20;
constexpr std::string_view kDefaultValueName = "@";

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() &&
           std::equal(start.begin(), start.end(), text.begin(),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

bool IsKeyOrBelow(std::string_view key, std::string_view ancestor) {
    return StartsWithIgnoringCase(key, ancestor) &&
           (key.size() == ancestor.size() || key[ancestor.size()] == '\\');
}

} // namespace

bool RegistrationStore::CaseInsensitiveLess::operator()(std::string_view left,
                                                        std::string_view right) const {
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                        [](char a, char b) { return Lower(a) < Lower(b); });
}

std::filesystem::path RegistrationStore::DefaultPath() {
    std::filesystem::path folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
        folder = config;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        folder = std::filesystem::path(home) / ".config";
    } else {
        return {};
    }
    return folder / "Velmora" / "Classes.ini";
}

std::optional<RegistrationStore> RegistrationStore::Load(const std::filesystem::path& path,
                                                         std::string& error) {
    RegistrationStore store;
    store.m_path = path;
    std::error_code code;
    if (!std::filesystem::exists(path, code)) {
        return store;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, code);
    if (code || size > kMaxStoreBytes) {
        error = "the registration store " + path.string() + " is unreadable or too large";
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open the registration store " + path.string();
        return std::nullopt;
    }
    std::string line;
    std::string key;
    for (int number = 1; std::getline(file, line); ++number) {
        if (!store.ParseLine(line, key, error)) {
            error = path.string() + ":" + std::to_string(number) + ": " + error;
            return std::nullopt;
        }
    }
    return store;
}

bool RegistrationStore::ParseLine(std::string_view line, std::string& key, std::string& error) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.empty() || line.front() == ';') {
        return true;
    }
    if (line.front() == '[') {
        if (line.size() < 3 || line.back() != ']') {
            error = "a key line must be [key]";
            return false;
        }
        key = line.substr(1, line.size() - 2);
        m_keys[key];
        return true;
    }
    const std::size_t equals = line.find('=');
    if (key.empty() || equals == line.npos) {
        error = "expected name=value below a [key] line";
        return false;
    }
    std::string_view name = line.substr(0, equals);
    m_keys[key][std::string(name == kDefaultValueName ? std::string_view{} : name)] =
        line.substr(equals + 1);
    return true;
}

bool RegistrationStore::Save(std::string& error) const {
    std::ostringstream text;
    text << "; Component classes registered for this user.\n";
    for (const auto& [key, values] : m_keys) {
        text << "\n[" << key << "]\n";
        for (const auto& [name, value] : values) {
            text << (name.empty() ? kDefaultValueName : std::string_view(name)) << "=" << value
                 << "\n";
        }
    }
    std::error_code code;
    std::filesystem::create_directories(m_path.parent_path(), code);
    std::filesystem::path temporary = m_path;
    temporary += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << text.str();
        file.flush();
        if (!file) {
            error = "cannot write the registration store " + m_path.string();
            file.close();
            std::filesystem::remove(temporary, code);
            return false;
        }
    }
    std::filesystem::rename(temporary, m_path, code);
    if (code) {
        error = "cannot replace the registration store " + m_path.string() + ": " + code.message();
        std::filesystem::remove(temporary, code);
        return false;
    }
    return true;
}

bool RegistrationStore::SetValue(std::string_view key, std::string_view name,
                                 std::string_view value) {
    if (!CreateKey(key) || HasLineBreak(name) || HasLineBreak(value) ||
        name.find('=') != name.npos || name == kDefaultValueName) {
        return false;
    }
    m_keys.find(key)->second[std::string(name)] = value;
    return true;
}

bool RegistrationStore::CreateKey(std::string_view key) {
    if (key.empty() || HasLineBreak(key) || key.find(']') != key.npos) {
        return false;
    }
    m_keys.try_emplace(std::string(key));
    return true;
}

void RegistrationStore::DeleteTree(std::string_view key) {
    std::erase_if(m_keys, [key](const auto& entry) { return IsKeyOrBelow(entry.first, key); });
}

std::optional<std::string> RegistrationStore::Value(std::string_view key,
                                                    std::string_view name) const {
    const auto found = m_keys.find(key);
    if (found == m_keys.end()) {
        return std::nullopt;
    }
    const auto value = found->second.find(name);
    if (value == found->second.end()) {
        return std::nullopt;
    }
    return value->second;
}

bool RegistrationStore::HasKey(std::string_view key) const { return m_keys.contains(key); }

} // namespace quillot::com
