#include "gamelink/LanguageSetting.h"

#include <string_view>

#include "gamelink/Settings.h"
#include "model/IniDocument.h"

namespace qv {
namespace {

constexpr std::string_view Section = "Interface";
constexpr std::string_view Key = "Language";

}  // namespace

LanguageChoice readLanguageChoice(const FileSystem& files, const std::string& path) {
    const std::string value = readSettingsFile(files, path).readString(Section, Key, "");
    if (value == "ru") {
        return LanguageChoice::Russian;
    }
    if (value == "en") {
        return LanguageChoice::English;
    }
    return LanguageChoice::System;
}

void writeLanguageChoice(FileSystem& files, const std::string& path, LanguageChoice choice) {
    const char* value = choice == LanguageChoice::Russian   ? "ru"
                        : choice == LanguageChoice::English ? "en"
                                                            : "System";
    updateSettingsFile(files, path, [&](IniDocument& ini) { ini.write(Section, Key, value); });
}

Language chosenLanguage(LanguageChoice choice, Language userLanguage) {
    switch (choice) {
        case LanguageChoice::Russian:
            return Language::Russian;
        case LanguageChoice::English:
            return Language::English;
        case LanguageChoice::System:
            break;
    }
    return userLanguage;
}

}  // namespace qv
