#include "editor/document/MediaFilePath.h"

#include <gtest/gtest.h>

#include <set>

namespace joyvane {
namespace {

const std::filesystem::path folder = "/cards/birthday";

TEST(MediaFilePath, KeepsOrdinaryNames) {
    for (std::string_view name : {"Pic_1", "Sound_2", "My picture", "Zoë's cake", "a.b", "-x"})
        EXPECT_EQ(MediaFilePath(folder, name, ".jpg"), folder / (std::string(name) + ".jpg"));
}

// Names from a card file that would reach outside the document folder, or
// that no file system takes.
const std::vector<std::string> hostileNames = {
    "",
    ".",
    "..",
    "../../etc/passwd",
    "/etc/passwd",
    "sub/dir",
    "..\\..\\windows",
    std::string("a\0b", 3),
    std::string("a\0c", 3),
    "line\nbreak",
    std::string(10000, 'x'),
    std::string(10000, '/'),
    std::string(99, 'y') + "\xC3\xA9" + std::string(200, 'z'),
    "sub/dir~0123456789abcdef",
};

TEST(MediaFilePath, KeepsHostileNamesInsideTheFolder) {
    std::set<std::filesystem::path> files;
    for (const std::string& name : hostileNames) {
        const std::filesystem::path file = MediaFilePath(folder, name, ".wav");
        SCOPED_TRACE(file.string());
        EXPECT_EQ(file.parent_path(), folder);
        EXPECT_EQ(file.extension(), ".wav");
        EXPECT_LE(file.filename().string().size(), 200u);
        EXPECT_EQ(file.filename().string().find_first_of(std::string("/\\\n\0", 4)),
                  std::string::npos);
        EXPECT_EQ(MediaFilePath(folder, name, ".wav"), file) << "not deterministic";
        files.insert(file);
    }
    EXPECT_EQ(files.size(), hostileNames.size()) << "two names share a file";
}

TEST(MediaFilePath, StandInsDoNotMeetOrdinaryNames) {
    const std::string standIn = MediaFileName("sub/dir", ".jpg");
    const std::string standInStem = standIn.substr(0, standIn.size() - 4);
    EXPECT_NE(MediaFileName(standInStem, ".jpg"), standIn);
    EXPECT_NE(MediaFileName("sub_dir", ".jpg"), standIn);
}

TEST(MediaFilePath, RefusesAnExtensionThatIsNoExtension) {
    for (std::string_view extension : {"", "jpg", "./../x", ".j/g"})
        EXPECT_THROW(MediaFileName("Pic_1", extension), std::invalid_argument) << extension;
}

} // namespace
} // namespace joyvane
