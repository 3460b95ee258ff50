// Start-up: the Qt application object, fonts and locale, and the modal run of the main window.
#pragma once

#include <memory>
#include <optional>

#include "app/language/Language.h"

class QApplication;

namespace app {

class Application {
 public:
  enum class Mode {
    kDesktop,   // a real display, real timers
    kHeadless,  // Qt's offscreen platform, timers only ticked by hand (console, tests)
  };

  // `language` overrides the desktop's language (DesktopLanguage).
  Application(int& argc, char** argv, Mode mode, std::optional<Language> language = std::nullopt);
  ~Application();

  // Runs the main window modally; returns when it closes.
  int Run();

 private:
  std::unique_ptr<QApplication> qt_;
};

// The language of the toolkit's own texts (file dialogs, the font chooser, message box
// buttons, edit menus) in the Chinese interface, as a locale name.
inline constexpr const char* kInterfaceLanguage = "zh_CN";

// Puts the toolkit's own texts into `language` ("zh_CN") from Qt's translations; false
// (texts stay English) when they are not installed. nullptr takes them back to English.
bool LoadToolkitTexts(const char* language);

// For the desktop program, before the Application: true, after one line on standard error,
// when there is evidently no display to open windows on.
bool ReportMissingDisplay();

// Puts the whole interface into `language`: the cores' texts, the templates' texts and
// layout, and the toolkit's own texts. False when a translation could not be loaded.
bool SetInterfaceLanguage(Language language);

// Reads "--lang zh|en" for the program and the console: takes it out of argv (argc shrinks).
// False, after a message on standard error, for a bad value.
bool TakeLanguageArgument(const char* program, int* argc, char** argv,
                          std::optional<Language>* language);

}  // namespace app
