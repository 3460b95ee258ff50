// The interface language: how it is chosen, and the English interface of every tool.
#include "app/language/Language.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/CQuorDlg.h"
#include "app/ToolTable.h"
#include "base/tr.h"
#include "winsys/DialogWindow.h"
#include "winsys/Prompt.h"
#include "winsys/Template.h"

namespace {

using app::Language;

TEST(Language, OfLocale) {
  const struct {
    const char* locale;
    Language language;
  } cases[] = {
      {"", Language::kChinese},
      {"C", Language::kChinese},
      {"C.UTF-8", Language::kChinese},
      {"POSIX", Language::kChinese},
      {"zh_CN.UTF-8", Language::kChinese},
      {"zh_TW.Big5", Language::kChinese},
      {"zh", Language::kChinese},
      {"zh_CN.GB18030@stroke", Language::kChinese},
      {"en_US.UTF-8", Language::kEnglish},
      {"en", Language::kEnglish},
      {"de_DE.UTF-8", Language::kEnglish},
      {"ja_JP.eucJP", Language::kEnglish},
  };
  for (const auto& c : cases) EXPECT_EQ(app::LanguageOfLocale(c.locale), c.language) << c.locale;
}

// The environment as a test sets it, restored afterwards.
class Environment {
 public:
  Environment() {
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  ~Environment() {
    for (size_t i = 0; i < std::size(kNames); ++i) Set(kNames[i], saved_[i]);
  }
  static void Set(const char* name, const std::optional<std::string>& value) {
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  static constexpr const char* kNames[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

 private:
  std::vector<std::optional<std::string>> saved_;
};

TEST(Language, OfTheDesktopInQtsOrder) {
  Environment environment;
  using Value = std::optional<std::string>;
  const struct {
    Value language, lc_all, lc_messages, lang;
    Language expected;
  } cases[] = {
      {{}, {}, {}, {}, Language::kChinese},
      {{}, {}, {}, "C.UTF-8", Language::kChinese},
      {{}, {}, {}, "zh_CN.UTF-8", Language::kChinese},
      {{}, {}, {}, "en_US.UTF-8", Language::kEnglish},
      {{}, {}, "en_GB.UTF-8", "zh_CN.UTF-8", Language::kEnglish},
      {{}, "zh_CN.UTF-8", "en_GB.UTF-8", "en_US.UTF-8", Language::kChinese},
      {{}, "POSIX", {}, "en_US.UTF-8", Language::kChinese},
      {"en_US:zh_CN", "zh_CN.UTF-8", {}, {}, Language::kEnglish},
      {"zh_CN:en", {}, {}, "en_US.UTF-8", Language::kChinese},
      {"", {}, {}, "fr_FR.UTF-8", Language::kEnglish},  // an empty LANGUAGE counts as unset
  };
  for (const auto& c : cases) {
    Environment::Set("LANGUAGE", c.language);
    Environment::Set("LC_ALL", c.lc_all);
    Environment::Set("LC_MESSAGES", c.lc_messages);
    Environment::Set("LANG", c.lang);
    EXPECT_EQ(app::DesktopLanguage(), c.expected)
        << c.language.value_or("-") << " " << c.lc_all.value_or("-") << " "
        << c.lc_messages.value_or("-") << " " << c.lang.value_or("-");
  }
}

TEST(Language, OptionOnTheCommandLine) {
  const struct {
    std::vector<std::string> args;
    bool ok;
    std::optional<Language> language;
    std::vector<std::string> rest;
  } cases[] = {
      {{"script.drive"}, true, std::nullopt, {"script.drive"}},
      {{"--lang", "en", "script.drive"}, true, Language::kEnglish, {"script.drive"}},
      {{"a", "--lang=zh"}, true, Language::kChinese, {"a"}},
      {{"--lang", "zh", "--lang", "en"}, true, Language::kEnglish, {}},
      {{"a", "--", "--lang", "en"}, true, std::nullopt, {"a", "--", "--lang", "en"}},
      {{"--lang"}, false, std::nullopt, {}},
      {{"--lang", "fr"}, false, std::nullopt, {}},
      {{"--lang=EN"}, false, std::nullopt, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    std::optional<Language> language;
    std::string error;
    const bool ok = app::TakeLanguageOption(&args, &language, &error);
    EXPECT_EQ(ok, c.ok) << c.args.size();
    if (!ok) {
      EXPECT_EQ(error.rfind("--lang takes zh or en", 0), 0u) << error;
      continue;
    }
    EXPECT_EQ(language, c.language);
    EXPECT_EQ(args, c.rest);
  }
}

bool HasChinese(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x303F) || (u >= 0x3400 && u <= 0x9FFF) ||
        (u >= 0xFF00 && u <= 0xFFEF)) {
      return true;
    }
  }
  return false;
}

// Every text a window shows that a user reads: its caption, its controls' texts, list items,
// column headings, tool tips, menu entries.
std::vector<std::string> ChineseIn(QWidget* window) {
  std::vector<std::string> found;
  const auto check = [&](const QString& where, const QString& text) {
    if (HasChinese(text)) found.push_back((where + ": " + text).toStdString());
  };
  check("caption", window->windowTitle());
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const QString where =
        widget->metaObject()->className() + QString(" ") + widget->property("winsys_id").toString();
    check(where + " tip", widget->toolTip());
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      for (int i = 0; i < combo->count(); ++i) check(where + " item", combo->itemText(i));
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
      for (int i = 0; i < tree->columnCount(); ++i) {
        check(where + " heading", tree->headerItem()->text(i));
      }
    }
  }
  for (QAction* action : window->findChildren<QAction*>()) check("menu", action->text());
  return found;
}

