#pragma once

#include <QObject>
#include <QTcpSocket>
#include <string>

namespace session {

// Sends a text to the results server over one TCP connection: connect, send it as one block,
// close. Nothing is read from the server and nothing is reported; a new send abandons one that has
// not finished. Lives as long as the program, so a send goes on after the series that began it.
class frmSend : public QObject {
  Q_OBJECT

 public:
  explicit frmSend(QObject* parent = nullptr);

  // Starts the connection to host:port and returns at once.
  void SendR(const std::string& SendStrg, const std::string& host, quint16 port);

 private:
  QTcpSocket Winsock1;
  std::string sendtext;
};

}  // namespace session
