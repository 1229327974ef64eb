#include "recorded_messages.h"

RecordedMessages::RecordedMessages() {
  previous_ =
      platform::SetMsgBoxHandler([this](const std::string& text, platform::MsgButtons buttons,
                                        platform::MsgIcon icon, const std::string& title) {
        shown.push_back({text, buttons, icon, title});
        return buttons == platform::MsgButtons::YesNo ? yesNoAnswer : platform::MsgAnswer::OK;
      });
}

RecordedMessages::~RecordedMessages() { platform::SetMsgBoxHandler(previous_); }

std::vector<std::string> RecordedMessages::Texts() const {
  std::vector<std::string> texts;
  for (const Message& message : shown) {
    texts.push_back(message.text);
  }
  return texts;
}

std::vector<std::string> RecordedMessages::Titled() const {
  std::vector<std::string> titled;
  for (const Message& message : shown) {
    titled.push_back(message.title + ": " + message.text);
  }
  return titled;
}
