#include "DocumentTestSupport.h"

#include "editor/document/CardDocument.h"
#include "editor/document/FileReplacement.h"
#include "editor/document/MediaFilePath.h"

#include <gtest/gtest.h>

#include <functional>

namespace joyvane {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

// Stands in for generation: writes a recognisable movie.
void WriteMovie(const fs::path& file) {
    WriteFile(file, "FWS new movie");
}

class CardDocumentTest : public testing::Test {
protected:
    CardDocumentTest() : m_document(m_scratch / "temp") {
        fs::create_directories(m_scratch / "temp");
        fs::create_directories(m_scratch / "cards");
        WriteFile(m_scratch / "blank.jvd", test::emptyCard);
    }

    fs::path Temp(const fs::path& name) const { return m_scratch / "temp" / name; }
    fs::path Cards(const fs::path& name) const { return m_scratch / "cards" / name; }

    // A card saved earlier in the cards folder, with its movie.
    void OpenSavedBirthdayCard() {
        WriteFile(Cards("birthday.jvd"), test::birthdayCard);
        WriteFile(Cards("birthday.swf"), "FWS old movie");
        m_document.Open(Cards("birthday.jvd"));
    }

    test::ScratchFolder m_scratch;
    CardDocument m_document;
};

TEST_F(CardDocumentTest, NewFromTemplateIsUntitledInTheWorkingFolder) {
    m_document.NewFromTemplate(m_scratch / "blank.jvd");
    EXPECT_TRUE(m_document.IsUntitled());
    EXPECT_EQ(m_document.BasePath(), Temp("Untitled"));
    EXPECT_EQ(m_document.DocumentFolder(), m_scratch / "temp");
    EXPECT_EQ(ReadFile(Temp("Untitled.jvd")), test::emptyCard);
    EXPECT_EQ(m_document.Movie().Width(), 390);
    EXPECT_THROW(m_document.Save(WriteMovie), std::logic_error);
}

TEST_F(CardDocumentTest, NewFromTemplateBringsTheTemplatesMedia) {
    WriteFile(Cards("birthday.jvd"), test::birthdayCard);
    m_document.Open(Cards("birthday.jvd"));
    m_document.CreateObject(ObjectKind::Pic, 0);
    m_document.CreateObject(ObjectKind::Sound, 0);
    m_document.SaveAs(Cards("template.jvd"), WriteMovie);
    WriteFile(Cards("Pic_1.jpg"), "JPEG");
    WriteFile(Cards("Sound_1.wav"), "RIFF");

    m_document.NewFromTemplate(Cards("template.jvd"));
    EXPECT_TRUE(m_document.IsUntitled());
    EXPECT_EQ(ReadFile(Temp("Pic_1.jpg")), "JPEG");
    EXPECT_EQ(ReadFile(Temp("Sound_1.wav")), "RIFF");
}

TEST_F(CardDocumentTest, OpenAndSaveKeepWhatTheProgramDoesNotKnow) {
    const std::string handMade = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                                 "<!-- made by hand -->\n"
                                 "<Movie xmlns:x=\"urn:example\" version=\"2\">\n"
                                 "  <Width unit=\"px\">390</Width>\n"
                                 "  <x:Note kind=\"private\">keep &amp; me</x:Note>\n"
                                 "  <Obj id=\"7\">\n"
                                 "    <ObjName>Text_1</ObjName>\n"
                                 "    <Sparkle level=\"3\" />\n"
                                 "  </Obj>\n"
                                 "</Movie>\n";
    WriteFile(Cards("card.jvd"), handMade);
    m_document.Open(Cards("card.jvd"));
    EXPECT_EQ(m_document.BasePath(), Cards("card"));
    m_document.Movie().SetWidth(400);
    m_document.Save(WriteMovie);

    std::string expected = handMade;
    expected.replace(expected.find(">390<"), 5, ">400<");
    EXPECT_EQ(ReadFile(Cards("card.jvd")), expected);
    EXPECT_EQ(ReadFile(Temp("Untitled.jvd")), expected);
    EXPECT_EQ(ReadFile(Cards("card.swf")), "FWS new movie");
    EXPECT_EQ(fs::directory_iterator(m_scratch / "cards")->path().filename().string()[0], 'c')
        << "a temporary file was left behind";
}

TEST_F(CardDocumentTest, SavingAnUntitledCardCarriesItsMediaAlong) {
    m_document.NewFromTemplate(m_scratch / "blank.jvd");
    m_document.CreateObject(ObjectKind::Text, 0);
    m_document.CreateObject(ObjectKind::Pic, 0);
    m_document.CreateObject(ObjectKind::Sound, 0);
    m_document.CreateObject(ObjectKind::Pic, 0); // no picture chosen yet: no media file
    WriteFile(Temp("Pic_1.jpg"), "JPEG");
    WriteFile(Temp("Sound_1.wav"), "RIFF");
    WriteFile(Temp("Text_1.jpg"), "not media of a text");

    m_document.SaveAs(Cards("hello.jvd"), WriteMovie);

    EXPECT_FALSE(m_document.IsUntitled());
    EXPECT_EQ(m_document.BasePath(), Cards("hello"));
    EXPECT_EQ(ReadFile(Cards("Pic_1.jpg")), "JPEG");
    EXPECT_EQ(ReadFile(Cards("Sound_1.wav")), "RIFF");
    EXPECT_FALSE(fs::exists(Cards("Text_1.jpg")));
    EXPECT_FALSE(fs::exists(Cards("Pic_2.jpg")));
    EXPECT_EQ(ReadFile(Cards("hello.jvd")), ReadFile(Temp("Untitled.jvd")));
    EXPECT_EQ(ReadFile(Cards("hello.swf")), "FWS new movie");
    EXPECT_TRUE(fs::exists(Temp("Pic_1.jpg"))) << "media are copied, not moved";
}

TEST_F(CardDocumentTest, HostileObjectNamesStayInsideTheDocumentFolder) {
    const std::vector<std::string> names = {"../outside", "/etc/passwd_copy",      "..",
                                            ".",          std::string(10000, 'n'), "sub/../../x"};
    m_document.NewFromTemplate(m_scratch / "blank.jvd");
    for (const std::string& name : names) {
        TXMLObj object = m_document.CreateObject(ObjectKind::Pic, 0);
        object.SetObjName(name);
        WriteFile(MediaFilePath(m_scratch / "temp", name, ".jpg"), name.substr(0, 10));
    }
    fs::create_directories(Cards("inner"));
    m_document.SaveAs(Cards("inner/card.jvd"), WriteMovie);

    for (const std::string& name : names)
        EXPECT_EQ(ReadFile(MediaFilePath(Cards("inner"), name, ".jpg")), name.substr(0, 10));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_scratch / "cards"), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_scratch.Path()), {}), 3);
    EXPECT_EQ(std::distance(fs::directory_iterator(Cards("inner")), {}), names.size() + 2);
}

