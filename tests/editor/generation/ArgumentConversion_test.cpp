#include "editor/generation/ArgumentConversion.h"
#include "editor/generation/ArgumentError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace joyvane {
namespace {

TEST(ArgumentConversion, RoundsRealsToTheNearestIntegerWithHalvesToEven) {
    const struct {
        double real;
        std::int32_t integer;
    } cases[] = {
        {2.5, 2},        {3.5, 4},        {-2.5, -2},        {-3.5, -4},       {0.5, 0},
        {1.5, 2},        {2114.06, 2114}, {63421.9, 63422},  {244.8, 245},     {-0.4, 0},
        {2147483647.0, 2147483647},       {-2147483648.0, std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WriterInteger(c.real), c.integer) << c.real;
}

TEST(ArgumentConversion, RefusesRealsBeyondThe32BitRange) {
    for (double real : {2147483647.5 + 1, -2147483649.0, 1e300, std::nan(""),
                        std::numeric_limits<double>::infinity()})
        EXPECT_THROW(WriterInteger(real), ArgumentError) << real;
}

TEST(ArgumentConversion, PassesBytesFrom0To255AndRefusesTheRest) {
    EXPECT_EQ(WriterByte(0), 0);
    EXPECT_EQ(WriterByte(255), 255);
    EXPECT_THROW(WriterByte(256), ArgumentError);
    EXPECT_THROW(WriterByte(258), ArgumentError);
    EXPECT_THROW(WriterByte(-1), ArgumentError);
}

} // namespace
} // namespace joyvane
