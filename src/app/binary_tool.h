// The command object: one handler per command letter and the shared length
// measurement. Handlers are defined beside their subsystem.
#ifndef BINTOOL_APP_BINARY_TOOL_H_
#define BINTOOL_APP_BINARY_TOOL_H_

#include <cstdint>
#include <optional>

#include "io/file.h"

namespace bintool {

/// Stateless. Every handler takes the process's argument count and vector
/// unchanged (argv[1] is the command letter, its own arguments follow) and
/// returns 0 on success or -1 after a failure it said (app/failure.h), which
/// makes the exit status 1. A count below the command's minimum says its
/// message, and the handler returns at once.
class BinaryTool {
 public:
  // Assembling files.
  int concatenate(int argc, char* argv[]);  // L sourc1 sourc2 ... dest
  int split(int argc, char* argv[]);        // R sourc dest1 dest2 ...
  int insert(int argc, char* argv[]);       // U sourc dest address
  int extract(int argc, char* argv[]);      // I sourc dest address [length]

  // Byte lanes and HEBER layouts.
  int interleave(int argc, char* argv[]);           // S sourc1 sourc2 dest
  int deinterleave(int argc, char* argv[]);         // O sourc dest1 dest2
  int heber_program_join(int argc, char* argv[]);   // 1 sourc1 sourc2 dest
  int heber_program_split(int argc, char* argv[]);  // 2 sourc dest1 dest2
  int heber_video_join(int argc, char* argv[]);     // 3 sourc1 sourc2 dest
  int heber_video_split(int argc, char* argv[]);    // 4 sourc dest1 dest2

  // Inspecting files.
  int search(int argc, char* argv[]);       // T sourc pattern...
  int checksum(int argc, char* argv[]);     // K sourc
  int compare(int argc, char* argv[]);      // C sourc1 sourc2
  int hex_view(int argc, char* argv[]);     // P sourc [address] [rows]
  int hex_listing(int argc, char* argv[]);  // H sourc

  /// The length of an open source named `name` in bytes (0 for an empty
  /// file). When it did not open (missing, unreadable, a directory) or has
  /// no length (a pipe) says "Can't open file\n", and for one that did not
  /// open `then` after it, where given (the second message users have always
  /// seen from R, I, U, O and H), and returns -1.
  int64_t file_length(const File& file, const char* name,
                      const char* then = nullptr);

  /// A source opened once for reading, measured on that descriptor.
  struct Source {
    File file;
    int64_t length;
    const char* name;
  };

  /// Opens `name` and measures it with file_length.
  Source open_source(const char* name, const char* then = nullptr);

  /// For the commands with one source: the count check (below `minimum`,
  /// `too_few`), then the source at argv[2] as open_source opens it. No
  /// value after the failure of whichever failed.
  std::optional<Source> checked_source(int argc, char* argv[], int minimum,
                                       const char* too_few,
                                       const char* then = nullptr);
};

}  // namespace bintool

#endif  // BINTOOL_APP_BINARY_TOOL_H_
