#include "winsys/Template.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>
#include <memory>
#include <mutex>

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

std::unique_ptr<DialogTemplate> Parse(const QByteArray& json) {
  const QJsonObject root = QJsonDocument::fromJson(json).object();
  if (root.isEmpty()) return nullptr;
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
    dialog->controls.push_back(std::move(control));
  }
  return dialog;
}

bool Contains(const std::vector<std::string>& list, const std::string& flag) {
  for (const std::string& item : list) {
    if (item == flag) return true;
  }
  return false;
}

}  // namespace

bool ControlTemplate::Has(const std::string& flag) const {
  return Contains(style, flag);
}
bool DialogTemplate::Has(const std::string& flag) const {
  return Contains(style, flag);
}

const DialogTemplate* FindDialogTemplate(int id) {
  static std::mutex mutex;
  static std::map<int, std::unique_ptr<DialogTemplate>> cache;
  std::lock_guard<std::mutex> lock(mutex);
  auto found = cache.find(id);
  if (found != cache.end()) return found->second.get();
  std::unique_ptr<DialogTemplate> parsed;
  if (auto json = ReadQResource(QString(":/dialogs/%1.json").arg(id))) parsed = Parse(*json);
  return cache.emplace(id, std::move(parsed)).first->second.get();
}

std::vector<MenuPopup> LoadMenu(int id) {
  std::vector<MenuPopup> menu;
  auto json = ReadQResource(QString(":/menus/%1.json").arg(id));
  if (!json) return menu;
  for (const QJsonValue& value : QJsonDocument::fromJson(*json).array()) {
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
