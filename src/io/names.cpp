// What names lead to: what every system shares; names_posix.cpp and
// names_win32.cpp hold the calls.
#include "io/names.h"

namespace bintool {
namespace {

#ifdef _WIN32
constexpr char kSeparators[] = "/\\";
#else
constexpr char kSeparators[] = "/";
#endif

// Letter case aside, as FAT and exFAT compare (beyond ASCII a name that
// matches no entry exactly is refused, which loses nothing).
char folded(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// A name without its trailing dots and blanks, which FAT drops.
std::string_view trimmed(std::string_view name) {
  size_t end = name.find_last_not_of(". ");
  return name.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

}  // namespace

std::pair<std::string, std::string> split_folder(const std::string& name) {
  size_t cut = name.find_last_of(kSeparators) + 1;
  return {name.substr(0, cut), name.substr(cut)};
}

bool spells(std::string_view listed, std::string_view spelled) {
  listed = trimmed(listed);
  spelled = trimmed(spelled);
  if (listed.empty() || listed.size() != spelled.size()) {
    return false;
  }
  for (size_t i = 0; i < listed.size(); ++i) {
    if (folded(listed[i]) != folded(spelled[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace bintool
