// Start-up: the Qt application object, fonts and locale, and the modal run of the main window.
#pragma once

#include <memory>

class QApplication;

namespace app {

class Application {
 public:
  enum class Mode {
    kDesktop,   // a real display, real timers
    kHeadless,  // Qt's offscreen platform, timers only ticked by hand (console, tests)
  };

  Application(int& argc, char** argv, Mode mode);
  ~Application();

  // Runs the main window modally; returns when it closes.
  int Run();

 private:
  std::unique_ptr<QApplication> qt_;
};

// The language of the toolkit's own texts (file dialogs, the font chooser, message box
// buttons, edit menus), as a locale name. The interface is Chinese whatever the locale says.
inline constexpr const char* kInterfaceLanguage = "zh_CN";

// Puts the toolkit's own texts into `language` ("zh_CN") from Qt's translations; false
// (texts stay English) when they are not installed.
bool LoadToolkitTexts(const char* language);

// For the desktop program, before the Application: true, after one line on standard error,
// when there is evidently no display to open windows on.
bool ReportMissingDisplay();

}  // namespace app
