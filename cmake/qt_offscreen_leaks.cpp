// Linked into the programs that start a Qt GUI application, in address-sanitizer
// builds only. Qt's offscreen platform never frees its screen; that one known
// leak must not hide, or fail on, the leaks of our own code.

extern "C" {

// The one expected suppression needs no summary on stderr, where it would
// read as the program's own output.
const char *__lsan_default_options()
{
    return "print_suppressions=0";
}

const char *__lsan_default_suppressions()
{
    return "leak:libqoffscreen.so\n";
}
}
