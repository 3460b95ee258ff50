#include "winsys/Template.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>
#include <memory>
#include <mutex>

#include "base/tr.h"
#include "winsys/Controls.h"

namespace winsys {

namespace {

std::optional<QByteArray> ReadQResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

std::vector<std::string> Strings(const QJsonValue& value) {
  std::vector<std::string> out;
  for (const QJsonValue& item : value.toArray()) out.push_back(item.toString().toStdString());
  return out;
}

template <typename List>
bool Contains(const List& list, const std::string& flag) {
  for (const auto& item : list) {
    if (flag == item) return true;
  }
  return false;
}

constexpr char kDialogFolder[] = ":/dialogs";
constexpr char kMenuFolder[] = ":/menus";

// Files are named for what they hold (dialogs/modbus.json) while the program and the
// console ask by number: the number is the "id" inside each file. Read once per folder.
const std::map<int, QString>& ResourcesByNumber(const char* folder) {
  static std::mutex mutex;
  static std::map<std::string, std::map<int, QString>> indexes;
  std::lock_guard<std::mutex> lock(mutex);
  auto [found, added] = indexes.try_emplace(folder);
  if (added) {
    const QDir dir{QString::fromUtf8(folder)};
    for (const QString& name : dir.entryList({"*.json"}, QDir::Files, QDir::Name)) {
      const QString path = dir.filePath(name);
      const auto json = ReadQResource(path);
      if (!json) continue;
      const QJsonValue id = QJsonDocument::fromJson(*json).object().value("id");
      // The first file of a number wins; the build refuses two in res/.
      if (id.isDouble()) found->second.try_emplace(id.toInt(), path);
    }
  }
  return found->second;
}

// A template is refused whole when any row names a kind or style that nothing builds, so a
// typing error in res/ shows when the template loads instead of as a missing control.
std::unique_ptr<DialogTemplate> Parse(const QByteArray& json, std::string* error) {
  QJsonParseError parse_error;
  const QJsonObject root = QJsonDocument::fromJson(json, &parse_error).object();
  if (parse_error.error != QJsonParseError::NoError || root.isEmpty()) {
    *error = "not a JSON object: " + parse_error.errorString().toStdString();
    return nullptr;
  }
  auto dialog = std::make_unique<DialogTemplate>();
  dialog->id = root.value("id").toInt();
  dialog->caption = root.value("caption").toString().toStdString();
  const QJsonArray size = root.value("size").toArray();
  dialog->width = size.at(0).toInt();
  dialog->height = size.at(1).toInt();
  const QJsonObject font = root.value("font").toObject();
  dialog->font_face = font.value("face").toString("宋体").toStdString();
  dialog->font_points = font.value("points").toInt(9);
  dialog->style = Strings(root.value("style"));
  dialog->menu = root.value("menu").toInt(0);
  for (const std::string& style : dialog->style) {
    if (!IsWindowStyle(style)) {
      *error = "unknown window style \"" + style + "\"";
      return nullptr;
    }
  }
  for (const QJsonValue& value : root.value("controls").toArray()) {
    const QJsonObject object = value.toObject();
    ControlTemplate control;
    control.id = object.value("id").toInt(-1);
    control.kind = object.value("kind").toString().toStdString();
    control.text = object.value("text").toString().toStdString();
    const QJsonArray rect = object.value("rect").toArray();
    control.x = rect.at(0).toInt();
    control.y = rect.at(1).toInt();
    control.width = rect.at(2).toInt();
    control.height = rect.at(3).toInt();
    control.style = Strings(object.value("style"));
    const ControlKind* kind = FindControlKind(control.kind);
    const std::string where = "control " + std::to_string(control.id) + " at row " +
                              std::to_string(dialog->controls.size() + 1);
    if (kind == nullptr) {
      *error = where + ": unknown kind \"" + control.kind + "\"";
      return nullptr;
    }
    for (const std::string& style : control.style) {
      if (!Contains(kind->styles, style)) {
        *error = where + ": a " + control.kind + " has no style \"" + style + "\"";
        return nullptr;
      }
    }
    dialog->controls.push_back(std::move(control));
  }
  return dialog;
}

}  // namespace

bool ControlTemplate::Has(const std::string& flag) const {
  return Contains(style, flag);
}
bool DialogTemplate::Has(const std::string& flag) const {
  return Contains(style, flag);
}

const DialogTemplate* FindDialogTemplate(int id, std::string* error) {
  struct Loaded {
    std::unique_ptr<DialogTemplate> dialog;
    std::string error;
  };
  static std::mutex mutex;
  static std::map<int, Loaded> cache;
  std::lock_guard<std::mutex> lock(mutex);
  auto found = cache.find(id);
  if (found == cache.end()) {
    Loaded loaded;
    const std::map<int, QString>& files = ResourcesByNumber(kDialogFolder);
    auto file = files.find(id);
    if (file == files.end()) {
      loaded.error = "no such template";
    } else if (auto json = ReadQResource(file->second)) {
      loaded.dialog = Parse(*json, &loaded.error);
    } else {
      loaded.error = "no such template";
    }
    found = cache.emplace(id, std::move(loaded)).first;
  }
  if (error) *error = found->second.error;
  return found->second.dialog.get();
}

std::vector<int> DialogTemplateIds() {
  std::vector<int> ids;
  for (const auto& [id, path] : ResourcesByNumber(kDialogFolder)) ids.push_back(id);
  return ids;
}

namespace {

std::string& Language() {
  static std::string language;
  return language;
}

// The kinds whose text names a resource rather than saying something.
bool TextIsResourceName(const std::string& kind) {
  return kind == "bitmap" || kind == "icon" || kind == "frame";
}

void ApplyRect(const QJsonArray& rect, int* x, int* y, int* width, int* height) {
  if (rect.size() != 4) return;
  *x = rect.at(0).toInt(*x);
  *y = rect.at(1).toInt(*y);
  *width = rect.at(2).toInt(*width);
  *height = rect.at(3).toInt(*height);
}

// The one control an overlay row means: by ID, or for a control without one by its source
// text and, where that text appears more than once, by its position ("at": [x, y]). nullptr
// when no control or more than one fits, so a stale row never moves the wrong control.
ControlTemplate* OverlayTarget(DialogTemplate* dialog, const QJsonObject& row) {
  const int id = row.value("id").toInt(-1);
  const std::string text = row.value("text").toString().toStdString();
  const QJsonArray at = row.value("at").toArray();
  ControlTemplate* found = nullptr;
  for (ControlTemplate& control : dialog->controls) {
    const bool fits = id >= 0 ? control.id == id
                              : control.id < 0 && control.text == text &&
                                    (at.size() != 2 || (control.x == at.at(0).toInt() &&
                                                        control.y == at.at(1).toInt()));
    if (!fits) continue;
    if (found) return nullptr;
    found = &control;
  }
  return found;
}

void ApplyOverlay(DialogTemplate* dialog) {
  const auto json = ReadQResource(
      QString(":/overlays/%1/%2.json").arg(QString::fromStdString(Language())).arg(dialog->id));
  if (!json) return;
  const QJsonObject root = QJsonDocument::fromJson(*json).object();
  const QJsonArray size = root.value("size").toArray();
  if (size.size() == 2) {
    dialog->width = size.at(0).toInt(dialog->width);
    dialog->height = size.at(1).toInt(dialog->height);
  }
  for (const QJsonValue& value : root.value("controls").toArray()) {
    const QJsonObject object = value.toObject();
    const QJsonArray rect = object.value("rect").toArray();
    if (ControlTemplate* control = OverlayTarget(dialog, object)) {
      ApplyRect(rect, &control->x, &control->y, &control->width, &control->height);
    }
  }
}

}  // namespace

std::vector<std::string> OverlayProblems(const std::string& language) {
  std::vector<std::string> problems;
  const QString folder = QStringLiteral(":/overlays/") + QString::fromStdString(language);
  for (const QString& name : QDir(folder).entryList({"*.json"})) {
    const auto json = ReadQResource(folder + "/" + name);
    const QJsonObject root = QJsonDocument::fromJson(json.value_or(QByteArray())).object();
    const std::string where = language + "/" + name.toStdString();
    const DialogTemplate* tmpl = FindDialogTemplate(root.value("id").toInt(-1));
    if (root.isEmpty() || tmpl == nullptr || name != QString("%1.json").arg(tmpl->id)) {
      problems.push_back(where + ": not an overlay of a template of its number");
      continue;
    }
    DialogTemplate copy = *tmpl;
    for (const QJsonValue& value : root.value("controls").toArray()) {
      const QJsonObject row = value.toObject();
      if (OverlayTarget(&copy, row) == nullptr || row.value("rect").toArray().size() != 4) {
        problems.push_back(where + ": no single control for " +
                           QJsonDocument(row).toJson(QJsonDocument::Compact).toStdString());
      }
    }
  }
  return problems;
}

void SetTemplateLanguage(const std::string& language) {
  Language() = language;
}

const std::string& TemplateLanguage() {
  return Language();
}

DialogTemplate LocalizedTemplate(const DialogTemplate& tmpl) {
  DialogTemplate dialog = tmpl;
  if (Language().empty()) return dialog;
  // Overlays find unnamed controls by their source text, so the layout goes first.
  ApplyOverlay(&dialog);
  const std::string context = "template:" + std::to_string(tmpl.id);
  dialog.caption = base::Tr(context.c_str(), dialog.caption);
  for (ControlTemplate& control : dialog.controls) {
    if (!TextIsResourceName(control.kind)) control.text = base::Tr(context.c_str(), control.text);
  }
  return dialog;
}

std::vector<MenuPopup> LoadMenu(int id) {
  std::vector<MenuPopup> menu;
  const std::map<int, QString>& files = ResourcesByNumber(kMenuFolder);
  auto file = files.find(id);
  if (file == files.end()) return menu;
  auto json = ReadQResource(file->second);
  if (!json) return menu;
  const std::string context = "menu:" + std::to_string(id);
  const auto text = [&](const QJsonObject& object) {
    return base::Tr(context.c_str(), object.value("text").toString().toStdString());
  };
  for (const QJsonValue& value :
       QJsonDocument::fromJson(*json).object().value("popups").toArray()) {
    const QJsonObject object = value.toObject();
    MenuPopup popup;
    popup.text = text(object);
    for (const QJsonValue& item : object.value("items").toArray()) {
      popup.items.push_back({text(item.toObject()), item.toObject().value("id").toInt()});
    }
    menu.push_back(std::move(popup));
  }
  return menu;
}

std::optional<std::vector<uint8_t>> LoadResource(const std::string& name) {
  auto bytes = ReadQResource(QString(":/") + QString::fromStdString(name));
  if (!bytes) return std::nullopt;
  return std::vector<uint8_t>(bytes->begin(), bytes->end());
}

}  // namespace winsys
