#include "winsys/Prompt.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QStringList>

#include "base/tr.h"
#include "winsys/Dialog.h"
#include "winsys/DialogWindow.h"

namespace winsys {

namespace {

QString FilterString(const std::vector<FileFilter>& filters) {
  QStringList parts;
  for (const FileFilter& filter : filters) {
    QString pattern = QString::fromStdString(filter.pattern);
    pattern.replace(';', ' ');
    // Qt reads the patterns from the last parentheses; a description that already shows
    // them ("Hex文件(*.hex)") is shown as it is, not with the patterns twice.
    const QString description = QString::fromStdString(filter.description);
    if (description.endsWith("(" + pattern + ")")) {
      parts << description;
    } else {
      parts << description + " (" + pattern + ")";
    }
  }
  return parts.join(";;");
}

// A message box's title and text in the interface language. The cores and bindings translate
// what they compose; texts they pass as written (a title such as "提示", a constant of a core)
// are looked up here, and a text already translated passes unchanged.
std::string BoxText(const std::string& text) {
  return base::Tr("quorkit", text);
}

QWidget* OwnerWidget(Dialog* owner) {
  return owner ? owner->Window() : nullptr;
}

class QtPrompter : public Prompter {
 public:
  void MessageBox(Dialog* owner, const std::string& text, const std::string& title) override {
    QMessageBox box(QMessageBox::NoIcon,
                    QString::fromStdString(title.empty() ? ApplicationName() : BoxText(title)),
                    QString::fromStdString(BoxText(text)), QMessageBox::Ok, OwnerWidget(owner));
    box.exec();
  }

  bool OpenFile(Dialog* owner, const std::string& title, const std::vector<FileFilter>& filters,
                std::string* path) override {
    const QString chosen = QFileDialog::getOpenFileName(
        OwnerWidget(owner), QString::fromStdString(title), QString(), FilterString(filters));
    if (chosen.isEmpty()) return false;
    *path = chosen.toStdString();
    return true;
  }

  bool SaveFile(Dialog* owner, const std::string& title, const std::vector<FileFilter>& filters,
                const std::string& default_ext, bool confirm_overwrite,
                std::string* path) override {
    QFileDialog dialog(OwnerWidget(owner), QString::fromStdString(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(FilterString(filters));
    dialog.setDefaultSuffix(QString::fromStdString(default_ext));
    if (!confirm_overwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    *path = dialog.selectedFiles().first().toStdString();
    return true;
  }

  bool ChooseFont(Dialog* owner, const std::string& initial_face, FontChoice* choice) override {
    bool ok = false;
    QFont initial(QString::fromStdString(initial_face));
    const QFont font = QFontDialog::getFont(&ok, initial, OwnerWidget(owner));
    if (!ok) return false;
    choice->face = font.family().toStdString();
    choice->points = font.pointSize() > 0 ? font.pointSize() * 10 : 0;
    choice->pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSize() * 96 / 72;
    choice->weight = font.weight() >= QFont::Bold ? 700 : 400;
    choice->italic = font.italic();
    choice->underline = font.underline();
    choice->strike_out = font.strikeOut();
    return true;
  }
};

QtPrompter g_qt_prompter;
Prompter* g_prompter = nullptr;

}  // namespace

Prompter& CurrentPrompter() {
  return g_prompter ? *g_prompter : g_qt_prompter;
}
void InstallPrompter(Prompter* prompter) {
  g_prompter = prompter;
}

const char* ApplicationName() {
  return "quorkit";
}

void ScriptedPrompter::MessageBox(Dialog*, const std::string& text, const std::string& title) {
  Message message{title.empty() ? ApplicationName() : BoxText(title), BoxText(text)};
  messages_.push_back(message);
  if (on_message) on_message(message);
}

bool ScriptedPrompter::Take(Kind kind, Answer* answer) {
  if (answers_.empty()) return false;
  *answer = answers_.front();
  answers_.pop_front();
  return answer->kind == kind;
}

bool ScriptedPrompter::OpenFile(Dialog*, const std::string&, const std::vector<FileFilter>&,
                                std::string* path) {
  Answer answer;
  if (!Take(Kind::kOpen, &answer)) return false;
  *path = answer.path_or_face;
  return true;
}

bool ScriptedPrompter::SaveFile(Dialog*, const std::string&, const std::vector<FileFilter>&,
                                const std::string& default_ext, bool, std::string* path) {
  Answer answer;
  if (!Take(Kind::kSave, &answer)) return false;
  *path = answer.path_or_face;
  // The save dialog adds the default extension to a name typed without one.
  const size_t slash = path->find_last_of('/');
  const std::string name = slash == std::string::npos ? *path : path->substr(slash + 1);
  if (!default_ext.empty() && name.find('.') == std::string::npos) *path += "." + default_ext;
  return true;
}

bool ScriptedPrompter::ChooseFont(Dialog*, const std::string&, FontChoice* choice) {
  Answer answer;
  if (!Take(Kind::kFont, &answer)) return false;
  choice->face = answer.path_or_face;
  choice->pixels = answer.pixels;
  choice->points = answer.pixels * 72 * 10 / 96;
  return true;
}

}  // namespace winsys
