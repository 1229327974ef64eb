#pragma once

#include <array>
#include <string>

namespace state {

// The program's module values: one instance, built by start-up and handed by reference to every
// routine that reads or sets them. Texts are empty until set (and count as 0 in arithmetic);
// numbers that are also read back from Data.dat as text (SlotCount, ModuleCount) stay texts.
struct ProgramState {
  static constexpr int kSlotTexts = 12;

  // Folders and environment (start-up).
  std::string WinDir;
  std::string SysFolder;           // "Syswow64" or "System32"
  std::string TempFolder;          // Data.dat, the engine, SystemInfo.txt, MVersion.Dat
  std::string ProgramFolder;       // the folder of the running executable
  std::string ProgramWriteFolder;  // where "Full Test", companions and Results.txt go
  std::string CoreCount;
  std::string ComputerName;
  std::string ProgramVersion = "0.10";
  std::string ProgramDate = "21 Sep 12";
  int Edition = 0;  // 0 the Vantora edition, 1 the Pellisto edition
  std::string EnginePath;

  // Processor features from the engine's report.
  bool HasMMX = false;
  bool HasSSE = false;

  // System summary.
  std::string ProcName;
  std::string ProcSpeed;
  std::string ProcSocket;
  std::string ProcCount;
  std::string MemTotal;
  std::string MemFree;
  std::string SlotCount;
  std::string ModuleCount;
  std::array<std::string, kSlotTexts> SlotText;
  std::string CacheL1;
  std::string CacheL2;
  std::string CacheL3;

  // Test series and results.
  bool CancelRequested = false;
  std::string FullTestFilePath;  // the Full Test being recorded; empty when none is
  std::string CompareFilePath;   // the chosen past Full Test; empty compares with the last results

  // The information window's mode: 1 the CPU feature explanations, 2 the test information.
  int InfoMode = 0;
};

}  // namespace state
