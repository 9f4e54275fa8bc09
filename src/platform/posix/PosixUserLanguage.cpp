#include <cstdlib>

#include "platform/UserLanguage.h"

namespace qv {

Language userLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return languageOfLocale(value);
        }
    }
    return Language::English;
}

}  // namespace qv
