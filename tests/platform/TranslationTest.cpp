#include "platform/Translation.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "LanguageScope.h"
#include "platform/UserLanguage.h"

namespace qv {
namespace {

TEST(Translation, PlaceholdersTakeTheirArgumentsInAnyOrderAndOthersStay) {
    EXPECT_EQ(formatText("%2 of %1", {"12", "3"}), "3 of 12");
    EXPECT_EQ(formatText("%1%1", {"ab"}), "abab");
    EXPECT_EQ(formatText("100% %3 %", {"x"}), "100% %3 %");
    EXPECT_EQ(formatText("%1", {"%2", "no"}), "%2");  // an argument is not read again
}

TEST(Translation, CountedWordsFollowEachLanguagesRules) {
    const auto form = [](long long count) { return pluralForm(count, "one", "few", "many"); };
    for (const long long one : {1, 21, 101, -1}) {
        EXPECT_EQ(form(one), "one") << one;
    }
    for (const long long few : {2, 4, 22, 104}) {
        EXPECT_EQ(form(few), "few") << few;
    }
    for (const long long many : {0, 5, 11, 12, 14, 111, 25}) {
        EXPECT_EQ(form(many), "many") << many;
    }
    const test::LanguageScope english(Language::English);
    EXPECT_EQ(form(1), "one");
    for (const long long many : {0, 2, 21, 11}) {
        EXPECT_EQ(form(many), "many") << many;
    }
}

TEST(Translation, RussianSpeakingLocalesGiveRussian) {
    for (const char* russian : {"ru_RU.UTF-8", "ru", "uk_UA", "be_BY.CP1251", "kk-KZ", "RU_ru"}) {
        EXPECT_EQ(languageOfLocale(russian), Language::Russian) << russian;
    }
    for (const char* english : {"en_US.UTF-8", "C", "POSIX", "", "de_DE", "rus", "kky"}) {
        EXPECT_EQ(languageOfLocale(english), Language::English) << english;
    }
}

TEST(Translation, ATextTheCatalogueLacksStaysAsWritten) {
    EXPECT_EQ(translate("Nowhere", "Текст"), "Текст");
    const test::LanguageScope english(Language::English);
    EXPECT_EQ(translate("Nowhere", "Текст"), "Текст");
}

#ifndef _WIN32
TEST(Translation, TheUserLanguageIsTheFirstLocaleVariableSet) {
    const auto with = [](const char* all, const char* messages, const char* lang) {
        for (const auto& [name, value] :
             {std::pair{"LC_ALL", all}, {"LC_MESSAGES", messages}, {"LANG", lang}}) {
            value ? setenv(name, value, 1) : unsetenv(name);
        }
        return userLanguage();
    };
    EXPECT_EQ(with("ru_RU.UTF-8", "en_US", "en_US"), Language::Russian);
    EXPECT_EQ(with("", "en_US.UTF-8", "ru_RU"), Language::English);
    EXPECT_EQ(with(nullptr, nullptr, "uk_UA.UTF-8"), Language::Russian);
    EXPECT_EQ(with(nullptr, nullptr, nullptr), Language::English);
}
#endif

}  // namespace
}  // namespace qv
