// Every template and every tool of the menu fit together: the templates load, each tool's
// window opens, and nothing a binding does names a control its template lacks or uses a
// control as a kind it is not.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CQuorDlg.h"
#include "app/ToolTable.h"
#include "winsys/Prompt.h"
#include "winsys/Template.h"

namespace {

constexpr int kFirstTestTemplate = 990;  // the winsys tests bring their own from here on

TEST(ToolTemplates, EveryTemplateLoads) {
  int loaded = 0;
  for (const int id : winsys::DialogTemplateIds()) {
    if (id >= kFirstTestTemplate) continue;
    std::string error;
    EXPECT_NE(winsys::FindDialogTemplate(id, &error), nullptr) << id << ": " << error;
    ++loaded;
  }
  EXPECT_GE(loaded, 11);
}

TEST(ToolTemplates, EveryToolOpensAndItsBindingFitsItsTemplate) {
  QTemporaryDir data_home;
  setenv("XDG_DATA_HOME", data_home.path().toUtf8().constData(), 1);
  winsys::ScriptedPrompter prompter;  // every file dialog is cancelled
  winsys::InstallPrompter(&prompter);
  std::vector<std::string> misuse;
  winsys::SetMisuseHandler([&misuse](const std::string& what) { misuse.push_back(what); });
  {
    CQuorDlg main;
    ASSERT_TRUE(main.Create(nullptr));
    for (const app::ToolEntry& entry : app::ToolTable()) {
      if (!entry.make) continue;
      SCOPED_TRACE(entry.command);
      ASSERT_TRUE(main.RunMenuCommand(entry.command));
      winsys::Dialog* tool = main.ToolDialog(entry.command);
      ASSERT_TRUE(tool && tool->IsWindowVisible());
      // Work every control once as a user would, so every handler runs.
      const winsys::DialogTemplate* tmpl = winsys::FindDialogTemplate(tool->TemplateId());
      ASSERT_NE(tmpl, nullptr);
      for (const winsys::ControlTemplate& row : tmpl->controls) {
        if (row.id < 0 || row.id == winsys::kIdCancel) continue;
        if (row.kind == "edit" || row.kind == "combo") tool->TypeText(row.id, "1");
        if (row.kind == "droplist" || row.kind == "combo") tool->Select(row.id, 0);
        if (row.kind == "check" || row.kind == "radio") tool->Click(row.id);
      }
      for (const winsys::ControlTemplate& row : tmpl->controls) {
        if ((row.kind == "button" || row.kind == "defbutton") && row.id != winsys::kIdCancel) {
          tool->Click(row.id);
        }
      }
      EXPECT_TRUE(tool->IsWindowVisible() || tool->HasWindow());
    }
  }
  winsys::SetMisuseHandler(nullptr);
  winsys::InstallPrompter(nullptr);
  EXPECT_EQ(misuse, std::vector<std::string>());
}

}  // namespace
