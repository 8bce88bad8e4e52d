// Runs the built bintool in a fresh temporary directory and reports exactly
// what it printed, how it ended and which files it left.
#ifndef BINTOOL_TESTS_E2E_HARNESS_H_
#define BINTOOL_TESTS_E2E_HARNESS_H_

#include <map>
#include <span>
#include <string>
#include <vector>

namespace bintool::test {

struct RunResult {
  std::string out;  // standard output, byte for byte
  int status = -1;  // exit status; 128 + signal number when killed
};

/// A temporary working directory, removed with everything in it.
class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  const std::string& dir() const { return dir_; }
  std::string path(const std::string& name) const { return dir_ + "/" + name; }

  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;
  /// Every regular file in the directory (not below it), by name.
  std::map<std::string, std::string> files() const;

  /// Runs bintool with `args` (argv[1] onwards) in the directory, standard
  /// input from `input` (empty: /dev/null). A run still going after a
  /// minute is killed, and its status tells (128 + 9).
  RunResult run(const std::vector<std::string>& args,
                const std::string& input = "") const;

  /// The same with standard input closed.
  RunResult run_without_input(const std::vector<std::string>& args) const;

 private:
  RunResult spawn(const std::vector<std::string>& args,
                  const std::string& input, bool close_input) const;

  std::string dir_;
};

/// One run in a fresh sandbox: the files before, the arguments, the exact
/// output, and the files the run creates or rewrites; every other file must
/// be left as it was.
struct FileCase {
  const char* name;
  std::map<std::string, std::string> before;
  std::vector<std::string> args;
  std::string out;
  std::map<std::string, std::string> changed;
};

/// Runs each case and checks its output, exit status 0 and its files.
void run_file_cases(std::span<const FileCase> cases);

/// The binary under test: $BINTOOL_BIN, or the one this build made. A
/// $BINTOOL_RUNNER (words split at blanks) goes before it, for emulators.
std::vector<std::string> command_prefix();

/// True when the binary under test is a Windows build (run by an emulator).
bool testing_windows_build();

/// The whole command line for `args`, and an argv for execv over it (valid
/// while `words` lives).
std::vector<std::string> command_line(const std::vector<std::string>& args);
std::vector<char*> argv_of(std::vector<std::string>& words);

}  // namespace bintool::test

#endif  // BINTOOL_TESTS_E2E_HARNESS_H_
