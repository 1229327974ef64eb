#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace updater {

// An edition's manifest on the download site names the package of its current version and the
// package's SHA-256 digest, one "Key=Value" line each:
//   Package=vantora-0.11.pkg
//   SHA256=<64 hexadecimal digits>
// Lines end in LF or CR LF; blank lines, lines starting with ';' or '#' and other keys are
// ignored; keys are matched in any letter case. The digest tells a damaged download from a forged
// one: what makes a package trusted is its signature, not the manifest.
struct Manifest {
  std::string package;  // a plain file name under "/Performance/"
  std::string sha256;   // lower case
};

// The manifest of the text, or the reason it is malformed.
struct ManifestRead {
  std::optional<Manifest> manifest;
  std::string error;
};

ManifestRead ParseManifest(std::string_view text);

// The text of a manifest, lines ending in CR LF.
std::string ManifestText(const Manifest& manifest);

}  // namespace updater
