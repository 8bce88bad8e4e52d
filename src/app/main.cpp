// Program entry.
#include <cstdio>

#include "app/dispatch.h"

int main(int argc, char* argv[]) {
  int status = bintool::run(argc, argv);
  std::fflush(stdout);
  return status;
}
