// Where the downloaded banner lives: a folder of the user's application data.
#pragma once

#include <string>

namespace banner {

constexpr const char* kBannerFileName = "veytoolad.gif";

// $XDG_DATA_HOME/QuorKit, or ~/.local/share/QuorKit; created when missing. Empty when no
// such folder can be made.
std::string PrepareBannerFolder();

// True when `path` names an existing file whose attributes can be read.
bool BannerFileExists(const std::string& path);

}  // namespace banner
