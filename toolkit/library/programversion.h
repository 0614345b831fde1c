#pragma once

namespace toolkit {

// "--version" as the program's only argument: prints "<program> <version>"
// on standard output and is true, before any window or display is asked
// for, so that an admin or a script tells what is installed anywhere.
bool printedVersion(int argc, char* argv[], const char* program);

} // namespace toolkit
