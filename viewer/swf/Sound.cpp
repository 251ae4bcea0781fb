#include "viewer/swf/Sound.h"

#include "viewer/swf/Reader.h"

#include <ostream>

namespace swf {

namespace {

SoundSettings ReadSettings(Reader& reader) {
    SoundSettings settings;
    settings.rate = static_cast<uint8_t>(reader.Bits(2));
    settings.sixteenBit = reader.Flag();
    settings.stereo = reader.Flag();
    return settings;
}

const char* FormatName(uint8_t format) {
    switch (format) {
    case SoundFormat::UncompressedNativeEndian:
        return "uncompressed";
    case SoundFormat::Adpcm:
        return "ADPCM";
    case SoundFormat::Mp3:
        return "MP3";
    default:
        return "format";
    }
}

void PrintFormat(std::ostream& out, uint8_t format) {
    out << FormatName(format);
    if (format > SoundFormat::Mp3) {
        out << " " << int{format};
    }
}

} // namespace

int SoundSettings::SampleRate() const {
    constexpr int Rates[] = {5512, 11025, 22050, 44100};
    return Rates[rate & 3];
}

DefineSound ReadDefineSound(Reader& body) {
    DefineSound tag;
    tag.soundId = body.U16();
    tag.format = static_cast<uint8_t>(body.Bits(4));
    tag.settings = ReadSettings(body);
    tag.sampleCount = body.U32();
    auto data = body.Bytes(body.Remaining());
    tag.data.assign(data.begin(), data.end());
    return tag;
}

SoundStreamHead ReadSoundStreamHead(Reader& body) {
    SoundStreamHead tag;
    body.Bits(4); // reserved
    tag.playback = ReadSettings(body);
    tag.streamFormat = static_cast<uint8_t>(body.Bits(4));
    tag.stream = ReadSettings(body);
    tag.sampleCount = body.U16();
    if (tag.streamFormat == SoundFormat::Mp3) {
        tag.latencySeek = body.S16();
    }
    return tag;
}

StartSound ReadStartSound(Reader& body) {
    StartSound tag;
    tag.soundId = body.U16();
    SoundInfo& info = tag.info;
    body.Bits(2); // reserved
    info.syncStop = body.Flag();
    info.syncNoMultiple = body.Flag();
    const bool hasEnvelope = body.Flag();
    const bool hasLoops = body.Flag();
    const bool hasOutPoint = body.Flag();
    const bool hasInPoint = body.Flag();
    if (hasInPoint) {
        info.inPoint = body.U32();
    }
    if (hasOutPoint) {
        info.outPoint = body.U32();
    }
    if (hasLoops) {
        info.loopCount = body.U16();
    }
    if (hasEnvelope) {
        info.envelope.emplace();
        for (uint8_t points = body.U8(); points > 0; --points) {
            SoundEnvelopePoint point;
            point.position44 = body.U32();
            point.leftLevel = body.U16();
            point.rightLevel = body.U16();
            info.envelope->push_back(point);
        }
    }
    return tag;
}

std::ostream& operator<<(std::ostream& out, const SoundSettings& settings) {
    return out << settings.SampleRate() << " Hz " << (settings.sixteenBit ? 16 : 8) << "-bit "
               << (settings.stereo ? "stereo" : "mono");
}

std::ostream& operator<<(std::ostream& out, const DefineSound& tag) {
    out << "DefineSound id " << tag.soundId << " ";
    PrintFormat(out, tag.format);
    return out << " " << tag.settings << ", " << tag.sampleCount << " sample(s), "
               << tag.data.size() << " byte(s) of data";
}

std::ostream& operator<<(std::ostream& out, const SoundStreamHead& tag) {
    out << "SoundStreamHead playback " << tag.playback << ", stream ";
    PrintFormat(out, tag.streamFormat);
    out << " " << tag.stream << ", " << tag.sampleCount << " sample(s) per block";
    if (tag.latencySeek) {
        out << ", latency seek " << *tag.latencySeek;
    }
    return out;
}

std::ostream& operator<<(std::ostream& out, const StartSound& tag) {
    const SoundInfo& info = tag.info;
    out << "StartSound id " << tag.soundId;
    if (info.syncStop) {
        out << " stop";
    }
    if (info.syncNoMultiple) {
        out << " no-multiple";
    }
    if (info.inPoint) {
        out << " in " << *info.inPoint;
    }
    if (info.outPoint) {
        out << " out " << *info.outPoint;
    }
    if (info.loopCount) {
        out << " loops " << *info.loopCount;
    }
    if (info.envelope) {
        out << " envelope of " << info.envelope->size() << " point(s)";
    }
    return out;
}

} // namespace swf
