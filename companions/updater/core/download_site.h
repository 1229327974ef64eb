#pragma once

#include <string>

namespace updater {

// The download site holds, under its base address:
//   /RuntimeSetup.exe and /RuntimeSetup.exe.sig          the runtime installer and its signature
//   /Performance/VantoraVersion.Dat, PellistoVersion.Dat  the current version of each edition
//   /Performance/VantoraUpdate.Dat, PellistoUpdate.Dat    each edition's manifest
//   /Performance/<package> and /Performance/<package>.sig the package a manifest names

constexpr char kRuntimeInstallerName[] = "RuntimeSetup.exe";
// A signature is the file's name with this ending: the 64 bytes of its Ed25519 signature.
constexpr char kSignatureSuffix[] = ".sig";

// The base address of the download site: the environment variable VANTORA_DOWNLOAD_SITE, else the
// build's default, without trailing slashes. Empty when neither names one: nothing is fetched.
std::string DownloadSite();

// The address of a file under the site's "/Performance/" path.
std::string PerformanceAddress(const std::string& site, const std::string& fileName);

// The address of the runtime installer.
std::string RuntimeInstallerAddress(const std::string& site);

}  // namespace updater
