// SystemInfo.exe: prints the summary of this machine that the desktop program shows on its WIN
// page and reads its memory totals and processor count from.

#include <clocale>
#include <cstdio>

#include "digit_grouping.h"
#include "system_summary.h"

int main() {
  std::setlocale(LC_ALL, "");
  for (const std::string& line : systeminfo::SystemSummary(systeminfo::SummarySources(),
                                                           systeminfo::CurrentDigitGrouping())) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
  }
  return 0;
}
