// AMD's names: by model up to family 6, by brand key from family 0xF on.
#include <cstdint>

#include "cpu/name_rows.h"

namespace engine {
namespace {

const NameRow kFamily4[] = {
    {0x3, 0x3, nullptr, "486DX2 0.7u", nullptr, {}},
    {0x7, 0x7, nullptr, "486DX2 0.7u", nullptr, {}},
    {0x8, 0x9, nullptr, "486DX4 0.5u", nullptr, {}},
    {0xE, 0xF, nullptr, "5x86 0.35u", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[486 class]", nullptr, {}},
};

bool level2Of256K(const NameInputs& in) { return in.level2Kilobytes == 256; }

const NameRow kFamily5[] = {
    {0x0, 0x0, nullptr, "K5 (SSA/5) 350nm", nullptr, {}},
    {0x1, 0x3, nullptr, "K5 (5k86) 350nm", nullptr, {}},
    {0x6, 0x6, nullptr, "K6 350nm", nullptr, {}},
    {0x7, 0x7, nullptr, "K6 250nm", nullptr, {}},
    {0x8, 0x8, nullptr, "K6-2 (Chambers) 250nm", nullptr, {}},
    {0x9, 0x9, nullptr, "K6-III (Sharptooth) 250nm", nullptr, {}},
    {0xD, 0xD, level2Of256K, "K6-III+ 180nm", nullptr, {}},
    {0xD, 0xD, nullptr, "K6-2+ 180nm", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[K5 or K6 class]", nullptr, {}},
};

bool level2Of64K(const NameInputs& in) { return in.level2Kilobytes == 64; }
bool mp(const NameInputs& in) { return in.mp; }

const NameRow kFamily6[] = {
    {0x1, 0x1, nullptr, "Athlon", "(K7) 250nm", {}},
    {0x2, 0x2, nullptr, "Athlon", "(K75) 180nm", {}},
    {0x3, 0x3, nullptr, "Duron", "(Spitfire) 180nm", {}},
    {0x4, 0x4, nullptr, "Athlon", "(Thunderbird) 180nm", {}},
    {0x6, 0x6, level2Of64K, "Duron", "(Palomino) 180nm", {}},
    {0x6, 0x6, mp, "Athlon MP", "(Palomino) 180nm", {}},
    {0x6, 0x6, nullptr, "Athlon XP", "(Palomino) 180nm", {}},
    {0x7, 0x7, nullptr, "Duron", "(Morgan) 180nm", {}},
    {0x8, 0x8, level2Of64K, "Duron", "(Thoroughbred) 130nm", {}},
    {0x8, 0x8, mp, "Athlon MP", "(Thoroughbred) 130nm", {}},
    {0x8, 0x8, nullptr, "Athlon XP", "(Thoroughbred) 130nm", {}},
    {0xA, 0xA, mp, "Athlon MP", "(Barton) 130nm", {}},
    {0xA, 0xA, nullptr, "Athlon XP", "(Barton) 130nm", {}},
    {0x0, kEveryKey, nullptr, "[Athlon class]", nullptr, {}},
};

// Family 0xF, the whole brand key of the later revisions.
const NameRow kFamilyFByKey[] = {
    {0x301, 0x301, nullptr, "Sempron", nullptr, {}},
    {0x306, 0x306, nullptr, "Sempron", nullptr, {}},
    {0x304, 0x304, nullptr, "Athlon 64", nullptr, {}},
    {0x1301, 0x1301, nullptr, "Opteron UP X2", nullptr, {}},
    {0x1304, 0x1304, nullptr, "Athlon 64 X2", nullptr, {}},
    {0x1305, 0x1305, nullptr, "Athlon 64 FX", nullptr, {}},
    {0x1101, 0x1101, nullptr, "Opteron DP X2", nullptr, {}},
    {0x1104, 0x1104, nullptr, "Opteron MP X2", nullptr, {}},
    {0x1002, 0x1002, nullptr, "Turion X2", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[Athlon 64 class]", nullptr, {}},
};

// Family 0xF, the low byte of the brand key of the earlier revisions.
const NameRow kFamilyFByLowByte[] = {
    {0x0C, 0x0F, nullptr, "Opteron UP", nullptr, {}},
    {0x10, 0x13, nullptr, "Opteron DP", nullptr, {}},
    {0x14, 0x17, nullptr, "Opteron MP", nullptr, {}},
    {0x24, 0x24, nullptr, "Athlon 64 FX", nullptr, {}},
    {0x04, 0x04, nullptr, "Athlon 64", nullptr, {}},
    {0x08, 0x09, nullptr, "Athlon 64", nullptr, {}},
    {0x18, 0x18, nullptr, "Athlon 64", nullptr, {}},
    {0x21, 0x23, nullptr, "Sempron", nullptr, {}},
    {0x26, 0x26, nullptr, "Sempron", nullptr, {}},
    {0x0A, 0x0B, nullptr, "Turion", nullptr, {}},
    {0x29, 0x29, nullptr, "Opteron UP X2", nullptr, {}},
    {0x2C, 0x2F, nullptr, "Opteron UP X2", nullptr, {}},
    {0x38, 0x38, nullptr, "Opteron UP X2", nullptr, {}},
    {0x2A, 0x2A, nullptr, "Opteron DP X2", nullptr, {}},
    {0x30, 0x33, nullptr, "Opteron DP X2", nullptr, {}},
    {0x39, 0x39, nullptr, "Opteron DP X2", nullptr, {}},
    {0x2B, 0x2B, nullptr, "Opteron MP X2", nullptr, {}},
    {0x34, 0x37, nullptr, "Opteron MP X2", nullptr, {}},
    {0x3A, 0x3A, nullptr, "Opteron MP X2", nullptr, {}},
    {0x05, 0x05, nullptr, "Athlon 64 X2", nullptr, {}},
    {0x02, 0x02, nullptr, "Turion X2", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[Athlon 64 class]", nullptr, {}},
};

constexpr InstanceCounts kSingle = {};
constexpr InstanceCounts kDual = {2, 2};

// Family 0xF, the core by model; the name comes from the brand key.
const NameRow kFamilyFCores[] = {
    {0x04, 0x04, nullptr, nullptr, "(Clawhammer) 130nm", kSingle},
    {0x07, 0x07, nullptr, nullptr, "(Clawhammer) 130nm", kSingle},
    {0x05, 0x05, nullptr, nullptr, "(Sledgehammer) 130nm", kSingle},
    {0x08, 0x08, nullptr, nullptr, "(Newcastle) 130nm", kSingle},
    {0x0B, 0x0C, nullptr, nullptr, "(Newcastle) 130nm", kSingle},
    {0x0E, 0x0F, nullptr, nullptr, "(Newcastle) 130nm", kSingle},
    {0x14, 0x15, nullptr, nullptr, "(Winchester) 90nm", kSingle},
    {0x17, 0x18, nullptr, nullptr, "(Winchester) 90nm", kSingle},
    {0x1B, 0x1C, nullptr, nullptr, "(Winchester) 90nm", kSingle},
    {0x1F, 0x1F, nullptr, nullptr, "(Winchester) 90nm", kSingle},
    {0x21, 0x21, nullptr, nullptr, "(Egypt) 90nm", kDual},
    {0x23, 0x23, nullptr, nullptr, "(Toledo) 90nm", kDual},
    {0x24, 0x24, nullptr, nullptr, "(Venice) 90nm", kSingle},
    {0x2C, 0x2C, nullptr, nullptr, "(Venice) 90nm", kSingle},
    {0x2F, 0x2F, nullptr, nullptr, "(Venice) 90nm", kSingle},
    {0x25, 0x25, nullptr, nullptr, "(Athens) 90nm", kSingle},
    {0x27, 0x27, nullptr, nullptr, "(San Diego) 90nm", kSingle},
    {0x2B, 0x2B, nullptr, nullptr, "(Manchester) 90nm", kDual},
    {0x41, 0x41, nullptr, nullptr, "(Santa Rosa) 90nm", kDual},
    {0x43, 0x43, nullptr, nullptr, "(Windsor) 90nm", kDual},
    {0x48, 0x48, nullptr, nullptr, "(Windsor) 90nm", kDual},
    {0x4B, 0x4C, nullptr, nullptr, "(Windsor) 90nm", kDual},
    {0x4F, 0x4F, nullptr, nullptr, "(Orleans) 90nm", kSingle},
    {0x5F, 0x5F, nullptr, nullptr, "(Orleans) 90nm", kSingle},
    {0x68, 0x68, nullptr, nullptr, "(Brisbane) 65nm", kDual},
    {0x6B, 0x6B, nullptr, nullptr, "(Brisbane) 65nm", kDual},
    {0x7F, 0x7F, nullptr, nullptr, "(Lima) 65nm", kSingle},
    {0x0, kEveryKey, nullptr, nullptr, "(unknown)", kSingle},
};

constexpr InstanceCounts kTwo = {2, 2};
constexpr InstanceCounts kThree = {3, 3};
constexpr InstanceCounts kFour = {4, 4};
constexpr InstanceCounts kSix = {6, 6};

const NameRow kFamily10ByKey[] = {
    {0x300, 0x300, nullptr, "Opteron MP X4", nullptr, kFour},
    {0x302, 0x302, nullptr, "Opteron MP X4", nullptr, kFour},
    {0x301, 0x301, nullptr, "Opteron DP X4", nullptr, kFour},
    {0x310, 0x310, nullptr, "Opteron UP X4", nullptr, kFour},
    {0x311, 0x312, nullptr, "Phenom X4", nullptr, kFour},
    {0x313, 0x314, nullptr, "Phenom II X4", nullptr, kFour},
    {0x500, 0x500, nullptr, "Opteron MP X6", nullptr, kSix},
    {0x501, 0x501, nullptr, "Opteron DP X6", nullptr, kSix},
    {0x111, 0x111, nullptr, "Phenom X2", nullptr, kTwo},
    {0x113, 0x113, nullptr, "Phenom II X2", nullptr, kTwo},
    {0x117, 0x117, nullptr, "Phenom II X2", nullptr, kTwo},
    {0x210, 0x210, nullptr, "Phenom X3", nullptr, kThree},
    {0x218, 0x218, nullptr, "Phenom II X3", nullptr, kThree},
    {0x0, kEveryKey, nullptr, "[Phenom class]", nullptr, {}},
};

const NameRow kFamily10Cores[] = {
    {0x2, 0x2, nullptr, nullptr, "(Barcelona) 65nm", {}},
    {0x4, 0x4, nullptr, nullptr, "(Shanghai) 45nm", {}},
    {0x6, 0x6, nullptr, nullptr, "(Istanbul) 45nm", {}},
    {0x0, kEveryKey, nullptr, nullptr, "(unknown)", {}},
};

const NameRow kFamily11ByKey[] = {
    {0x20, 0x20, nullptr, "Sempron", nullptr, {}},
    {0x120, 0x121, nullptr, "Turion X2", nullptr, kTwo},
    {0x122, 0x122, nullptr, "Athlon X2", nullptr, kTwo},
    {0x0, kEveryKey, nullptr, "[Puma class]", nullptr, {}},
};

const NameRow kFamily11Cores[] = {
    {0x3, 0x3, nullptr, nullptr, "(Griffin) 65nm", {}},
    {0x0, kEveryKey, nullptr, nullptr, "(unknown)", {}},
};

const char kPrefix[] = "AMD ";

unsigned bits(std::uint32_t value, unsigned high, unsigned low) {
  return (value >> low) & ((1u << (high - low + 1)) - 1);
}

NamePart family15Name(const NameInputs& in) {
  unsigned key = 0;
  const unsigned brandIndex = in.leaf1Ebx & 0xFF;
  const unsigned fromBrandIndex = (brandIndex & 0x1F) * 256 + (brandIndex & 0xE0) / 8;
  if (fromBrandIndex > 0) key = fromBrandIndex;
  const std::uint32_t e = in.extendedEbx;
  const unsigned fromExtended = (e & 0x3F) * 256 + ((e / 64) & 0x3F);
  if (fromExtended > 0) key = fromExtended;

  const NameRow* name;
  if (bits(in.extendedEax, 23, 16) >= 3) {
    key = bits(e, 13, 9) + bits(in.extendedEax, 5, 4) * 256 + bits(in.addressEcx, 1, 0) * 4096;
    name = &lookup(kFamilyFByKey, key, in);
  } else {
    name = &lookup(kFamilyFByLowByte, key & 0xFF, in);
  }
  const NameRow& core = lookup(kFamilyFCores, in.model, in);
  return {kPrefix, name->name, core.second, core.counts, false};
}

unsigned laterBrandKey(const NameInputs& in) {
  return bits(in.extendedEbx, 14, 11) + bits(in.extendedEbx, 31, 28) * 16 +
         bits(in.addressEcx, 7, 0) * 256;
}

NamePart keyedName(const NameRow& name, const NameRow& core) {
  return {kPrefix, name.name, core.second, name.counts, false};
}

}  // namespace

NamePart amdName(const NameInputs& in) {
  switch (in.family) {
    case 0x4: return fromRow(kPrefix, lookup(kFamily4, in.model, in));
    case 0x5: return fromRow(kPrefix, lookup(kFamily5, in.model, in));
    case 0x6: return fromRow(kPrefix, lookup(kFamily6, in.model, in));
    case 0xF: return family15Name(in);
    case 0x10:
      return keyedName(lookup(kFamily10ByKey, laterBrandKey(in), in),
                       lookup(kFamily10Cores, in.model & 0xF, in));
    case 0x11:
      return keyedName(lookup(kFamily11ByKey, laterBrandKey(in), in),
                       lookup(kFamily11Cores, in.model & 0xF, in));
    default: return {kPrefix, "[unknown]", nullptr, {}, false};
  }
}

}  // namespace engine
