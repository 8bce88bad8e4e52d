// The usage text printed when no command letter is given.
#ifndef BINTOOL_APP_USAGE_H_
#define BINTOOL_APP_USAGE_H_

#include <string>
#include <string_view>

namespace bintool {

/// The complete usage text with `program` (argv[0]) in its first line. It
/// ends right after "sourc dest1 dest2", with no line feed.
std::string usage_text(std::string_view program);

/// What --help prints: the usage text, a line feed, and where the manual
/// is.
std::string help_text(std::string_view program);

}  // namespace bintool

#endif  // BINTOOL_APP_USAGE_H_
