// The front end: usage text, letter matching, argument counts, exit status.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace bintool::test {
namespace {

TEST(Dispatch, NoArgumentsPrintsUsageWithTheProgramName) {
  Sandbox box;
  RunResult r = box.run({});
  EXPECT_EQ(r.status, 0);
  // Windows hands the program its own spelling of its path.
  std::string program = testing_windows_build()
                            ? r.out.substr(1, r.out.find(" # file1") - 1)
                            : command_prefix().back();
  std::string head =
      "\n" + program + " # file1 file2 ... (All numbers are HEX) - V.8.0\n\n";
  EXPECT_EQ(r.out.substr(0, head.size()), head);
  EXPECT_EQ(r.out.size(), head.size() + 1005);
  EXPECT_TRUE(
      r.out.ends_with("\n# = 4 - convert HEBER video 1 eprom to 2  :     "
                      "sourc dest1 dest2"));
}

TEST(Dispatch, LettersMatchWholeArgumentsInEitherCase) {
  Sandbox box;
  box.write("f", "\x01\x02\xFF");
  const std::string kReport =
      "Length=3H (3 DEC)\nChecksum=       2 (2)-Checksum=0002";
  EXPECT_EQ(box.run({"K", "f"}).out, kReport);
  EXPECT_EQ(box.run({"k", "f"}).out, kReport);
  EXPECT_EQ(box.run({"h", "f"}).out, ">01,>02,>FF,");
  // Anything else runs nothing and prints nothing.
  for (const char* letter : {"KK", "K ", "", "x", "5", "0", "LR", " K"}) {
    SCOPED_TRACE(letter);
    RunResult r = box.run({letter, "f", "g", "h"});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.status, 0);
  }
  EXPECT_EQ(box.files().size(), 1u);
}

TEST(Dispatch, TooFewArgumentsStopBeforeAnyFileIsTouched) {
  // Each command's own message; existing files keep their bytes.
  struct Case {
    std::vector<std::string> args;
    const char* out;
  };
  const char* kParams = "error: Too few params !!!\n";
  const Case kCases[] = {
      {{"L", "a"}, kParams},
      {{"R", "a"}, kParams},
      {{"U", "a"}, kParams},
      {{"I", "a"}, kParams},
      {{"C", "a"}, kParams},
      {{"S", "a", "b"}, kParams},
      {{"O", "a", "b"}, kParams},
      {{"1", "a", "b"}, kParams},
      {{"2", "a", "b"}, kParams},
      {{"3", "a", "b"}, kParams},
      {{"4", "a", "b"}, kParams},
      {{"K"}, "error: Suvise malo parametara !!!\n"},
      {{"P"}, "error: Suvise malo parametara !!!\n"},
      {{"H"}, "error: Too few param's !!!\n"},
      {{"T"}, "error: nije dobar broj  parametara !!!\n"},
      {{"T", "a"}, "error: nije dobar broj  parametara !!!\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.args[0]);
    Sandbox box;
    box.write("a", "keep");
    box.write("b", "me");
    RunResult r = box.run(c.args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(box.files(),
              (std::map<std::string, std::string>{{"a", "keep"}, {"b", "me"}}));
  }
}

TEST(Dispatch, AFailedCommandStillExitsWithZero) {
  Sandbox box;
  RunResult r = box.run({"K", "missing"});
  EXPECT_EQ(r.out, "Can't open file\n");
  EXPECT_EQ(r.status, 0);
}

}  // namespace
}  // namespace bintool::test
