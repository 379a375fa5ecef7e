// fontconfig keeps a few small allocations for the life of the process that
// LeakSanitizer reports as leaks; they are not ours and do not grow.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
