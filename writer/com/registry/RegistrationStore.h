#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quillot::com {

// The per-user store of component registrations, the counterpart of the
// classes part of the Windows registry: keys named by paths such as
// "CLSID\{...}\InprocServer32", each with named string values ("" is the
// key's default value). Names compare without regard to case, as registry
// names do. On disk it is a small INI file:
//
//     [CLSID\{7E4A2191-C35B-4F18-A2D6-91B07E3C5F48}\InprocServer32]
//     @=/usr/lib/libquillot.so
//     ThreadingModel=Apartment
//
// A line holds a name, "=", and the value up to the end of the line, spaces
// included; "@" names the default value.
class RegistrationStore {
public:
    // $XDG_CONFIG_HOME/Velmora/Classes.ini, or ~/.config/... when the
    // variable is unset; empty when neither the variable nor HOME is set.
    static std::filesystem::path DefaultPath();

    // Reads the store at `path`; a missing file is an empty store. A damaged
    // or oversized file gives none and a message.
    static std::optional<RegistrationStore> Load(const std::filesystem::path& path,
                                                 std::string& error);
    // Writes the whole store beside its file, then renames it over the file.
    bool Save(std::string& error) const;

    // Keys and values may not hold line breaks; names not "=" either.
    // Returns false and changes nothing when they do.
    bool SetValue(std::string_view key, std::string_view name, std::string_view value);
    bool CreateKey(std::string_view key);
    // Removes the key and every key below it.
    void DeleteTree(std::string_view key);
    std::optional<std::string> Value(std::string_view key, std::string_view name = {}) const;
    bool HasKey(std::string_view key) const;

private:
    struct CaseInsensitiveLess {
        using is_transparent = void;
        bool operator()(std::string_view left, std::string_view right) const;
    };
    using Values = std::map<std::string, std::string, CaseInsensitiveLess>;

    bool ParseLine(std::string_view line, std::string& key, std::string& error);

    std::filesystem::path m_path;
    std::map<std::string, Values, CaseInsensitiveLess> m_keys;
};

} // namespace quillot::com
