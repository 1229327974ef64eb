#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "editions.h"
#include "fetcher.h"
#include "manifest.h"
#include "package.h"
#include "signature.h"

namespace updater {

// One update of the program in a folder, step by step: the folder is checked, the manifest, the
// package's signature and the package are fetched, the package is checked against the manifest's
// digest, the trusted key and the edition, its files replace the old ones, and the updated program
// is started. Any failure ends it with a message and the installed program unchanged.
class UpdateFlow : public QObject {
  Q_OBJECT

 public:
  enum class Outcome { Updated, Failed, Cancelled };

  struct Settings {
    const Edition* edition;
    std::string programFolder;
    std::string site;
    PublicKey trustedKey;
    std::string ownVersion;  // a package must be newer than this
  };

  explicit UpdateFlow(Settings settings, QObject* parent = nullptr);

  void Start();

  // Stops a transfer; once the files are being replaced, the update goes on to its end.
  void Cancel();
  bool Installing() const { return installing_; }

  const Edition& edition() const { return *settings_.edition; }

 signals:
  void StatusChanged(const QString& text);
  void Progress(qint64 received, qint64 total);
  // The message is empty when there is nothing to tell: updated and started, or cancelled.
  void Finished(updater::UpdateFlow::Outcome outcome, const QString& message);

 private:
  void OnManifest(const Fetched& fetched);
  void OnSignature(const Fetched& fetched);
  void OnPackage(const Fetched& fetched);
  void Install(const Package& package);
  // The message of a failed transfer of `file`; `notFound` is the one for a missing file.
  void FailTransfer(const Fetched& fetched, const std::string& file, const std::string& notFound);
  void Fail(const std::string& message);

  Settings settings_;
  Fetcher fetcher_;
  Manifest manifest_;
  std::string signature_;
  bool installing_ = false;
};

}  // namespace updater
