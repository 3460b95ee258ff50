#include "app/CAboutDlg.h"

#include "app/history.h"
#include "app/version.h"
#include "base/tr.h"

namespace id = ui::about;

void CAboutDlg::OnInitDialog() {
  SetCaption(base::Tr("quorkit", "关于本程序"));
  SetText(id::version, app::AboutVersionLine());
  SetText(id::history, app::VersionHistory());
  std::string copyright;
  app::ReadVersionString("LegalCopyright", copyright);
  SetText(id::copyright, copyright);
}
