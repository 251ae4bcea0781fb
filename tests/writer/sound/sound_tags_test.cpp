#include <gtest/gtest.h>

#include "viewer/swf/Sound.h"
#include "writer/WriterTest_support.h"
#include "writer/objects/swfObject.h"
#include "writer/sound/SoundStreamHeadTag.h"
#include "writer/sound/WavBuilder.h"

namespace quillot {
namespace {

TEST(SoundTags, SixteenBitMonoAt22kHz) {
    test::ScratchFolder folder;
    test::WavBuilder wav;
    wav.Samples16(std::vector<std::int16_t>(1000, 0));
    swfObject sound;
    ASSERT_EQ(sound.MakeSound(wav.WriteTo(folder / "a.wav")), S_OK);
    std::int16_t kind = 0;
    sound.get_ObjectType(kind);
    EXPECT_EQ(kind, 2100);

    swfMovie movie;
    movie.AddObject(&sound);
    const auto sounds = test::WrittenRecords<swf::DefineSound>(movie);
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].format, swf::SoundFormat::Adpcm);
    EXPECT_EQ(sounds[0].settings, (swf::SoundSettings{2, true, false}));
    EXPECT_EQ(sounds[0].sampleCount, 1000u);

    TagBuffer head;
    SoundStreamHeadTag(WavFormat{2, true, false}, 70000).Write(head);
    // Header word, playback byte 0x0A, ADPCM 5.5 kHz 16-bit mono, count's low 16 bits.
    EXPECT_EQ(head.Bytes(), (std::vector<std::uint8_t>{0x84, 0x04, 0x0A, 0x12, 0x70, 0x11}));
}

TEST(SoundTags, ThreeAdditionsDefineOnceAndStartThrice) {
    test::ScratchFolder folder;
    test::WavBuilder wav;
    wav.channels = 2;
    wav.sampleRate = 44100;
    wav.Samples8(std::vector<std::uint8_t>(64, 128));
    swfObject sound;
    sound.MakeSound(wav.WriteTo(folder / "b.wav"));
    swfMovie movie;
    for (int frame : {0, 3, 7}) {
        movie.GotoFrame(frame);
        movie.AddObject(&sound);
    }
    movie.GotoFrame(9);
    movie.RemoveObject(&sound);
    const swf::Movie decoded = test::WriteAndDecode(movie);
    const auto frames = swf::TagsByFrame(decoded);
    ASSERT_GE(frames.size(), 8u);
    ASSERT_EQ(frames[0].size(), 3u);
    const auto* head = swf::As<swf::SoundStreamHead>(*frames[0][0]);
    const auto* definition = swf::As<swf::DefineSound>(*frames[0][1]);
    ASSERT_TRUE(head && definition);
    EXPECT_EQ(head->playback, (swf::SoundSettings{3, false, true}));
    EXPECT_EQ(head->streamFormat, swf::SoundFormat::Adpcm);
    EXPECT_EQ(head->stream, (swf::SoundSettings{0, true, true}));
    EXPECT_EQ(definition->sampleCount, 32u);

    const auto starts = swf::RecordsOf<swf::StartSound>(decoded);
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_EQ(frames[3].size(), 1u);
    EXPECT_EQ(frames[7].size(), 1u);
    for (const swf::StartSound* start : starts) {
        EXPECT_EQ(start->soundId, definition->soundId);
        EXPECT_EQ(start->info, (swf::SoundInfo{false, true, {}, {}, {}, {}}));
    }
    EXPECT_EQ(swf::RecordsOf<swf::SoundStreamHead>(decoded).size(), 1u);
    EXPECT_EQ(swf::RecordsOf<swf::DefineSound>(decoded).size(), 1u);
    EXPECT_TRUE(swf::RecordsOf<swf::RemoveObject>(decoded).empty()) << "a sound is never placed";
}

// A file that cannot be opened makes nothing and says so; one that opens
// but is no supported wave file still makes a sound, without samples.
TEST(SoundTags, UnreadableFiles) {
    test::ScratchFolder folder;
    swfObject missing;
    missing.MakeRectangle(0, 0, 1, 1);
    EXPECT_EQ(missing.MakeSound((folder / "missing.wav").string()), E_INVALIDARG);
    std::int16_t kind = -1;
    missing.get_ObjectType(kind);
    EXPECT_EQ(kind, 0);

    test::WavBuilder wav;
    wav.sampleRate = 48000;
    swfObject unsupported;
    EXPECT_EQ(unsupported.MakeSound(wav.WriteTo(folder / "c.wav")), S_FALSE);
    unsupported.get_ObjectType(kind);
    EXPECT_EQ(kind, 2100);
    swfMovie movie;
    movie.AddObject(&unsupported);
    const auto sounds = test::WrittenRecords<swf::DefineSound>(movie);
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].format, swf::SoundFormat::UncompressedNativeEndian);
    EXPECT_EQ(sounds[0].sampleCount, 0u);
    EXPECT_TRUE(sounds[0].data.empty());
}

} // namespace
} // namespace quillot
