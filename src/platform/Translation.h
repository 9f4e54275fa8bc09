#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text where a table defines it, for the catalogue (lupdate knows the name); the text is
// translated where it is used, with translate(scope, text). Defined as Qt defines it, so the two
// definitions agree wherever both are seen.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace qv {

// The languages the program speaks. Its texts are written in the code in Russian; their English
// comes from the catalogue translations/quorvane_en.ts, built into the program. The editor's
// widgets read the same catalogue through Qt's translator.
enum class Language { Russian, English };

// The language of every text from now on (Russian until set). Set once at start, before the
// first text is made.
void setLanguage(Language language);
Language currentLanguage();

// The language a locale name stands for ("ru_RU.UTF-8", "uk", "be_BY", "kk_KZ.CP1251"):
// Russian for Russian, Ukrainian, Belarusian and Kazakh, English for any other name.
Language languageOfLocale(std::string_view localeName);

// `source` in the current language: itself in Russian; in English its catalogue translation,
// or itself where the catalogue has none. `context` names the catalogue's section, as lupdate
// reads it from this call; `disambiguation` tells equal sources with different meanings apart.
std::string translate(const char* context, const char* source,
                      const char* disambiguation = nullptr);

// `text` with %1 ... %9 replaced by `arguments` in order. A placeholder without an argument, and
// a '%' followed by anything else, stay as they are.
std::string formatText(std::string_view text, std::initializer_list<std::string_view> arguments);

// The form of a word counted `count` times, each form already translated: by Russian rules `one`
// for 1, 21, 31 ..., `few` for 2-4, 22-24 ..., `many` for the rest; in English `one` for 1 and
// `many` for the rest.
std::string_view pluralForm(long long count, std::string_view one, std::string_view few,
                            std::string_view many);

}  // namespace qv
