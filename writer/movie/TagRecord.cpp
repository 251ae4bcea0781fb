#include "writer/movie/TagRecord.h"

namespace quillot {

void TagRecord::WriteTag(TagBuffer& out, int code, const TagBuffer& body) {
    out.WriteTagHeader(code, body.TotalLength());
    out.AppendBuffer(body);
}

} // namespace quillot