TEST_F(CardDocumentTest, SavesUnderANameNearTheFileSystemLimit) {
    m_document.NewFromTemplate(m_scratch / "blank.jvd");
    const std::string longName(251, 'k');
    m_document.SaveAs(Cards(longName + ".jvd"), WriteMovie);
    EXPECT_EQ(ReadFile(Cards(longName + ".jvd")), test::emptyCard);
    EXPECT_EQ(ReadFile(Cards(longName + ".swf")), "FWS new movie");
}

struct FailedSave {
    const char* name;
    std::function<void(const fs::path& cards)> breakFolder;
    CardDocument::MovieWriter writeMovie;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const FailedSave& testCase, std::ostream* out) { *out << testCase.name; }

class CardDocumentFailedSave : public CardDocumentTest,
                               public testing::WithParamInterface<FailedSave> {};

TEST_P(CardDocumentFailedSave, LeavesTheSavedFilesIntactAndSaysSo) {
    OpenSavedBirthdayCard();
    m_document.Movie().SetWidth(640);
    GetParam().breakFolder(m_scratch / "cards");

    EXPECT_THROW(m_document.Save(GetParam().writeMovie), std::runtime_error);

    EXPECT_EQ(ReadFile(Cards("birthday.jvd")), test::birthdayCard);
    if (fs::is_regular_file(Cards("birthday.swf"))) {
        EXPECT_EQ(ReadFile(Cards("birthday.swf")), "FWS old movie");
    }
    EXPECT_FALSE(fs::is_regular_file(FileReplacement::TemporaryPathBeside(Cards("birthday.jvd"))));
    EXPECT_FALSE(fs::is_regular_file(FileReplacement::TemporaryPathBeside(Cards("birthday.swf"))));
}

