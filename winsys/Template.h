// Dialog templates, menus and binary resources, read from the program's built-in resources.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace winsys {

struct ControlTemplate {
  int id = -1;  // -1 for labels and group boxes without an ID
  std::string kind;
  std::string text;
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
  std::vector<std::string> style;
  bool Has(const std::string& flag) const;
};

struct DialogTemplate {
  int id = 0;
  std::string caption;
  int width = 0, height = 0;  // dialog units
  std::string font_face;
  int font_points = 9;
  std::vector<std::string> style;
  int menu = 0;
  std::vector<ControlTemplate> controls;
  bool Has(const std::string& flag) const;
};

struct MenuItem {
  std::string text;
  int id = 0;
};

struct MenuPopup {
  std::string text;
  std::vector<MenuItem> items;
};

// Template `id`, or nullptr when the program holds none or it is malformed (an unknown
// control kind or style among them); `error` then says why. Parsed once and kept.
const DialogTemplate* FindDialogTemplate(int id, std::string* error = nullptr);

// The IDs of every dialog template the program holds, ascending.
std::vector<int> DialogTemplateIds();

// The language of the interface: "" keeps the templates' own (Chinese) texts and layout;
// another name ("en") translates their texts through base::Tr and lays them out with the
// language's overlay (res/overlays/LANGUAGE/ID.json: the window size and the rectangles that
// the translated texts need, controls found by ID or, for those without one, by their text).
void SetTemplateLanguage(const std::string& language);
const std::string& TemplateLanguage();

// What is wrong with the overlays of `language`: a file that names no template of its number,
// a row that fits no single control or has no full rectangle. Empty when all is well.
std::vector<std::string> OverlayProblems(const std::string& language);

// `tmpl` in the interface language: caption and texts translated (context "template:ID"),
// the overlay applied.
DialogTemplate LocalizedTemplate(const DialogTemplate& tmpl);

// Menu `id` in the interface language (context "menu:ID"); empty when the program holds none.
std::vector<MenuPopup> LoadMenu(int id);

// Bytes of a built-in resource: "bitmaps/147.bmp", "icons/128.png" and the like.
std::optional<std::vector<uint8_t>> LoadResource(const std::string& name);

}  // namespace winsys
