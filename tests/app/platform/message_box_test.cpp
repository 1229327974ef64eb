#include "message_box.h"

#include <gtest/gtest.h>

namespace {

struct Shown {
  std::string text;
  platform::MsgButtons buttons;
  platform::MsgIcon icon;
  std::string title;
};

TEST(MessageBox, AnInstalledHandlerAnswersInPlaceOfAPerson) {
  platform::SetApplicationTitle("Vantora");
  std::vector<Shown> shown;
  const platform::MsgBoxHandler previous =
      platform::SetMsgBoxHandler([&](const std::string& text, platform::MsgButtons buttons,
                                     platform::MsgIcon icon, const std::string& title) {
        shown.push_back({text, buttons, icon, title});
        return platform::MsgAnswer::Yes;
      });
  EXPECT_EQ(
      platform::MsgBox("Update?", platform::MsgButtons::YesNo, platform::MsgIcon::None, "Update"),
      platform::MsgAnswer::Yes);
  platform::MsgBox("Command Line empty", platform::MsgButtons::OK, platform::MsgIcon::Critical);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].title, "Update");
  EXPECT_EQ(shown[1].text, "Command Line empty");
  EXPECT_EQ(shown[1].icon, platform::MsgIcon::Critical);
  EXPECT_EQ(shown[1].title, "Vantora") << "no title given: the application's";
  platform::SetMsgBoxHandler(previous);
}

TEST(MessageBox, WithoutAWindowTheAnswerChangesNothing) {
  platform::SetMsgBoxHandler(nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(platform::MsgBox("Update?", platform::MsgButtons::YesNo), platform::MsgAnswer::No);
  EXPECT_EQ(platform::MsgBox("Done"), platform::MsgAnswer::OK);
  const std::string printed = testing::internal::GetCapturedStderr();
  EXPECT_NE(printed.find("Update?"), std::string::npos);
  EXPECT_NE(printed.find("Done"), std::string::npos);
}

}  // namespace
