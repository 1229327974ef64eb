#include "about_texts.h"

#include "web_addresses.h"

namespace startup {

AboutTexts AboutTextsFor(int edition, const std::string& programVersion,
                         const std::string& programDate) {
  AboutTexts texts;
  texts.version = "Version: " + programVersion + " " + programDate;
  texts.contact = "Benchmark Engine Authors";
  texts.makerPage = MakerPage();
  texts.contactPage = EngineAuthorsPage();
  if (edition == 1) {
    texts.title = "Pellisto Memory and Cache Benchmark";
    texts.description =
        "This Program Test the Speed of your Memory (RAM)and Cache.\r\n\r\n" + MakerPage() +
        "\r\nBenchmark engine courtesy of its authors: " + EngineAuthorsPage() + "\r\n";
    texts.showContact = true;
  } else {
    texts.title = "Vantora Memory and Cache Benchmark";
    texts.description =
        "This Program Test the Speed of your Memory (RAM)and Cache.It will allow you to see the "
        "actual working speed of your system Physical Memory (RAM) and Processor Cache. "
        "Working/Actual speeds are often a little lower than Specification Ratings so it is good "
        "to see what your speeds truly are.\r\n" +
        MakerPage() + "\r\n";
  }
  return texts;
}

std::string RamDriveMessage() {
  return "As you may have seen, the speed of RAM is far superior to a hard drive. "
         "I perfer to make a large RAMDisk and load my games for incredible speed. "
         "Dataram offers Free Ramdisk software for 4GB or Less and very reasonable price for "
         "larger.";
}

}  // namespace startup
