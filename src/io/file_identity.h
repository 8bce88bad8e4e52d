// Which file an open descriptor is on, whatever name, link or letter case
// led to it.
#ifndef BINTOOL_IO_FILE_IDENTITY_H_
#define BINTOOL_IO_FILE_IDENTITY_H_

#include <cstdint>
#include <string>

namespace bintool {

/// Two open files are one file exactly when their identities are equal.
struct FileIdentity {
  uint64_t device = 0;  // on Windows the volume's serial number
  uint64_t index = 0;   // the inode; on Windows the file index
  // Where the file system gives each spelling of a name an index of its own
  // (exFAT or FAT through FUSE): the path its folders list the file under,
  // the same for every spelling. Empty elsewhere.
  std::string listed;

  friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
    return (a.device == b.device && a.index == b.index) ||
           (!a.listed.empty() && a.listed == b.listed);
  }
};

}  // namespace bintool

#endif  // BINTOOL_IO_FILE_IDENTITY_H_
