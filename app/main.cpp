#include "app/Application.h"

int main(int argc, char** argv) {
  int status = 0;
  {
    app::Application application(argc, argv, app::Application::Mode::kDesktop);
    status = application.Run();
  }
  app::ExitNow(status);
}
