// Every fixed text the tool prints, one named constant each.
#ifndef BINTOOL_APP_MESSAGES_H_
#define BINTOOL_APP_MESSAGES_H_

namespace bintool {

// Argument-count messages. Users' scripts match these texts, so the
// near-identical ones stay distinct, typos, apostrophes and double blanks
// included.
inline constexpr char kTooFewParams[] = "error: Too few params !!!\n";
inline constexpr char kTooFewParamsApostrophe[] =
    "error: Too few param's !!!\n";
inline constexpr char kTooFewParamsSuvise[] =
    "error: Suvise malo parametara !!!\n";
inline constexpr char kWrongParamCount[] =
    "error: nije dobar broj  parametara !!!\n";

// File and memory failures.
inline constexpr char kCantOpenFile[] = "Can't open file\n";
inline constexpr char kCantCreateFile[] = "Can't create file\n";
inline constexpr char kFileCouldNotBeOpened[] = "File could not be opened\n";
inline constexpr char kCantWriteToFile[] = "Can't write to file\n";
inline constexpr char kCantCreateBuffer[] = "Can't create buffer\n";
inline constexpr char kCantReadFile[] = "Can't read file\n";
inline constexpr char kFilesNotSameSize[] = "Files are not same size\n";
inline constexpr char kFilesNotTheSameSize[] = "Files are not the same size\n";
inline constexpr char kFilesMustHaveEvenLength[] =
    "Files must have an even length\n";
inline constexpr char kSameFile[] =
    "error: source and destination are the same file\n";
inline constexpr char kTwoDestinations[] =
    "error: two destinations are the same file\n";

// Inspection.
inline constexpr char kMissingClosingQuote[] = "error: missing closing quote\n";
inline constexpr char kPausePrompt[] =
    "Pritisni bilo sta za nastavak, ESC - prekid ...";
inline constexpr char kLengthsDifferFormat[] =
    "error: Fajlovi '%s' i '%s' nisu iste duzine";
inline constexpr char kViewPastEndWarning[] =
    "UPOZORENJE: fajl je kraci od adrese + prikaz)\n";
inline constexpr char kViewBufferFailed[] =
    "error: BACI RACUNAR KROZ PROZOR !!!!!\n";

}  // namespace bintool

#endif  // BINTOOL_APP_MESSAGES_H_
