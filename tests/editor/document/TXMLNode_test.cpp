#include "editor/document/CardTree.h"
#include "editor/document/ConversionError.h"
#include "editor/document/TXMLMovie.h"

#include <gtest/gtest.h>

namespace joyvane {
namespace {

std::string LastChildName(pugi::xml_node node) {
    return node.last_child().name();
}

TEST(CreateOnAccess, ReadingAMissingElementAppendsItEmpty) {
    CardTree tree =
        CardTree::Parse("<Movie><Obj><ObjType><ObjPic><Content>a.bmp</Content>"
                        "<EffectName>Fade</EffectName></ObjPic></ObjType></Obj></Movie>",
                        "card.jvd");
    TXMLObjPic picture = TXMLMovie(tree.Movie()).Obj().Item(0).ObjType().ObjPic();

    EXPECT_EQ(picture.EffectValue(), "");
    EXPECT_EQ(LastChildName(picture.Node()), "EffectValue");
    EXPECT_EQ(picture.EffectName(), "Fade");
    EXPECT_EQ(LastChildName(picture.Node()), "EffectValue");

    EXPECT_THROW(picture.ExSpeed(), ConversionError);
    EXPECT_EQ(LastChildName(picture.Node()), "ExSpeed");
    EXPECT_TRUE(picture.Node().child("ExSpeed").first_child().empty());
}

TEST(CreateOnAccess, WritingAMissingElementAppendsIt) {
    CardTree tree;
    TXMLMovie movie(tree.Movie());
    movie.SetHeight(320);
    movie.SetWidth(390);
    EXPECT_EQ(tree.Serialize(),
              "<Movie>\n  <Height>320</Height>\n  <Width>390</Width>\n</Movie>\n");
}

TEST(ElementWrite, ReplacesTheTextAndKeepsAttributesAndComments) {
    CardTree tree = CardTree::Parse(
        "<Movie><Width unit=\"px\">100<!-- hand made --></Width><BgPic>x.bmp</BgPic></Movie>",
        "card.jvd");
    TXMLMovie movie(tree.Movie());
    movie.SetWidth(-20);
    movie.SetBgPic("");

    CardTree saved = CardTree::Parse(tree.Serialize(), "saved.jvd");
    const pugi::xml_node width = saved.Movie().child("Width");
    EXPECT_STREQ(width.text().get(), "-20");
    EXPECT_STREQ(width.attribute("unit").value(), "px");
    EXPECT_STREQ(
        width.find_child([](pugi::xml_node node) { return node.type() == pugi::node_comment; })
            .value(),
        " hand made ");
    EXPECT_TRUE(saved.Movie().child("BgPic").first_child().empty());
}

TEST(ElementWrite, RefusesTextWithANulCharacter) {
    CardTree tree;
    TXMLMovie movie(tree.Movie());
    movie.SetAuthor("Ann");
    EXPECT_THROW(movie.SetAuthor(std::string_view("Ann\0Bob", 7)), std::invalid_argument);
    EXPECT_EQ(movie.Author(), "Ann");
}

TEST(Loop, IsOnForTrueInAnyLetterCase) {
    CardTree tree;
    TXMLMovie movie(tree.Movie());
    for (const auto& [text, looping] : {std::pair{"True", true},
                                        {"TRUE", true},
                                        {"true", true},
                                        {"False", false},
                                        {"", false},
                                        {"1", false},
                                        {"Truer", false}}) {
        movie.SetLoop(text);
        EXPECT_EQ(movie.IsLooping(), looping) << text;
    }
}

} // namespace
} // namespace joyvane
