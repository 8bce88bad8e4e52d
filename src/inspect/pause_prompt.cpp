// The paging prompt of T and C, and the paged output that calls it.
#include "inspect/pause_prompt.h"

#include <cstdio>

#include "app/conventions.h"
#include "app/messages.h"
#include "inspect/console.h"

namespace bintool {
namespace {

// Shows the prompt and waits for its key. The terminal is raw before the
// prompt shows, so a key pressed at once is neither echoed nor kept waiting
// for Enter. Nothing here ends the run, which would leave the terminal raw;
// a prompt that cannot be written is answered as by ESC.
int prompted_key() {
  RawKeyboard keyboard;
  std::fputs(kPausePrompt, stdout);
  return flush_output() ? keyboard.read_key() : kEscapeKey;
}

}  // namespace

void pause_prompt() {
  if (prompt_unseen()) {
    // Nobody sees a prompt in a file or a pipe: it keeps the bytes a key
    // press gives, and nothing waits.
    print(kPausePrompt);
    print("\n");
    return;
  }
  int key = prompted_key();
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
  }
}

void PagedOutput::flush() {
  print(text_);
  text_.clear();
}

}  // namespace bintool
