// Fuzzes the whole tool: any argument vector, run on a scratch directory of
// small files, must end cleanly. Input: the arguments after the program
// name, separated by NUL bytes; '/' becomes '_', so no run leaves the
// scratch directory.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/dispatch.h"
#include "app/standard_output.h"

namespace {

char g_scratch[] = "/tmp/bintool-fuzz-XXXXXX";

// The scratch folder goes with the fuzzer.
void remove_scratch() {
  std::error_code ignored;
  std::filesystem::current_path("/", ignored);
  std::filesystem::remove_all(g_scratch, ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (mkdtemp(g_scratch) == nullptr || chdir(g_scratch) != 0) {
    std::abort();
  }
  std::atexit(remove_scratch);
  // No file grows past 5 GiB (room for a sparse file past 4 GiB): one that
  // tries is a finding (libFuzzer's SIGXFSZ). No keyboard, and nothing
  // printed.
  rlimit size{rlim_t{5} << 30, rlim_t{5} << 30};
  setrlimit(RLIMIT_FSIZE, &size);
  (void)std::freopen("/dev/null", "r", stdin);
  (void)std::freopen("/dev/null", "w", stdout);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> words = {"bintool", ""};
  for (size_t i = 0; i < size && words.size() <= 16; ++i) {
    if (data[i] == 0) {
      words.emplace_back();
    } else {
      words.back() += data[i] == '/' ? '_' : static_cast<char>(data[i]);
    }
  }
  // The same files before every run: empty, odd, a word-sized image, a
  // longer one, and a directory.
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    std::filesystem::remove_all(entry.path());
  }
  std::ofstream("a");
  std::ofstream("b") << "ABC\x80\xFF";
  std::ofstream("c") << std::string(64, '\x5A');
  std::ofstream("e") << std::string(300, '\xA5') << "tail";
  mkdir("d", 0755);
  std::vector<char*> argv;
  for (auto& word : words) {
    argv.push_back(word.data());
  }
  argv.push_back(nullptr);
  // The run ends as the shipped tool's does.
  bintool::run(static_cast<int>(words.size()), argv.data());
  bintool::close_output();
  return 0;
}
