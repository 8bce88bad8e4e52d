// The three standard descriptors, filled when closed.
#ifndef BINTOOL_IO_STANDARD_DESCRIPTORS_H_
#define BINTOOL_IO_STANDARD_DESCRIPTORS_H_

namespace bintool {

/// Gives each of the standard descriptors 0, 1 and 2 that is closed the
/// null device, read-only, before any file is opened: no file then takes
/// the place of standard input (where the page prompt would read it) or of
/// standard output (where messages would land in it). Closed standard
/// output thus fails its first write, as a failing output does. False, with
/// last_system_error(), when the null device cannot be opened: then a file
/// could take their place, and the run must end (as coreutils' xstdopen
/// ends it).
bool fill_standard_descriptors();

}  // namespace bintool

#endif  // BINTOOL_IO_STANDARD_DESCRIPTORS_H_
