#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace updater {

// A package is one file that holds a version's files, signed as a whole by the maker. It starts
// with a text header of LF-ended lines, then the files' bytes follow one after the other in the
// header's order:
//   VANTORA-PACKAGE 1
//   edition Vantora
//   version 0.11
//   file 755 48211 vantora
//   file 755 65536 Ambrel.exe
//   end
// A file line gives the permission bits in octal, the size in bytes and a plain file name; the
// names differ in more than letter case, and the sizes add up to exactly the bytes after "end".

struct PackageFile {
  std::string name;
  unsigned mode = 0755;
  std::string content;
};

struct Package {
  std::string edition;  // the edition's name, "Vantora" or "Pellisto"
  std::string version;  // one digit, a point and two digits, "0.11"
  std::vector<PackageFile> files;
};

// The package of the bytes, or the reason they are not one.
struct PackageRead {
  std::optional<Package> package;
  std::string error;
};

PackageRead ParsePackage(std::string_view bytes);

// The bytes of a package; the caller gives plain, distinct names and a well-formed version.
std::string BuildPackage(const Package& package);

// Whether `version` has the form "0.11".
bool IsVersionText(std::string_view version);

}  // namespace updater
