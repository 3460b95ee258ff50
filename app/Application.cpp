#include "app/Application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/CQuorDlg.h"
#include "winsys/Dialog.h"
#include "winsys/DialogWindow.h"
#include "winsys/Style.h"
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

// While the window system starts, its complaints are held back: when it cannot start at all
// (no display), one plain line says so instead of the toolkit's fatal error and abort.
bool g_starting = false;
std::vector<std::string> g_held;

void SayNoDisplay() {
  const QByteArray display = qgetenv("DISPLAY");
  std::fprintf(
      stderr, "quorkit: 没有可用的显示，无法打开窗口 (%s)；无显示时请用 quorkit-drive 运行脚本。\n",
      display.isEmpty() ? "DISPLAY 未设置" : ("无法连接 DISPLAY=" + display).constData());
  std::fflush(stderr);
}

// The toolkit gives up on a display it cannot reach from inside its own start-up, where
// returning would abort: the program ends here with the one line.
[[noreturn]] void NoDisplay() {
  SayNoDisplay();
  std::exit(1);
}

void DesktopMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (g_starting && type == QtFatalMsg) NoDisplay();
  const std::string line = qFormatLogMessage(type, context, text).toLocal8Bit().toStdString();
  if (g_starting) {
    g_held.push_back(line);
  } else {
    std::fprintf(stderr, "%s\n", line.c_str());
  }
}

}  // namespace

Application::Application(int& argc, char** argv, Mode mode) {
  if (mode == Mode::kHeadless) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    winsys::SetManualTimers(true);
    qInstallMessageHandler(HeadlessMessages);
  } else {
    qInstallMessageHandler(DesktopMessages);
    g_starting = true;
  }
  qt_ = std::make_unique<QApplication>(argc, argv);
  if (g_starting) {
    g_starting = false;
    for (const std::string& line : g_held) std::fprintf(stderr, "%s\n", line.c_str());
    g_held.clear();
  }
  LoadToolkitTexts(kInterfaceLanguage);
  // Menus, context menus and dialogs all speak in the dialog font.
  QApplication::setFont(winsys::TemplateFont("宋体", 9));
  winsys::InstallDialogStyle();
  QApplication::setApplicationName("quorkit");
  // Lets the desktop match the windows to the installed desktop entry and its icon.
  QApplication::setDesktopFileName("io.github.quorkit.quorkit");
  // Qt adopts the environment's locale; the tools print numbers with the C library's
  // formats and must always use a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  if (auto icon = winsys::LoadResource("icons/128.png")) {
    QPixmap pixmap;
    pixmap.loadFromData(icon->data(), static_cast<uint>(icon->size()));
    QApplication::setWindowIcon(QIcon(pixmap));
  }
}

bool LoadToolkitTexts(const char* language) {
  static QTranslator* installed = nullptr;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_") + QLatin1String(language),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  if (installed) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
  }
  installed = translator.release();
  QCoreApplication::installTranslator(installed);
  return true;
}

Application::~Application() = default;

int Application::Run() {
  CQuorDlg main_dialog;
  main_dialog.DoModal(nullptr);
  return 0;
}

bool ReportMissingDisplay() {
  // Without a platform named and without the address of an X or Wayland display, the
  // toolkit has nothing to try.
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    return false;
  }
  SayNoDisplay();
  return true;
}

}  // namespace app
