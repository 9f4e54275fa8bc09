#pragma once

#include <string_view>

#include "platform/Translation.h"

namespace qv::test {

// The program speaks `language` for as long as this lives, then the language it spoke before.
class InLanguage {
  public:
    explicit InLanguage(Language language) : before_(currentLanguage()) { setLanguage(language); }
    ~InLanguage() { setLanguage(before_); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

  private:
    Language before_;
};

// Whether UTF-8 `text` holds a Cyrillic letter (U+0400 to U+04FF).
inline bool hasCyrillic(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xD0 && byte <= 0xD3) {
            return true;
        }
    }
    return false;
}

}  // namespace qv::test
