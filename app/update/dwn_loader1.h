#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <string>

namespace update {

// The download component: transfers a web address into a file, asynchronously, always from the
// network (never from a cache on the way). Its events come on the thread that owns it, while that
// thread delivers events (runner::Delay does). A file is written only by a transfer that ended
// well and delivered bytes, and then whole: a new file beside it takes its name in one rename, so
// a reader never sees a part and a failed or empty transfer leaves an earlier file as it was.
class dwnLoader1 : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // Starts the transfer of `url` into the file `SaveFile` and returns at once.
  void BeginDownload(const std::string& url, const std::string& SaveFile);

 signals:
  // While data arrives, once bytes have: CurBytes so far of MaxBytes (-1 when not known).
  void DownloadProgress(const std::string& SaveFile, qint64 CurBytes, qint64 MaxBytes);
  // The transfer ended without writing the file: no bytes, a network failure, an error status
  // from the server (its error page is not the file), or the file could not be written.
  void DownloadError(const std::string& SaveFile);
  // At the end of every transfer, after the file was written or DownloadError raised.
  void DownloadComplete(const std::string& SaveFile, qint64 Bytes);

 private:
  QNetworkAccessManager network_;
};

}  // namespace update
