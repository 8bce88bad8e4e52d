// The paging prompt of T and C, and the paged output that calls it.
#include "inspect/pause_prompt.h"

#include <cstdio>

#include "app/conventions.h"
#include "app/messages.h"
#include "inspect/console.h"

namespace bintool {
namespace {

constexpr size_t kFlushSize = size_t{1} << 16;

}  // namespace

void pause_prompt() {
  int key = 0;
  {
    // The terminal is raw before the prompt shows, so a key pressed at once
    // is neither echoed nor kept waiting for Enter.
    RawKeyboard keyboard;
    print(kPausePrompt);
    std::fflush(stdout);
    key = keyboard.read_key();
  }
  print("\n");
  if (key == kEscapeKey) {
    end_run();
  }
}

void PagedOutput::end_item() {
  ++items_;
  if (items_ % page_items_ == 0) {
    flush();
    pause_prompt();
  } else if (text_.size() >= kFlushSize) {
    flush();
  }
}

void PagedOutput::flush() {
  print(text_);
  text_.clear();
}

}  // namespace bintool
