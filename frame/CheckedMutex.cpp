#include "frame/CheckedMutex.h"

#include <cstdio>
#include <cstdlib>

void CheckedMutex::Fail(const char* name, const char* what)
{
    std::fprintf(stderr, "%s: %s\n", name, what);
    std::fflush(stderr);
    std::abort();
}
