// Registration in the per-user store, creation by programmatic identifier,
// and the store's handling of damaged files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "ServerLibrary.h"
#include "writer/com/automation/Identifiers.h"
#include "writer/com/client/ObjectCreation.h"
#include "writer/com/registry/RegistrationStore.h"
#include "writer/movie/swfMovie.h"

using namespace quillot;
using namespace quillot::com;

namespace {

class RegistrationTest : public ::testing::Test {
protected:
    RegistrationStore Store() {
        std::string error;
        return RegistrationStore::Load(RegistrationStore::DefaultPath(), error).value();
    }

    ServerLibrary m_library;
};

TEST_F(RegistrationTest, StoreLivesInTheConfigurationFolder) {
    EXPECT_EQ(RegistrationStore::DefaultPath(), m_library.ConfigFolder() / "Velmora" / "Classes.ini");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RegistrationStore::DefaultPath(),
              std::filesystem::path(std::getenv("HOME")) / ".config" / "Velmora" / "Classes.ini");
}

TEST_F(RegistrationTest, RegisterWritesEveryEntryAndUnregisterRemovesThem) {
    RegistrationStore before = Store();
    ASSERT_TRUE(before.SetValue("Other.Component\\CLSID", "", "{00000000-0000-0000-0000-000000000001}"));
    std::string error;
    ASSERT_TRUE(before.Save(error)) << error;

    ASSERT_EQ(m_library.Library().RegisterServer(), S_OK);
    RegistrationStore store = Store();
    const std::string library = std::filesystem::canonical(ServerLibrary::Path()).string();
    const std::string classKey = "CLSID\\{7E4A219D-C35B-4F18-A2D6-91B07E3C5F48}";
    const std::string libraryKey = "TypeLib\\{7E4A2180-C35B-4F18-A2D6-91B07E3C5F48}\\1.0";
    struct Entry {
        std::string key, name, value;
    } const entries[] = {
        {"Quillot.swfObject.1", "", "swfObject Class"},
        {"Quillot.swfObject.1\\CLSID", "", "{7E4A219D-C35B-4F18-A2D6-91B07E3C5F48}"},
        {"Quillot.swfObject", "", "swfObject Class"},
        {"Quillot.swfObject\\CurVer", "", "Quillot.swfObject.1"},
        {classKey, "", "swfObject Class"},
        {classKey + "\\ProgID", "", "Quillot.swfObject.1"},
        {classKey + "\\VersionIndependentProgID", "", "Quillot.swfObject"},
        {classKey + "\\InprocServer32", "", library},
        {classKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {classKey + "\\TypeLib", "", "{7E4A2180-C35B-4F18-A2D6-91B07E3C5F48}"},
        {"quillot.swfmovie\\clsid", "", "{7E4A2191-C35B-4F18-A2D6-91B07E3C5F48}"},
        {"Quillot.swfAction\\CLSID", "", "{7E4A21A3-C35B-4F18-A2D6-91B07E3C5F48}"},
        {libraryKey, "", "Quillot 1.0 Type Library"},
        {libraryKey + "\\0\\linux64", "", library},
    };
    for (const Entry& entry : entries) {
        EXPECT_EQ(store.Value(entry.key, entry.name), entry.value) << entry.key;
    }
    EXPECT_TRUE(store.HasKey(classKey + "\\Programmable"));

    ASSERT_EQ(m_library.Library().UnregisterServer(), S_OK);
    store = Store();
    for (const Entry& entry : entries) {
        EXPECT_FALSE(store.HasKey(entry.key)) << entry.key;
    }
    EXPECT_TRUE(store.HasKey("Other.Component\\CLSID")) << "other registrations stay";
}

TEST_F(RegistrationTest, CreatesByProgrammaticIdentifierOnceRegistered) {
    DispatchObject movie;
    EXPECT_EQ(DispatchObject::Create("Quillot.swfMovie", movie), CO_E_CLASSSTRING);
    ASSERT_EQ(m_library.Library().RegisterServer(), S_OK);
    const auto expected = m_library.ConfigFolder() / "expected.swf";
    quillot::swfMovie direct;
    direct.SetSize(7800, 6400);
    direct.WriteMovie(expected.string());
    for (const char* progId : {"Quillot.swfMovie", "Quillot.swfMovie.1"}) {
        ASSERT_EQ(DispatchObject::Create(progId, movie), S_OK) << progId;
        EXPECT_EQ(movie.Call("SetSize", {7800, 6400}), S_OK);
        const auto path = m_library.ConfigFolder() / "movie.swf";
        movie.Call("WriteMovie", {path.c_str()});
        EXPECT_EQ(ReadBytes(path), ReadBytes(expected));
    }
    EXPECT_EQ(DispatchObject::Create("Quillot.NoSuchClass", movie), CO_E_CLASSSTRING);
    movie = DispatchObject();
    FreeUnusedLibraries();
}

TEST_F(RegistrationTest, DamagedStoreIsRefusedWithItsLine) {
    const auto path = m_library.ConfigFolder() / "damaged.ini";
    std::ofstream(path) << "[Key]\n@=value\nno equals sign\n";
    std::string error;
    EXPECT_FALSE(RegistrationStore::Load(path, error));
    EXPECT_NE(error.find("damaged.ini:3"), std::string::npos) << error;

    std::filesystem::resize_file(path, 64u << 20);
    EXPECT_FALSE(RegistrationStore::Load(path, error));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
}

TEST_F(RegistrationTest, CommandLineRegistersTheLibraryBesideIt) {
    const std::string cli = JOYVANE_BIN_DIR "/joyvane-cli";
    ASSERT_EQ(std::system((cli + " register").c_str()), 0);
    EXPECT_EQ(Store().Value("CLSID\\{7E4A2191-C35B-4F18-A2D6-91B07E3C5F48}\\InprocServer32"),
              std::filesystem::canonical(ServerLibrary::Path()).string());
    ASSERT_EQ(std::system((cli + " unregister").c_str()), 0);
    EXPECT_FALSE(Store().HasKey("Quillot.swfMovie"));
}

} // namespace
