// What the system says when a call fails: its error code, its words for it,
// and the few codes the tool acts on.
#ifndef BINTOOL_IO_SYSTEM_ERROR_H_
#define BINTOOL_IO_SYSTEM_ERROR_H_

#include <string>

namespace bintool {

/// The error of the last call of this thread that failed: errno; on Windows
/// the system's own code (GetLastError), which the C runtime's file calls
/// leave there too.
int last_system_error();

/// The system's words for `error`, as its own tools print them: strerror; on
/// Windows FormatMessage, in the user's language, without the line end.
std::string system_error_text(int error);

/// True when `error` says that a name leads nowhere (ENOENT).
bool not_found(int error);

/// True when `error` says that no descriptor was free (EMFILE, ENFILE).
bool out_of_descriptors(int error);

/// True when `error` says that a name is taken already (EEXIST).
bool name_taken(int error);

/// True when `error` says that a named pipe opened without waiting has no
/// reader yet (ENXIO; Windows has no such pipes).
bool no_reader_yet(int error);

/// True when `error`, from a write, says that the reader of a pipe has gone
/// away (EPIPE; on Windows ERROR_NO_DATA or ERROR_BROKEN_PIPE).
bool reader_gone(int error);

/// True when `error`, from a sync, says that the file system does not sync
/// such a file (EINVAL): a folder on some media.
bool sync_unsupported(int error);

}  // namespace bintool

#endif  // BINTOOL_IO_SYSTEM_ERROR_H_
