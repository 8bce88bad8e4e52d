// What the system says when a call fails, on Windows: its own codes.
#include <windows.h>

#include "io/system_error.h"

namespace bintool {

int last_system_error() { return static_cast<int>(GetLastError()); }

std::string system_error_text(int error) {
  char* text = nullptr;
  DWORD size = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER |
                                  FORMAT_MESSAGE_FROM_SYSTEM |
                                  FORMAT_MESSAGE_IGNORE_INSERTS,
                              nullptr, static_cast<DWORD>(error), 0,
                              reinterpret_cast<char*>(&text), 0, nullptr);
  std::string words =
      size != 0 ? std::string(text, size) : "error " + std::to_string(error);
  LocalFree(text);
  // The system's texts end in a line end, which the tool's line brings.
  while (!words.empty() && (words.back() == '\n' || words.back() == '\r' ||
                            words.back() == ' ')) {
    words.pop_back();
  }
  return words;
}

bool not_found(int error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool out_of_descriptors(int error) {
  return error == ERROR_TOO_MANY_OPEN_FILES;
}

bool name_taken(int error) {
  return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

bool no_reader_yet(int) { return false; }

bool reader_gone(int error) {
  return error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE;
}

bool sync_unsupported(int error) { return error == ERROR_INVALID_FUNCTION; }

}  // namespace bintool