// The controls' own texts through the seam that the bindings use, and the texts of the
// controls without an ID from the template the window was built from.
std::vector<std::string> ChineseInControls(winsys::Dialog* dialog) {
  std::vector<std::string> found;
  const winsys::DialogTemplate localized =
      winsys::LocalizedTemplate(*winsys::FindDialogTemplate(dialog->TemplateId()));
  for (const winsys::ControlTemplate& row : localized.controls) {
    const std::string text = row.id >= 0 && dialog->HasControl(row.id)
                                 ? dialog->GetText(row.id)
                                 : (row.kind == "bitmap" || row.kind == "icon" ? "" : row.text);
    if (HasChinese(QString::fromStdString(text))) {
      found.push_back(std::to_string(row.id) + " " + row.kind + ": " + text);
    }
  }
  return found;
}

// Opens every tool in English, reads what it shows, works every control as a user would
// (every handler runs, with its messages) and reads again.
TEST(EnglishInterface, EveryToolShowsNoChinese) {
  QTemporaryDir data_home;
  setenv("XDG_DATA_HOME", data_home.path().toUtf8().constData(), 1);
  ASSERT_TRUE(app::SetInterfaceLanguage(Language::kEnglish));
  winsys::ScriptedPrompter prompter;  // every file dialog is cancelled
  winsys::InstallPrompter(&prompter);
  winsys::SetMisuseHandler([](const std::string&) {});
  {
    CQuorDlg main;
    ASSERT_TRUE(main.Create(nullptr));
    EXPECT_EQ(ChineseIn(main.Window()), std::vector<std::string>());
    for (const app::ToolEntry& entry : app::ToolTable()) {
      if (!entry.make) continue;
      SCOPED_TRACE(entry.command.value);
      ASSERT_TRUE(main.RunMenuCommand(entry.command));
      winsys::Dialog* tool = main.ToolDialog(entry.command);
      ASSERT_TRUE(tool && tool->HasWindow());
      EXPECT_EQ(ChineseIn(tool->Window()), std::vector<std::string>());
      EXPECT_EQ(ChineseInControls(tool), std::vector<std::string>());
      const winsys::DialogTemplate* tmpl = winsys::FindDialogTemplate(tool->TemplateId());
      for (const char* typed : {"", "1", "x"}) {
        for (const winsys::ControlTemplate& row : tmpl->controls) {
          if (row.id < 0 || row.id == winsys::kIdCancel) continue;
          if (row.kind == "edit" || row.kind == "combo") tool->TypeText(row.id, typed);
          if (row.kind == "droplist" || row.kind == "combo") tool->Select(row.id, 0);
          if (row.kind == "check" || row.kind == "radio") tool->Click(row.id);
        }
        for (const winsys::ControlTemplate& row : tmpl->controls) {
          if ((row.kind == "button" || row.kind == "defbutton") && row.id != winsys::kIdCancel) {
            tool->Click(row.id);
          }
        }
        if (tool->HasWindow()) {
          EXPECT_EQ(ChineseIn(tool->Window()), std::vector<std::string>()) << typed;
          EXPECT_EQ(ChineseInControls(tool), std::vector<std::string>()) << typed;
        }
      }
    }
    // The HEX-to-BIN command, whose file dialog is cancelled, and the About box.
    ASSERT_TRUE(main.RunMenuCommand(32803));
    std::vector<std::string> about;
    winsys::SetModalObserver([&](winsys::Dialog* dialog, bool open) {
      if (!open) return;
      about = ChineseIn(dialog->Window());
      for (const std::string& text : ChineseInControls(dialog)) about.push_back(text);
      about.push_back("opened");
      QTimer::singleShot(0, [dialog] { dialog->Close(); });
    });
    main.SysCommand(CQuorDlg::kAboutCommand);
    winsys::SetModalObserver(nullptr);
    EXPECT_EQ(about, std::vector<std::string>{"opened"});
  }
  std::vector<std::string> messages;
  for (const winsys::ScriptedPrompter::Message& message : prompter.messages()) {
    if (HasChinese(QString::fromStdString(message.title + " " + message.text))) {
      messages.push_back(message.title + ": " + message.text);
    }
  }
  EXPECT_EQ(messages, std::vector<std::string>());
  EXPECT_FALSE(prompter.messages().empty());
  winsys::SetMisuseHandler(nullptr);
  winsys::InstallPrompter(nullptr);
  ASSERT_TRUE(app::SetInterfaceLanguage(Language::kChinese));
  EXPECT_STREQ(base::Tr("quorkit", "提示"), "提示");
}

}  // namespace

