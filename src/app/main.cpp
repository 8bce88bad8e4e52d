// Program entry.
#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <csignal>
#endif

#include "app/dispatch.h"
#include "app/standard_output.h"
#include "io/standard_descriptors.h"

int main(int argc, char* argv[]) {
  bintool::fill_standard_descriptors();
#ifdef _WIN32
  // Bytes reach standard output unchanged: H writes its own CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
#else
  // A reader that goes away (bintool H f | head) or a file size limit fails
  // the write that meets it, which the command reports, instead of killing
  // the process.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  bintool::run(argc, argv);
  // What standard output still holds can fail too (a full disk), and so
  // can its close.
  bintool::close_output();
  return 0;
}
