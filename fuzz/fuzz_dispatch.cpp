// Fuzzes the whole tool: any argument vector, run as a command on a small
// scratch directory of files, must end cleanly. Input: the arguments after
// the program name, separated by NUL bytes. A '/' in an argument becomes '_',
// so no run reaches outside the scratch directory.
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/conventions.h"
#include "app/dispatch.h"

namespace bintool {

// A run that ends early comes back here instead of ending the process, its
// streams closed on the way out as at any return.
struct RunEnded {};

void end_run() {
  std::fflush(stdout);
  throw RunEnded{};
}

}  // namespace bintool

namespace {

constexpr size_t kMostArguments = 16;
constexpr rlim_t kLargestFile = rlim_t{5} << 30;

void write_file(const char* name, const std::string& bytes) {
  std::FILE* file = std::fopen(name, "wb");
  if (file != nullptr) {
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
}

// The same few files before every run: empty, odd, a word-sized image and a
// longer one, and a directory.
void reset_scratch() {
  if (DIR* dir = opendir(".")) {
    while (dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name != "." && name != ".." && name != "d") {
        unlink(name.c_str());
      }
    }
    closedir(dir);
  }
  std::string ramp;
  for (int i = 0; i < 300; ++i) {
    ramp.push_back(static_cast<char>(i * 7));
  }
  write_file("a", "");
  write_file("b", "\x41\x42\x43\x80\xFF");
  write_file("c", ramp.substr(0, 64));
  write_file("e", ramp);
  mkdir("d", 0755);
}

char g_scratch[] = "/tmp/bintool-fuzz-XXXXXX";

void remove_scratch() {
  if (chdir(g_scratch) == 0) {
    reset_scratch();
    unlink("a");
    unlink("b");
    unlink("c");
    unlink("e");
    rmdir("d");
    rmdir(g_scratch);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (mkdtemp(g_scratch) == nullptr || chdir(g_scratch) != 0) {
    std::abort();
  }
  std::atexit(remove_scratch);
  // A run that wrote without end would fill the disk: files stop growing at
  // 5 GiB (room for a sparse file past 4 GiB), where a write fails as on a
  // full disk, and the fuzzer reports the run as too slow.
  rlimit size{kLargestFile, kLargestFile};
  setrlimit(RLIMIT_FSIZE, &size);
  std::signal(SIGXFSZ, SIG_IGN);
  // No keyboard, and nothing printed: the prompt goes on at once.
  int null = open("/dev/null", O_RDWR);
  dup2(null, STDIN_FILENO);
  dup2(null, STDOUT_FILENO);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 1024) {
    return 0;
  }
  std::vector<std::string> words = {"bintool"};
  std::string word;
  for (size_t i = 0; i <= size && words.size() <= kMostArguments; ++i) {
    if (i == size || data[i] == 0) {
      words.push_back(word);
      word.clear();
    } else {
      word.push_back(data[i] == '/' ? '_' : static_cast<char>(data[i]));
    }
  }
  std::vector<char*> argv;
  for (auto& w : words) {
    argv.push_back(w.data());
  }
  argv.push_back(nullptr);
  reset_scratch();
  try {
    bintool::run(static_cast<int>(words.size()), argv.data());
  } catch (const bintool::RunEnded&) {
  }
  std::fflush(stdout);
  return 0;
}
