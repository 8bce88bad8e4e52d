// The pause prompt's key on Windows consoles and redirected input.
#include <conio.h>
#include <io.h>

#include <cstdio>

#include "inspect/console.h"

namespace bintool {

bool prompt_unseen() {
  return _isatty(_fileno(stdin)) != 0 && _isatty(_fileno(stdout)) == 0;
}

// The console delivers single keys without echo and without Enter by itself.
RawKeyboard::RawKeyboard() : terminal_(_isatty(_fileno(stdin)) != 0) {}

RawKeyboard::~RawKeyboard() = default;

int RawKeyboard::read_key() {
  if (!terminal_) {
    unsigned char byte = 0;
    return _read(_fileno(stdin), &byte, 1) == 1 ? byte : -1;
  }
  int key = _getch();
  // Function and cursor keys arrive as 0 or 0xE0 and a second code: a key
  // like any other, never ESC.
  if (key == 0 || key == 0xE0) {
    _getch();
    return 0;
  }
  return key;
}

}  // namespace bintool
