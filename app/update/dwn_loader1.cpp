#include "dwn_loader1.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "whole_file.h"

namespace update {

void dwnLoader1::BeginDownload(const std::string& url, const std::string& SaveFile) {
  QNetworkRequest request(QUrl(QString::fromStdString(url)));
  // Every proxy and cache on the way is asked for the site's current file.
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  request.setRawHeader("Cache-Control", "no-cache");
  request.setRawHeader("Pragma", "no-cache");
  // The bytes as stored, so that the announced length is the length received.
  request.setRawHeader("Accept-Encoding", "identity");
  QNetworkReply* reply = network_.get(request);
  connect(reply, &QNetworkReply::downloadProgress, this,
          [this, SaveFile](qint64 received, qint64 total) {
            if (received != 0) {
              emit DownloadProgress(SaveFile, received, total);
            }
          });
  connect(reply, &QNetworkReply::finished, this, [this, reply, SaveFile] {
    reply->deleteLater();
    const QByteArray bytes = reply->readAll();
    // A connection cut short can end without an error being reported: the length the server
    // announced is the check that the file is whole.
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool whole = !announced.isValid() || announced.toLongLong() == bytes.size();
    const bool written =
        reply->error() == QNetworkReply::NoError && whole && !bytes.isEmpty() &&
        platform::ReplaceWholeFile(SaveFile, std::string_view(bytes.constData(), bytes.size()));
    if (!written) {
      emit DownloadError(SaveFile);
    }
    emit DownloadComplete(SaveFile, bytes.size());
  });
}

}  // namespace update
