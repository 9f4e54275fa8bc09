#include <windows.h>

#include "platform/UserLanguage.h"

namespace qv {

Language userLanguage() {
    switch (PRIMARYLANGID(GetUserDefaultUILanguage())) {
        case LANG_RUSSIAN:
        case LANG_UKRAINIAN:
        case LANG_BELARUSIAN:
        case LANG_KAZAK:
            return Language::Russian;
        default:
            return Language::English;
    }
}

}  // namespace qv
