#include "cpu_features.h"

namespace startup {

const std::vector<CpuFeature>& CpuFeatures() {
  static const std::vector<CpuFeature> features = {
      {"FPU",
       {"FPU - Floating-point unit on chip. The processor contains an x87 floating-point unit, "
        "which calculates with single, double and 80-bit extended precision values: arithmetic, "
        "comparisons, square roots and transcendental functions.",
        "Since the 80486DX every x86 processor has the unit built in; earlier systems needed a "
        "separate 8087, 80287 or 80387 coprocessor. The FLOATmark and FLOATmem tests move data "
        "with its load and store instructions."}},
      {"VME (VIF)",
       {"VME (VIF) - Virtual 8086 mode enhancements. They speed up 16-bit real-mode programs "
        "that a protected-mode operating system runs in virtual 8086 mode.",
        "With the virtual interrupt flag (VIF) and the virtual interrupt pending flag (VIP) the "
        "processor handles such a program's instructions that enable and disable interrupts "
        "itself, instead of calling the operating system for every one of them."}},
      {"PSE",
       {"PSE - Page size extension. Memory can be mapped in pages of 4 MB as well as 4 KB, chosen "
        "by the page size bit of a page directory entry.",
        "Large pages need fewer page table entries and fewer TLB entries for the same amount of "
        "memory, which helps programs that work on large data sets."}},
      {"DE", {"DE - Debugging extensions. "}},
      {"TSC",
       {"TSC - Time stamp counter. The processor keeps a 64-bit counter that starts at zero when "
        "the processor is reset and counts up steadily; the RDTSC instruction reads it.",
        "Programs use it to time short intervals with a resolution of a few clock cycles.",
        "On older processors the counter advances with the core clock, so its rate changes when "
        "power management changes the clock speed. Newer processors have an invariant counter "
        "that ticks at the same rate in every power state.",
        "The counters of different processors or cores are not always in step, so two readings "
        "are only comparable when they were taken on the same core.",
        "The operating system can reserve RDTSC for itself with the time stamp disable bit (TSD) "
        "in control register CR4."}},
      {"MMX",
       {"MMX - MultiMedia eXtensions. Integer instructions that work on several small values at "
        "once: eight bytes, four words or two doublewords packed into one 64-bit register "
        "(single instruction, multiple data).",
        "The eight MMX registers, MM0 to MM7, share their storage with the x87 floating-point "
        "registers, so a program executes EMMS after MMX code before it calculates with the x87 "
        "unit again.",
        "MMX came with the Pentium MMX in 1997. The MMXmark and MMXmem tests move data with 64-bit "
        "MMX loads and stores."}},
      {"3DNow!",
       {"3DNow! - AMD's extension of MMX with instructions for two single-precision "
        "floating-point values in each 64-bit MMX register, introduced with the K6-2 in 1998 to "
        "speed up 3D graphics.",
        "The Athlon added further instructions (Enhanced 3DNow!). Processors of AMD's Bulldozer "
        "family and later no longer have 3DNow!, apart from its prefetch instructions."}},
      {"SSE",
       {"SSE - Streaming SIMD Extensions. Introduced with the Pentium III in 1999, SSE adds eight "
        "128-bit registers, XMM0 to XMM7 (sixteen in 64-bit mode), and instructions that "
        "calculate with four single-precision floating-point values at once.",
        "SSE also brought instructions that control the caches: non-temporal stores (MOVNTQ, "
        "MOVNTPS) that write around the caches, and prefetches (PREFETCHNTA, PREFETCHT0 and "
        "others) that load data into the caches before it is needed. The non-temporal tests use "
        "them.",
        "Later extensions build on the same registers: SSE2 adds double-precision and integer "
        "operations, SSE3, SSSE3, SSE4.1 and SSE4.2 further instructions. The SSEmark and SSEmem "
        "tests move data with 128-bit SSE loads and stores."}},
      {"x86-64",
       {"x86-64 - The 64-bit extension of the x86 architecture, designed by AMD (AMD64) and "
        "adopted by Intel (Intel 64, first called EM64T).",
        "In 64-bit mode the general registers are 64 bits wide and there are sixteen of them "
        "instead of eight; there are sixteen XMM registers as well.",
        "A program can address far more than the 4 GB of a 32-bit program.",
        "A 64-bit operating system needs this feature. It still runs 32-bit programs unchanged, "
        "and a 32-bit operating system runs on such a processor as on any other x86 "
        "processor."}},
      {"MSR",
       {"MSR - Model-specific registers. The RDMSR and WRMSR instructions read and write "
        "registers that control and report functions of a processor model, such as performance "
        "counters, power management and memory types."}},
      {"PAE",
       {"PAE - Physical address extension. A 32-bit operating system can use physical memory "
        "above 4 GB: page table entries grow to 64 bits and physical addresses to 36 bits or "
        "more.",
        "Each program still sees an address space of 4 GB. PAE also carries the no-execute (NX) "
        "bit, which keeps data pages from being run as code, and its page tables are the basis "
        "of those of 64-bit mode."}},
      {"MCE",
       {"MCE - Machine check exception. The processor reports hardware errors it detects, such "
        "as cache, bus or memory errors, with exception 18, the machine check exception.",
        "The exception is switched on with the MCE bit in control register CR4.",
        "When it is on, an error calls the operating system's handler instead of stopping the "
        "processor, so the error can be recorded and reported.",
        "An error that cannot be corrected still ends the operating system, with an error screen "
        "that names the machine check.",
        "Machine checks point at failing or overstressed hardware: overclocking, overheating, an "
        "unstable power supply or faulty memory. A benchmark that ends this way has found a "
        "hardware problem, not a fault of the program."}},
      {"CAS (CX8)",
       {"CAS (CX8) - Compare and swap of eight bytes. The CMPXCHG8B instruction compares a 64-bit "
        "value in memory with EDX:EAX and, when they are equal, replaces it with ECX:EBX, in one "
        "atomic step; locks and lock-free data structures are built on it."}},
      {"APIC",
       {"APIC - Advanced programmable interrupt controller on chip. The local APIC receives the "
        "interrupts of devices and of other processors and delivers them to its core; it also "
        "has a timer.",
        "Multiprocessor and multi-core systems need it to send interrupts from one processor to "
        "another. It replaced the two 8259 interrupt controllers of the original PC."}},
      {"PNA (SSE3)",
       {"PNA (SSE3) - Prescott New Instructions, known as SSE3: thirteen instructions added with "
        "the Pentium 4 Prescott, among them horizontal additions and subtractions within a "
        "register, unaligned loads that do not split cache lines (LDDQU), an x87 conversion that "
        "truncates (FISTTP) and the thread synchronisation pair MONITOR and MWAIT."}},
      {"PCLMULQDQ (CLMUL)",
       {"PCLMULQDQ (CLMUL) - Carry-less multiplication of two 64-bit values into a 128-bit "
        "result, which speeds up the GCM mode of AES encryption and CRC checksums."}},
      {"DTES64",
       {"DTES64 - 64-bit debug store. The debug store area, where the processor records branch "
        "traces and performance samples, can lie anywhere in the 64-bit address space."}},
      {"MONITOR (MWAIT)",
       {"MONITOR (MWAIT) - MONITOR watches a range of memory and MWAIT lets the core wait in a "
        "low-power state until that memory is written or an interrupt arrives; operating systems "
        "use them in idle loops and to wake waiting threads."}},
      {"DSCPL",
       {"DSCPL - CPL qualified debug store. Branch trace recording can be limited to code of a "
        "chosen privilege level, for example the operating system kernel only or applications "
        "only."}},
      {"VMX",
       {"VMX - Virtual machine extensions (Intel VT-x). Hardware support for running several "
        "operating systems at once under a hypervisor, each in a virtual machine that behaves "
        "like a computer of its own."}},
      {"SMX",
       {"SMX - Safer mode extensions (Intel Trusted Execution Technology). The GETSEC "
        "instruction starts a measured launch, with which a system checks that the software it "
        "starts has not been changed."}},
      {"EST",
       {"EST - Enhanced Intel SpeedStep Technology. The operating system changes the processor's "
        "clock speed and voltage while it runs, to save power and heat when full speed is not "
        "needed."}},
      {"TM2",
       {"TM2 - Thermal monitor 2. A processor that gets too hot lowers its clock multiplier and "
        "voltage to cool down, instead of switching its clock on and off as the first thermal "
        "monitor does."}},
      {"SSSE3",
       {"SSSE3 - Supplemental Streaming SIMD Extensions 3: sixteen instructions for packed "
        "integers, among them byte shuffles (PSHUFB), horizontal additions, absolute values and "
        "multiply-add, first in the Intel Core 2 processors."}},
      {"SEP",
       {"SEP - SYSENTER and SYSEXIT. Fast instructions that take a program into the operating "
        "system kernel and back, quicker than the interrupts used before them."}},
      {"MTRR",
       {"MTRR - Memory type range registers. They tell the processor how to cache each range of "
        "physical memory: write-back for main memory, uncached for device registers, "
        "write-combining for video memory, among others.",
        "The BIOS sets them at start-up, and the operating system and drivers may change them. "
        "Wrong settings slow a system down, for example main memory left uncached."}},
      {"PGE", {"PGE - Page Global Enable bit"}},
      {"MCA",
       {"MCA - Machine check architecture. Banks of model-specific registers record the details "
        "of the hardware errors the processor detects, so that the operating system can log "
        "them and carry on after errors that were corrected."}},
      {"CMOV",
       {"CMOV - Conditional move. The CMOVcc instructions copy a value only when a condition "
        "holds; with the x87 unit, FCMOVcc and FCOMI do the same.",
        "They let compilers avoid branches that are hard to predict. They came with the Pentium "
        "Pro, and programs built for i686 processors rely on them."}},
      {"PAT",
       {"PAT - Page attribute table. Each page table entry chooses a memory type for its page "
        "(write-back, write-through, write-combining, uncached...), on top of the MTRR "
        "settings.",
        "Drivers use it to map video memory as write-combining page by page, without using up "
        "the few MTRRs."}},
      {"CLFLUSH",
       {"CLFLUSH - Cache line flush. The CLFLUSH instruction writes a cache line back to memory "
        "when it was changed and removes it from every cache level."}},
      {"FMA",
       {"FMA - Fused multiply-add. One instruction multiplies two floating-point values and adds "
        "a third with a single rounding (A = B * C + D), faster and more accurate than two "
        "separate operations; it works on the AVX registers."}},
      {"XTPR",
       {"XTPR - xTPR update control. The processor tells the chipset the priority of its current "
        "task, so that interrupts go to the processor doing the least important work; the "
        "operating system can switch this off."}},
      {"PDCM",
       {"PDCM - Perfmon and debug capability. The processor describes its performance monitoring "
        "and debug features in the model-specific register IA32_PERF_CAPABILITIES."}},
      {"PCID", {"PCID - Process context identifiers (CR4 bit 17)"}},
      {"ACPI",
       {"ACPI - Thermal monitor and software controlled clock. Model-specific registers report "
        "the processor's temperature and let software slow its clock to cut power and heat."}},
      {"SS", {"SS - CPU cache supports self-snoop"}},
      {"HT",
       {"HT - Hyper-threading, or more generally more than one logical processor in the "
        "package. With Hyper-Threading one core runs two threads at once, which share its "
        "execution units and caches.",
        "The operating system sees each thread as a processor of its own. The tests of this "
        "program run on one thread, so another program busy on the same core lowers the "
        "results."}},
      {"TM", {"TM - Thermal monitor automatically limits temperature"}},
      {"IA64",
       {"IA64 - The processor is an Itanium (IA-64) processor running x86 code. Itanium's own "
        "instruction set is a different 64-bit architecture.",
        "The first Itanium processors ran x86 programs in hardware, later ones by emulation in "
        "software. IA-64 is not the x86-64 extension of ordinary x86 processors."}},
      {"PBE",
       {"PBE - Pending break enable. A processor whose clock is stopped signals on its FERR#/PBE# "
        "pin that an interrupt is waiting, so that the chipset wakes it up."}},
      {"DCA", {"DCA - Direct cache access for DMA writes"}},
      {"SSE41",
       {"SSE41 - SSE4.1: 47 instructions added with the Intel Core 2 (Penryn) processors, among "
        "them dot products, rounding, blends, packed integer minimum and maximum, and the "
        "streaming load MOVNTDQA."}},
      {"SSE42",
       {"SSE42 - SSE4.2: the string and text instructions (PCMPESTRI, PCMPISTRM and their kin), "
        "the CRC32 checksum instruction and a 64-bit greater-than compare (PCMPGTQ), first in "
        "the Intel Core i7 (Nehalem)."}},
      {"POPCNT and LZCNT",
       {"POPCNT and LZCNT - AMD's advanced bit manipulation (ABM): POPCNT counts the bits set in "
        "a value, LZCNT the zero bits above its highest set bit."}},
      {"SSE4a",
       {"SSE4a - AMD's SSE4a instructions: bit field extraction and insertion (EXTRQ, INSERTQ) "
        "and non-temporal stores of single values (MOVNTSS, MOVNTSD), first in the Phenom "
        "processors."}},
      {"X2APIC",
       {"X2APIC  - Extended xAPIC. The local APIC is reached through model-specific registers "
        "instead of memory, and processor IDs grow to 32 bits, so a system can have more than "
        "255 processors."}},
      {"POPCNT",
       {"POPCNT - The POPCNT instruction counts the bits set to one in a register or memory "
        "value, for example the members of a set kept as a bit mask."}},
      {"TSCDEADLINE",
       {"TSCDEADLINE - The local APIC timer can fire when the time stamp counter reaches a value "
        "written to a model-specific register, which gives the operating system precise timer "
        "interrupts."}},
      {"AES",
       {"AES - AES new instructions. Six instructions (AESENC, AESENCLAST, AESDEC, AESDECLAST, "
        "AESIMC and AESKEYGENASSIST) carry out the rounds and the key expansion of the Advanced "
        "Encryption Standard in hardware.",
        "Encryption and decryption run several times faster than in software, which helps disk "
        "encryption, secure network connections and encrypted archives.",
        "The instructions take the same time whatever the data, so they are not open to the "
        "timing attacks that table-based software is."}},
      {"AVX",
       {"AVX - Advanced Vector Extensions. The XMM registers grow to 256-bit YMM registers, with "
        "instructions for eight single-precision or four double-precision values at once and a "
        "three-operand form that keeps the source registers unchanged."}},
      {"CVT16",
       {"CVT16 - Half-precision conversion (F16C). VCVTPH2PS and VCVTPS2PH convert between "
        "16-bit and 32-bit floating-point values, halving the memory that data needs where full "
        "precision is not required."}},
      {"RDRAND",
       {"RDRAND - The RDRAND instruction returns random numbers from a hardware generator on the "
        "processor, for keys and other values that must not be predictable."}},
      {"HYPERVISOR (VMM)",
       {"HYPERVISOR (VMM) - The program runs in a virtual machine. The hypervisor (virtual "
        "machine monitor) sets this bit; a processor running without one reports it as zero.",
        "In a virtual machine the measured speeds depend on the host and on the other virtual "
        "machines running on it, so they can differ from those of the same hardware without "
        "virtualisation."}},
      {"PN",
       {"PN - Processor serial number. The Pentium III could report a 96-bit number unique to "
        "each processor; after privacy concerns it was switched off by default, and later "
        "processors no longer have it."}},
  };
  return features;
}

std::string CpuIdInformationText() {
  std::string text = "CPU ID Data";
  for (const CpuFeature& feature : CpuFeatures()) {
    for (const std::string_view paragraph : feature.paragraphs) {
      text.append("\r\n\r\n").append(paragraph);
    }
  }
  return text;
}

}  // namespace startup
