// A small getopt of our own so the engine parses its switches the same way on every platform:
// switches may be grouped ("-ri"), an argument may follow its letter directly ("-b1") or as the
// next word ("-b 1"), "--" ends the switches, and words that are not switches are skipped.
#pragma once

#include <cstdio>

namespace engine {

class OptionScanner {
 public:
  // `letters` lists the switch letters, a letter followed by ':' taking an argument.
  // Diagnostics go to `diagnostics`, prefixed with argv[0].
  OptionScanner(int argc, const char* const* argv, const char* letters, std::FILE* diagnostics);

  static constexpr int kEnd = -1;
  static constexpr int kError = '?';

  // The next switch letter, kEnd when there are no more, or kError after an unknown letter or a
  // missing argument (its diagnostic has been printed).
  int next();
  // The argument of the switch `next` returned last.
  const char* argument() const { return argument_; }

 private:
  bool takesArgument(char letter, bool* known) const;

  int argc_;
  const char* const* argv_;
  const char* letters_;
  std::FILE* diagnostics_;
  int word_ = 1;                    // the word being scanned
  const char* inWord_ = nullptr;    // next letter inside a group, or null
  const char* argument_ = nullptr;
};

}  // namespace engine
