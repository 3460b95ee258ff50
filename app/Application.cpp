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
#include "base/format.h"
#include "base/tr.h"
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
  const std::string reason =
      display.isEmpty()
          ? base::Tr("quorkit", "DISPLAY 未设置")
          : base::Format(base::Tr("quorkit", "无法连接 DISPLAY=%s"), display.constData());
  std::fprintf(
      stderr,
      base::Tr(
          "quorkit",
          "quorkit: 没有可用的显示，无法打开窗口 (%s)；无显示时请用 quorkit-drive 运行脚本。\n"),
      reason.c_str());
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

Application::Application(int& argc, char** argv, Mode mode, std::optional<Language> language) {
  // The cores' texts first: the window system's start may already have something to say.
  const Language chosen = language.value_or(DesktopLanguage());
  UseLanguage(chosen);
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
  if (!SetInterfaceLanguage(chosen)) {
    std::fprintf(stderr,
                 "quorkit: the English texts could not be loaded; the interface stays Chinese\n");
  }
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
  if (language == nullptr) {
    if (installed) QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
    return true;
  }
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

bool SetInterfaceLanguage(Language language) {
  const bool english = language == Language::kEnglish;
  const bool loaded = UseLanguage(language);
  winsys::SetTemplateLanguage(english && loaded ? "en" : "");
  // The toolkit's English is its own source language.
  LoadToolkitTexts(english && loaded ? nullptr : kInterfaceLanguage);
  return loaded;
}

bool TakeLanguageArgument(const char* program, int* argc, char** argv,
                          std::optional<Language>* language) {
  std::vector<std::string> args(argv + 1, argv + *argc);
  std::string error;
  if (!TakeLanguageOption(&args, language, &error)) {
    std::fprintf(stderr, "%s: %s\n", program, error.c_str());
    return false;
  }
  // The remaining arguments keep their order; argv's own strings are reused.
  int kept = 1;
  for (int i = 1; i < *argc && kept <= static_cast<int>(args.size()); ++i) {
    if (args[static_cast<size_t>(kept - 1)] == argv[i]) argv[kept++] = argv[i];
  }
  *argc = kept;
  argv[kept] = nullptr;
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
