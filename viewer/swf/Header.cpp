#include "viewer/swf/Header.h"

#include "viewer/swf/ReadError.h"
#include "viewer/swf/Reader.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <ostream>

namespace swf {

namespace {

constexpr size_t SignatureAndLength = 8;
constexpr size_t InflateChunk = 64 * 1024;

bool HasSignature(std::span<const uint8_t> file, std::string_view signature) {
    return file.size() >= 3 && std::equal(signature.begin(), signature.end(), file.begin());
}

uint32_t FileLengthField(std::span<const uint8_t> file) {
    Reader reader(file, 0);
    reader.Bytes(4);
    return reader.U32();
}

// Ends the zlib stream however inflating ends; safe after a failed init too.
struct InflateStream {
    z_stream zlib{};
    ~InflateStream() { inflateEnd(&zlib); }
};

// Inflates `compressed` into `out` until the stream ends or `out` holds
// `limit` bytes. The output grows with the data actually inflated, so a lying
// length field cannot make us allocate more than the stream produces.
void InflateInto(std::span<const uint8_t> compressed, size_t limit, std::vector<uint8_t>& out) {
    InflateStream stream;
    z_stream& zlib = stream.zlib;
    if (inflateInit(&zlib) != Z_OK) {
        throw ReadError("cannot initialise zlib", std::nullopt, SignatureAndLength);
    }
    auto fail = [&zlib](const std::string& message) {
        throw ReadError(message, std::nullopt, SignatureAndLength + zlib.total_in);
    };
    zlib.next_in = const_cast<Bytef*>(compressed.data());
    zlib.avail_in = static_cast<uInt>(std::min<size_t>(compressed.size(), UINT_MAX));
    size_t produced = out.size();
    while (produced < limit) {
        size_t chunk = std::min(InflateChunk, limit - produced);
        out.resize(produced + chunk);
        zlib.next_out = out.data() + produced;
        zlib.avail_out = static_cast<uInt>(chunk);
        int status = inflate(&zlib, Z_NO_FLUSH);
        produced += chunk - zlib.avail_out;
        if (status == Z_STREAM_END) {
            break;
        }
        if (status == Z_BUF_ERROR ||
            (status == Z_OK && zlib.avail_in == 0 && zlib.avail_out != 0)) {
            fail("compressed movie is truncated");
        }
        if (status != Z_OK) {
            fail(std::string("compressed movie is damaged: ") +
                 (zlib.msg ? zlib.msg : "zlib error " + std::to_string(status)));
        }
    }
    out.resize(produced);
}

} // namespace

std::vector<uint8_t> UncompressedMovie(std::span<const uint8_t> file) {
    if (HasSignature(file, "FWS")) {
        return {file.begin(), file.end()};
    }
    if (!HasSignature(file, "CWS")) {
        throw ReadError("not a SWF movie (signature is not FWS or CWS)", std::nullopt, 0);
    }
    uint32_t fileLength = FileLengthField(file);
    if (fileLength > MaxInflatedLength) {
        throw ReadError("compressed movie claims " + std::to_string(fileLength) +
                            " bytes, more than the limit of " + std::to_string(MaxInflatedLength),
                        std::nullopt, 4);
    }
    std::vector<uint8_t> movie(file.begin(), file.begin() + SignatureAndLength);
    if (fileLength > SignatureAndLength) {
        InflateInto(file.subspan(SignatureAndLength), fileLength, movie);
    }
    if (movie.size() < fileLength) {
        throw ReadError("compressed movie inflates to " + std::to_string(movie.size()) +
                            " bytes, its header says " + std::to_string(fileLength),
                        std::nullopt, file.size());
    }
    return movie;
}

Header ReadHeader(std::span<const uint8_t> movie) {
    if (!HasSignature(movie, "FWS") && !HasSignature(movie, "CWS")) {
        throw ReadError("not a SWF movie (signature is not FWS or CWS)", std::nullopt, 0);
    }
    Reader reader(movie, 0);
    Header header;
    auto signature = reader.Bytes(3);
    header.signature.assign(signature.begin(), signature.end());
    header.version = reader.U8();
    header.fileLength = reader.U32();
    header.frameRect = ReadRect(reader);
    header.frameRate = reader.Fixed8();
    header.frameCount = reader.U16();
    header.headerLength = reader.Position();
    return header;
}

std::ostream& operator<<(std::ostream& out, const Header& header) {
    out << header.signature << " version " << int{header.version} << ", " << header.fileLength
        << " bytes, stage " << header.frameRect << " twips, frame rate " << (header.frameRate >> 8);
    if (header.frameRate & 0xFF) {
        out << " + " << (header.frameRate & 0xFF) << "/256";
    }
    return out << ", " << header.frameCount << " frame(s), header " << header.headerLength
               << " bytes";
}

} // namespace swf
