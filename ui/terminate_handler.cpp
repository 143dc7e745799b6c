#include <cstdlib>

// The library's default terminate handler prints the demangled name of an escaping
// exception, which links 46 KB of demangler into the exe. Korvalo throws nothing of its own;
// a std::bad_alloc that reaches a window procedure ends here, and with no console to print
// to, ending at once is all it needs.
namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
