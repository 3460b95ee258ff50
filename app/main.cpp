#include "app/Application.h"

int main(int argc, char** argv) {
  std::optional<app::Language> language;
  if (!app::TakeLanguageArgument("quorkit", &argc, argv, &language)) return 2;
  // The no-display line is already in the chosen language.
  app::UseLanguage(language.value_or(app::DesktopLanguage()));
  if (app::ReportMissingDisplay()) return 1;
  app::Application application(argc, argv, app::Application::Mode::kDesktop, language);
  return application.Run();
}
