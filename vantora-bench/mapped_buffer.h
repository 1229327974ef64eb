// Measurement buffers straight from the system: page-aligned, on small or large pages, and
// touched before any timing, so no timed run pays for a first-touch fault or reads the shared
// zero page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vbench {

enum class PageSize { Small, Large };  // 4 KB pages, or 2 MB pages asked for

constexpr std::size_t kLargePage = 2 * 1024 * 1024;

class MappedBuffer {
 public:
  MappedBuffer() = default;
  MappedBuffer(MappedBuffer&& other) noexcept;
  MappedBuffer& operator=(MappedBuffer&& other) noexcept;
  MappedBuffer(const MappedBuffer&) = delete;
  MappedBuffer& operator=(const MappedBuffer&) = delete;
  ~MappedBuffer();

  // Maps `bytes`, aligned to a large page when asking for large pages. Returns "" or why the
  // memory cannot be had; on failure the buffer stays empty.
  std::string map(std::size_t bytes, PageSize pages);
  // Writes every byte, so every page is the buffer's own before timing.
  void touch();
  // The bytes the system backs with large pages, from its account of the mapping; 0 where it
  // gives none.
  std::size_t largePageBytes() const;

  char* data() const { return data_; }
  std::size_t size() const { return bytes_; }

 private:
  void release();

  char* data_ = nullptr;
  std::size_t bytes_ = 0;
  std::size_t mapped_ = 0;
  char* mapping_ = nullptr;
};

// Bytes the system can still hand out without swapping; 0 when it does not say.
std::uint64_t availableMemory();

}  // namespace vbench
