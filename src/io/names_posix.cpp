// What names lead to, on POSIX.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/vfs.h>
#endif

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

#include "io/names.h"

namespace bintool {
namespace {

// The absolute name `path` leads to, links resolved (realpath).
std::optional<std::string> real_path(const char* path) {
  struct Free {
    void operator()(char* name) const { std::free(name); }
  };
  std::unique_ptr<char, Free> real(realpath(path, nullptr));
  return real ? std::optional<std::string>(real.get()) : std::nullopt;
}

// True when the folder `folder` is on FUSE (as is_fuse in
// file_posix.cpp).
bool on_fuse(const std::string& folder) {
#ifdef __linux__
  constexpr decltype(statfs::f_type) kFuse = 0x65735546;
  struct statfs info {};
  return statfs(folder.c_str(), &info) == 0 && info.f_type == kFuse;
#else
  (void)folder;
  return false;
#endif
}

// The entry of `folder` that `spelled` stands for: itself where it is
// listed, else the one entry it spells.
std::optional<std::string> listed_entry(const std::string& folder,
                                        const std::string& spelled) {
  struct Close {
    void operator()(DIR* listing) const { closedir(listing); }
  };
  std::unique_ptr<DIR, Close> listing(opendir(folder.c_str()));
  if (!listing) {
    return std::nullopt;
  }
  std::vector<std::string> matches;
  errno = 0;
  while (const dirent* entry = readdir(listing.get())) {
    std::string name = entry->d_name;
    if (name == spelled) {
      return name;
    }
    if (name != "." && name != ".." && spells(name, spelled)) {
      matches.push_back(name);
    }
  }
  if (errno != 0) {
    return std::nullopt;
  }
  if (matches.size() != 1) {
    errno = ENOENT;
    return std::nullopt;
  }
  return matches.front();
}

}  // namespace

std::optional<std::string> link_target(const std::string& name) {
  std::string target(PATH_MAX, '\0');
  ssize_t size = readlink(name.c_str(), target.data(), target.size());
  if (size < 0 || static_cast<size_t>(size) >= target.size()) {
    return std::nullopt;
  }
  target.resize(static_cast<size_t>(size));
  size_t slash = name.find_last_of('/');
  if (target.starts_with('/') || slash == std::string::npos) {
    return target;
  }
  return name.substr(0, slash + 1) + target;
}

std::optional<std::string> final_name(const File& file, const char* path) {
  if (!file.identity()) {
    return std::nullopt;
  }
  if (!file.identity()->listed.empty()) {
    return file.identity()->listed;
  }
  std::optional<std::string> name = real_path(path);
  struct stat info {};
  if (!name || stat(name->c_str(), &info) != 0) {
    return std::nullopt;
  }
  if (FileIdentity{static_cast<uint64_t>(info.st_dev),
                   static_cast<uint64_t>(info.st_ino),
                   ""} != *file.identity()) {
    errno = ENOENT;  // the name leads to another file now
    return std::nullopt;
  }
  return name;
}

std::optional<std::string> listed_path(const char* path) {
  std::optional<std::string> real = real_path(path);
  if (!real) {
    return std::nullopt;
  }
  std::string listed;
  for (size_t at = 1; at <= real->size();) {
    size_t end = std::min(real->find('/', at), real->size());
    std::string name = real->substr(at, end - at);
    std::string folder = listed + "/";
    if (on_fuse(folder)) {
      std::optional<std::string> entry = listed_entry(folder, name);
      if (!entry) {
        return std::nullopt;
      }
      name = *entry;
    }
    listed = folder + name;
    at = end + 1;
  }
  return listed;
}

}  // namespace bintool
