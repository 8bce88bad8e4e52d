// The pause prompt's key on Windows: a console, or redirected input.
#include <conio.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "inspect/console.h"

namespace bintool {
namespace {

// A console, not just any character device: NUL is one too, and nobody
// types there.
bool is_console(int fd) {
  DWORD mode = 0;
  return GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(fd)), &mode) !=
         0;
}

}  // namespace

bool prompt_unseen() {
  return is_console(_fileno(stdin)) && !is_console(_fileno(stdout));
}

// The console delivers single keys without echo and without Enter by itself.
RawKeyboard::RawKeyboard() : terminal_(is_console(_fileno(stdin))) {}

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
