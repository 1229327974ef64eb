#include "frm_send.h"

namespace session {

frmSend::frmSend(QObject* parent) : QObject(parent) {
  connect(&Winsock1, &QTcpSocket::connected, this,
          [this] { Winsock1.write(sendtext.data(), static_cast<qint64>(sendtext.size())); });
  connect(&Winsock1, &QTcpSocket::bytesWritten, this, [this] {
    if (Winsock1.bytesToWrite() == 0) {
      Winsock1.disconnectFromHost();
    }
  });
}

void frmSend::SendR(const std::string& SendStrg, const std::string& host, quint16 port) {
  sendtext = SendStrg;
  Winsock1.abort();
  Winsock1.connectToHost(QString::fromStdString(host), port);
}

}  // namespace session
