// The maker's publishing tool.
//   ambrel-pack keygen <private key file> <public key file>
//   ambrel-pack package --key <private key file> --edition Vantora|Pellisto --version 0.11
//                       --out <folder> <file>...
//   ambrel-pack sign --key <private key file> <file>...
// "package" writes the edition's package, its signature, manifest and version file into the
// folder; "sign" writes <file>.sig beside each file (the runtime installer's signature).

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "download_site.h"
#include "publication.h"

namespace {

namespace fs = std::filesystem;

constexpr mode_t kReadable = 0644;

constexpr char kUsage[] =
    "usage: ambrel-pack keygen <private key file> <public key file>\n"
    "       ambrel-pack package --key <private key file> --edition Vantora|Pellisto\n"
    "                           --version 0.11 --out <folder> <file>...\n"
    "       ambrel-pack sign --key <private key file> <file>...\n";

std::string ReadAll(const std::string& path) {
  std::ifstream input(path, std::ios::binary);
  std::string content{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
  if (!input) {
    throw std::runtime_error("cannot read " + path);
  }
  return content;
}

// Written with its permissions from the start, so that a private key is never readable by others.
void WriteAll(const std::string& path, const std::string& content, mode_t mode) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  bool ok = fd >= 0 && ::fchmod(fd, mode) == 0;
  for (std::size_t done = 0; ok && done < content.size();) {
    const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
    ok = written > 0;
    done += ok ? static_cast<std::size_t>(written) : 0;
  }
  if (fd >= 0 && ::close(fd) != 0) {
    ok = false;
  }
  if (!ok) {
    throw std::runtime_error("cannot write " + path);
  }
}

struct Options {
  std::string key, edition, version, out;
  std::vector<std::string> files;
};

Options ParseOptions(int argc, char** argv, int first) {
  Options options;
  for (int i = first; i < argc; ++i) {
    const std::string argument = argv[i];
    std::string* value = argument == "--key"       ? &options.key
                         : argument == "--edition" ? &options.edition
                         : argument == "--version" ? &options.version
                         : argument == "--out"     ? &options.out
                                                   : nullptr;
    if (value == nullptr) {
      options.files.push_back(argument);
    } else if (i + 1 < argc) {
      *value = argv[++i];
    } else {
      throw std::invalid_argument(argument + " needs a value");
    }
  }
  return options;
}

updater::SigningKey LoadKey(const std::string& path) {
  if (path.empty()) {
    throw std::invalid_argument("--key names no private key file");
  }
  const std::optional<updater::SigningKey> key = updater::SigningKey::FromPem(ReadAll(path));
  if (!key) {
    throw std::invalid_argument(path + " holds no Ed25519 private key in PEM form");
  }
  return *key;
}

const updater::Edition& EditionNamed(const std::string& name) {
  for (int number : {0, 1}) {
    const updater::Edition& edition = updater::EditionOf(number);
    if (strcasecmp(name.c_str(), edition.name) == 0) {
      return edition;
    }
  }
  throw std::invalid_argument("--edition is Vantora or Pellisto");
}

int KeyGen(int argc, char** argv) {
  if (argc != 4) {
    throw std::invalid_argument(kUsage);
  }
  const updater::SigningKey key = updater::SigningKey::Generate();
  WriteAll(argv[2], key.PrivatePem(), 0600);
  WriteAll(argv[3], key.PublicPem(), kReadable);
  return 0;
}

int Package(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv, 2);
  const updater::SigningKey key = LoadKey(options.key);
  const updater::Edition& edition = EditionNamed(options.edition);
  if (options.out.empty() || options.files.empty()) {
    throw std::invalid_argument(kUsage);
  }
  std::vector<updater::PackageFile> files;
  for (const std::string& path : options.files) {
    struct stat entry {};
    if (::stat(path.c_str(), &entry) != 0 || !S_ISREG(entry.st_mode)) {
      throw std::invalid_argument(path + " is not a file");
    }
    files.push_back({fs::path(path).filename().string(),
                     static_cast<unsigned>(entry.st_mode & 0777), ReadAll(path)});
  }
  const updater::Publication publication = updater::Publish(key, edition, options.version, files);
  const fs::path out = options.out;
  fs::create_directories(out);
  WriteAll(out / publication.packageName, publication.package, kReadable);
  WriteAll(out / (publication.packageName + updater::kSignatureSuffix), publication.signature,
           kReadable);
  WriteAll(out / updater::ManifestFileName(edition), publication.manifest, kReadable);
  WriteAll(out / updater::VersionFileName(edition), publication.versionFile, kReadable);
  std::cout << "wrote " << publication.packageName << ", its signature, "
            << updater::ManifestFileName(edition) << " and " << updater::VersionFileName(edition)
            << " into " << options.out << "\n";
  return 0;
}

int Sign(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv, 2);
  const updater::SigningKey key = LoadKey(options.key);
  if (options.files.empty()) {
    throw std::invalid_argument(kUsage);
  }
  for (const std::string& path : options.files) {
    WriteAll(path + updater::kSignatureSuffix, key.Sign(ReadAll(path)), kReadable);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  try {
    if (command == "keygen") {
      return KeyGen(argc, argv);
    }
    if (command == "package") {
      return Package(argc, argv);
    }
    if (command == "sign") {
      return Sign(argc, argv);
    }
    std::cerr << kUsage;
  } catch (const std::exception& error) {
    std::cerr << "ambrel-pack: " << error.what() << "\n";
  }
  return 2;
}
