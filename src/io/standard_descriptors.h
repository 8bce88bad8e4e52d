// The three standard descriptors: filled when closed, and what a failed
// write to one means.
#ifndef BINTOOL_IO_STANDARD_DESCRIPTORS_H_
#define BINTOOL_IO_STANDARD_DESCRIPTORS_H_

namespace bintool {

/// Gives each of the standard descriptors 0, 1 and 2 that is closed the
/// null device, read-only, before any file is opened: no file then takes
/// the place of standard input (where the page prompt would read it) or of
/// standard output (where messages would land in it). Closed standard
/// output thus fails its first write, as a failing output does.
void fill_standard_descriptors();

/// True when a failed write's `error` (an errno value) means that the
/// reader of a pipe has gone away: no failure anybody needs to hear of.
bool reader_gone(int error);

}  // namespace bintool

#endif  // BINTOOL_IO_STANDARD_DESCRIPTORS_H_
