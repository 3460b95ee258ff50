#include "winsys/Template.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>
#include <memory>
#include <mutex>

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

std::vector<MenuPopup> LoadMenu(int id) {
  std::vector<MenuPopup> menu;
  const std::map<int, QString>& files = ResourcesByNumber(kMenuFolder);
  auto file = files.find(id);
  if (file == files.end()) return menu;
  auto json = ReadQResource(file->second);
  if (!json) return menu;
  for (const QJsonValue& value :
       QJsonDocument::fromJson(*json).object().value("popups").toArray()) {
    const QJsonObject object = value.toObject();
    MenuPopup popup;
    popup.text = object.value("text").toString().toStdString();
    for (const QJsonValue& item : object.value("items").toArray()) {
      popup.items.push_back({item.toObject().value("text").toString().toStdString(),
                             item.toObject().value("id").toInt()});
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
