#pragma once

#include <QThread>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// An HTTP server on 127.0.0.1 for the update tests. It runs on a thread of its own, so a test may
// block (waiting for a process, say) while it answers. Paths it was not given answer 404.
class TestHttpServer {
 public:
  struct Reply {
    int status = 200;
    std::string body;
    int delayMilliSeconds = 0;             // before the answer starts
    std::optional<std::size_t> dropAfter;  // body bytes sent before the connection is cut
  };

  struct Request {
    std::string path;
    std::map<std::string, std::string> headers;  // names in lower case
  };

  TestHttpServer();
  ~TestHttpServer();
  TestHttpServer(const TestHttpServer&) = delete;
  TestHttpServer& operator=(const TestHttpServer&) = delete;

  // "http://127.0.0.1:<port>"
  std::string Address() const;

  void Serve(const std::string& path, Reply reply);
  void Serve(const std::string& path, const std::string& body) {
    Serve(path, Reply{200, body, 0, std::nullopt});
  }
  void Remove(const std::string& path);

  std::vector<Request> Requests() const;
  int RequestsFor(const std::string& path) const;

  // The address of a port on 127.0.0.1 where nothing listens.
  static std::string ClosedAddress();

 private:
  class Thread;

  std::optional<Reply> ReplyFor(const std::string& path) const;
  void Record(Request request);

  mutable std::mutex mutex_;
  std::map<std::string, Reply> replies_;
  std::vector<Request> requests_;
  Thread* thread_;
  quint16 port_ = 0;
};
