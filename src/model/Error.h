#pragma once

#include <stdexcept>
#include <string>

namespace qv {

// The one failure type of the program: it carries the message the user is shown. Every entry
// point (the editor's general error handler, the command-line tool's main) catches it in one
// place.
class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
    std::string message() const { return what(); }
};

}  // namespace qv
