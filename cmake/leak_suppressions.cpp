// Leaks that LeakSanitizer is not to report, built into every executable of a sanitized build.
// Fontconfig keeps its configuration and font lists in caches that live until the process ends
// and are never freed; pango and cairo reach it on every document.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

// Keeps the list of suppressed leaks off stderr, which tests of the command line read.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
