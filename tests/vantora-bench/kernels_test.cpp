// Every kernel of the table on small guarded buffers: what it computes, and the loads and stores
// it makes page by page (width, count per pass, nothing outside the buffers). Classes the
// processor or the system does not offer are skipped.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "available_classes.h"
#include "kernels/kernel_table.h"
#include "kernels/pointer_chase.h"
#include "page_access_counter.h"

namespace vbench {

// Names test cases in gtest's messages (found by argument-dependent lookup).
void PrintTo(const KernelEntry& entry, std::ostream* out) {
  *out << className(entry.instructionClass) << " " << operationName(entry.operation);
}

namespace {

using engine_test::AccessCounts;
using engine_test::GuardedBuffer;
using engine_test::kPage;
using engine_test::PageAccessCounter;

std::vector<KernelEntry> bandwidthKernels() {
  std::vector<KernelEntry> rows;
  for (const KernelEntry& entry : kernelTable()) {
    if (entry.operation != Operation::Latency) rows.push_back(entry);
  }
  return rows;
}

// Word i of a source holds a value no other word of either buffer holds.
void fillDistinct(char* data, std::size_t bytes, std::uint64_t salt) {
  for (std::size_t i = 0; i < bytes / 8; ++i) {
    const std::uint64_t value = (salt << 40) | (i * 0x9E37u + 1);
    std::memcpy(data + 8 * i, &value, 8);
  }
}

Lanes pattern() {
  Lanes lanes;
  for (int i = 0; i < 8; ++i) lanes.words[i] = 0x0101010101010101ull * std::uint64_t(i + 1);
  return lanes;
}

class BandwidthKernelTest : public ::testing::TestWithParam<KernelEntry> {
 protected:
  void SetUp() override {
    if (!classAvailable(GetParam().instructionClass, machineClasses())) {
      GTEST_SKIP() << className(GetParam().instructionClass) << " is not offered here";
    }
  }
  const KernelEntry& entry() const { return GetParam(); }
  unsigned width() const { return classWidth(entry().instructionClass); }
};

TEST_P(BandwidthKernelTest, ComputesItsResult) {
  GuardedBuffer a(2), b(2);
  const std::size_t bytes = a.size();
  fillDistinct(a.data(), bytes, 1);
  fillDistinct(b.data(), bytes, 2);
  std::vector<char> sourceBefore(a.data(), a.data() + bytes);
  Lanes lanes = pattern();
  entry().run(a.data(), b.data(), bytes, 3, lanes);

  switch (entry().operation) {
    case Operation::Read:
      EXPECT_EQ(std::memcmp(lanes.words, a.data() + bytes - width(), width()), 0)
          << "the lanes hold the last register read";
      EXPECT_EQ(std::memcmp(a.data(), sourceBefore.data(), bytes), 0);
      break;
    case Operation::Write:
    case Operation::NtWrite:
      for (std::size_t offset = 0; offset < bytes; offset += width()) {
        ASSERT_EQ(std::memcmp(a.data() + offset, pattern().words, width()), 0)
            << "at offset " << offset;
      }
      break;
    case Operation::Copy:
      EXPECT_EQ(std::memcmp(b.data(), sourceBefore.data(), bytes), 0);
      EXPECT_EQ(std::memcmp(a.data(), sourceBefore.data(), bytes), 0);
      break;
    case Operation::Latency:
      break;
  }
}

// The last page of every buffer sees passes x page / width loads (source) or stores
// (destination) and nothing else; the pages around the buffers see nothing.
TEST_P(BandwidthKernelTest, EveryPassAccessesEveryWordOnceAndNothingOutside) {
  constexpr std::uint64_t kPasses = 2;
  GuardedBuffer a(2), b(2);
  const bool copy = entry().operation == Operation::Copy;
  const bool reads = entry().operation == Operation::Read || copy;
  Lanes lanes = pattern();
  PageAccessCounter counter;
  for (const GuardedBuffer* buffer : {&a, &b}) {
    counter.watch(buffer->guardBefore());
    counter.watch(buffer->page(1));
    counter.watch(buffer->guardAfter());
  }
  entry().run(a.data(), b.data(), a.size(), kPasses, lanes);
  counter.stop();

  const unsigned expected = kPasses * kPage / width();
  const AccessCounts first = counter.counts(a.page(1));
  EXPECT_EQ(first.reads, reads ? expected : 0u);
  EXPECT_EQ(first.writes, reads ? 0u : expected);
  const AccessCounts second = counter.counts(b.page(1));
  EXPECT_EQ(second.reads, 0u);
  EXPECT_EQ(second.writes, copy ? expected : 0u);
  for (const GuardedBuffer* buffer : {&a, &b}) {
    for (const char* guard : {buffer->guardBefore(), buffer->guardAfter()}) {
      EXPECT_EQ(counter.counts(guard).reads + counter.counts(guard).writes, 0u);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Table, BandwidthKernelTest, ::testing::ValuesIn(bandwidthKernels()),
                         [](const auto& info) {
                           return std::string(className(info.param.instructionClass)) + "_" +
                                  operationName(info.param.operation);
                         });

// Following the links from line 0 reaches every line exactly once and comes back.
TEST(PointerChase, VisitsEveryLineOncePerCycle) {
  for (const std::size_t lines : {2u, 3u, 256u, 1000u}) {
    GuardedBuffer buffer(lines * kLineBytes / kPage + 1);
    linkChase(buffer.data(), lines * kLineBytes, 42);
    std::set<const char*> visited;
    const char* line = buffer.data();
    for (std::size_t step = 0; step < lines; ++step) {
      ASSERT_EQ((line - buffer.data()) % kLineBytes, 0u);
      ASSERT_TRUE(line >= buffer.data() && line < buffer.data() + lines * kLineBytes);
      ASSERT_TRUE(visited.insert(line).second) << "line visited twice at step " << step;
      std::memcpy(&line, line, sizeof line);
    }
    EXPECT_EQ(line, buffer.data()) << lines << " lines: the chain does not close";
  }
}

// A prefetcher that follows strides must not help: few links go to a neighbouring line.
TEST(PointerChase, OrderIsNotSequential) {
  GuardedBuffer buffer(16);
  linkChase(buffer.data(), buffer.size(), 1);
  const std::size_t lines = buffer.size() / kLineBytes;
  std::size_t neighbours = 0;
  for (std::size_t offset = 0; offset < buffer.size(); offset += kLineBytes) {
    char* next;
    std::memcpy(&next, buffer.data() + offset, sizeof next);
    const std::ptrdiff_t step = next - (buffer.data() + offset);
    neighbours += step == std::ptrdiff_t(kLineBytes) || step == -std::ptrdiff_t(kLineBytes);
  }
  EXPECT_LT(neighbours, lines / 16);
}

// The kernel makes exactly `count` loads along the chain, each one line of the buffer.
TEST(PointerChase, KernelFollowsTheChainForCountLoads) {
  GuardedBuffer buffer(4);
  linkChase(buffer.data(), buffer.size(), 7);
  for (const std::uint64_t count : {kChaseUnroll, 5 * kChaseUnroll}) {
    const char* expected = buffer.data();
    for (std::uint64_t i = 0; i < count; ++i) std::memcpy(&expected, expected, sizeof expected);
    Lanes lanes;
    chase(buffer.data(), nullptr, buffer.size(), count, lanes);
    EXPECT_EQ(reinterpret_cast<const char*>(lanes.words[0]), expected) << count << " loads";
  }
  PageAccessCounter counter;
  counter.watch(buffer.guardAfter());
  counter.watch(buffer.guardBefore());
  for (std::size_t page = 0; page < 4; ++page) counter.watch(buffer.page(page));
  Lanes lanes;
  chase(buffer.data(), nullptr, buffer.size(), 2 * kChaseUnroll, lanes);
  counter.stop();
  unsigned reads = 0, writes = 0;
  for (std::size_t page = 0; page < 4; ++page) {
    reads += counter.counts(buffer.page(page)).reads;
    writes += counter.counts(buffer.page(page)).writes;
  }
  EXPECT_EQ(reads, 2 * kChaseUnroll);
  EXPECT_EQ(writes, 0u);
  EXPECT_EQ(counter.counts(buffer.guardBefore()).reads + counter.counts(buffer.guardAfter()).reads,
            0u);
}

}  // namespace
}  // namespace vbench
