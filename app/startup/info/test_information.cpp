#include "test_information.h"

#include <string_view>

namespace startup {
namespace {

// What follows a piece of the text.
enum class Then { Nothing, LineBreak, BlankLine };

struct Piece {
  std::string_view text;
  Then then;
};

constexpr Piece kPieces[] = {
    {"Results", Then::BlankLine},
    {"The Test Results will look something like this: ", Then::LineBreak},
    {"19,046,418,164 BPs (19 GB) [-39 MB 0.5%]", Then::LineBreak},
    {"The fist part, 19,046,418,164 BPs, is the actual speed of the test on the Memory/Cache. "
     "The ",
     Then::Nothing},
    {"next part, (19 GB), is a rounded number for the test. The last part, [-39 MB 0.5%], shows ",
     Then::Nothing},
    {"the difference from the last test, or prior test selected, and the percentage of that ",
     Then::Nothing},
    {"difference. A negative (-) will indicate that the test was less than the compare results.",
     Then::BlankLine},
    {"When a Full Test is completed all results are saved to a file that can be used for "
     "comparison later. ",
     Then::Nothing},
    {"Keep in mind that each test will not always produce the same exact result. They can vary "
     "anywhere ",
     Then::Nothing},
    {"for 0 to 10%, so if you are going to use this for tweaking, run multiple test and average "
     "the results ",
     Then::Nothing},
    {"before making changes.", Then::BlankLine},
    {"Functions", Then::BlankLine},
    {"Test - Select the test you desire to run, Run All will execute all test.", Then::LineBreak},
    {"Test Size - You can set the desired test size, default is 8 GB, lower this value for older "
     "CPUs.",
     Then::LineBreak},
    {"Prefetch - This set the Prefetch used for the Copy, Add, Scale and Triad for NT test. ",
     Then::LineBreak},
    {"NTA code for Copy and Scale, T0 code for Add and Triad", Then::LineBreak},
    {"     Auto - NTA code for Copy and Scale, T0 code for Add and Triad", Then::LineBreak},
    {"     NTA - NTA code for Copy, Scale, Add and Triad", Then::LineBreak},
    {"     T0 - T0 code for Copy, Scale, Add and Triad", Then::LineBreak},
    {"Compare to Part Test - This will compare test results to the select last Run All test "
     "results. The test ",
     Then::Nothing},
    {"results for Run All will be saved in a seperate file. Individual Test will be saved in the "
     "Last Test ",
     Then::Nothing},
    {"Section, so if not Compare To File is select, results will be compared to the last test for "
     "all test.",
     Then::BlankLine},
    {"Test Procedures", Then::BlankLine},
    {"INTmark and FLOATmark", Then::BlankLine},
    {"INTmark and FLOATmark measure the maximum possible cache and memory performance when one "
     "block of data is written or read over and over with integer or floating-point "
     "instructions. The block grows from 1 KB to 32 MB, one size after another: small blocks "
     "stay in the Level 1 cache, larger ones in the Level 2 and Level 3 caches, and the largest "
     "come from main memory, so the results show the speed of every level and where one level "
     "ends and the next begins.",
     Then::BlankLine},
    {"INTmem and FLOATmem test are synthetic simulations of the way programs work with memory: "
     "values are read from arrays, calculated with and written to another array, and the arrays "
     "are too large for the caches, so that main memory is measured. There are four subtests.",
     Then::LineBreak},
    {" Copy is the simplest among them. It reads a value from one memory location and writes it "
     "to another (A = B).",
     Then::Nothing},
    {" Scale is a little more advanced. It multiplies the value by a constant before writing it "
     "(A = m*B).",
     Then::Nothing},
    {" Add reads data from the first memory location, then from the second, adds the two values "
     "and writes the sum to a third location (A = B + C).",
     Then::Nothing},
    {" Triad is a merge of Add and Scale. It multiplies the value from one location by a "
     "constant, adds the value from another and writes the result to a third (A = m*B + C).",
     Then::BlankLine},
    {"MMXmark with MMXmem and SSEmark with SSEmem serving the same purpose do the same work with "
     "the 64-bit MMX registers and the 128-bit SSE registers. Wider registers move more data "
     "with every instruction and usually reach higher speeds than the integer and "
     "floating-point tests. These tests run only on processors that have the instructions.",
     Then::BlankLine},
    {"Non-temporal versions of MMXmark\\MMXmem and SSEmark\\SSEmem minimise cache pollution: "
     "they write with non-temporal stores, which send the data to memory around the caches, "
     "and read with software prefetches, which fetch the next data before it is needed. They "
     "show the highest speed main memory reaches; the Prefetch option chooses the prefetch "
     "instructions of their memory tests.",
     Then::BlankLine},
    {"INTmark\\INTmem transfer data in either doublewords (32 bits) or quadwords (64 bits), "
     "depending on the build of the benchmark engine; this engine moves doublewords. "
     "FLOATmark\\FLOATmem move 64-bit double-precision values through the x87 unit, "
     "MMXmark\\MMXmem 64 bits and SSEmark\\SSEmem 128 bits with every instruction.",
     Then::BlankLine},
};

// The closing credits, one block per edition.
constexpr std::string_view kCredits[] = {
    "Vantora Memory and Cache Benchmark Utility\r\n"
    "Program and benchmark engine by the Vantora developers.\r\n",
    "Pellisto Memory and Cache Benchmark Utility\r\n"
    "The benchmark engine is the work of its authors, named in the About window.\r\n",
};

}  // namespace

std::string TestInformationText(int edition) {
  std::string text;
  for (const Piece& piece : kPieces) {
    text.append(piece.text);
    if (piece.then == Then::LineBreak) {
      text.append("\r\n");
    } else if (piece.then == Then::BlankLine) {
      text.append("\r\n\r\n");
    }
  }
  return text.append(kCredits[edition == 1 ? 1 : 0]);
}

}  // namespace startup
