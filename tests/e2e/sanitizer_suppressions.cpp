// The window tests run the program's start-up, whose text measuring starts the font library, which works
// with threads of its own inside libraries built without ThreadSanitizer: what it reports there is about
// their internals, not about our code.
extern "C" const char* __tsan_default_suppressions();
extern "C" const char* __tsan_default_suppressions() {
    return "called_from_lib:libfontconfig.so\n"
           "called_from_lib:libglib-2.0.so\n"
           "race:libfontconfig.so\n"
           "race:libglib-2.0.so\n";
}