namespace {

TEST(EnglishInterface, EveryOverlayRowMovesOneControl) {
  EXPECT_FALSE(QDir(":/overlays/en").entryList({"*.json"}).isEmpty());
  EXPECT_EQ(winsys::OverlayProblems("en"), std::vector<std::string>());
}

// Template 174 shows "做功(KWh)" twice; its overlay moves only the one at 160,100.
TEST(EnglishInterface, OverlayMovesTheControlItNames) {
  const winsys::DialogTemplate& source = *winsys::FindDialogTemplate(174);
  const auto rects = [](const winsys::DialogTemplate& tmpl) {
    std::vector<std::vector<int>> found;
    for (const winsys::ControlTemplate& row : tmpl.controls) {
      if (row.text == "做功(KWh)" || row.text == "Energy (kWh)") {
        found.push_back({row.x, row.y, row.width, row.height});
      }
    }
    return found;
  };
  const std::vector<std::vector<int>> chinese{{14, 94, 52, 8}, {160, 100, 44, 8}};
  EXPECT_EQ(rects(winsys::LocalizedTemplate(source)), chinese);
  winsys::SetTemplateLanguage("en");
  ASSERT_TRUE(app::UseLanguage(Language::kEnglish));
  const winsys::DialogTemplate english = winsys::LocalizedTemplate(source);
  EXPECT_EQ(rects(english), (std::vector<std::vector<int>>{{14, 94, 52, 8}, {156, 100, 48, 8}}));
  EXPECT_EQ(english.caption, "Electric Heating Calculator");
  winsys::SetTemplateLanguage("");
  ASSERT_TRUE(app::UseLanguage(Language::kChinese));
  EXPECT_EQ(winsys::LocalizedTemplate(source).caption, "电加热计算器");
}

}  // namespace
