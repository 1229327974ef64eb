// The 32 Copy/Scale/Add/Triad kernels and their fills on small guarded arrays: the results, the
// accesses they make (width, loads or stores per array, pass count, nothing outside the arrays),
// and the x87 state they hand back.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>

#include "kernels/memory_kernels.h"
#include "page_access_counter.h"
#include "x87_state.h"

namespace engine {
namespace {

using engine_test::AccessCounts;
using engine_test::GuardedBuffer;
using engine_test::kPage;
using engine_test::PageAccessCounter;

enum class Element { Int32, Double, Uint16Lane, Float };

const float kPiSingle = float(M_PI);
const float kLn2Single = float(M_LN2);

enum class Operation { Copy, Scale, Add, Triad };
const Operation kOperations[] = {Operation::Copy, Operation::Scale, Operation::Add,
                                 Operation::Triad};

// One element of an operation's result, computed the way the class computes it.
using Compute = double (*)(Operation operation, double a, double b);

double computeInteger(Operation operation, double a, double b) {
  const std::uint32_t x = std::uint32_t(a), y = std::uint32_t(b);
  switch (operation) {
    case Operation::Copy: return x;
    case Operation::Scale: return std::uint32_t(x * 77u);
    case Operation::Add: return std::uint32_t(x + y);
    case Operation::Triad: return std::uint32_t(x + y * 77u);
  }
  return NAN;
}

double computeX87(Operation operation, double a, double b) {
  const long double ln2 = 0.693147180559945309417232121458176568L;
  switch (operation) {
    case Operation::Copy: return a;
    case Operation::Scale: return double(a * ln2);
    case Operation::Add: return a + b;
    case Operation::Triad: return double(b * ln2 + a);
  }
  return NAN;
}

double computeMmx(Operation operation, double a, double b) {
  const unsigned x = unsigned(a), y = unsigned(b);
  auto low = [](unsigned value) { return value & 0xffffu; };
  auto saturated = [](unsigned value) { return value > 0xffffu ? 0xffffu : value; };
  switch (operation) {
    case Operation::Copy: return x;
    case Operation::Scale: return low(x * 77);
    case Operation::Add: return saturated(x + y);
    case Operation::Triad: return saturated(x + low(y * 77));
  }
  return NAN;
}

double computeSse(Operation operation, double a, double b) {
  const float x = float(a), y = float(b);
  switch (operation) {
    case Operation::Copy: return x;
    case Operation::Scale: return x * kLn2Single;
    case Operation::Add: return x + y;
    case Operation::Triad: return x + float(y * kLn2Single);
  }
  return NAN;
}

struct ClassCase {
  const char* name;
  const MemoryKernels* kernels;
  Element element;
  unsigned width;  // bytes per access
  Compute compute;
  double initialA, initialB;  // the values the class's fill stores
};

const ClassCase kClasses[] = {
    {"integer", &kIntegerMemoryKernels, Element::Int32, 4, computeInteger, 33, 55},
    {"x87", &kX87MemoryKernels, Element::Double, 8, computeX87, M_PI, M_PI},
    {"mmx", &kMmxMemoryKernels, Element::Uint16Lane, 8, computeMmx, 33, 55},
    {"mmxNta", &kMmxNtaMemoryKernels, Element::Uint16Lane, 8, computeMmx, 33, 55},
    {"mmxT0", &kMmxT0MemoryKernels, Element::Uint16Lane, 8, computeMmx, 33, 55},
    {"sse", &kSseMemoryKernels, Element::Float, 16, computeSse, kPiSingle, kPiSingle},
    {"sseNta", &kSseNtaMemoryKernels, Element::Float, 16, computeSse, kPiSingle, kPiSingle},
    {"sseT0", &kSseT0MemoryKernels, Element::Float, 16, computeSse, kPiSingle, kPiSingle},
};

const char* nameOf(Operation operation) {
  switch (operation) {
    case Operation::Copy: return "Copy";
    case Operation::Scale: return "Scale";
    case Operation::Add: return "Add";
    case Operation::Triad: return "Triad";
  }
  return "";
}

int sourcesOf(Operation operation) {
  return operation == Operation::Copy || operation == Operation::Scale ? 1 : 2;
}

MemoryKernel kernelOf(const MemoryKernels& kernels, Operation operation) {
  switch (operation) {
    case Operation::Copy: return kernels.copy;
    case Operation::Scale: return kernels.scale;
    case Operation::Add: return kernels.add;
    case Operation::Triad: return kernels.triad;
  }
  return nullptr;
}

std::size_t elementSize(Element element) {
  switch (element) {
    case Element::Int32: return 4;
    case Element::Double: return 8;
    case Element::Uint16Lane: return 2;
    case Element::Float: return 4;
  }
  return 1;
}

template <typename T>
double valueAt(const char* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

double elementAt(const char* array, std::size_t index, Element element) {
  const char* at = array + index * elementSize(element);
  switch (element) {
    case Element::Int32: return valueAt<std::uint32_t>(at);
    case Element::Double: return valueAt<double>(at);
    case Element::Uint16Lane: return valueAt<std::uint16_t>(at);
    case Element::Float: return valueAt<float>(at);
  }
  return NAN;
}

void setElement(char* array, std::size_t index, Element element, double value) {
  char* at = array + index * elementSize(element);
  switch (element) {
    case Element::Int32: {
      const std::uint32_t stored = std::uint32_t(value);
      std::memcpy(at, &stored, sizeof stored);
      return;
    }
    case Element::Double:
      std::memcpy(at, &value, sizeof value);
      return;
    case Element::Uint16Lane: {
      const std::uint16_t stored = std::uint16_t(value);
      std::memcpy(at, &stored, sizeof stored);
      return;
    }
    case Element::Float: {
      const float stored = float(value);
      std::memcpy(at, &stored, sizeof stored);
      return;
    }
  }
}

// Within four units in the last place for the floating-point classes, exact for the others.
bool matches(double value, double expected, Element element) {
  const double scale = std::abs(expected);
  if (element == Element::Double) return std::abs(value - expected) <= 4 * DBL_EPSILON * scale;
  if (element == Element::Float) return std::abs(value - expected) <= 4 * FLT_EPSILON * scale;
  return value == expected;
}

// The index of the first element of `array` that does not match `expected`, or -1.
long firstMismatch(const char* array, std::size_t bytes, Element element, double expected) {
  for (std::size_t i = 0; i < bytes / elementSize(element); ++i) {
    if (!matches(elementAt(array, i, element), expected, element)) return long(i);
  }
  return -1;
}

bool allBytesAre(const char* data, std::size_t bytes, char value) {
  for (std::size_t i = 0; i < bytes; ++i) {
    if (data[i] != value) return false;
  }
  return true;
}

// The arrays of one kernel run, each two pages between guard pages; the arrays an operation does
// not use are null, as in a measurement.
struct KernelArrays {
  explicit KernelArrays(Operation operation) : sources(sourcesOf(operation)) {
    for (GuardedBuffer* buffer : {&a, &b, &c}) std::memset(buffer->data(), 0x5a, buffer->size());
  }
  Arrays view() const { return {a.data(), b.data(), sources == 2 ? c.data() : nullptr}; }
  const GuardedBuffer& destination() const { return sources == 2 ? c : b; }

  const int sources;
  GuardedBuffer a{2}, b{2}, c{2};
  const std::size_t bytes = 2 * kPage;
};

using KernelCase = std::tuple<ClassCase, Operation>;

class MemoryKernelTest : public ::testing::TestWithParam<KernelCase> {
 protected:
  const ClassCase& kernelClass() const { return std::get<0>(GetParam()); }
  Operation operation() const { return std::get<1>(GetParam()); }
  MemoryKernel kernel() const { return kernelOf(*kernelClass().kernels, operation()); }
};

TEST_P(MemoryKernelTest, FillsAndComputesTheStandardValues) {
  const ClassCase& c = kernelClass();
  for (const std::uint32_t passes : {1u, 3u}) {
    SCOPED_TRACE(testing::Message() << passes << " passes");
    KernelArrays arrays(operation());
    c.kernels->fill(arrays.view(), arrays.bytes, arrays.sources);
    EXPECT_TRUE(allBytesAre(arrays.destination().data(), arrays.bytes, 0x5a))
        << "the fill touched the destination";
    kernel()(arrays.view(), arrays.bytes, passes);

    EXPECT_EQ(firstMismatch(arrays.destination().data(), arrays.bytes, c.element,
                            c.compute(operation(), c.initialA, c.initialB)),
              -1);
    EXPECT_EQ(firstMismatch(arrays.a.data(), arrays.bytes, c.element, c.initialA), -1);
    if (arrays.sources == 2) {
      EXPECT_EQ(firstMismatch(arrays.b.data(), arrays.bytes, c.element, c.initialB), -1);
    }
  }
}

// With a different value in every element, each result must come from the elements at its own
// offset: a group that stores in the wrong order or reads the wrong word shows here.
TEST_P(MemoryKernelTest, ComputesEveryElementFromItsOwnSources) {
  const ClassCase& c = kernelClass();
  KernelArrays arrays(operation());
  const std::size_t elements = arrays.bytes / elementSize(c.element);
  auto valueA = [](std::size_t i) { return double(i + 1); };
  auto valueB = [](std::size_t i) { return double(i % 251 + 2); };
  for (std::size_t i = 0; i < elements; ++i) {
    setElement(arrays.a.data(), i, c.element, valueA(i));
    setElement(arrays.b.data(), i, c.element, valueB(i));
  }
  kernel()(arrays.view(), arrays.bytes, 1);
  const char* const destination = arrays.destination().data();
  for (std::size_t i = 0; i < elements; ++i) {
    const double expected = c.compute(operation(), valueA(i), valueB(i));
    ASSERT_TRUE(matches(elementAt(destination, i, c.element), expected, c.element))
        << "element " << i << ": " << elementAt(destination, i, c.element) << " instead of "
        << expected;
  }
}

// The last page of every array sees passes x page / width loads (sources) or stores
// (destination) and nothing else; the pages around the arrays see nothing.
TEST_P(MemoryKernelTest, EveryPassReadsTheSourcesAndWritesTheDestinationOnceAndNothingOutside) {
  const ClassCase& c = kernelClass();
  constexpr std::uint32_t kPasses = 2;
  KernelArrays arrays(operation());
  c.kernels->fill(arrays.view(), arrays.bytes, arrays.sources);
  const GuardedBuffer* const sources[] = {&arrays.a, &arrays.b};
  const GuardedBuffer& destination = arrays.destination();

  PageAccessCounter counter;
  counter.watch(arrays.a.guardBefore());
  for (int i = 0; i < arrays.sources; ++i) {
    counter.watch(sources[i]->page(1));
    counter.watch(sources[i]->guardAfter());
  }
  counter.watch(destination.page(1));
  counter.watch(destination.guardAfter());
  kernel()(arrays.view(), arrays.bytes, kPasses);
  counter.stop();

  const unsigned expected = kPasses * kPage / c.width;
  for (int i = 0; i < arrays.sources; ++i) {
    const AccessCounts counts = counter.counts(sources[i]->page(1));
    EXPECT_EQ(counts.reads, expected) << "source " << i;
    EXPECT_EQ(counts.writes, 0u) << "source " << i;
  }
  const AccessCounts counts = counter.counts(destination.page(1));
  EXPECT_EQ(counts.writes, expected) << "destination";
  EXPECT_EQ(counts.reads, 0u) << "destination";
  for (const GuardedBuffer* buffer : {&arrays.a, &arrays.b, &arrays.c}) {
    for (const char* guard : {buffer->guardBefore(), buffer->guardAfter()}) {
      EXPECT_EQ(counter.counts(guard).reads + counter.counts(guard).writes, 0u);
    }
  }
}

TEST_P(MemoryKernelTest, HandsTheX87UnitBackEmptyWithItsControlWord) {
  const ClassCase& c = kernelClass();
  const std::uint16_t control = engine_test::x87State().control;
  KernelArrays arrays(operation());
  c.kernels->fill(arrays.view(), arrays.bytes, arrays.sources);
  EXPECT_EQ(engine_test::x87State().tags, 0xFFFF) << "after the fill";
  kernel()(arrays.view(), arrays.bytes, 2);
  const engine_test::X87State state = engine_test::x87State();
  EXPECT_EQ(state.tags, 0xFFFF);
  EXPECT_EQ(state.control, control);
  EXPECT_EQ(engine_test::x87OnePlusOne(), 2.0);
}

INSTANTIATE_TEST_SUITE_P(Kernels, MemoryKernelTest,
                         ::testing::Combine(::testing::ValuesIn(kClasses),
                                            ::testing::ValuesIn(kOperations)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  nameOf(std::get<1>(info.param));
                         });

// MMX lanes keep the low 16 bits of a product and saturate a sum, which the standard values
// (2541 and 4268) never reach.
struct LaneCase {
  Operation operation;
  std::uint16_t a, b;
  std::uint16_t expected;
};

TEST(MmxMemoryKernels, MultiplyKeepsTheLowHalfAndAddSaturates) {
  const LaneCase lanes[] = {
      {Operation::Scale, 1000, 0, 11464},      // 77000 - 65536
      {Operation::Add, 0xfff0, 0x0100, 0xffff},
      {Operation::Triad, 5, 1000, 11469},      // 5 + (77000 - 65536)
      {Operation::Triad, 0xfff0, 1, 0xffff},
  };
  for (const MemoryKernels* kernels :
       {&kMmxMemoryKernels, &kMmxNtaMemoryKernels, &kMmxT0MemoryKernels}) {
    for (const LaneCase& lane : lanes) {
      SCOPED_TRACE(nameOf(lane.operation));
      KernelArrays arrays(lane.operation);
      for (std::size_t i = 0; i < arrays.bytes; i += 2) {
        std::memcpy(arrays.a.data() + i, &lane.a, 2);
        std::memcpy(arrays.b.data() + i, &lane.b, 2);
      }
      kernelOf(*kernels, lane.operation)(arrays.view(), arrays.bytes, 1);
      EXPECT_EQ(firstMismatch(arrays.destination().data(), arrays.bytes, Element::Uint16Lane,
                              lane.expected),
                -1);
    }
  }
}

TEST(MemoryKernels, NoPassOrNoWholeChunkLeavesTheDestinationUntouched) {
  for (const ClassCase& c : kClasses) {
    for (const Operation operation : kOperations) {
      KernelArrays arrays(operation);
      c.kernels->fill(arrays.view(), arrays.bytes, arrays.sources);
      kernelOf(*c.kernels, operation)(arrays.view(), arrays.bytes, 0);
      kernelOf(*c.kernels, operation)(arrays.view(), 64, 1);
      EXPECT_TRUE(allBytesAre(arrays.destination().data(), arrays.bytes, 0x5a))
          << c.name << " " << nameOf(operation);
    }
  }
}

}  // namespace
}  // namespace engine
