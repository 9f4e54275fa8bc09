#pragma once

#include <string>

#include "model/TextTree.h"

namespace qv::test {

// The tree as its companion file would hold it, with LF: one TAB per level, then the text.
std::string dump(const TextTree& tree);

}  // namespace qv::test
