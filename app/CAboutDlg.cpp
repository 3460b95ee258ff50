#include "app/CAboutDlg.h"

#include "app/history.h"
#include "app/version.h"
#include "base/tr.h"

void CAboutDlg::OnInitDialog() {
  SetCaption(base::Tr("quorkit", "关于本程序"));
  SetText(1014, app::AboutVersionLine());
  SetText(1015, app::VersionHistory());
  std::string copyright;
  app::ReadVersionString("LegalCopyright", copyright);
  SetText(1016, copyright);
}
