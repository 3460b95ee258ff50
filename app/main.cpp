#include "app/Application.h"

int main(int argc, char** argv) {
  app::Application application(argc, argv, app::Application::Mode::kDesktop);
  return application.Run();
}
