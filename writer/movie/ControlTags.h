#pragma once

#include <cstdint>
#include <vector>

#include "writer/movie/Records.h"
#include "writer/movie/TagRecord.h"

// The tags that define nothing: frame ends, the file end, the background
// colour and frame actions.
namespace quillot {

class ShowFrameTag : public TagRecord {
public:
    void Write(TagBuffer& out) const override;
    bool IsShowFrame() const override { return true; }
};

class EndTag : public TagRecord {
public:
    void Write(TagBuffer& out) const override;
};

class SetBackgroundColorTag : public TagRecord {
public:
    explicit SetBackgroundColorTag(PackedRgba color) : m_color(color) {}
    void Write(TagBuffer& out) const override;

private:
    PackedRgba m_color;
};

// Frame actions: each record is the complete encoded action.
class DoActionTag : public TagRecord {
public:
    void AddRecord(std::vector<std::uint8_t> record) { m_records.push_back(std::move(record)); }
    void Write(TagBuffer& out) const override;

private:
    std::vector<std::vector<std::uint8_t>> m_records;
};

} // namespace quillot
