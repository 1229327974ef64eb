#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "editions.h"
#include "publication.h"
#include "sandbox.h"
#include "test_http_server.h"
#include "without_write_right.h"

// A program folder holding the installed version 0.10 of a stand-in program, a download site on
// 127.0.0.1, a key pair made for the test, and a way to run the updater there.
class ProgramFolderTest : public testing::Test {
 protected:
  struct Run {
    int exitCode = -1;
    std::string messages;  // standard error
  };

  void SetUp() override {
    ::chmod(sandbox_.path().c_str(), 0755);
    std::filesystem::create_directory(folder_);
    ::chmod(folder_.c_str(), 0755);
    WriteProgram(folder_ + "/vantora", "0.10");
  }

  // A shell script standing in for the program: it prints its version and, wherever it is
  // started from, leaves "started-<version>" in its own folder.
  static std::string Program(const std::string& version) {
    return "#!/bin/sh\n"
           "folder=$(dirname \"$0\")\n"
           "echo " +
           version +
           " > \"$folder/.starting\" && "
           "mv \"$folder/.starting\" \"$folder/started-" +
           version +
           "\"\n"
           "echo " +
           version + "\n";
  }

  static void WriteProgram(const std::string& path, const std::string& version) {
    WriteFile(path, Program(version));
    ::chmod(path.c_str(), 0755);
  }

  updater::Publication Publish(const updater::Edition& edition, const std::string& version) const {
    return updater::Publish(key_, edition, version,
                            {{edition.program, 0755, Program(version)},
                             {"notes.txt", 0644, "what is new in " + version}});
  }

  void Serve(const updater::Publication& publication, const updater::Edition& edition) {
    server_.Serve("/Performance/" + updater::ManifestFileName(edition), publication.manifest);
    server_.Serve("/Performance/" + publication.packageName, publication.package);
    server_.Serve("/Performance/" + publication.packageName + ".sig", publication.signature);
  }

  // Runs `program` with the switch in the program folder, the test key handed over.
  Run RunUpdater(const std::string& program, const std::string& updaterSwitch,
                 const std::string& site, const std::string& publicKeyPem,
                 bool withoutWriteRight = false) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VANTORA_DOWNLOAD_SITE", QString::fromStdString(site));
    environment.insert("AMBREL_TEST_PUBLIC_KEY", QString::fromStdString(publicKeyPem));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QString::fromStdString(folder_));
    const bool administrator = ::geteuid() == 0;
    std::string started = program;
    if (withoutWriteRight && administrator) {
      // Run from a folder the user nobody can surely enter, wherever the build lies.
      std::filesystem::create_directories(sandbox_ / "bin");
      started = sandbox_ / "bin/updater";
      std::filesystem::copy_file(program, started,
                                 std::filesystem::copy_options::overwrite_existing);
      ::chmod((sandbox_ / "bin").c_str(), 0755);
      ::chmod(started.c_str(), 0755);
      process.setChildProcessModifier([] {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
          ::_exit(126);
        }
      });
    } else if (withoutWriteRight) {
      ::chmod(folder_.c_str(), 0555);
    }
    process.start(QString::fromStdString(started), {QString::fromStdString(updaterSwitch)});
    process.waitForFinished(60000);
    ::chmod(folder_.c_str(), 0755);
    Run run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.messages = process.readAllStandardError().toStdString();
    return run;
  }

  Run RunUpdater(const std::string& updaterSwitch, bool withoutWriteRight = false) {
    return RunUpdater(AMBREL_UNDER_TEST, updaterSwitch, server_.Address(), key_.PublicPem(),
                      withoutWriteRight);
  }

  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  // What a started program leaves behind, once it is there.
  std::string Awaited(const std::string& name) const {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!std::filesystem::exists(folder_ + "/" + name) &&
           std::chrono::steady_clock::now() < giveUp) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return ReadFile(folder_ + "/" + name);
  }

  // What the program prints when run.
  std::string Output(const std::string& name) const {
    QProcess process;
    process.start(QString::fromStdString(folder_ + "/" + name), {});
    process.waitForFinished(10000);
    return process.readAllStandardOutput().toStdString();
  }

  // The installed version is the old one, byte for byte, runs, and nothing was added.
  void ExpectOldProgram() const {
    EXPECT_EQ(ReadFile(folder_ + "/vantora"), Program("0.10"));
    EXPECT_EQ(Entries(), std::set<std::string>{"vantora"});
    EXPECT_EQ(Output("vantora"), "0.10\n");
  }

  Sandbox sandbox_;
  const std::string folder_ = sandbox_ / "program";
  TestHttpServer server_;
  const updater::SigningKey key_ = updater::SigningKey::Generate();
};
