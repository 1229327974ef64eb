#include "message_box.h"

#include <iostream>
#include <utility>

namespace platform {
namespace {

MsgAnswer AnswerOnStandardError(const std::string& text, MsgButtons buttons, MsgIcon,
                                const std::string& title) {
  std::cerr << title << ": " << text << std::endl;
  return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::OK;
}

MsgBoxHandler& CurrentHandler() {
  static MsgBoxHandler handler = AnswerOnStandardError;
  return handler;
}

std::string& Title() {
  static std::string title;
  return title;
}

}  // namespace

MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                 const std::string& title) {
  // A copy, so that a handler may replace itself while it runs.
  const MsgBoxHandler handler = CurrentHandler();
  return handler(text, buttons, icon, title.empty() ? ApplicationTitle() : title);
}

MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler) {
  if (!handler) {
    handler = AnswerOnStandardError;
  }
  return std::exchange(CurrentHandler(), std::move(handler));
}

void SetApplicationTitle(const std::string& title) { Title() = title; }

const std::string& ApplicationTitle() { return Title(); }

}  // namespace platform
