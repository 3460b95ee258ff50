#include <gtest/gtest.h>

#include "app/Application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  app::Application application(argc, argv, app::Application::Mode::kHeadless);
  return RUN_ALL_TESTS();
}
