// Sanitizer settings compiled into every test program, so that a test fails
// the same way whether CTest, a debugger or a developer's shell starts it.

extern "C" {

const char* __asan_default_options()
{
    return "detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:strict_init_order=1";
}

const char* __ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1";
}

// Leaks that belong to the system's libraries, not to the project, and that
// stay allocated until the process exits.
const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n";
}
}
