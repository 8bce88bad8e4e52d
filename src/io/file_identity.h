// Which file an open descriptor is on, whatever name, link or letter case
// led to it.
#ifndef BINTOOL_IO_FILE_IDENTITY_H_
#define BINTOOL_IO_FILE_IDENTITY_H_

#include <compare>
#include <cstdint>

namespace bintool {

/// Two open files are one file exactly when their identities are equal.
struct FileIdentity {
  uint64_t device = 0;  // on Windows the volume's serial number
  uint64_t index = 0;   // the inode; on Windows the file index
  auto operator<=>(const FileIdentity&) const = default;
};

}  // namespace bintool

#endif  // BINTOOL_IO_FILE_IDENTITY_H_
