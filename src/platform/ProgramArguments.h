#pragma once

#include <string>
#include <vector>

namespace qv {

// The arguments a program was started with, after its own name, in UTF-8. On Windows they are
// read from the UTF-16 command line, so that a path in any script reaches the program whatever
// the system's code page; elsewhere they are `argv` as given.
std::vector<std::string> programArguments(int argc, char** argv);

}  // namespace qv
