// libFuzzer target: any byte string given to the SWF reader either decodes or
// gives a ReadError, and a decoded movie can be printed.
#include "viewer/swf/Movie.h"
#include "viewer/swf/ReadError.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        swf::Movie movie = swf::ReadMovie({data, size});
        std::ostringstream text;
        text << movie.header;
        for (const auto& frame : swf::TagsByFrame(movie)) {
            for (const swf::Tag* tag : frame) {
                text << *tag << "\n";
            }
        }
    } catch (const swf::ReadError&) {
    }
    return 0;
}
