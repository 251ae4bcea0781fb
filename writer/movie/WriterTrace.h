#pragma once

// Diagnostic trace texts of the writer. They go to a hook that discards them
// unless a test or a debugging session installs one.
namespace quillot {

using TraceHook = void (*)(const char* text);

void SetTraceHook(TraceHook hook);
void TraceWriter(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace quillot
