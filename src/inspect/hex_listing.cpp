// H: every byte of a file as ">XX" text, eight items to a CR LF line.
#include <optional>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "inspect/text_format.h"
#include "io/block_reader.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

int BinaryTool::hex_listing(int argc, char* argv[]) {
  std::optional<Source> source =
      checked_source(argc, argv, 3, kTooFewParamsApostrophe, kCantOpenFile);
  Buffer block = source ? block_or_fail() : Buffer();
  if (!block) {
    return kFailed;
  }
  // Blocks are whole multiples of 64 bytes: each one starts a line.
  std::string out;
  return read_blocks(source->file, source->name,
                     static_cast<uint64_t>(source->length), block.span(),
                     [&](auto bytes) {
                       append_listing(out, bytes);
                       bool printed = print(out);
                       out.clear();
                       return printed;
                     });
}

}  // namespace bintool
