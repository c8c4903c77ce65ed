// setup.exe is built without exceptions: nothing in it catches one, so a throw from the C++
// library (a string grown past its limit, a failed allocation) ends the program either way.
// These stand in for the library's throw helpers and end it at once. The library's own would
// bring in its exception classes, which hold a second kind of string: a fifth of setup.exe.
// A helper missing here makes the link fail with a duplicate, never a silent second copy.
#include <cstdlib>

namespace std {

[[noreturn]] void __throw_bad_cast() {
    abort();
}
[[noreturn]] void __throw_bad_alloc() {
    abort();
}
[[noreturn]] void __throw_bad_typeid() {
    abort();
}
[[noreturn]] void __throw_bad_exception() {
    abort();
}
[[noreturn]] void __throw_bad_array_new_length() {
    abort();
}
[[noreturn]] void __throw_logic_error(const char*) {
    abort();
}
[[noreturn]] void __throw_range_error(const char*) {
    abort();
}
[[noreturn]] void __throw_domain_error(const char*) {
    abort();
}
[[noreturn]] void __throw_length_error(const char*) {
    abort();
}
[[noreturn]] void __throw_out_of_range(const char*) {
    abort();
}
[[noreturn]] void __throw_runtime_error(const char*) {
    abort();
}
[[noreturn]] void __throw_overflow_error(const char*) {
    abort();
}
[[noreturn]] void __throw_underflow_error(const char*) {
    abort();
}
[[noreturn]] void __throw_invalid_argument(const char*) {
    abort();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) {
    abort();
}

} // namespace std
