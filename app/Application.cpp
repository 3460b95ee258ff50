#include "app/Application.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <clocale>
#include <cstdio>

#include "app/CQuorDlg.h"
#include "winsys/Dialog.h"
#include "winsys/Template.h"

namespace app {

namespace {

// The offscreen platform reports every window-manager request it cannot honour (raise,
// size hints); those say nothing about the program.
void HeadlessMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support")) ||
      text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))) {
    return;
  }
  std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, text).toLocal8Bit().constData());
}

}  // namespace

Application::Application(int& argc, char** argv, Mode mode) {
  if (mode == Mode::kHeadless) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    winsys::SetManualTimers(true);
    qInstallMessageHandler(HeadlessMessages);
  }
  qt_ = std::make_unique<QApplication>(argc, argv);
  QApplication::setApplicationName("quorkit");
  // Qt adopts the environment's locale; the tools print numbers with the C library's
  // formats and must always use a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  if (auto icon = winsys::LoadResource("icons/128.png")) {
    QPixmap pixmap;
    pixmap.loadFromData(icon->data(), static_cast<uint>(icon->size()));
    QApplication::setWindowIcon(QIcon(pixmap));
  }
}

Application::~Application() = default;

int Application::Run() {
  CQuorDlg main_dialog;
  main_dialog.DoModal(nullptr);
  return 0;
}

}  // namespace app
