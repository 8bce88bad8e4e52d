// The program entry's work: usage text or the one matching handler.
#ifndef BINTOOL_APP_DISPATCH_H_
#define BINTOOL_APP_DISPATCH_H_

namespace bintool {

/// True when `argument` is exactly the one character `letter`, ASCII case
/// ignored. Null and empty arguments match nothing.
bool letter_matches(const char* argument, char letter);

/// Prints the usage text when no command letter is given, otherwise runs the
/// handler whose letter matches argv[1]. The caller then ends the run with
/// close_output; whatever happens, the exit status is 0.
void run(int argc, char* argv[]);

}  // namespace bintool

#endif  // BINTOOL_APP_DISPATCH_H_
