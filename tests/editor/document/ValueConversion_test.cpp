#include "editor/document/CardTree.h"
#include "editor/document/ConversionError.h"
#include "editor/document/TXMLMovie.h"
#include "editor/document/ValueConversion.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>

namespace joyvane {
namespace {

struct Conversion {
    const char* text;
    std::optional<std::int32_t> integer; // nullopt: refused
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const Conversion& testCase, std::ostream* out) { *out << testCase.text; }

class IntegerConversion : public testing::TestWithParam<Conversion> {};

TEST_P(IntegerConversion, ReadsDecimalAndDollarHexadecimal) {
    const Conversion& conversion = GetParam();
    if (conversion.integer)
        EXPECT_EQ(ToInteger(conversion.text, "Movie/Width"), *conversion.integer);
    else
        EXPECT_THROW(ToInteger(conversion.text, "Movie/Width"), ConversionError);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerConversion,
    testing::Values(Conversion{"390", 390}, Conversion{"-12", -12}, Conversion{"+7", 7},
                    Conversion{" 42\n", 42}, Conversion{"$FF0000", 0xFF0000},
                    Conversion{"$ff", 255}, Conversion{"$FFFFFFFF", -1},
                    Conversion{"2147483647", 2147483647},
                    Conversion{"-2147483648", -2147483647 - 1}, Conversion{"", std::nullopt},
                    Conversion{"   ", std::nullopt}, Conversion{"abc", std::nullopt},
                    Conversion{"12abc", std::nullopt}, Conversion{"1.5", std::nullopt},
                    Conversion{"+-3", std::nullopt}, Conversion{"0x10", std::nullopt},
                    Conversion{"$", std::nullopt}, Conversion{"$-1", std::nullopt},
                    Conversion{"$G0", std::nullopt}, Conversion{"2147483648", std::nullopt},
                    Conversion{"$100000000", std::nullopt},
                    Conversion{"99999999999999999999999", std::nullopt}));

TEST(ColourConversion, DollarHexadecimalAndDecimalAreTheSameColour) {
    EXPECT_EQ(ToColour("$FF0000", "FontColor"), ToColour("16711680", "FontColor"));
    EXPECT_EQ(ToColour("$0000FF", "BgColor"), 255);
    EXPECT_THROW(ToColour("-1", "BgColor"), ConversionError);
    EXPECT_THROW(ToColour("$80000000", "BgColor"), ConversionError);
}

TEST(ColourConversion, TheErrorNamesTheElementAndItsText) {
    CardTree tree = CardTree::Parse("<Movie><BgColor>white</BgColor><Obj/><Obj><ObjType><ObjText>"
                                    "<FontColor>$80000000</FontColor></ObjText></ObjType></Obj>"
                                    "</Movie>",
                                    "card.jvd");
    TXMLMovie movie(tree.Movie());
    try {
        movie.BgColorValue();
        ADD_FAILURE();
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.ElementPath(), "Movie/BgColor");
        EXPECT_STREQ(error.what(),
                     "The element Movie/BgColor holds \"white\", which is not a whole number.");
    }
    try {
        movie.Obj().Item(1).ObjType().ObjText().FontColorValue();
        ADD_FAILURE();
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.ElementPath(), "Movie/Obj[2]/ObjType/ObjText/FontColor");
    }
}

} // namespace
} // namespace joyvane
