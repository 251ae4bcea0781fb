#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

#include "viewer/swf/AdpcmDecoder.h"
#include "viewer/swf/Reader.h"
#include "viewer/swf/Sound.h"
#include "writer/WriterTest_support.h"
#include "writer/objects/swfObject.h"
#include "writer/sound/AdpcmEncoder.h"
#include "writer/sound/WavBuilder.h"

namespace quillot {
namespace {

std::vector<std::uint8_t> Encode(const std::vector<std::int16_t>& samples, int channels,
                                 std::vector<std::int16_t>* decoded = nullptr) {
    AdpcmEncoder encoder(channels, decoded);
    encoder.Encode(samples);
    return encoder.Finish().Bytes();
}

TEST(Adpcm, BlockHeaderTakesTheIndexTheNextSampleNeeds) {
    const auto bytes = Encode({0, 5000, 5000}, 1);
    swf::Reader bits(bytes, 0);
    EXPECT_EQ(bits.Bits(2), 3u) << "code size 5";
    EXPECT_EQ(bits.Bits(16), 0u);
    EXPECT_EQ(bits.Bits(6), 63u) << "3024, the largest step six bits can name";
}

TEST(Adpcm, EveryBlockOf4096FramesStartsWithWholeSamples) {
    std::vector<std::int16_t> samples(2 * 4097);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>((i * 37) % 2000 - 1000);
    }
    samples[2 * 4096] = 12345;
    samples[2 * 4096 + 1] = -321;
    const auto bytes = Encode(samples, 2);
    swf::Reader bits(bytes, 0);
    for (int skipped = 0; skipped < 2 + 2 * 22 + 2 * 4095 * 5; ++skipped) {
        bits.Bits(1); // code size and the first block
    }
    EXPECT_EQ(static_cast<std::int16_t>(bits.Bits(16)), 12345);
    EXPECT_EQ(bits.Bits(6), 0u) << "a block of one frame has no next sample";
    EXPECT_EQ(static_cast<std::int16_t>(bits.Bits(16)), -321);
    EXPECT_EQ(bytes.size(), (2 + 2 * 22 + 2 * 4095 * 5 + 2 * 22 + 7) / 8u);
}

// A deterministic stand-in for speech: a few harmonics of a gliding pitch,
// shaped by syllable-rate bursts, with a little breath noise.
std::vector<std::int16_t> SpeechLike(std::size_t frames, int channels, int rate) {
    std::mt19937 noise(7);
    std::normal_distribution<double> breath(0.0, 300.0);
    std::vector<std::int16_t> samples;
    double phase = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double pitch = 140 + 40 * std::sin(2 * std::numbers::pi * 1.3 * t);
        phase += 2 * std::numbers::pi * pitch / rate;
        const double envelope = std::pow(std::max(0.0, std::sin(2 * std::numbers::pi * 4 * t)), 2);
        double voice = 0;
        for (int harmonic = 1; harmonic <= 6; ++harmonic) {
            voice += std::sin(harmonic * phase) / harmonic;
        }
        const double value = 9000 * envelope * voice + breath(noise);
        for (int c = 0; c < channels; ++c) {
            samples.push_back(static_cast<std::int16_t>(std::clamp(value * (1 - 0.3 * c), -32768.0, 32767.0)));
        }
    }
    return samples;
}

std::vector<std::int16_t> Tone(std::size_t frames, int channels, int rate) {
    std::vector<std::int16_t> samples;
    for (std::size_t i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            const double frequency = c == 0 ? 440.0 : 660.0;
            samples.push_back(static_cast<std::int16_t>(16000 * std::sin(2 * std::numbers::pi * frequency * i / rate)));
        }
    }
    return samples;
}

double SignalToNoiseDb(const std::vector<std::int16_t>& input, const std::vector<std::int16_t>& output) {
    double signal = 0, noise = 0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        signal += static_cast<double>(input[i]) * input[i];
        const double error = static_cast<double>(input[i]) - output[i];
        noise += error * error;
    }
    return 10 * std::log10(signal / std::max(noise, 1.0));
}

struct RoundTrip {
    const char* name;
    bool speech;
    int bits;
    int channels;
    int rate;
    double leastSnrDb;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const RoundTrip& testCase, std::ostream* out) { *out << testCase.name; }

class RoundTrips : public testing::TestWithParam<RoundTrip> {};

// From wave file through the movie to the reading library's decoder.
TEST_P(RoundTrips, DecodeCloseToTheInput) {
    const RoundTrip& trip = GetParam();
    const std::size_t frames = static_cast<std::size_t>(trip.rate) * 3 / 2;
    std::vector<std::int16_t> input = trip.speech ? SpeechLike(frames, trip.channels, trip.rate)
                                                  : Tone(frames, trip.channels, trip.rate);
    test::WavBuilder wav;
    wav.channels = static_cast<std::uint16_t>(trip.channels);
    wav.sampleRate = static_cast<std::uint32_t>(trip.rate);
    if (trip.bits == 8) {
        std::vector<std::uint8_t> narrow;
        for (std::int16_t& sample : input) {
            narrow.push_back(static_cast<std::uint8_t>((sample >> 8) + 128));
            sample = static_cast<std::int16_t>((sample >> 8) * 256); // what the encoder sees
        }
        wav.Samples8(narrow);
    } else {
        wav.Samples16(input);
    }
    test::ScratchFolder folder;
    swfObject sound;
    ASSERT_EQ(sound.MakeSound(wav.WriteTo(folder / "trip.wav")), S_OK);
    swfMovie movie;
    movie.AddObject(&sound);
    const auto sounds = test::WrittenRecords<swf::DefineSound>(movie);
    ASSERT_EQ(sounds.size(), 1u);
    const swf::DefineSound& written = sounds[0];
    EXPECT_EQ(written.sampleCount, frames);
    const auto output = swf::DecodeAdpcm(written.data, written.settings.Channels(), written.sampleCount);
    ASSERT_EQ(output.size(), input.size());

    const double snr = SignalToNoiseDb(input, output);
    RecordProperty("snr_db", std::to_string(snr));
    std::printf("  %s: SNR %.1f dB\n", trip.name, snr);
    EXPECT_GE(snr, trip.leastSnrDb);

    // The decoder must follow the encoder's own prediction exactly.
    std::vector<std::int16_t> predicted;
    const auto bytes = Encode(input, trip.channels, &predicted);
    EXPECT_EQ(bytes, written.data);
    EXPECT_EQ(predicted, output);
}

// The least signal-to-noise ratios lie a little below those measured.
INSTANTIATE_TEST_SUITE_P(
    Adpcm, RoundTrips,
    testing::Values(RoundTrip{"Speech16Mono5k", true, 16, 1, 5512, 27},
                    RoundTrip{"Speech16Mono11k", true, 16, 1, 11025, 32},
                    RoundTrip{"Speech16Stereo22k", true, 16, 2, 22050, 34},
                    RoundTrip{"Speech8Mono22k", true, 8, 1, 22050, 34},
                    RoundTrip{"Speech8Stereo44k", true, 8, 2, 44100, 34},
                    RoundTrip{"Speech16Mono44k", true, 16, 1, 44100, 35},
                    RoundTrip{"Tone16Mono5k", false, 16, 1, 5512, 30},
                    RoundTrip{"Tone16Stereo11k", false, 16, 2, 11025, 34},
                    RoundTrip{"Tone8Mono22k", false, 8, 1, 22050, 42},
                    RoundTrip{"Tone16Stereo44k", false, 16, 2, 44100, 47}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillot
