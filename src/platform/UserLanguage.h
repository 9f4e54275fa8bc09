#pragma once

#include "platform/Translation.h"

namespace qv {

// The language of the user's interface: on Windows the user's UI language, elsewhere the first
// of LC_ALL, LC_MESSAGES and LANG that is set; Russian where that is Russian, Ukrainian,
// Belarusian or Kazakh, English everywhere else.
Language userLanguage();

}  // namespace qv
