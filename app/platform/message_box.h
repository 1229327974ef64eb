#pragma once

#include <functional>
#include <string>

namespace platform {

// Every message box of the program goes through MsgBox, so that a test can answer in place of a
// person. The windows install a handler that shows a real, modal box; until one is installed the
// message goes to standard error and the answer is the one that changes nothing (No, else OK).

enum class MsgButtons { OK, YesNo };
enum class MsgIcon { None, Critical, Exclamation };
enum class MsgAnswer { OK, Yes, No };

using MsgBoxHandler = std::function<MsgAnswer(const std::string& text, MsgButtons buttons,
                                              MsgIcon icon, const std::string& title)>;

// An empty title stands for the application's title.
MsgAnswer MsgBox(const std::string& text, MsgButtons buttons = MsgButtons::OK,
                 MsgIcon icon = MsgIcon::None, const std::string& title = {});

// Installs `handler` (an empty one restores the default) and returns the handler it replaces.
MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler);

// The title a box gets when its caller gives none.
void SetApplicationTitle(const std::string& title);
const std::string& ApplicationTitle();

}  // namespace platform
