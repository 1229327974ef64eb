// Build step: writes a C++ source that defines MakerKey() as the Ed25519 public key of a PEM file.
// Usage: maker_key_gen <public key PEM> <output source>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "signature.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: maker_key_gen <public key PEM> <output source>\n";
    return 2;
  }
  std::ifstream input(argv[1], std::ios::binary);
  const std::string pem{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
  const std::optional<updater::PublicKey> key = updater::PublicKey::FromPem(pem);
  if (!input || !key) {
    std::cerr << "maker_key_gen: " << argv[1] << " holds no Ed25519 public key in PEM form\n";
    return 1;
  }
  std::ostringstream source;
  source << "// Generated at build time by maker_key_gen from " << argv[1]
         << "; not to be edited.\n"
         << "#include \"maker_key.h\"\n\n"
         << "namespace updater {\n\n"
         << "const PublicKey& MakerKey() {\n"
         << "  static const PublicKey key(PublicKey::Bytes{";
  for (std::size_t i = 0; i < key->raw().size(); ++i) {
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02x", key->raw()[i]);
    source << (i == 0 ? "" : ", ") << byte;
  }
  source << "});\n  return key;\n}\n\n}  // namespace updater\n";

  std::ofstream output(argv[2], std::ios::binary | std::ios::trunc);
  output << source.str();
  output.close();
  if (!output) {
    std::cerr << "maker_key_gen: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
