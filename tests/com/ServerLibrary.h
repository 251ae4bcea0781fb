#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "writer/com/client/ComponentLibrary.h"
#include "writer/com/client/DispatchObject.h"

// The built libquillot.so, loaded as any client loads it, and a private
// registration store so that tests never touch the user's own.
class ServerLibrary {
public:
    ServerLibrary();
    ~ServerLibrary();

    static std::filesystem::path Path();
    const quillot::com::ComponentLibrary& Library() const { return *m_library; }
    const std::filesystem::path& ConfigFolder() const { return m_configFolder; }

    // A new object of `classId`, queried for IDispatch.
    quillot::com::DispatchObject Create(const quillot::com::GUID& classId) const;

private:
    std::filesystem::path m_configFolder;
    std::string m_savedConfigHome;
    bool m_hadConfigHome = false;
    std::unique_ptr<quillot::com::ComponentLibrary> m_library;
};

// What a shell command line must start with to run python3 with the client
// in bin/python; in a sanitized build, the library needs the sanitizer
// runtime loaded ahead of Python.
std::string PythonCommand();

// The bytes of a file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
