// The paging prompt of T and C, and the paged output that calls it.
#include "inspect/pause_prompt.h"

#include <cstdio>

#include "app/messages.h"
#include "app/standard_output.h"
#include "inspect/console.h"

namespace bintool {
namespace {

// Raw before the prompt shows, so an early key is not echoed. A failed
// prompt reads as ESC.
int prompted_key() {
  RawKeyboard keyboard;
  std::fputs(kPausePrompt, stdout);
  return flush_output() ? keyboard.read_key() : kEscapeKey;
}

}  // namespace

void pause_prompt() {
  if (run_over()) {
    return;
  }
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
    end_output();
  }
}

void PagedOutput::end_item() {
  // Once the run is over, no page is shown and no key is waited for.
  if (run_over()) {
    return;
  }
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
