#include "banner/BannerFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool IsNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Removes `name` of the open folder when it is a regular file that nobody holds locked.
bool RemoveIfLeftover(int folder, const char* name) {
  struct stat seen;
  if (fstatat(folder, name, &seen, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(seen.st_mode)) {
    return false;
  }
  const int fd = openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat opened;
  bool removed = false;
  // Still the file looked at, and no running download holds it.
  if (fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_dev == seen.st_dev &&
      opened.st_ino == seen.st_ino && flock(fd, LOCK_EX | LOCK_NB) == 0) {
    removed = unlinkat(folder, name, 0) == 0;
  }
  close(fd);
  return removed;
}

}  // namespace

std::string TemporaryPattern() {
  return std::string(".") + kBannerFileName + "-XXXXXX";
}

bool IsTemporaryName(const std::string& name) {
  const std::string pattern = TemporaryPattern();
  const size_t stem = pattern.size() - 6;
  if (name.size() != pattern.size() || name.compare(0, stem, pattern, 0, stem) != 0) return false;
  for (size_t i = stem; i < name.size(); ++i) {
    if (!IsNameCharacter(name[i])) return false;
  }
  return true;
}

int RemoveLeftoverTemporaries(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return 0;
  DIR* dir = fdopendir(fd);
  if (dir == nullptr) {
    close(fd);
    return 0;
  }
  int removed = 0;
  while (const dirent* entry = readdir(dir)) {
    if (IsTemporaryName(entry->d_name) && RemoveIfLeftover(fd, entry->d_name)) ++removed;
  }
  closedir(dir);  // closes fd too
  return removed;
}

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
  if (!MakeFolder(folder)) return std::string();
  RemoveLeftoverTemporaries(folder);
  return folder;
}

bool BannerFileExists(const std::string& path) {
  if (path.empty() || path.size() >= PATH_MAX) return false;
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace banner
