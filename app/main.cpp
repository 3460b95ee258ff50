#include "app/Application.h"

int main(int argc, char** argv) {
  std::optional<app::Language> language;
  if (!app::TakeLanguageArgument("quorkit", &argc, argv, &language)) return 2;
  int status = 0;
  {
    app::Application application(argc, argv, app::Application::Mode::kDesktop, language);
    status = application.Run();
  }
  app::ExitNow(status);
}
