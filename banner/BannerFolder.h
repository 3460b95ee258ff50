// Where the downloaded banner lives: a folder of the user's application data.
#pragma once

#include <string>

namespace banner {

constexpr const char* kBannerFileName = "veytoolad.gif";

// The name a download is written under until it is complete, for mkstemp: the banner's
// name behind a dot, a hyphen and six X.
std::string TemporaryPattern();
// True for a name that mkstemp can make of TemporaryPattern().
bool IsTemporaryName(const std::string& name);

// $XDG_DATA_HOME/QuorKit, or ~/.local/share/QuorKit; created when missing. Empty when no
// such folder can be made. Temporary files that a killed run left there are removed.
std::string PrepareBannerFolder();

// Removes the regular files named by TemporaryPattern() in `folder` that no running
// download holds locked; nothing else, and no link, is touched. Gives how many went.
int RemoveLeftoverTemporaries(const std::string& folder);

// True when `path` names an existing file whose attributes can be read.
bool BannerFileExists(const std::string& path);

}  // namespace banner
