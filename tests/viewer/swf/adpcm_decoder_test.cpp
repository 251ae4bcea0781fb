// The ADPCM decoder for the code sizes our own writer does not produce,
// against streams worked out by hand; code size 5 is checked against the
// writer's encoder in the writer tests.
#include "viewer/swf/AdpcmDecoder.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <utility>
#include <vector>

namespace {

// Packs (value, bit count) fields most significant bit first.
std::vector<uint8_t> PackBits(const std::vector<std::pair<uint32_t, unsigned>>& fields) {
    std::vector<uint8_t> bytes;
    unsigned used = 8;
    for (auto [value, count] : fields) {
        while (count-- > 0) {
            if (used == 8) {
                bytes.push_back(0);
                used = 0;
            }
            bytes.back() |= static_cast<uint8_t>(((value >> count) & 1) << (7 - used++));
        }
    }
    return bytes;
}

struct HandDecoded {
    const char* name;
    int channels;
    std::vector<std::pair<uint32_t, unsigned>> stream;
    std::vector<int16_t> samples;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const HandDecoded& testCase, std::ostream* out) { *out << testCase.name; }

class AdpcmCodeSizes : public testing::TestWithParam<HandDecoded> {};

TEST_P(AdpcmCodeSizes, DecodeAsWorkedOutByHand) {
    const HandDecoded& expected = GetParam();
    const auto frames = static_cast<uint32_t>(expected.samples.size() / expected.channels);
    EXPECT_EQ(swf::DecodeAdpcm(PackBits(expected.stream), expected.channels, frames), expected.samples);
}

INSTANTIATE_TEST_SUITE_P(
    Adpcm, AdpcmCodeSizes,
    testing::Values(
        // Steps 7, 9, 11: +3+7, -(4+9), +5.
        HandDecoded{"TwoBits", 1, {{0, 2}, {1000, 16}, {0, 6}, {0b01, 2}, {0b11, 2}, {0b00, 2}}, {1000, 1010, 997, 1002}},
        // Steps 19, 28, 34: +(4+9+19), -(7+28), +8.
        HandDecoded{"ThreeBits", 1, {{1, 2}, {static_cast<uint16_t>(-50), 16}, {10, 6}, {0b011, 3}, {0b110, 3}, {0b000, 3}},
                    {-50, -18, -53, -45}},
        // Stereo; the right channel starts at the largest step a header can name.
        HandDecoded{"FourBitsStereo", 2,
                    {{2, 2}, {0, 16}, {0, 6}, {100, 16}, {63, 6}, {0b0111, 4}, {0b1000, 4}, {0b0000, 4}, {0b0111, 4}},
                    {0, 100, 11, 100 - 3024 / 8, 13, 100 - 378 + 2749 / 8 + 2749 / 4 + 2749 / 2 + 2749}}),
    [](const auto& info) { return std::string(info.param.name); });

// The sample count cannot make the output larger than the data holds, and
// a count below the data's stops early.
TEST(Adpcm, OutputIsBoundedByDataAndCount) {
    const auto bytes = PackBits({{0, 2}, {1000, 16}, {0, 6}, {0b01, 2}, {0b11, 2}, {0b00, 2}});
    EXPECT_EQ(swf::DecodeAdpcm(bytes, 1, 0xFFFFFFFF).size(), 5u) << "four samples and the padding's code";
    EXPECT_EQ(swf::DecodeAdpcm(bytes, 1, 2), (std::vector<int16_t>{1000, 1010}));
    EXPECT_TRUE(swf::DecodeAdpcm({}, 1, 100).empty());
    EXPECT_TRUE(swf::DecodeAdpcm(bytes, 3, 100).empty());
}

} // namespace
