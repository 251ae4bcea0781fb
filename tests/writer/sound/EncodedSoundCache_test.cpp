#include <gtest/gtest.h>

#include "writer/WriterTest_support.h"
#include "writer/sound/EncodedSoundCache.h"
#include "writer/sound/WavBuilder.h"

namespace quillot {
namespace {

TEST(EncodedSoundCache, EncodesAFileAgainOnlyWhenItChanged) {
    test::ScratchFolder folder;
    const auto path = folder / "tune.wav";
    test::WavBuilder().Samples16({0, 300, -300, 600}).WriteTo(path);

    const auto first = EncodedSoundCache::Encode(path);
    ASSERT_TRUE(first);
    EXPECT_EQ(EncodedSoundCache::Encode(path), first);

    test::WavBuilder().Samples16({0, 300, -300, 600, 900, 1200}).WriteTo(path);
    const auto changed = EncodedSoundCache::Encode(path);
    ASSERT_TRUE(changed);
    EXPECT_NE(changed, first);
    EXPECT_EQ(changed->sampleCount, 6u);

    EXPECT_FALSE(EncodedSoundCache::Encode(folder / "missing.wav"));
}

} // namespace
} // namespace quillot