void LeaveAlone(const fs::path&) {
}

void BlockTemporaryFile(const fs::path& target) {
    fs::create_directory(FileReplacement::TemporaryPathBeside(target));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CardDocumentFailedSave,
    testing::Values(
        FailedSave{"MovieCannotBeMade", LeaveAlone,
                   [](const fs::path&) { throw std::runtime_error("no writer"); }},
        FailedSave{"MovieWriterWritesNothing", LeaveAlone, [](const fs::path&) {}},
        FailedSave{"DocumentTemporaryFileBlocked",
                   [](const fs::path& cards) { BlockTemporaryFile(cards / "birthday.jvd"); },
                   WriteMovie},
        FailedSave{"MovieTemporaryFileBlocked",
                   [](const fs::path& cards) { BlockTemporaryFile(cards / "birthday.swf"); },
                   WriteMovie},
        FailedSave{"MovieTargetIsAFolder",
                   [](const fs::path& cards) {
                       fs::remove(cards / "birthday.swf");
                       fs::create_directories(cards / "birthday.swf" / "inside");
                   },
                   WriteMovie}),
    [](const testing::TestParamInfo<FailedSave>& info) { return info.param.name; });

TEST_F(CardDocumentTest, FailedSaveUnderANewNameKeepsTheOldName) {
    OpenSavedBirthdayCard();
    WriteFile(m_scratch / "file", "a file, not a folder");
    EXPECT_THROW(m_document.SaveAs(m_scratch / "file" / "card.jvd", WriteMovie),
                 std::runtime_error);
    EXPECT_EQ(m_document.BasePath(), Cards("birthday"));
}

TEST_F(CardDocumentTest, OpeningWhatCannotBeOpenedKeepsTheOpenCard) {
    OpenSavedBirthdayCard();
    WriteFile(Cards("broken.jvd"), "<Movie><Width>");
    for (const fs::path& file : {Cards("missing.jvd"), Cards("broken.jvd"), m_scratch.Path()}) {
        EXPECT_THROW(m_document.Open(file), std::runtime_error) << file;
        EXPECT_EQ(m_document.BasePath(), Cards("birthday"));
        EXPECT_EQ(m_document.Movie().Obj().Item(0).ObjName(), "Text_1");
        EXPECT_EQ(ReadFile(Temp("Untitled.jvd")), test::birthdayCard);
    }
}

TEST_F(CardDocumentTest, RenamingAPictureKeepsItsPicture) {
    m_document.NewFromTemplate(m_scratch / "blank.jvd");
    m_document.CreateObject(ObjectKind::Pic, 0);
    m_document.CreateObject(ObjectKind::Pic, 0);
    WriteFile(Temp("Pic_1.jpg"), "first");
    WriteFile(Temp("Pic_2.jpg"), "second");

    m_document.RenameObject(0, "Flower");
    EXPECT_EQ(ReadFile(Temp("Flower.jpg")), "first");
    EXPECT_EQ(ReadFile(Temp("Pic_1.jpg")), "first") << "a saved card may still use it";
    EXPECT_NE(ReadFile(Temp("Untitled.jvd")).find("<ObjName>Flower</ObjName>"), std::string::npos);

    m_document.RenameObject(1, "Flower");
    EXPECT_EQ(ReadFile(Temp("Flower.jpg")), "first") << "another object's picture was replaced";
}

TEST_F(CardDocumentTest, DeletingWritesBackAndKeepsTheMedia) {
    m_document.NewFromTemplate(m_scratch / "blank.jvd");
    m_document.CreateObject(ObjectKind::Sound, 0);
    WriteFile(Temp("Sound_1.wav"), "RIFF");
    m_document.DeleteObject(0);
    EXPECT_EQ(ReadFile(Temp("Untitled.jvd")), test::emptyCard);
    EXPECT_TRUE(fs::exists(Temp("Sound_1.wav")));
    EXPECT_THROW(m_document.DeleteObject(0), std::out_of_range);
}

} // namespace
} // namespace joyvane
