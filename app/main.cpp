#include "app/Application.h"

int main(int argc, char** argv) {
  if (app::ReportMissingDisplay()) return 1;
  app::Application application(argc, argv, app::Application::Mode::kDesktop);
  return application.Run();
}
