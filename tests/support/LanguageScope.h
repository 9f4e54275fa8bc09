#pragma once

#include <cstddef>
#include <string_view>

#include "platform/Translation.h"

namespace qv::test {

// The core speaks `language` while this lives, and the language before it afterwards.
class LanguageScope {
  public:
    explicit LanguageScope(Language language) : before_(currentLanguage()) {
        setLanguage(language);
    }
    ~LanguageScope() { setLanguage(before_); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

  private:
    Language before_;
};

// Whether `text` (UTF-8) holds a Cyrillic letter (U+0400 ... U+052F: lead bytes D0 ... D3, or D4
// with a following byte up to AF).
inline bool hasCyrillic(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (lead >= 0xD0 && lead <= 0xD4 && (next & 0xC0) == 0x80 &&
            (lead < 0xD4 || next <= 0xAF)) {
            return true;
        }
    }
    return false;
}

// Whether `text` still holds a placeholder %1 ... %9 that no argument filled.
inline bool hasPlaceholder(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') {
            return true;
        }
    }
    return false;
}

}  // namespace qv::test
