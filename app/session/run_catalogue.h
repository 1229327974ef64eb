#pragma once

#include <array>
#include <string>

namespace session {

// What the user can ask for and what each request becomes: the test check boxes, the engine runs
// they stand for, and the command line of every run.

enum class CpuFeature { None, MMX, SSE };

struct TestBox {
  int index;  // into RunTEST
  const char* caption;
  int group;  // 0 selects every group
  CpuFeature gate;
};

enum class ResultRoutine { LogCache, LogMEM };

struct EngineRun {
  int number;  // order within a series, from 1
  int group;
  const char* switchText;
  const char* caption;  // progress caption, also the heading in the results log
  ResultRoutine routine;
  int page;      // CPage
  int argument;  // RW (1 write, 2 read) for LogCache, the memory row II for LogMEM
  bool preWait;
  bool turnsPage;
  bool usesPrefetch;
};

constexpr int kTestBoxCount = 9;
constexpr int kRunAllBox = 0;
constexpr int kGroupCount = 8;

const std::array<TestBox, kTestBoxCount>& TestBoxes();
const std::array<EngineRun, 18>& EngineRuns();

// Start-up unchecks and disables a box whose feature the processor lacks.
bool BoxAvailable(const TestBox& box, bool hasMMX, bool hasSSE);

// Whether a series runs the group (1..8), from the boxes' state when the series reaches it.
bool GroupSelected(int group, const std::array<bool, kTestBoxCount>& checked, bool hasMMX,
                   bool hasSSE);

// enginePath, the switch text and the parameters, with nothing added: no quotes, no blanks.
std::string RunCommandLine(const EngineRun& run, const std::string& enginePath,
                           const std::string& testSize, int prefetchMode);

}  // namespace session
