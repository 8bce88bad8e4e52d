// Runs the built bintool in a fresh temporary directory.
#include "e2e/harness.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace bintool::test {
namespace {

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::vector<std::string> command_prefix() {
  std::vector<std::string> words;
  if (const char* runner = std::getenv("BINTOOL_RUNNER")) {
    std::istringstream split(runner);
    for (std::string word; split >> word;) {
      words.push_back(word);
    }
  }
  const char* binary = std::getenv("BINTOOL_BIN");
  words.push_back(binary != nullptr && *binary != '\0'
                      ? std::filesystem::absolute(binary).string()
                      : std::string(BINTOOL_BINARY));
  return words;
}

bool testing_windows_build() {
  return command_prefix().back().ends_with(".exe");
}

std::vector<std::string> command_line(const std::vector<std::string>& args) {
  std::vector<std::string> words = command_prefix();
  words.insert(words.end(), args.begin(), args.end());
  return words;
}

std::vector<char*> argv_of(std::vector<std::string>& words) {
  std::vector<char*> argv;
  for (auto& word : words) {
    argv.push_back(word.data());
  }
  argv.push_back(nullptr);
  return argv;
}

Sandbox::Sandbox() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "bintool-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("mkdtemp failed");
  }
  dir_ = pattern;
}

Sandbox::~Sandbox() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_ + ".io", ignored);
  std::filesystem::remove_all(dir_, ignored);
}

void Sandbox::write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(path(name), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Sandbox::read(const std::string& name) const {
  return slurp(path(name));
}

bool Sandbox::exists(const std::string& name) const {
  struct stat info {};
  return lstat(path(name).c_str(), &info) == 0;
}

std::map<std::string, std::string> Sandbox::files() const {
  std::map<std::string, std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
    if (entry.is_regular_file()) {
      found[entry.path().filename().string()] = slurp(entry.path().string());
    }
  }
  return found;
}

RunResult Sandbox::run(const std::vector<std::string>& args,
                       const std::string& input) const {
  return spawn(args, input, false);
}

RunResult Sandbox::run_without_input(
    const std::vector<std::string>& args) const {
  return spawn(args, "", true);
}

RunResult Sandbox::spawn(const std::vector<std::string>& args,
                         const std::string& input, bool close_input) const {
  // Standard input and output live beside the directory, not in it, so the
  // files a command leaves are all its own.
  std::string io = dir_ + ".io";
  std::filesystem::create_directories(io);
  std::string in_path = "/dev/null";
  if (!input.empty()) {
    in_path = io + "/stdin";
    std::ofstream(in_path, std::ios::binary) << input;
  }
  std::string out_path = io + "/stdout";

  std::vector<std::string> words = command_line(args);
  std::vector<char*> argv = argv_of(words);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (close_input) {
    posix_spawn_file_actions_addclose(&actions, 0);
  } else {
    posix_spawn_file_actions_addopen(&actions, 0, in_path.c_str(), O_RDONLY, 0);
  }
  posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addchdir_np(&actions, dir_.c_str());
  pid_t pid = 0;
  int error =
      posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    throw std::runtime_error("cannot start " + words[0]);
  }
  int wait_status = 0;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (waitpid(pid, &wait_status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &wait_status, 0);
      break;
    }
    usleep(1000);
  }
  RunResult result;
  result.out = slurp(out_path);
  result.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status)
                                         : 128 + WTERMSIG(wait_status);
  return result;
}

void run_file_cases(std::span<const FileCase> cases) {
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    Sandbox box;
    for (const auto& [name, bytes] : c.before) {
      box.write(name, bytes);
    }
    RunResult r = box.run(c.args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, 0);
    std::map<std::string, std::string> after = c.before;
    for (const auto& [name, bytes] : c.changed) {
      after[name] = bytes;
    }
    EXPECT_EQ(box.files(), after);
  }
}

}  // namespace bintool::test
