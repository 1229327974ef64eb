#include "getopt.h"

#include <cstring>

namespace engine {

OptionScanner::OptionScanner(int argc, const char* const* argv, const char* letters,
                             std::FILE* diagnostics)
    : argc_(argc), argv_(argv), letters_(letters), diagnostics_(diagnostics) {}

bool OptionScanner::takesArgument(char letter, bool* known) const {
  const char* found = letter == ':' ? nullptr : std::strchr(letters_, letter);
  *known = found != nullptr && letter != '\0';
  return *known && found[1] == ':';
}

int OptionScanner::next() {
  argument_ = nullptr;
  if (inWord_ == nullptr) {
    for (;; ++word_) {
      if (word_ >= argc_) return kEnd;
      const char* word = argv_[word_];
      if (std::strcmp(word, "--") == 0) {
        word_ = argc_;
        return kEnd;
      }
      if (word[0] == '-' && word[1] != '\0') {
        inWord_ = word + 1;
        ++word_;
        break;
      }
    }
  }

  const char letter = *inWord_++;
  const char* program = argc_ > 0 ? argv_[0] : "";
  bool known;
  const bool withArgument = takesArgument(letter, &known);
  if (!known) {
    std::fprintf(diagnostics_, "%s: invalid option -- %c\n", program, letter);
    if (*inWord_ == '\0') inWord_ = nullptr;
    return kError;
  }
  if (withArgument) {
    if (*inWord_ != '\0') {
      argument_ = inWord_;
    } else if (word_ < argc_) {
      argument_ = argv_[word_++];
    } else {
      inWord_ = nullptr;
      std::fprintf(diagnostics_, "%s: option requires an argument -- %c\n", program, letter);
      return kError;
    }
    inWord_ = nullptr;
  } else if (*inWord_ == '\0') {
    inWord_ = nullptr;
  }
  return letter;
}

}  // namespace engine
