#include <sys/mman.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>

#include "mapped_buffer.h"

namespace vbench {

MappedBuffer::MappedBuffer(MappedBuffer&& other) noexcept { *this = std::move(other); }

MappedBuffer& MappedBuffer::operator=(MappedBuffer&& other) noexcept {
  if (this != &other) {
    release();
    std::swap(data_, other.data_);
    std::swap(bytes_, other.bytes_);
    std::swap(mapped_, other.mapped_);
    std::swap(mapping_, other.mapping_);
  }
  return *this;
}

MappedBuffer::~MappedBuffer() { release(); }

void MappedBuffer::release() {
  if (mapping_ != nullptr) munmap(mapping_, mapped_);
  data_ = mapping_ = nullptr;
  bytes_ = mapped_ = 0;
}

std::string MappedBuffer::map(std::size_t bytes, PageSize pages) {
  release();
  // A large-page request needs a 2 MB-aligned range: map one large page more and start inside.
  const std::size_t alignment = pages == PageSize::Large ? kLargePage : 4096;
  const std::size_t length = (bytes + alignment - 1) / alignment * alignment;
  const std::size_t mapped = length + (pages == PageSize::Large ? kLargePage : 0);
  void* mapping = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapping == MAP_FAILED) {
    return "cannot map " + std::to_string(bytes) + " bytes: " + std::strerror(errno);
  }
  mapping_ = static_cast<char*>(mapping);
  mapped_ = mapped;
  const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(mapping_);
  data_ = reinterpret_cast<char*>((start + alignment - 1) / alignment * alignment);
  bytes_ = bytes;
  // Only advice: a system without transparent large pages keeps small ones.
  madvise(data_, length, pages == PageSize::Large ? MADV_HUGEPAGE : MADV_NOHUGEPAGE);
  return {};
}

void MappedBuffer::touch() { std::memset(data_, 0x5A, bytes_); }

std::size_t MappedBuffer::largePageBytes() const {
  if (data_ == nullptr) return 0;
  std::ifstream smaps("/proc/self/smaps");
  const std::uintptr_t first = reinterpret_cast<std::uintptr_t>(data_);
  const std::uintptr_t last = first + bytes_;
  std::string line;
  bool inside = false;
  std::size_t kilobytes = 0;
  while (std::getline(smaps, line)) {
    unsigned long long from, to;
    char dash;
    std::istringstream fields(line);
    if (fields >> std::hex >> from >> dash >> to && dash == '-') {
      inside = from < last && to > first;
      continue;
    }
    unsigned long long value;
    if (inside && line.compare(0, 14, "AnonHugePages:") == 0 &&
        std::sscanf(line.c_str() + 14, "%llu", &value) == 1) {
      kilobytes += value;
    }
  }
  return kilobytes * 1024;
}

std::uint64_t availableMemory() {
  std::ifstream meminfo("/proc/meminfo");
  std::string line;
  unsigned long long kilobytes;
  while (std::getline(meminfo, line)) {
    if (std::sscanf(line.c_str(), "MemAvailable: %llu kB", &kilobytes) == 1)
      return kilobytes * 1024;
  }
  return 0;
}

}  // namespace vbench
