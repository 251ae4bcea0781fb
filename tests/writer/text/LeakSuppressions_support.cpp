// fontconfig loses a few bytes while parsing its configuration files, once
// per process, out of reach of any caller; the leak checker of sanitizer
// builds is told to leave that library alone.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
