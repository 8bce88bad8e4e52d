// The one key the pause prompt reads, behind a small platform interface.
#ifndef BINTOOL_INSPECT_CONSOLE_H_
#define BINTOOL_INSPECT_CONSOLE_H_

namespace bintool {

inline constexpr int kEscapeKey = 27;

/// Waits for one key on standard input and returns its code. On a terminal
/// the key is read without echo and without waiting for Enter, and the
/// terminal's settings are restored before returning (also when the process
/// is interrupted meanwhile); a function or cursor key, which sends a
/// sequence starting with ESC, is not ESC. Otherwise one byte is read; the
/// end of input or a read error returns -1, which is not ESC either, so a
/// run without a keyboard never waits forever.
int read_key();

}  // namespace bintool

#endif  // BINTOOL_INSPECT_CONSOLE_H_
