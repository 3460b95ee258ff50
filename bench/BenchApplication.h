// One offscreen QApplication for the benchmarks that need the window layer.
#pragma once

#include <QApplication>

inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "quorkit_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  (void)application;
}
