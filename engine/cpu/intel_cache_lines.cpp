#include "cpu/intel_cache_lines.h"

#include <cstdint>
#include <string>

namespace engine {
namespace {

// Descriptor 0x49 is the level-3 cache of family 0xF model 6 and the level-2 cache of every other
// processor.
enum class Only { Any, NotFamilyFModel6, FamilyFModel6 };

struct Descriptor {
  std::uint8_t code;
  unsigned size;  // KB, K micro-operations or TLB entries
  unsigned ways;
  unsigned lineBytes;  // 0 for TLBs and the trace cache
  Only only;
};

constexpr Only A = Only::Any;

const Descriptor kTraceCache[] = {
    {0x70, 12, 8, 0, A},
    {0x71, 16, 8, 0, A},
    {0x72, 32, 8, 0, A},
    {0x73, 64, 8, 0, A},
};

const Descriptor kLevel1Instruction[] = {
    {0x06, 8, 4, 32, A},
    {0x08, 16, 4, 32, A},
    {0x09, 32, 4, 64, A},
    {0x30, 32, 8, 64, A},
};

const Descriptor kLevel1Data[] = {
    {0x0A, 8, 2, 32, A},  {0x0C, 16, 4, 32, A}, {0x0D, 16, 4, 64, A}, {0x2C, 32, 8, 64, A},
    {0x60, 16, 8, 64, A}, {0x66, 8, 4, 64, A},  {0x67, 16, 4, 64, A}, {0x68, 32, 4, 64, A},
};

const Descriptor kInstructionTlb4K[] = {
    {0x01, 32, 4, 0, A},    {0x50, 64, 64, 0, A}, {0x51, 128, 128, 0, A},
    {0x52, 256, 256, 0, A}, {0xB0, 128, 4, 0, A},
};

const Descriptor kInstructionTlb4M[] = {
    {0x02, 2, 2, 0, A},     {0x50, 64, 64, 0, A}, {0x51, 128, 128, 0, A},
    {0x52, 256, 256, 0, A}, {0xB1, 4, 4, 0, A},
};

const Descriptor kDataTlb4K[] = {
    {0x03, 64, 4, 0, A},    {0x57, 16, 4, 0, A},  {0x5B, 64, 64, 0, A}, {0x5C, 128, 128, 0, A},
    {0x5D, 256, 256, 0, A}, {0xB3, 128, 4, 0, A}, {0xB4, 256, 4, 0, A},
};

const Descriptor kDataTlb4M[] = {
    {0x04, 8, 4, 0, A},   {0x05, 32, 4, 0, A},    {0x56, 16, 4, 0, A},    {0x5A, 32, 4, 0, A},
    {0x5B, 64, 64, 0, A}, {0x5C, 128, 128, 0, A}, {0x5D, 256, 256, 0, A},
};

const Descriptor kLevel2[] = {
    {0x21, 256, 8, 64, A},   {0x39, 128, 4, 64, A},
    {0x3A, 192, 6, 64, A},   {0x3B, 128, 2, 64, A},
    {0x3C, 256, 4, 64, A},   {0x3D, 384, 6, 64, A},
    {0x3E, 512, 4, 64, A},   {0x41, 128, 4, 32, A},
    {0x42, 256, 4, 32, A},   {0x43, 512, 4, 32, A},
    {0x44, 1024, 4, 32, A},  {0x45, 2048, 4, 32, A},
    {0x48, 3072, 12, 64, A}, {0x49, 4096, 16, 64, Only::NotFamilyFModel6},
    {0x4E, 6144, 24, 64, A}, {0x78, 1024, 4, 64, A},
    {0x79, 128, 8, 64, A},   {0x7A, 256, 8, 64, A},
    {0x7B, 512, 8, 64, A},   {0x7C, 1024, 8, 64, A},
    {0x7D, 2048, 8, 64, A},  {0x7F, 512, 2, 64, A},
    {0x82, 256, 8, 32, A},   {0x83, 512, 8, 32, A},
    {0x84, 1024, 8, 32, A},  {0x85, 2048, 8, 32, A},
    {0x86, 512, 4, 64, A},   {0x87, 1024, 8, 64, A},
};

const Descriptor kLevel2Tlb4K[] = {
    {0xCA, 512, 4, 0, A},
};

const Descriptor kLevel3[] = {
    {0x22, 512, 4, 64, A},
    {0x23, 1024, 8, 64, A},
    {0x25, 2048, 8, 64, A},
    {0x29, 4096, 8, 64, A},
    {0x46, 4096, 4, 64, A},
    {0x47, 8192, 8, 64, A},
    {0x49, 4096, 16, 64, Only::FamilyFModel6},
    {0x4A, 6144, 12, 64, A},
    {0x4B, 8192, 16, 64, A},
    {0x4C, 12288, 12, 64, A},
    {0x4D, 16384, 16, 64, A},
    {0xD0, 512, 4, 64, A},
    {0xD1, 1024, 4, 64, A},
    {0xD2, 2048, 4, 64, A},
    {0xD6, 1024, 8, 64, A},
    {0xD7, 2048, 8, 64, A},
    {0xD8, 4096, 8, 64, A},
    {0xDC, 1536, 12, 64, A},
    {0xDD, 3072, 12, 64, A},
    {0xDE, 6144, 12, 64, A},
    {0xE2, 2048, 16, 64, A},
    {0xE3, 4096, 16, 64, A},
    {0xE4, 8192, 16, 64, A},
    {0xEA, 12288, 24, 64, A},
    {0xEB, 18432, 24, 64, A},
    {0xEC, 24576, 24, 64, A},
};

class Decoder {
 public:
  Decoder(const Leaf2Descriptors& descriptors, const ProcessorSignature& signature,
          const InstanceCounts& counts, ReportText& report)
      : descriptors_(descriptors),
        familyFModel6_(signature.family == 0xF && signature.model == 6),
        level1_(countPrefix(counts.level1)),
        level2_(countPrefix(counts.level2)),
        report_(report) {}

