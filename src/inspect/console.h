// The one key the pause prompt reads, behind a small platform interface.
#ifndef BINTOOL_INSPECT_CONSOLE_H_
#define BINTOOL_INSPECT_CONSOLE_H_

namespace bintool {

inline constexpr int kEscapeKey = 27;

/// True when standard input is a terminal but standard output is not (it
/// goes to a file or a pipe): nobody sees a prompt there, so nobody should
/// have to answer it.
bool prompt_unseen();

/// While it lives, a terminal on standard input delivers single key presses
/// without echo and without waiting for Enter; its settings are put back when
/// the guard ends, and also when the process is interrupted or stopped
/// meanwhile. Standard input that is not a terminal is left alone.
class RawKeyboard {
 public:
  RawKeyboard();
  ~RawKeyboard();
  RawKeyboard(const RawKeyboard&) = delete;
  RawKeyboard& operator=(const RawKeyboard&) = delete;

  /// Waits for one key and returns its code. A function or cursor key, whose
  /// sequence starts with ESC, is not ESC. Without a terminal one byte is
  /// read; the end of input or a read error returns -1, which is not ESC
  /// either, so a run without a keyboard never waits forever.
  int read_key();

 private:
  bool terminal_ = false;
};

}  // namespace bintool

#endif  // BINTOOL_INSPECT_CONSOLE_H_
