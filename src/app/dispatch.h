// The program entry's work: usage text, help, version, or the one matching
// handler, and the exit status.
#ifndef BINTOOL_APP_DISPATCH_H_
#define BINTOOL_APP_DISPATCH_H_

namespace bintool {

/// True when `argument` is exactly the one character `letter`, ASCII case
/// ignored. Null and empty arguments match nothing.
bool letter_matches(const char* argument, char letter);

/// Runs the command line: the usage text when no command letter is given,
/// help (--help, -h) and the version (--version), otherwise the handler
/// whose letter matches argv[1]; then ends the run as every run ends
/// (close_output). Returns the exit status: 0 when the command did what was
/// asked, 1 when it said a failure (a first argument that is no command
/// too).
int run(int argc, char* argv[]);

}  // namespace bintool

#endif  // BINTOOL_APP_DISPATCH_H_
