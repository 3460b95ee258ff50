// The interface language: chosen from the desktop's locale or --lang, and put into effect for
// the cores' texts (base::Tr) from the program's built-in translations.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace app {

enum class Language {
  kChinese,  // the source texts, as written
  kEnglish,
};

// The language of a locale name as the environment gives it ("zh_CN.UTF-8", "en_US", "C"):
// Chinese for any zh locale, for C and POSIX and for none, English for any other.
Language LanguageOfLocale(const std::string& locale);

// The desktop's language as Qt reads it: the first entry of LANGUAGE, else the first set of
// LC_ALL, LC_MESSAGES and LANG.
Language DesktopLanguage();

// "zh" or "en".
std::optional<Language> ParseLanguage(const std::string& name);
const char* LanguageName(Language language);

// Takes "--lang NAME" and "--lang=NAME" out of `args` (options end at "--"). Returns false
// with `error` set when NAME is missing or neither zh nor en.
bool TakeLanguageOption(std::vector<std::string>* args, std::optional<Language>* language,
                        std::string* error);

// Puts base::Tr into `language`: the identity for Chinese, the built-in English translations
// for English. False when those cannot be loaded (the texts then stay Chinese).
bool UseLanguage(Language language);

// The language last put into effect by UseLanguage (Chinese before any call).
Language CurrentLanguage();

}  // namespace app
