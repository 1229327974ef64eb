#include "fetcher.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace updater {
namespace {

Fetched::Status StatusOf(QNetworkReply::NetworkError error, qint64 received) {
  switch (error) {
    case QNetworkReply::NoError:
      return Fetched::Status::Ok;
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::ContentGoneError:
      return Fetched::Status::NotFound;
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::OperationCanceledError:  // the stall limit, when we did not cancel
    case QNetworkReply::TimeoutError:
      return received > 0 ? Fetched::Status::Interrupted : Fetched::Status::Unreachable;
    default:
      break;
  }
  if (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownServerError) {
    return Fetched::Status::SiteError;
  }
  return Fetched::Status::Unreachable;
}

}  // namespace

void Fetcher::Fetch(const std::string& address, std::function<void(const Fetched&)> done) {
  cancelled_ = false;
  QNetworkRequest request(QUrl(QString::fromStdString(address)));
  // Every proxy and cache on the way is asked for the site's current file.
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  request.setRawHeader("Cache-Control", "no-cache");
  request.setRawHeader("Pragma", "no-cache");
  request.setTransferTimeout(kStallMilliSeconds);
  QNetworkReply* reply = network_.get(request);
  reply_ = reply;
  connect(reply, &QNetworkReply::downloadProgress, this, &Fetcher::Progress);
  connect(reply, &QNetworkReply::finished, this,
          [this, reply, done = std::move(done)] { Finish(reply, done); });
}

void Fetcher::Cancel() {
  if (reply_) {
    cancelled_ = true;
    reply_->abort();
  }
}

void Fetcher::Finish(QNetworkReply* reply, const std::function<void(const Fetched&)>& done) {
  reply->deleteLater();
  Fetched fetched;
  fetched.body = reply->readAll();
  const QNetworkReply::NetworkError error = reply->error();
  fetched.status = cancelled_ ? Fetched::Status::Cancelled : StatusOf(error, fetched.body.size());
  if (error != QNetworkReply::NoError) {
    fetched.reason = reply->errorString().toStdString();
    fetched.body.clear();
  }
  done(fetched);
}

}  // namespace updater
