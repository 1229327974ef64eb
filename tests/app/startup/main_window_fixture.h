#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <filesystem>
#include <string>
#include <vector>

#include "frm_main.h"
#include "program_state.h"
#include "recorded_messages.h"
#include "sandbox.h"

// The main window started as the program starts it, in a sandbox: its own TEMP, WinDir and
// program folder, no SMBIOS tables, the fake engine standing in for RAM.exe (unless a test wants
// the real one) and every message box answered and recorded.
class MainWindowFixture : public testing::Test {
 protected:
  MainWindowFixture();
  ~MainWindowFixture() override;

  // Puts the fake engine where the Vantora edition's engine goes, so start-up keeps it.
  void PlaceFakeEngine();
  // Runs the load handler as the executable `exeName` in the program folder.
  bool Load(const std::string& exeName = "vantora");

  template <typename T>
  T* Control(const std::string& name) const {
    T* control = window->findChild<T*>(QString::fromStdString(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QAction* Menu(const std::string& name) const { return Control<QAction>(name); }
  std::string Text(const std::string& label) const {
    return Control<QLabel>(label)->text().toStdString();
  }
  std::string Stored(const std::string& section, const std::string& key) const;

  RecordedMessages messages;
  Sandbox sandbox;
  ScopedEnvironment temp{"TEMP", sandbox / "temp"};
  ScopedEnvironment winDir{"WinDir", sandbox / "win"};
  ScopedEnvironment tables{"VANTORA_DMI_TABLES", sandbox / "no tables"};
  ScopedEnvironment computer{"Computername", "BENCH"};
  ScopedEnvironment server{"VANTORA_RESULTS_SERVER", std::nullopt};
  state::ProgramState state;
  std::unique_ptr<startup::frmMain> window;
};
