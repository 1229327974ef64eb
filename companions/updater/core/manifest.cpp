#include "manifest.h"

#include <cctype>

#include "plain_name.h"

namespace updater {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return lower;
}

bool IsDigest(std::string_view text) {
  if (text.size() != 64) {
    return false;
  }
  for (const char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) {
      return false;
    }
  }
  return true;
}

ManifestRead Malformed(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

ManifestRead ParseManifest(std::string_view text) {
  std::optional<std::string> package;
  std::optional<std::string> sha256;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line =
        Trimmed(text.substr(0, end == std::string_view::npos ? text.size() : end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') {
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      return Malformed("a line is not of the form Key=Value");
    }
    const std::string key = Lower(Trimmed(line.substr(0, equals)));
    const std::string_view value = Trimmed(line.substr(equals + 1));
    std::optional<std::string>* field = key == "package"  ? &package
                                        : key == "sha256" ? &sha256
                                                          : nullptr;
    if (field == nullptr) {
      continue;
    }
    if (*field) {
      return Malformed("the key " + std::string(line.substr(0, equals)) + " appears twice");
    }
    *field = std::string(value);
  }
  if (!package || !sha256) {
    return Malformed(!package ? "it names no Package" : "it gives no SHA256 digest");
  }
  if (!IsPlainFileName(*package)) {
    return Malformed("the package name \"" + *package + "\" is not a plain file name");
  }
  if (!IsDigest(*sha256)) {
    return Malformed("the SHA256 digest is not 64 hexadecimal digits");
  }
  return {Manifest{*package, Lower(*sha256)}, {}};
}

std::string ManifestText(const Manifest& manifest) {
  return "Package=" + manifest.package + "\r\nSHA256=" + manifest.sha256 + "\r\n";
}

}  // namespace updater
