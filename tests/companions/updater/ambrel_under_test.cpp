// The updater program as shipped except for whom it trusts: the public key a test made, handed
// over in AMBREL_TEST_PUBLIC_KEY. Only tests build it; the shipped Ambrel.exe has no such way in.
// Its messages go to standard error, one "MESSAGE: " line each, answered at once.

#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "message_box.h"
#include "run_updater.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  platform::SetMsgBoxHandler(
      [](const std::string& text, platform::MsgButtons, platform::MsgIcon, const std::string&) {
        std::cerr << "MESSAGE: " << text << std::endl;
        return platform::MsgAnswer::OK;
      });
  const char* pem = std::getenv("AMBREL_TEST_PUBLIC_KEY");
  const std::optional<updater::PublicKey> key =
      updater::PublicKey::FromPem(pem != nullptr ? pem : "");
  if (!key) {
    std::cerr << "ambrel_under_test: AMBREL_TEST_PUBLIC_KEY holds no Ed25519 public key\n";
    return 3;
  }
  return updater::RunUpdater(QApplication::arguments(), *key);
}
