// Build step: writes a C++ source that carries a built file as hex text.
// Usage: hex_text_gen <input file> <symbol> <output source>

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "hex_text.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: hex_text_gen <input file> <symbol> <output source>\n";
    return 2;
  }
  std::ifstream input(argv[1], std::ios::binary);
  if (!input) {
    std::cerr << "hex_text_gen: cannot read " << argv[1] << "\n";
    return 1;
  }
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(input),
                                         std::istreambuf_iterator<char>()};
  if (input.bad()) {
    std::cerr << "hex_text_gen: cannot read " << argv[1] << "\n";
    return 1;
  }
  const std::string symbol = argv[2];
  const std::vector<std::string> chunks = startup::EncodeHexText(bytes);

  std::ostringstream source;
  source << "// Generated at build time by hex_text_gen; not to be edited.\n"
         << "#include \"hex_text.h\"\n\n"
         << "namespace startup {\n\n"
         << "extern const HexText " << symbol << ";\n\n";
  if (chunks.empty()) {
    source << "const HexText " << symbol << "{nullptr, 0};\n";
  } else {
    source << "namespace {\nconst char* const kChunks[] = {\n";
    for (const std::string& chunk : chunks) {
      source << "    \"" << chunk << "\",\n";
    }
    source << "};\n}  // namespace\n\n"
           << "const HexText " << symbol << "{kChunks, " << chunks.size() << "};\n";
  }
  source << "\n}  // namespace startup\n";

  std::ofstream output(argv[3], std::ios::binary | std::ios::trunc);
  output << source.str();
  output.close();
  if (!output) {
    std::cerr << "hex_text_gen: cannot write " << argv[3] << "\n";
    return 1;
  }
  return 0;
}
