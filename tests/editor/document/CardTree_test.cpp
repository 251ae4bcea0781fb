#include "DocumentTestSupport.h"

#include "editor/document/CardTree.h"

#include <gtest/gtest.h>

#include <ostream>

namespace joyvane {
namespace {

std::string Utf16LittleEndianWithMark(std::string_view ascii) {
    std::string bytes = "\xFF\xFE";
    for (char letter : ascii) {
        bytes += letter;
        bytes += '\0';
    }
    return bytes;
}

struct RoundTrip {
    const char* name;
    std::string bytes;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const RoundTrip& testCase, std::ostream* out) { *out << testCase.name; }

class CardTreeRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(CardTreeRoundTrip, ComesBackByteForByte) {
    const std::string& bytes = GetParam().bytes;
    EXPECT_EQ(CardTree::Parse(bytes, "card.jvd").Serialize(), bytes);
}

// Files in the form the program writes, with what hand edits and other
// programs put in them.
INSTANTIATE_TEST_SUITE_P(
    Cards, CardTreeRoundTrip,
    testing::Values(
        RoundTrip{"CompleteExample", std::string(test::birthdayCard)},
        RoundTrip{"UnknownElementsAttributesAndDeclaration",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                  "<!-- made by hand -->\n"
                  "<Movie version=\"2\" xmlns:x=\"urn:example\">\n"
                  "  <Width unit=\"px\">390</Width>\n"
                  "  <x:Note kind=\"private\">\n"
                  "    <Line>keep me</Line>\n"
                  "  </x:Note>\n"
                  "  <?editor cursor=\"3\"?>\n"
                  "  <Obj id=\"7\">\n"
                  "    <ObjName>Text_1</ObjName>\n"
                  "    <Extra />\n"
                  "  </Obj>\n"
                  "</Movie>\n"},
        RoundTrip{"NoDeclaration", "<Movie>\n  <Width>390</Width>\n</Movie>\n"},
        RoundTrip{"SpacesAsContent", "<Movie>\n  <Content>   </Content>\n</Movie>\n"},
        RoundTrip{"Utf8ByteOrderMark", "\xEF\xBB\xBF<Movie>\n  <Author>Zoë</Author>\n</Movie>\n"},
        RoundTrip{"Utf16", Utf16LittleEndianWithMark("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
                                                     "<Movie>\n  <Width>390</Width>\n</Movie>\n")},
        RoundTrip{"Latin1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                            "<Movie>\n  <Author>Zo\xEB</Author>\n</Movie>\n"},
        RoundTrip{"UndeclaredLegacyBytes",
                  "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                  "<Movie>\n  <Author>\xC9\xFA\xC8\xD5</Author>\n</Movie>\n"}),
    [](const testing::TestParamInfo<RoundTrip>& info) { return info.param.name; });

TEST(CardTree, RefusesWhatIsNoCard) {
    for (std::string_view bytes : {"", "Happy Birthday", "<Movie><Width>390</Movie>",
                                   "<Card><Width>390</Width></Card>", "<?xml version=\"1.0\"?>"}) {
        try {
            CardTree::Parse(bytes, "broken.jvd");
            ADD_FAILURE() << "accepted: " << bytes;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find("\"broken.jvd\" is not a card"),
                      std::string::npos)
                << error.what();
        }
    }
}

TEST(CardTree, ReportsAMissingFile) {
    test::ScratchFolder folder;
    EXPECT_THROW(CardTree::Load(folder / "missing.jvd"), std::runtime_error);
}

} // namespace
} // namespace joyvane
