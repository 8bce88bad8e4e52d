// What names lead to: links, the name a file can be replaced under, and the
// listed entry a spelling stands for where the file system cannot tell.
#ifndef BINTOOL_IO_NAMES_H_
#define BINTOOL_IO_NAMES_H_

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "io/file.h"

namespace bintool {

/// Where the link `name` leads, as a name that works from here; no value
/// when it is no link. Never a value on Windows, where File::open(kNew)
/// makes the file a link leads to itself.
std::optional<std::string> link_target(const std::string& name);

/// The name under which `file`, opened as `path`, can be replaced or
/// removed: the file a chain of links ends at, as an absolute name (realpath;
/// on Windows GetFinalPathNameByHandle), or its listed path where identities
/// lie. No value when that cannot be had (errno says why), or no longer
/// leads to this file (ENOENT).
std::optional<std::string> final_name(const File& file, const char* path);

/// The folder of the absolute `name`, separator included, and the name in
/// it.
std::pair<std::string, std::string> split_folder(const std::string& name);

/// True when a file system that ignores letter case, and trailing dots and
/// blanks, as exFAT and FAT do, takes `spelled` for the entry `listed`.
bool spells(std::string_view listed, std::string_view spelled);

/// The absolute path of `path` with every name below a FUSE mount as its
/// folder lists it (`spelled` matched to `listed` by spells()), for file
/// systems that give each spelling an identity of its own. No value, with
/// errno, when a folder cannot be listed (its error) or a name stands for
/// no listed entry or for more than one (ENOENT).
std::optional<std::string> listed_path(const char* path);

}  // namespace bintool

#endif  // BINTOOL_IO_NAMES_H_
