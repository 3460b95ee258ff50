// quorkit-drive [SCRIPT]: runs the program headless and drives it with a script read from
// the file SCRIPT or from standard input.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/CQuorDlg.h"
#include "app/drive/Console.h"

int main(int argc, char** argv) {
  std::vector<std::string> lines;
  {
    std::ifstream file;
    std::istream* input = &std::cin;
    if (argc > 1) {
      file.open(argv[1]);
      if (!file) {
        std::fprintf(stderr, "quorkit-drive: cannot read %s\n", argv[1]);
        return 2;
      }
      input = &file;
    }
    for (std::string line; std::getline(*input, line);) lines.push_back(line);
  }
  int qt_argc = 1;
  app::Application application(qt_argc, argv, app::Application::Mode::kHeadless);
  CQuorDlg main_dialog;
  drive::Console console(std::move(lines), &main_dialog);
  console.Start();
  main_dialog.DoModal(nullptr);
  console.RunAfterMainClosed();
  return console.exit_status();
}
