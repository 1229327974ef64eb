#include "print_layout.h"

#include <string_view>

namespace reports {

std::optional<int> PageLineLimit(const std::string& fontSizeText, bool landscape) {
  struct Limit {
    const char* fontSize;
    int portrait;
    int landscape;
  };
  static constexpr Limit kLimits[] = {
      {"8", 70, 55}, {"10", 57, 44}, {"12", 46, 34}, {"14", 39, 28}, {"16", 36, 27}};
  for (const Limit& limit : kLimits) {
    if (fontSizeText == limit.fontSize) {
      return landscape ? limit.landscape : limit.portrait;
    }
  }
  return std::nullopt;
}

int TopMarginLines(double fontSize) { return fontSize >= 16 ? 4 : 5; }

std::vector<std::string> LayOutPages(const std::string& document, std::optional<int> lineLimit,
                                     int topMarginLines) {
  std::string topMargin;
  for (int k = 0; k < topMarginLines; ++k) {
    topMargin += "\r\n";
  }
  std::vector<std::string> pages;
  std::string page = topMargin;
  int lineCount = 0;
  std::string_view rest = document;
  while (true) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    if (line.find_first_not_of(' ') != std::string_view::npos) {
      ++lineCount;
      page.append("     ").append(line).append("\r\n");
      if (lineLimit && lineCount == *lineLimit) {
        pages.push_back(page);
        page = topMargin;
        lineCount = 0;
      }
    }
    if (end == std::string_view::npos) {
      break;
    }
    rest.remove_prefix(end + 1);
  }
  pages.push_back(page);
  return pages;
}

}  // namespace reports
