#include "writer/movie/WriterTrace.h"

#include <cstdarg>
#include <cstdio>

namespace quillot {

namespace {
TraceHook g_traceHook = nullptr;
}

void SetTraceHook(TraceHook hook) { g_traceHook = hook; }

void TraceWriter(const char* format, ...) {
    if (g_traceHook == nullptr) {
        return;
    }
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    g_traceHook(text);
}

} // namespace quillot
