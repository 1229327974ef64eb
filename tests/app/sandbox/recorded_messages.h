#pragma once

#include <string>
#include <vector>

#include "message_box.h"

// Answers every message box of the program while it lives, in place of a person, and keeps what
// each box showed. OK boxes are answered OK, Yes/No boxes with `yesNoAnswer`.
class RecordedMessages {
 public:
  struct Message {
    std::string text;
    platform::MsgButtons buttons;
    platform::MsgIcon icon;
    std::string title;
  };

  RecordedMessages();
  ~RecordedMessages();
  RecordedMessages(const RecordedMessages&) = delete;
  RecordedMessages& operator=(const RecordedMessages&) = delete;

  // The texts of the boxes shown, in order; and each as "title: text".
  std::vector<std::string> Texts() const;
  std::vector<std::string> Titled() const;

  platform::MsgAnswer yesNoAnswer = platform::MsgAnswer::No;
  std::vector<Message> shown;

 private:
  platform::MsgBoxHandler previous_;
};
