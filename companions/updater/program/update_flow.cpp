#include "update_flow.h"

#include "digest.h"
#include "download_site.h"
#include "file_lookup.h"
#include "folder_replacement.h"
#include "messages.h"
#include "start_detached.h"
#include "text_case.h"
#include "trusted_location.h"
#include "version_number.h"

namespace updater {

UpdateFlow::UpdateFlow(Settings settings, QObject* parent)
    : QObject(parent), settings_(std::move(settings)) {
  connect(&fetcher_, &Fetcher::Progress, this, &UpdateFlow::Progress);
}

void UpdateFlow::Start() {
  const std::string& folder = settings_.programFolder;
  if (!platform::FindInFolder(folder, edition().program, platform::EntryKind::File)) {
    Fail(NoProgramMessage(edition(), folder));
    return;
  }
  if (!CanWriteFolder(folder)) {
    Fail(NoPermissionMessage(edition(), folder));
    return;
  }
  if (settings_.site.empty()) {
    Fail(NoSiteMessage(edition()));
    return;
  }
  emit StatusChanged(QString("Reading the update description..."));
  fetcher_.Fetch(PerformanceAddress(settings_.site, ManifestFileName(edition())),
                 [this](const Fetched& fetched) { OnManifest(fetched); });
}

void UpdateFlow::Cancel() {
  if (!installing_) {
    fetcher_.Cancel();
  }
}

void UpdateFlow::OnManifest(const Fetched& fetched) {
  const std::string manifestName = ManifestFileName(edition());
  if (fetched.status != Fetched::Status::Ok) {
    FailTransfer(fetched, manifestName,
                 MissingManifestMessage(edition(), settings_.site, manifestName));
    return;
  }
  const ManifestRead read = ParseManifest(fetched.body.toStdString());
  if (!read.manifest) {
    Fail(MalformedManifestMessage(edition(), manifestName, read.error));
    return;
  }
  manifest_ = *read.manifest;
  const std::string signatureName = manifest_.package + kSignatureSuffix;
  fetcher_.Fetch(PerformanceAddress(settings_.site, signatureName),
                 [this](const Fetched& signature) { OnSignature(signature); });
}

void UpdateFlow::OnSignature(const Fetched& fetched) {
  if (fetched.status != Fetched::Status::Ok) {
    // A package the site offers without a signature is treated as one with a wrong signature.
    FailTransfer(fetched, manifest_.package + kSignatureSuffix,
                 BadSignatureMessage(edition(), manifest_.package));
    return;
  }
  signature_ = fetched.body.toStdString();
  emit StatusChanged(QString::fromStdString("Downloading " + manifest_.package + "..."));
  fetcher_.Fetch(PerformanceAddress(settings_.site, manifest_.package),
                 [this](const Fetched& package) { OnPackage(package); });
}

void UpdateFlow::OnPackage(const Fetched& fetched) {
  const std::string& name = manifest_.package;
  if (fetched.status != Fetched::Status::Ok) {
    FailTransfer(fetched, name, MissingPackageMessage(edition(), name));
    return;
  }
  emit StatusChanged(QString("Checking the package..."));
  const std::string bytes = fetched.body.toStdString();
  if (Sha256Hex(bytes) != manifest_.sha256) {
    Fail(DamagedPackageMessage(edition(), name));
    return;
  }
  if (!VerifySignature(settings_.trustedKey, bytes, signature_)) {
    Fail(BadSignatureMessage(edition(), name));
    return;
  }
  // Signed by the maker from here on; what follows guards against a package meant for another
  // edition or an older version being offered in place of the current one.
  const PackageRead read = ParsePackage(bytes);
  if (!read.package) {
    Fail(MalformedPackageMessage(edition(), name, read.error));
    return;
  }
  const Package& package = *read.package;
  if (!platform::EqualsNoCase(package.edition, edition().name)) {
    Fail(MalformedPackageMessage(edition(), name, "it is meant for " + package.edition));
    return;
  }
  if (!IsNewerVersion(package.version, settings_.ownVersion)) {
    Fail(NotNewerMessage(edition(), package.version, settings_.ownVersion));
    return;
  }
  bool holdsProgram = false;
  for (const PackageFile& file : package.files) {
    holdsProgram = holdsProgram || platform::EqualsNoCase(file.name, edition().program);
  }
  if (!holdsProgram) {
    Fail(MalformedPackageMessage(edition(), name,
                                 "it does not hold \"" + std::string(edition().program) + "\""));
    return;
  }
  Install(package);
}

void UpdateFlow::Install(const Package& package) {
  const std::string& version = package.version;
  installing_ = true;
  emit StatusChanged(
      QString::fromStdString("Installing " + std::string(edition().name) + " " + version + "..."));
  const std::string& folder = settings_.programFolder;
  const Replacement replacement = ReplaceFiles(folder, package.files);
  if (replacement.status == Replacement::Status::NoPermission) {
    Fail(NoPermissionMessage(edition(), folder));
    return;
  }
  if (replacement.status != Replacement::Status::Replaced) {
    Fail(ReplaceFailedMessage(edition(), replacement.detail));
    return;
  }
  emit StatusChanged(
      QString::fromStdString("Starting " + std::string(edition().name) + " " + version + "..."));
  const std::optional<std::string> program =
      platform::FindInFolder(folder, edition().program, platform::EntryKind::File);
  const std::optional<std::string> trusted =
      program ? platform::TrustedProgramPath(*program) : std::nullopt;
  const bool started = trusted && platform::StartDetached(*trusted, {}, folder);
  emit Finished(
      Outcome::Updated,
      started ? QString() : QString::fromStdString(NotStartedMessage(edition(), version)));
}

void UpdateFlow::FailTransfer(const Fetched& fetched, const std::string& file,
                              const std::string& notFound) {
  switch (fetched.status) {
    case Fetched::Status::Ok:
      break;
    case Fetched::Status::Cancelled:
      emit Finished(Outcome::Cancelled, QString());
      return;
    case Fetched::Status::NotFound:
      Fail(notFound);
      return;
    case Fetched::Status::Unreachable:
      Fail(NoNetworkMessage(edition(), settings_.site, fetched.reason));
      return;
    case Fetched::Status::SiteError:
      Fail(SiteErrorMessage(edition(), file, fetched.reason));
      return;
    case Fetched::Status::Interrupted:
      Fail(InterruptedMessage(edition(), file, fetched.reason));
      return;
  }
}

void UpdateFlow::Fail(const std::string& message) {
  emit Finished(Outcome::Failed, QString::fromStdString(message));
}

}  // namespace updater
