// quorkit-drive [--lang zh|en] [--banner-server HOST:PORT] [SCRIPT]: runs the program headless
// and drives it with a script read from the file SCRIPT or from standard input. The banner
// download asks HOST:PORT instead of the maker's server; --lang sets the interface language
// instead of the locale.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/CQuorDlg.h"
#include "app/drive/Console.h"
#include "banner/CDownloadAd.h"

int main(int argc, char** argv) {
  std::optional<app::Language> language;
  if (!app::TakeLanguageArgument("quorkit-drive", &argc, argv, &language)) return 2;
  const char* script = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--banner-server" && i + 1 < argc) {
      if (!CDownloadAd::SetServer(argv[++i])) {
        std::fprintf(stderr, "quorkit-drive: --banner-server takes HOST:PORT, not %s\n", argv[i]);
        return 2;
      }
    } else if (script == nullptr && arg.rfind("--", 0) != 0) {
      script = argv[i];
    } else {
      std::fprintf(stderr,
                   "usage: quorkit-drive [--lang zh|en] [--banner-server HOST:PORT] [SCRIPT]\n");
      return 2;
    }
  }
  std::vector<std::string> lines;
  {
    std::ifstream file;
    std::istream* input = &std::cin;
    if (script != nullptr) {
      file.open(script);
      if (!file) {
        std::fprintf(stderr, "quorkit-drive: cannot read %s\n", script);
        return 2;
      }
      input = &file;
    }
    for (std::string line; std::getline(*input, line);) lines.push_back(line);
  }
  int qt_argc = 1;
  app::Application application(qt_argc, argv, app::Application::Mode::kHeadless, language);
  CQuorDlg main_dialog;
  drive::Console console(std::move(lines), &main_dialog);
  console.Start();
  main_dialog.DoModal(nullptr);
  console.RunAfterMainClosed();
  return console.exit_status();
}
