// Hostile input: directories, pipes, full disks, device files, odd names and
// extreme numbers. Each run ends with a clear message or the usual silence,
// status 0, and no file the user still needs lost or emptied.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "e2e/harness.h"
#include "support/bytes.h"

namespace bintool::test {
namespace {

const char kOpen[] = "Can't open file\n";
const char kCreate[] = "Can't create file\n";
const char kWrite[] = "Can't write to file\n";

struct Case {
  std::vector<std::string> args;
  std::string out;
  std::map<std::string, std::string> made;  // files the run creates
};

// Runs each case among a 4-byte file f, an empty file z, a directory dir
// and a named pipe p that nobody writes to; f and z must survive unchanged.
void run_hostile(std::span<const Case> cases) {
  for (const Case& c : cases) {
    std::string line;
    for (const auto& arg : c.args) {
      line += arg + " ";
    }
    SCOPED_TRACE(line);
    Sandbox box;
    box.write("f", "abcd");
    box.write("z", "");
    mkdir(box.path("dir").c_str(), 0755);
    mkfifo(box.path("p").c_str(), 0644);
    RunResult r = box.run(c.args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, 0);
    std::map<std::string, std::string> after = c.made;
    after["f"] = "abcd";
    after["z"] = "";
    EXPECT_EQ(box.files(), after);
  }
}

TEST(Hostile, DirectoriesAreNoFiles) {
  const Case kCases[] = {
      {{"L", "dir", "o"}, "File could not be opened\n", {{"o", ""}}},
      {{"R", "dir", "o"}, std::string(kOpen) + kCreate, {}},
      {{"U", "dir", "f"}, std::string(kOpen) + kCreate, {}},
      {{"I", "dir", "o"}, std::string(kOpen) + kCreate, {}},
      {{"S", "dir", "f", "o"},
       std::string(kOpen) + "Files are not same size\n",
       {}},
      {{"O", "dir", "a", "b"}, std::string(kOpen) + kOpen, {}},
      {{"T", "dir", "41"}, kOpen, {}},
      {{"K", "dir"}, kOpen, {}},
      {{"C", "dir", "f"}, kOpen, {}},
      {{"P", "dir"}, kOpen, {}},
      {{"H", "dir"}, std::string(kOpen) + kOpen, {}},
      {{"1", "dir", "f", "o"},
       std::string(kOpen) + "Files are not the same size\n",
       {}},
      {{"4", "dir", "a", "b"}, kOpen, {}},
      {{"L", "f", "dir"}, kCreate, {}},
      {{"R", "f", "dir"}, "File could not be opened\n", {}},
      {{"U", "f", "dir"}, kOpen, {}},
      {{"I", "f", "dir"}, kCreate, {}},
      {{"S", "f", "f", "dir"}, kCreate, {}},
      {{"O", "f", "dir", "b"}, kOpen, {}},
      {{"3", "f", "f", "dir"}, kCreate, {}},
      {{"2", "f", "a", "dir"}, kCreate, {{"a", "ab"}}},
      {{"L", "f", "no/such/dir/o"}, kCreate, {}},
  };
  run_hostile(kCases);
}

TEST(Hostile, PipesNeverHang) {
  // A named pipe cannot be measured: the commands that measure refuse it
  // after one message; L reads it to its end, which with no writer is now.
  const Case kCases[] = {
      {{"L", "p", "o"}, "", {{"o", ""}}},
      {{"R", "p", "o"}, kOpen, {}},
      {{"U", "p", "f"}, kOpen, {}},
      {{"I", "p", "o"}, kOpen, {}},
      {{"S", "p", "f", "o"},
       std::string(kOpen) + "Files are not same size\n",
       {}},
      {{"O", "p", "a", "b"}, kOpen, {}},
      {{"T", "p", "41"}, kOpen, {}},
      {{"K", "p"}, kOpen, {}},
      {{"C", "f", "p"}, kOpen, {}},
      {{"P", "p"}, kOpen, {}},
      {{"H", "p"}, kOpen, {}},
      {{"2", "p", "a", "b"}, kOpen, {}},
  };
  run_hostile(kCases);
}

TEST(Hostile, FullDisksAreReported) {
  const Case kCases[] = {
      {{"L", "f", "/dev/full"}, kWrite, {}},
      {{"R", "f", "/dev/full"}, kWrite, {}},
      {{"U", "f", "/dev/full"}, kWrite, {}},
      {{"I", "f", "/dev/full"}, kWrite, {}},
      {{"S", "f", "f", "/dev/full"}, kWrite, {}},
      {{"O", "f", "/dev/full", "b"}, kWrite, {{"b", ""}}},
      {{"O", "f", "a", "/dev/full"}, kWrite, {{"a", "ac"}}},
      {{"1", "f", "f", "/dev/full"}, kWrite, {}},
      {{"2", "f", "/dev/full", "b"}, kWrite, {}},
      {{"4", "f", "a", "/dev/full"}, kWrite, {{"a", "dc"}}},
  };
  run_hostile(kCases);
}

TEST(Hostile, DevNullReadsAsAnEmptyFile) {
  // Every command gives the same for /dev/null as for an empty file.
  const std::vector<std::vector<std::string>> kCommands = {
      {"L", "@", "o"},     {"R", "@", "o", "q"}, {"U", "@", "f"},
      {"I", "@", "o"},     {"S", "@", "@", "o"}, {"O", "@", "o", "q"},
      {"T", "@", "41"},    {"K", "@"},           {"C", "@", "@"},
      {"P", "@"},          {"H", "@"},           {"1", "@", "@", "o"},
      {"2", "@", "o", "q"}};
  for (const auto& command : kCommands) {
    SCOPED_TRACE(command[0]);
    std::map<std::string, std::string> files[2];
    std::string out[2];
    for (int way = 0; way < 2; ++way) {
      Sandbox box;
      box.write("f", "abcd");
      box.write("z", "");
      std::vector<std::string> args = command;
      for (auto& arg : args) {
        arg = arg == "@" ? (way == 0 ? "z" : "/dev/null") : arg;
      }
      RunResult r = box.run(args);
      EXPECT_EQ(r.status, 0);
      out[way] = r.out;
      files[way] = box.files();
    }
    EXPECT_EQ(out[1], out[0]);
    EXPECT_EQ(files[1], files[0]);
  }
}

TEST(Hostile, NamesAreTakenAsTheyStand) {
  // Windows has no control bytes in names and passes arguments in its own
  // code page, so there the names stay printable ASCII.
  std::vector<std::string> names = {"a b", "-x", "--"};
  if (!testing_windows_build()) {
    names.insert(names.end(), {"\xC3\xA9t\xC3\xA9.bin", "\x01"});
  }
  Sandbox box;
  std::string joined;
  std::vector<std::string> args = {"L"};
  for (const auto& name : names) {
    box.write(name, name);
    joined += name;
    args.push_back(name);
  }
  args.push_back("-o");
  EXPECT_EQ(box.run(args).out, "");
  EXPECT_EQ(box.read("-o"), joined);
  EXPECT_EQ(box.run({"K", "-x"}).out,
            "Length=2H (2 DEC)\nChecksum=      A5 (A5)-Checksum=00A5");
  EXPECT_EQ(box.run({"C", "a b", "-o"}).out,
            "error: Fajlovi 'a b' i '-o' nisu iste duzine");
}

TEST(Hostile, ExtremeAddressesAndLengths) {
  // Addresses are unsigned offsets: past the end I copies nothing, U grows
  // the file sparsely, P warns and refuses.
  const std::string source = ramp(0x40);
  struct Extract {
    std::vector<std::string> args;
    std::string copied;
  };
  const Extract kExtracts[] = {
      {{"0"}, source},
      {{"7FFFFFFF"}, ""},
      {{"80000000"}, ""},
      {{"FFFFFFFF"}, ""},
      {{"0", "0"}, source},
      {{"10", "7FFFFFFF"}, source.substr(0x10)},
      {{"10", "80000000"}, source.substr(0x10)},
      {{"10", "FFFFFFFF"}, source.substr(0x10)},
  };
  for (const auto& c : kExtracts) {
    SCOPED_TRACE(c.args.back());
    Sandbox box;
    box.write("s", source);
    std::vector<std::string> args = {"I", "s", "d"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    EXPECT_EQ(box.run(args).out, "");
    EXPECT_EQ(box.read("d"), c.copied);
  }
  for (uint64_t address : {0x7FFFFFFFull, 0x80000000ull, 0xFFFFFFFFull}) {
    SCOPED_TRACE(address);
    Sandbox box;
    box.write("s", "XY");
    box.write("d", "0123");
    char hex[16];
    std::snprintf(hex, sizeof hex, "%llX",
                  static_cast<unsigned long long>(address));
    EXPECT_EQ(box.run({"U", "s", "d", hex}).out, "");
    struct stat info {};
    ASSERT_EQ(stat(box.path("d").c_str(), &info), 0);
    EXPECT_EQ(static_cast<uint64_t>(info.st_size), address + 2);
    std::ifstream in(box.path("d"), std::ios::binary);
    std::string head(4, '\0');
    std::string tail(2, '\0');
    in.read(head.data(), 4);
    in.seekg(static_cast<std::streamoff>(address));
    in.read(tail.data(), 2);
    EXPECT_EQ(head, "0123");
    EXPECT_EQ(tail, "XY");
    EXPECT_EQ(box.run({"P", "s", hex}).out,
              "UPOZORENJE: fajl je kraci od adrese + prikaz)\n"
              "error: BACI RACUNAR KROZ PROZOR !!!!!\n");
  }
}

TEST(Hostile, ThePromptGoesOnWithStandardInputClosed) {
  Sandbox box;
  box.write("a", std::string(25, 'a'));
  box.write("b", std::string(25, 'b'));
  RunResult r = box.run_without_input({"C", "a", "b"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.ends_with("ESC - prekid ...\n000018 - 61 <> 62\n"))
      << r.out;
}

}  // namespace
}  // namespace bintool::test
