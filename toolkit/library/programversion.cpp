#include "programversion.h"

#include <cstdio>
#include <cstring>

namespace toolkit {

bool printedVersion(int argc, char* argv[], const char* program)
{
    if (argc != 2 || std::strcmp(argv[1], "--version") != 0)
        return false;
    std::printf("%s %s\n", program, LUNIPO_VERSION);
    return true;
}

} // namespace toolkit
