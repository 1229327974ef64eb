#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

class QNetworkReply;

namespace updater {

// How a transfer ended.
struct Fetched {
  enum class Status {
    Ok,
    Unreachable,  // no connection to the site: no network, no such host, refused, timed out
    NotFound,     // the site has no such file
    SiteError,    // the site answered with another error
    Interrupted,  // the connection broke off or stalled during the transfer
    Cancelled,    // Cancel() was called
  };
  Status status = Status::Unreachable;
  QByteArray body;  // the whole file when Ok
  std::string reason;
};

// Fetches one file at a time into memory, always from the network, never from a cache.
class Fetcher : public QObject {
  Q_OBJECT

 public:
  static constexpr int kStallMilliSeconds = 30000;

  using QObject::QObject;

  // Starts fetching `address`; `done` is called once, on this thread, when the transfer ends.
  void Fetch(const std::string& address, std::function<void(const Fetched&)> done);

  // Ends the running transfer as Cancelled.
  void Cancel();

 signals:
  void Progress(qint64 received, qint64 total);

 private:
  void Finish(QNetworkReply* reply, const std::function<void(const Fetched&)>& done);

  QNetworkAccessManager network_;
  QPointer<QNetworkReply> reply_;
  bool cancelled_ = false;
};

}  // namespace updater
