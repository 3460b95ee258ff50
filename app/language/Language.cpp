#include "app/language/Language.h"

#include <QString>
#include <QTranslator>
#include <QtGlobal>
#include <memory>

#include "base/tr.h"

namespace app {

namespace {

Language g_current = Language::kChinese;

QTranslator& Translations() {
  static QTranslator translator;
  return translator;
}

// Looked up directly rather than through the application object: quorkit-cli translates
// without one.
std::string Translate(const char* context, const char* source) {
  return Translations().translate(context, source).toStdString();
}

std::string Environment(const char* name) {
  const QByteArray value = qgetenv(name);
  return std::string(value.constData(), static_cast<size_t>(value.size()));
}

}  // namespace

Language LanguageOfLocale(const std::string& locale) {
  // "zh_CN.UTF-8@modifier" names the language "zh"; "C.UTF-8" is the C locale.
  const std::string name = locale.substr(0, locale.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") return Language::kChinese;
  if (name.rfind("zh", 0) == 0) return Language::kChinese;
  return Language::kEnglish;
}

Language DesktopLanguage() {
  const std::string languages = Environment("LANGUAGE");
  if (!languages.empty()) return LanguageOfLocale(languages.substr(0, languages.find(':')));
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const std::string value = Environment(name);
    if (!value.empty()) return LanguageOfLocale(value);
  }
  return Language::kChinese;
}

std::optional<Language> ParseLanguage(const std::string& name) {
  if (name == "zh") return Language::kChinese;
  if (name == "en") return Language::kEnglish;
  return std::nullopt;
}

const char* LanguageName(Language language) {
  return language == Language::kEnglish ? "en" : "zh";
}

bool TakeLanguageOption(std::vector<std::string>* args, std::optional<Language>* language,
                        std::string* error) {
  for (size_t i = 0; i < args->size();) {
    const std::string arg = (*args)[i];
    if (arg == "--") break;
    std::optional<std::string> value;
    size_t taken = 1;
    if (arg == "--lang") {
      if (i + 1 >= args->size()) {
        *error = "--lang takes zh or en";
        return false;
      }
      value = (*args)[i + 1];
      taken = 2;
    } else if (arg.rfind("--lang=", 0) == 0) {
      value = arg.substr(7);
    }
    if (!value) {
      ++i;
      continue;
    }
    *language = ParseLanguage(*value);
    if (!*language) {
      *error = "--lang takes zh or en, not " + *value;
      return false;
    }
    args->erase(args->begin() + static_cast<std::ptrdiff_t>(i),
                args->begin() + static_cast<std::ptrdiff_t>(i + taken));
  }
  return true;
}

bool UseLanguage(Language language) {
  base::SetTranslator(nullptr);
  g_current = Language::kChinese;
  if (language == Language::kChinese) return true;
  if (!Translations().load(QStringLiteral(":/i18n/quorkit_en.qm"))) return false;
  base::SetTranslator(Translate);
  g_current = language;
  return true;
}

Language CurrentLanguage() {
  return g_current;
}

}  // namespace app
