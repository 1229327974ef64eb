// Intel's names, by family and model.
#include "cpu/name_rows.h"

namespace engine {
namespace {

constexpr InstanceCounts kTwoCores = {2, 1};
constexpr InstanceCounts kQuadTwoDies = {4, 2};
constexpr InstanceCounts kTwoDies = {2, 2};

const NameRow kFamily4[] = {
    {0x0, 0x0, nullptr, "486DX 1.0u", nullptr, {}},
    {0x1, 0x1, nullptr, "486DX 0.8u", nullptr, {}},
    {0x2, 0x2, nullptr, "486SX 0.8u", nullptr, {}},
    {0x3, 0x3, nullptr, "486DX2 0.8u", nullptr, {}},
    {0x7, 0x7, nullptr, "486DX2 0.8u", nullptr, {}},
    {0x4, 0x4, nullptr, "486SL", nullptr, {}},
    {0x5, 0x5, nullptr, "486SX2 0.8u", nullptr, {}},
    {0x8, 0x9, nullptr, "486DX4 0.6u", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[486 class]", nullptr, {}},
};

const NameRow kFamily5[] = {
    {0x0, 0x1, nullptr, "Pentium (P5) 0.8u", nullptr, {}},
    {0x2, 0x2, nullptr, "Pentium (P54C) 0.6u", nullptr, {}},
    {0x3, 0x3, nullptr, "Pentium OverDrive (P24T) 0.6u", nullptr, {}},
    {0x4, 0x4, nullptr, "Pentium MMX (P55C) 0.28u", nullptr, {}},
    {0x7, 0x7, nullptr, "Pentium (P54CS) 0.35u", nullptr, {}},
    {0x8, 0x8, nullptr, "Pentium MMX (Tillamook) 0.25u", nullptr, {}},
    {0x0, kEveryKey, nullptr, "[Pentium class]", nullptr, {}},
};

bool steppingAbove2(const NameInputs& in) { return in.stepping > 2; }
bool steppingMendocino(const NameInputs& in) { return in.stepping == 0 || in.stepping == 5; }
bool overdrive(const NameInputs& in) { return in.overdrive; }
bool lowByteBelow42(const NameInputs& in) { return in.descriptors.edxLowByte() < 0x42; }
bool lowByteBelow43(const NameInputs& in) { return in.descriptors.edxLowByte() < 0x43; }
bool lowByteAbove43(const NameInputs& in) { return in.descriptors.edxLowByte() > 0x43; }
bool brandAbove2(const NameInputs& in) { return in.brandIndex > 2; }
bool brandBelow2(const NameInputs& in) { return in.brandIndex < 2; }
bool brand3Or7(const NameInputs& in) { return in.brandIndex == 3 || in.brandIndex == 7; }
bool brand12(const NameInputs& in) { return in.brandIndex == 0x12; }
bool noCoresField(const NameInputs& in) { return in.coresField == 0; }
bool coresField1(const NameInputs& in) { return in.coresField == 1; }
bool coresField3(const NameInputs& in) { return in.coresField == 3; }
bool vmx(const NameInputs& in) { return in.vmx; }
bool has3C(const NameInputs& in) { return in.descriptors.has(0x3C); }
bool has78(const NameInputs& in) { return in.descriptors.has(0x78); }
bool has7B(const NameInputs& in) { return in.descriptors.has(0x7B); }
bool has7F(const NameInputs& in) { return in.descriptors.has(0x7F); }

const NameRow kFamily6[] = {
    {0x0, 0x0, nullptr, "Pentium Pro", "600nm", {}},
    {0x1, 0x1, steppingAbove2, "Pentium Pro", "350nm", {}},
    {0x1, 0x1, nullptr, "Pentium Pro", "600nm", {}},
    {0x3, 0x3, overdrive, "Pentium II OverDrive", "(P6T) 250nm", {}},
    {0x3, 0x3, nullptr, "Pentium II", "(Klamath) 280nm", {}},
    {0x5, 0x5, lowByteBelow43, "Celeron", "(Covington) 250nm", {}},
    {0x5, 0x5, lowByteAbove43, "Pentium II Xeon", "(Drake) 250nm", {}},
    {0x5, 0x5, nullptr, "Pentium II", "(Deschutes) 250nm", {}},
    {0x6, 0x6, steppingMendocino, "Celeron", "(Mendocino) 250nm", {}},
    {0x6, 0x6, lowByteBelow42, "Celeron", "(Dixon) 250nm", {}},
    {0x6, 0x6, nullptr, "Pentium II", "(Dixon) 250nm or 180nm", {}},
    {0x7, 0x7, lowByteAbove43, "Pentium III Xeon", "(Tanner) 250nm", {}},
    {0x7, 0x7, nullptr, "Pentium III", "(Katmai) 250nm", {}},
    {0x8, 0x8, brandAbove2, "Pentium III Xeon", "(Coppermine) 180nm", {}},
    {0x8, 0x8, brandBelow2, "Celeron", "(Coppermine) 180nm", {}},
    {0x8, 0x8, nullptr, "Pentium III", "(Coppermine) 180nm", {}},
    {0x9, 0x9, brand12, "Celeron M", "(Banias) 130nm", {}},
    {0x9, 0x9, nullptr, "Pentium M", "(Banias) 130nm", {}},
    {0xA, 0xA, nullptr, "Pentium III Xeon", "(Cascades) 180nm", {}},
    {0xB, 0xB, brand3Or7, "Celeron", "(Tualatin) 130nm", {}},
    {0xB, 0xB, nullptr, "Pentium III", "(Tualatin) 130nm", {}},
    {0xD, 0xD, brand12, "Celeron M", "(Dothan) 90nm", {}},
    {0xD, 0xD, nullptr, "Pentium M", "(Dothan) 90nm", {}},
    {0xE, 0xE, noCoresField, "Core Solo", "(Yonah) 65nm", {}},
    {0xE, 0xE, nullptr, "Core Duo", "(Yonah) 65nm", kTwoCores},
    {0xF, 0xF, coresField3, "Core 2 Quad", "(Kentsfield) 65nm", kQuadTwoDies},
    {0xF, 0xF, vmx, "Core 2 Duo", "(Conroe) 65nm", kTwoCores},
    {0xF, 0xF, has7F, "Celeron Duo", "(Allendale) 65nm", kTwoCores},
    {0xF, 0xF, has78, "Pentium Duo", "(Allendale) 65nm", kTwoCores},
    {0xF, 0xF, nullptr, "Core 2 Duo", "(Allendale) 65nm", kTwoCores},
    {0x16, 0x16, has78, "Celeron", "(Allendale) 65nm", {}},
    {0x16, 0x16, nullptr, "Celeron", "(Conroe-L) 65nm", {}},
    {0x17, 0x17, coresField3, "Core 2 Quad", "(Yorkfield) 45nm", kQuadTwoDies},
    {0x17, 0x17, nullptr, "Core 2 Duo", "(Wolfdale) 45nm", kTwoCores},
    {0x1A, 0x1B, coresField3, "Core i7 (Nehalem) 45nm", nullptr, {2, 2}},
    {0x1A, 0x1B, nullptr, "Core i7 (Nehalem) 45nm", nullptr, {4, 4}},
    {0x1C, 0x1C, nullptr, "Atom 200 45nm", nullptr, {}},
    {0x1D, 0x1D, coresField3, "Xeon MP (Dunnington) 45nm", nullptr, {4, 2}},
    {0x1D, 0x1D, nullptr, "Xeon MP (Dunnington) 45nm", nullptr, {6, 3}},
    {0x0, kEveryKey, nullptr, "[Pentium Pro class]", nullptr, {}},
};

bool has40(const NameInputs& in) { return in.descriptors.has(0x40); }
bool brand8Or9(const NameInputs& in) { return in.brandIndex == 8 || in.brandIndex == 9; }
bool brandA(const NameInputs& in) { return in.brandIndex == 0xA; }
bool brandB(const NameInputs& in) { return in.brandIndex == 0xB; }
bool brandE(const NameInputs& in) { return in.brandIndex == 0xE; }
bool northwoodPentium4(const NameInputs& in) {
  return has40(in) && (in.brandIndex == 9 || in.brandIndex == 0xE);
}
bool northwoodCeleron(const NameInputs& in) {
  return has40(in) && (in.brandIndex == 8 || in.brandIndex == 0xF);
}
bool northwoodXeon(const NameInputs& in) { return has40(in) && in.brandIndex == 0xB; }
bool gallatinExtreme(const NameInputs& in) { return in.brandIndex == 9; }
bool gallatinXeonMp(const NameInputs& in) { return in.brandIndex == 0xC; }
bool noLongMode(const NameInputs& in) { return !in.longMode; }
bool prescottStepping(const NameInputs& in) { return in.stepping == 1 || in.stepping == 9; }
// Descriptor 0x40 says there is no level-3 cache, and Potomac has one.
bool potomac(const NameInputs& in) { return prescottStepping(in) && !has40(in); }
bool prescottCeleron(const NameInputs& in) { return prescottStepping(in) && has3C(in); }
bool prescott2M(const NameInputs& in) { return in.stepping == 3 || in.stepping == 0xA; }
bool smithfield(const NameInputs& in) { return in.stepping == 4 || in.stepping == 8; }

const NameRow kFamilyF[] = {
    {0x0, 0x1, brand8Or9, "Pentium 4", "(Willamette) 180nm", {}},
    {0x0, 0x1, brandA, "Celeron", "(Willamette) 180nm", {}},
    {0x0, 0x1, brandE, "Xeon", "(Willamette) 180nm", {}},
    {0x0, 0x1, brandB, "Xeon MP", "(Willamette) 180nm", {}},
    {0x0, 0x1, nullptr, "[unknown]", "(Willamette) 180nm", {}},
    {0x2, 0x2, northwoodPentium4, "Pentium 4", "(Northwood) 130nm", {}},
    {0x2, 0x2, northwoodCeleron, "Celeron", "(Northwood) 130nm", {}},
    {0x2, 0x2, northwoodXeon, "Xeon", "(Northwood) 130nm", {}},
    {0x2, 0x2, has40, "[unknown]", "(Northwood) 130nm", {}},
    {0x2, 0x2, gallatinExtreme, "Pentium 4 Extreme", "(Gallatin) 130nm", {}},
    {0x2, 0x2, gallatinXeonMp, "Xeon MP", "(Gallatin) 130nm", {}},
    {0x2, 0x2, nullptr, "[unknown]", "(Gallatin) 130nm", {}},
    {0x3, 0x3, has3C, "Celeron", "(Prescott) 90nm", {}},
    {0x3, 0x3, noLongMode, "Pentium 4", "(Prescott) 90nm", {}},
    {0x3, 0x3, nullptr, "Xeon", "(Prescott) 90nm", {}},
    {0x4, 0x4, potomac, "Xeon MP", "(Potomac) 90nm", {}},
    {0x4, 0x4, prescottCeleron, "Celeron", "(Prescott) 90nm", {}},
    {0x4, 0x4, prescottStepping, "Pentium 4", "(Prescott) 90nm", {}},
    {0x4, 0x4, prescott2M, "Pentium 4", "(Prescott 2M) 90nm", {}},
    {0x4, 0x4, smithfield, "Pentium D", "(Smithfield) 90nm", kTwoDies},
    {0x4, 0x4, nullptr, "[unknown]", "90nm", {}},
    {0x6, 0x6, coresField1, "Pentium D", "(Presler) 65nm", kTwoDies},
    {0x6, 0x6, has7B, "Celeron", "(Cedar Mill) 65nm", {}},
    {0x6, 0x6, nullptr, "Pentium 4", "(Cedar Mill) 65nm", {}},
    {0x0, kEveryKey, nullptr, "[Pentium 4 class]", nullptr, {}},
};

}  // namespace

NamePart intelName(const NameInputs& inputs) {
  const char* const prefix = "Intel ";
  switch (inputs.family) {
    case 0x4: return fromRow(prefix, lookup(kFamily4, inputs.model, inputs));
    case 0x5: return fromRow(prefix, lookup(kFamily5, inputs.model, inputs));
    case 0x6: return fromRow(prefix, lookup(kFamily6, inputs.model, inputs));
    case 0xF: return fromRow(prefix, lookup(kFamilyF, inputs.model, inputs));
    default: return {prefix, "[unknown]", nullptr, {}, false};
  }
}

}  // namespace engine
