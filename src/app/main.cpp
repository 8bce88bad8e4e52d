// Program entry.
#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "app/dispatch.h"

int main(int argc, char* argv[]) {
#ifdef _WIN32
  // Bytes reach standard output unchanged: H writes its own CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  int status = bintool::run(argc, argv);
  std::fflush(stdout);
  return status;
}
