// Compiled as part of one layer, with that layer's include roots: the header named is one of the
// layer above, so this file must not compile.
#include QV_HEADER_ABOVE
