#pragma once

#include <optional>
#include <string>
#include <vector>

namespace reports {

// The printed lines after which a page is complete, chosen by the exact text of the font size
// ("8", "10", "12", "14", "16") and the orientation; none for any other text, and then the whole
// document goes into one print job.
std::optional<int> PageLineLimit(const std::string& fontSizeText, bool landscape);

// The empty lines that start every page: four from a font size of 16 up, five below.
int TopMarginLines(double fontSize);

// The document laid out in pages, each the text of one print job: the top margin, then one line
// for every line of the document that is not empty or blank, indented by five blanks; lines end in
// CR LF. A page is complete when it holds `lineLimit` lines; the last page is printed even when it
// holds none. Lines of the document end in CR LF or LF.
std::vector<std::string> LayOutPages(const std::string& document, std::optional<int> lineLimit,
                                     int topMarginLines);

}  // namespace reports
