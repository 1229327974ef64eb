#include "test_http_server.h"

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <future>

class TestHttpServer::Thread : public QThread {
 public:
  explicit Thread(TestHttpServer& owner) : owner_(owner) {}

  std::promise<quint16> listening;

 protected:
  void run() override {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
      while (QTcpSocket* socket = server.nextPendingConnection()) {
        Accept(socket);
      }
    });
    listening.set_value(server.serverPort());
    exec();
  }

 private:
  void Accept(QTcpSocket* socket) {
    auto* received = new QByteArray;
    QObject::connect(socket, &QObject::destroyed, [received] { delete received; });
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
      const bool started = received->contains("\r\n\r\n");
      received->append(socket->readAll());
      if (!started && received->contains("\r\n\r\n")) {
        Answer(socket, *received);
      }
    });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
  }

  void Answer(QTcpSocket* socket, const QByteArray& head) {
    Request request;
    const QList<QByteArray> lines = head.left(head.indexOf("\r\n\r\n")).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.path = first.value(1).toStdString();
    for (qsizetype i = 1; i < lines.size(); ++i) {
      const qsizetype colon = lines[i].indexOf(':');
      if (colon > 0) {
        request.headers[lines[i].left(colon).trimmed().toLower().toStdString()] =
            lines[i].mid(colon + 1).trimmed().toStdString();
      }
    }
    owner_.Record(request);
    const Reply reply = owner_.ReplyFor(request.path)
                            .value_or(Reply{404, "<html>Not found</html>", 0, std::nullopt});
    QTimer::singleShot(reply.delayMilliSeconds, socket, [socket, reply] {
      QByteArray response = "HTTP/1.1 " + QByteArray::number(reply.status) +
                            (reply.status == 200 ? " OK" : " Error") +
                            "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                            QByteArray::number(static_cast<qsizetype>(reply.body.size())) +
                            "\r\nConnection: close\r\n\r\n";
      const std::size_t sent = reply.dropAfter.value_or(reply.body.size());
      response.append(reply.body.data(), static_cast<qsizetype>(std::min(sent, reply.body.size())));
      socket->write(response);
      socket->disconnectFromHost();
    });
  }

  TestHttpServer& owner_;
};

TestHttpServer::TestHttpServer() : thread_(new Thread(*this)) {
  std::future<quint16> port = thread_->listening.get_future();
  thread_->start();
  port_ = port.get();
}

TestHttpServer::~TestHttpServer() {
  thread_->quit();
  thread_->wait();
  delete thread_;
}

std::string TestHttpServer::Address() const { return "http://127.0.0.1:" + std::to_string(port_); }

void TestHttpServer::Serve(const std::string& path, Reply reply) {
  const std::lock_guard<std::mutex> lock(mutex_);
  replies_[path] = std::move(reply);
}

void TestHttpServer::Remove(const std::string& path) {
  const std::lock_guard<std::mutex> lock(mutex_);
  replies_.erase(path);
}

std::vector<TestHttpServer::Request> TestHttpServer::Requests() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

int TestHttpServer::RequestsFor(const std::string& path) const {
  int count = 0;
  for (const Request& request : Requests()) {
    count += request.path == path ? 1 : 0;
  }
  return count;
}

std::optional<TestHttpServer::Reply> TestHttpServer::ReplyFor(const std::string& path) const {
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto found = replies_.find(path);
  return found == replies_.end() ? std::nullopt : std::optional<Reply>(found->second);
}

void TestHttpServer::Record(Request request) {
  const std::lock_guard<std::mutex> lock(mutex_);
  requests_.push_back(std::move(request));
}

std::string TestHttpServer::ClosedAddress() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  const quint16 port = probe.serverPort();
  probe.close();
  return "http://127.0.0.1:" + std::to_string(port);
}
