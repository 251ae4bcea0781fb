#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <vector>

namespace swf {

class Reader;

namespace SoundFormat {
inline constexpr uint8_t UncompressedNativeEndian = 0;
inline constexpr uint8_t Adpcm = 1;
inline constexpr uint8_t Mp3 = 2;
} // namespace SoundFormat

// The rate, size and type fields shared by the sound records.
struct SoundSettings {
    uint8_t rate = 0; // 0 = 5.5 kHz, 1 = 11 kHz, 2 = 22 kHz, 3 = 44 kHz
    bool sixteenBit = false;
    bool stereo = false;
    bool operator==(const SoundSettings&) const = default;
    int Channels() const { return stereo ? 2 : 1; }
    // 5512, 11025, 22050 or 44100.
    int SampleRate() const;
};

// DefineSound (14): an event sound and its data, as stored.
struct DefineSound {
    uint16_t soundId = 0;
    uint8_t format = 0;
    SoundSettings settings;
    uint32_t sampleCount = 0;
    std::vector<uint8_t> data;
    bool operator==(const DefineSound&) const = default;
};

// SoundStreamHead (18): the playback settings and the format of stream
// blocks that may follow.
struct SoundStreamHead {
    SoundSettings playback;
    uint8_t streamFormat = 0;
    SoundSettings stream;
    uint16_t sampleCount = 0;
    std::optional<int16_t> latencySeek; // MP3 streams only
    bool operator==(const SoundStreamHead&) const = default;
};

struct SoundEnvelopePoint {
    uint32_t position44 = 0;
    uint16_t leftLevel = 0, rightLevel = 0;
    bool operator==(const SoundEnvelopePoint&) const = default;
};

// SOUNDINFO: how a sound is started. Each optional is present exactly when
// its flag was set.
struct SoundInfo {
    bool syncStop = false;
    bool syncNoMultiple = false;
    std::optional<uint32_t> inPoint;
    std::optional<uint32_t> outPoint;
    std::optional<uint16_t> loopCount;
    std::optional<std::vector<SoundEnvelopePoint>> envelope;
    bool operator==(const SoundInfo&) const = default;
};

// StartSound (15).
struct StartSound {
    uint16_t soundId = 0;
    SoundInfo info;
    bool operator==(const StartSound&) const = default;
};

DefineSound ReadDefineSound(Reader& body);
SoundStreamHead ReadSoundStreamHead(Reader& body);
StartSound ReadStartSound(Reader& body);

std::ostream& operator<<(std::ostream& out, const SoundSettings& settings);
std::ostream& operator<<(std::ostream& out, const DefineSound& tag);
std::ostream& operator<<(std::ostream& out, const SoundStreamHead& tag);
std::ostream& operator<<(std::ostream& out, const StartSound& tag);

} // namespace swf
