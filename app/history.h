// Text of the About box: the version line and the release history.
#pragma once

#include <string>

namespace app {

// The release history, newest first, lines joined by "\r\n" (none after the last).
std::string VersionHistory();

// "QuorKit V2.7.4(20241001)" from the version record; missing values contribute nothing.
std::string AboutVersionLine();

// The main window's caption: name, version, " - " and the company value.
std::string MainCaption();

}  // namespace app
