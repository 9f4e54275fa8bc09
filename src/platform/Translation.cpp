#include "platform/Translation.h"

#include <atomic>
#include <string>
#include <unordered_map>

#include "platform/AsciiCase.h"
#include "platform/TranslationCatalogue.h"

namespace qv {
namespace {

std::atomic<Language> activeLanguage{Language::Russian};

std::string messageKey(std::string_view context, std::string_view source,
                       std::string_view disambiguation) {
    std::string key;
    key.reserve(context.size() + source.size() + disambiguation.size() + 2);
    key.append(context).append(1, '\x04').append(source).append(1, '\x04').append(disambiguation);
    return key;
}

const std::unordered_map<std::string, std::string_view>& englishMessages() {
    static const auto messages = [] {
        std::unordered_map<std::string, std::string_view> byKey;
        byKey.reserve(englishCatalogueSize);
        for (std::size_t i = 0; i < englishCatalogueSize; ++i) {
            const CatalogueMessage& message = englishCatalogue[i];
            byKey.emplace(messageKey(message.context, message.source, message.disambiguation),
                          message.english);
        }
        return byKey;
    }();
    return messages;
}

}  // namespace

void setLanguage(Language language) {
    activeLanguage.store(language);
}

Language currentLanguage() {
    return activeLanguage.load();
}

Language languageOfLocale(std::string_view localeName) {
    const std::string_view language = localeName.substr(0, localeName.find_first_of("_-.@"));
    for (const std::string_view russianSpeaking : {"ru", "uk", "be", "kk"}) {
        if (equalIgnoringAsciiCase(language, russianSpeaking)) {
            return Language::Russian;
        }
    }
    return Language::English;
}

std::string translate(const char* context, const char* source, const char* disambiguation) {
    if (currentLanguage() == Language::Russian) {
        return source;
    }
    const auto& messages = englishMessages();
    const auto found =
        messages.find(messageKey(context, source, disambiguation ? disambiguation : ""));
    return found == messages.end() ? std::string(source) : std::string(found->second);
}

std::string formatText(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const auto index = placeholder ? static_cast<std::size_t>(text[i + 1] - '1') : 0;
        if (placeholder && index < arguments.size()) {
            result.append(arguments.begin()[index]);
            ++i;
        } else {
            result.push_back(text[i]);
        }
    }
    return result;
}

std::string_view pluralForm(long long count, std::string_view one, std::string_view few,
                            std::string_view many) {
    const long long n = count < 0 ? -count : count;
    if (currentLanguage() == Language::English) {
        return n == 1 ? one : many;
    }
    if (n % 10 == 1 && n % 100 != 11) {
        return one;
    }
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14)) {
        return few;
    }
    return many;
}

}  // namespace qv
