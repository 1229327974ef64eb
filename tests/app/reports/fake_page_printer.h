#pragma once

#include <string>
#include <vector>

#include "print_document.h"

// Takes the pages in place of a printer, and refuses the page numbered `failAt` (from 1).
class FakePagePrinter : public reports::PagePrinter {
 public:
  struct Page {
    reports::PageSettings settings;
    std::string text;
  };

  std::string PrintPage(const reports::PageSettings& settings,
                        const std::string& pageText) override {
    if (++calls == failAt) {
      return "The printer is out of paper.";
    }
    pages.push_back({settings, pageText});
    return {};
  }

  std::vector<Page> pages;
  int calls = 0;
  int failAt = 0;
};
