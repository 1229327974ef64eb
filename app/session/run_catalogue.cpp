#include "run_catalogue.h"

namespace session {
namespace {

constexpr auto LC = ResultRoutine::LogCache;
constexpr auto LM = ResultRoutine::LogMEM;

const std::array<TestBox, kTestBoxCount> kBoxes{{
    {0, "Run ALL", 0, CpuFeature::None},
    {1, "Integer Cache", 1, CpuFeature::None},
    {2, "Float Cache", 2, CpuFeature::None},
    {3, "MMX Cache", 3, CpuFeature::MMX},
    {4, "SEE Cache", 4, CpuFeature::SSE},
    {5, "Integer MEM", 5, CpuFeature::None},
    {6, "Float MEM", 6, CpuFeature::None},
    {7, "MMX MEM", 7, CpuFeature::MMX},
    {8, "SSE MEM", 8, CpuFeature::SSE},
}};

const std::array<EngineRun, 18> kRuns{{
    // number, group, switches, caption, routine, page, argument, pre-wait, page turn, prefetch
    {1, 1, " -b1 -g", "Integer Write Test In Progress", LC, 0, 1, true, true, false},
    {2, 1, " -b2 -g", "Integer Read Test In Progress", LC, 0, 2, false, false, false},
    {3, 2, " -b4 -g", "Float Write Test In Progress", LC, 1, 1, true, true, false},
    {4, 2, " -b5 -g", "Float Read Test In Progress", LC, 1, 2, false, false, false},
    {5, 3, " -b7 -g", "MMX Write Test In Progress", LC, 2, 1, true, true, false},
    {6, 3, " -b8 -g", "MMX Read Test In Progress", LC, 2, 2, false, false, false},
    {7, 3, " -b13 -g", "MMX NT Write Test In Progress", LC, 4, 1, true, true, false},
    {8, 3, " -b14 -g", "MMX NT Read Test In Progress", LC, 4, 2, false, false, false},
    {9, 4, " -b10 -g", "SSE Write Test In Progress", LC, 3, 1, true, true, false},
    {10, 4, " -b11 -g", "SSE Read Test In Progress", LC, 3, 2, false, false, false},
    {11, 4, " -b16 -g", "SSE NT Write Test In Progress", LC, 5, 1, true, true, false},
    {12, 4, " -b17 -g", "SSE NT Read Test In Progress", LC, 5, 2, false, false, false},
    {13, 5, " -b3 -g", "Integer Memory Test In Progress", LM, 6, 0, true, true, false},
    {14, 6, " -b6 -g", "Float Memory Test In Progress", LM, 6, 3, false, true, false},
    {15, 7, " -b9 -g", "MMX Memory Test In Progress", LM, 6, 1, false, true, false},
    {16, 7, " -b15 -t", "MMX NT Memory Test In Progress", LM, 6, 4, false, false, true},
    {17, 8, " -b12 -g", "SSE Memory Test In Progress", LM, 6, 2, false, true, false},
    {18, 8, " -b18 -t", "SSE NT Memory Test In Progress", LM, 6, 5, false, false, true},
}};

bool FeaturePresent(CpuFeature feature, bool hasMMX, bool hasSSE) {
  switch (feature) {
    case CpuFeature::MMX:
      return hasMMX;
    case CpuFeature::SSE:
      return hasSSE;
    case CpuFeature::None:
      break;
  }
  return true;
}

}  // namespace

const std::array<TestBox, kTestBoxCount>& TestBoxes() { return kBoxes; }

const std::array<EngineRun, 18>& EngineRuns() { return kRuns; }

bool BoxAvailable(const TestBox& box, bool hasMMX, bool hasSSE) {
  return FeaturePresent(box.gate, hasMMX, hasSSE);
}

bool GroupSelected(int group, const std::array<bool, kTestBoxCount>& checked, bool hasMMX,
                   bool hasSSE) {
  if (checked[kRunAllBox]) {
    return true;
  }
  for (const TestBox& box : kBoxes) {
    if (box.group == group) {
      return checked[box.index] && BoxAvailable(box, hasMMX, hasSSE);
    }
  }
  return false;
}

std::string RunCommandLine(const EngineRun& run, const std::string& enginePath,
                           const std::string& testSize, int prefetchMode) {
  std::string line = enginePath + run.switchText;
  if (run.usesPrefetch) {
    line += std::to_string(prefetchMode) + " -g";
  }
  return line + testSize;
}

}  // namespace session
