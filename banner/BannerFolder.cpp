#include "banner/BannerFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace banner {

namespace {

bool MakeFolder(const std::string& path) {
  if (path.empty()) return false;
  struct stat info;
  if (stat(path.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  const size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0) MakeFolder(path.substr(0, slash));
  return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

}  // namespace

std::string PrepareBannerFolder() {
  std::string base;
  if (const char* data_home = std::getenv("XDG_DATA_HOME"); data_home && *data_home == '/') {
    base = data_home;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::string(home) + "/.local/share";
  } else {
    return std::string();
  }
  const std::string folder = base + "/QuorKit";
  return MakeFolder(folder) ? folder : std::string();
}

bool BannerFileExists(const std::string& path) {
  if (path.empty() || path.size() >= PATH_MAX) return false;
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace banner
