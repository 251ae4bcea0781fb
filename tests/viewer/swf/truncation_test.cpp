// Untrusted input: every prefix of a small valid movie, and every single-byte
// corruption of it, gives a ReadError or a clean result. Each input is copied
// into a buffer of exactly its size, so that the sanitizer build catches any
// read beyond it.
#include "SwfFixtures.h"

#include "viewer/swf/Movie.h"
#include "viewer/swf/ReadError.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace swftest {
namespace {

enum class Outcome { Decoded, ReadError };

Outcome ReadExactCopy(const uint8_t* data, size_t size) {
    auto copy = std::make_unique<uint8_t[]>(size);
    std::copy(data, data + size, copy.get());
    try {
        swf::Movie movie = swf::ReadMovie({copy.get(), size});
        std::ostringstream text; // printing must cope with whatever decoded
        for (const swf::Tag& tag : movie.tags) {
            text << tag << "\n";
        }
        return Outcome::Decoded;
    } catch (const swf::ReadError&) {
        return Outcome::ReadError;
    }
}

TEST(Truncation, EveryPrefixOfAValidMovieIsAReadError) {
    Bytes movie = SmallMovie();
    for (size_t size = 0; size < movie.size(); ++size) {
        EXPECT_EQ(ReadExactCopy(movie.data(), size), Outcome::ReadError) << "prefix " << size;
    }
    EXPECT_EQ(ReadExactCopy(movie.data(), movie.size()), Outcome::Decoded);
}

TEST(Truncation, EveryPrefixWithAMatchingLengthFieldIsHandled) {
    // With the length field patched to the prefix, the tag stream itself is
    // cut at every byte.
    Bytes movie = SmallMovie();
    for (size_t size = 22; size < movie.size(); ++size) {
        Bytes prefix(movie.begin(), movie.begin() + size);
        for (int index = 0; index < 4; ++index) {
            prefix[4 + index] = static_cast<uint8_t>(size >> (8 * index));
        }
        EXPECT_EQ(ReadExactCopy(prefix.data(), prefix.size()), Outcome::ReadError)
            << "prefix " << size;
    }
}

TEST(Truncation, EverySingleByteCorruptionIsHandled) {
    Bytes movie = SmallMovie();
    for (size_t index = 0; index < movie.size(); ++index) {
        for (uint8_t value : {uint8_t{0x00}, uint8_t{0xFF}, uint8_t(movie[index] ^ 0x80),
                              uint8_t(movie[index] + 1)}) {
            Bytes damaged = movie;
            damaged[index] = value;
            ReadExactCopy(damaged.data(), damaged.size()); // must not crash
        }
    }
}

} // namespace
} // namespace swftest
