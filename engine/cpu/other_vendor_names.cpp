// The names of the smaller vendors, keyed by model × 16 + family (the low four bits of each).
#include "cpu/name_rows.h"

namespace engine {
namespace {

unsigned vendorKey(const NameInputs& in) { return (in.model & 0xF) * 16 + (in.family & 0xF); }

bool beforeEzra(const NameInputs& in) { return in.stepping < 8; }

// Keyed by the model's low four bits.
const NameRow kCentaurFamily5[] = {
    {0x4, 0x4, nullptr, "WinChip (C6) 0.35u", nullptr, {}},
    {0x8, 0x8, nullptr, "WinChip 2 (C6+) 0.35u-0.25u", nullptr, {}},
    {0x9, 0x9, nullptr, "WinChip 3 0.25u", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[unknown 586]", nullptr, {}},
};

const NameRow kCentaurFamily6[] = {
    {0x6, 0x6, nullptr, "C3 (Samuel) 0.18u", nullptr, {}},
    {0x7, 0x7, beforeEzra, "C3 (Samuel 2) 0.15u", nullptr, {}},
    {0x7, 0x7, nullptr, "C3 (Ezra) 0.15u", nullptr, {}},
    {0x8, 0x8, nullptr, "C3 (Ezra-T) 0.13u", nullptr, {}},
    {0x9, 0x9, nullptr, "C3 (Nehemiah) 0.13u", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[unknown 686]", nullptr, {}},
};

const NameRow kCyrix[] = {
    {0x44, 0x44, nullptr, "MediaGX (Gx86) 0.35u", nullptr, {}},
    {0x94, 0x94, nullptr, "5x86 (M1sc) 0.65u", nullptr, {}},
    {0x05, 0x05, nullptr, "6x86 (M1) 0.65u-0.44u", nullptr, {}},
    {0x25, 0x25, nullptr, "6x86L (M1L) 0.35u", nullptr, {}},
    {0x45, 0x45, nullptr, "GXm 0.35u or GXlv 0.25u", nullptr, {}},
    {0x06, 0x06, nullptr, "6x86MX (M2) 0.35u-0.18u", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[unknown]", nullptr, {}},
};

const NameRow kTransmeta[] = {
    {0x45, 0x45, nullptr, "Crusoe", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[unknown]", nullptr, {}},
};

const NameRow kRise[] = {
    {0x05, 0x05, nullptr, "iDragon mP6 0.25u", nullptr, {}},
    {0x25, 0x25, nullptr, "iDragon mP6 (Kirin) 0.18u", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[unknown]", nullptr, {}},
};

const NameRow kUmc[] = {
    {0x14, 0x14, nullptr, "U5DX 0.6u", nullptr, {}},
    {0x24, 0x24, nullptr, "U5SX 0.6u", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[unknown]", nullptr, {}},
};

const NameRow kNsc[] = {
    {0x45, 0x45, nullptr, "Geode GX1 0.18u", nullptr, {}},
    {0x55, 0x55, nullptr, "Geode GX2 0.13u", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[unknown]", nullptr, {}},
};

NamePart viaC3Name(const NameInputs& in) {
  return fromRow("VIA ", lookup(kCentaurFamily6, in.model & 0xF, in));
}

}  // namespace

// The VIA C3 of models 6 and 7 may give the Cyrix vendor string.
NamePart cyrixName(const NameInputs& in) {
  const unsigned key = vendorKey(in);
  if (key == 0x66 || key == 0x76) {
    NamePart part = viaC3Name(in);
    part.viaC3 = true;
    return part;
  }
  return fromRow("Cyrix ", lookup(kCyrix, key, in));
}

NamePart centaurName(const NameInputs& in) {
  switch (in.family & 0xF) {
    case 0x5: return fromRow("IDT ", lookup(kCentaurFamily5, in.model & 0xF, in));
    case 0x6: return viaC3Name(in);
    default: return {"VIA ", "[unknown]", nullptr, {}, false};
  }
}

NamePart transmetaName(const NameInputs& in) {
  return fromRow("Transmeta ", lookup(kTransmeta, vendorKey(in), in));
}

NamePart riseName(const NameInputs& in) {
  return fromRow("Rise ", lookup(kRise, vendorKey(in), in));
}

NamePart nexGenName(const NameInputs&) {
  return {"", "NexGen 586 0.50u or 586FP 0.44u", nullptr, {}, false};
}

NamePart umcName(const NameInputs& in) { return fromRow("UMC ", lookup(kUmc, vendorKey(in), in)); }

NamePart nscName(const NameInputs& in) { return fromRow("NSC ", lookup(kNsc, vendorKey(in), in)); }

NamePart sisName(const NameInputs&) { return {"", "SiS 55x86", nullptr, {}, false}; }

}  // namespace engine