  // Within a section the first present descriptor in table order wins.
  template <std::size_t N>
  const Descriptor* first(const Descriptor (&section)[N]) const {
    for (const Descriptor& entry : section) {
      if (!descriptors_.has(entry.code)) continue;
      if (entry.only == Only::NotFamilyFModel6 && familyFModel6_) continue;
      if (entry.only == Only::FamilyFModel6 && !familyFModel6_) continue;
      return &entry;
    }
    return nullptr;
  }

  void cache(char letter, const Descriptor* found, const std::string& prefix) {
    if (found == nullptr) {
      report_.line("%c-cache: [unknown]", letter);
      return;
    }
    report_.line("%s%c-cache: %uKb, %u-way, %u bytes per line", prefix.c_str(), letter, found->size,
                 found->ways, found->lineBytes);
  }

  void tlb(char letter, char page, const Descriptor* found, const std::string& prefix) {
    if (found == nullptr) {
      report_.line("%c-TLB (4%cb pages): [unknown]", letter, page);
      return;
    }
    report_.line("%s%c-TLB (4%cb pages): %u entries, %u-way", prefix.c_str(), letter, page,
                 found->size, found->ways);
  }

  void decode() {
    if (!descriptors_.listed()) return;
    if (const Descriptor* trace = first(kTraceCache)) {
      report_.line("%sI-cache: %uKuops, %u-way", level1_.c_str(), trace->size, trace->ways);
    } else {
      cache('I', first(kLevel1Instruction), level1_);
    }
    cache('D', first(kLevel1Data), level1_);
    tlb('I', 'K', first(kInstructionTlb4K), level1_);
    tlb('I', 'M', first(kInstructionTlb4M), level1_);
    tlb('D', 'K', first(kDataTlb4K), level1_);
    tlb('D', 'M', first(kDataTlb4M), level1_);

    const Descriptor* level2 = first(kLevel2);
    if (level2 == nullptr) return;
    cache('S', level2, level2_);
    if (const Descriptor* level2Tlb = first(kLevel2Tlb4K)) tlb('S', 'K', level2Tlb, level2_);
    if (const Descriptor* level3 = first(kLevel3)) cache('T', level3, "");
  }

 private:
  const Leaf2Descriptors& descriptors_;
  const bool familyFModel6_;
  const std::string level1_;
  const std::string level2_;
  ReportText& report_;
};

}  // namespace

void appendIntelCacheLines(const Leaf2Descriptors& descriptors, const ProcessorSignature& signature,
                           const InstanceCounts& counts, ReportText& report) {
  Decoder(descriptors, signature, counts, report).decode();
}

}  // namespace engine
