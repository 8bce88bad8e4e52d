// The usage text printed when no command letter is given.
#include "app/usage.h"

#include "app/version.h"

namespace bintool {
namespace {

// The argument words start in column 49 of every line; users and scripts
// grep these lines, so every blank counts. The last line has no line feed.
constexpr std::string_view kHeadBefore = "\n";
constexpr std::string_view kHeadAfter =
    " # file1 file2 ... (All numbers are HEX) - V.";
constexpr std::string_view kCommandLines[] = {
    "# = L - adding 2 or more files:                 sourc1 sourc2 ... dest\n",
    "# = R - split to 2 or more files:               sourc dest1 dest2 ...\n",
    "# = U - insert source in dest at the address:   sourc dest address\n",
    "# = I - extract part of the file from address:  sourc dest address "
    "[length]\n",
    "# = S - combine two 8-bit files to one 16-bit:  sourc1 sourc2 dest\n",
    "# = O - split one 16-bit file to two 8-bit:     sourc dest1 dest2\n",
    "# = T - search in file:                         sourc 'Mi a' f ? 3f 'A' "
    "0B\n",
    "# = K - checksum:                               sourc\n",
    "# = C - compare 2 files:                        sourc1 sourc2\n",
    "# = P - show HEX from address:                  sourc adresa [No. rows]\n",
    "# = H - convert BIN to ASCI (eg. 0xff,...):     sourc >dest\n",
    "# = 1 - convert HEBER 2 eproms to 1       :     sourc1 sourc2 dest\n",
    "# = 2 - convert HEBER 1 eprom to 2        :     sourc dest1 dest2\n",
    "# = 3 - convert HEBER video 2 eproms to 1 :     sourc1 sourc2 dest\n",
    "# = 4 - convert HEBER video 1 eprom to 2  :     sourc dest1 dest2",
};

}  // namespace

std::string usage_text(std::string_view program) {
  std::string text;
  text.append(kHeadBefore).append(program).append(kHeadAfter);
  text.append(kVersion).append("\n\n");
  for (std::string_view line : kCommandLines) {
    text.append(line);
  }
  return text;
}

std::string help_text(std::string_view program) {
  return usage_text(program) +
         "\n\nEvery command in full: man bintool (bintool.txt on Windows)\n";
}

}  // namespace bintool
