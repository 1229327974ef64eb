#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Assembles the bytes of a raw SMBIOS table, structure by structure, as firmware lays them out.
class SmbiosBuilder {
 public:
  // A memory device (type 17). Sizes are the table's fields: a size of 0 is an empty slot,
  // 0xFFFF unknown, 0x7FFF "see the extended size", bit 15 set counts kilobytes.
  struct MemoryDevice {
    std::string locator;
    std::string bank;
    std::uint16_t size = 0;
    std::uint16_t speed = 0;
    std::uint32_t extendedSize = 0;
    std::uint32_t extendedSpeed = 0;
    std::uint8_t length = 0x28;  // 0x15 the first layout, 0x22 with the extended size, 0x5C ...
  };

  // Any structure: its formatted area after the header (`length` - 4 bytes) and its strings.
  SmbiosBuilder& Add(std::uint8_t type, std::vector<std::uint8_t> body,
                     const std::vector<std::string>& strings) {
    const std::size_t length = body.size() + 4;
    bytes_ += static_cast<char>(type);
    bytes_ += static_cast<char>(length);
    bytes_ += static_cast<char>(handle_ & 0xFF);
    bytes_ += static_cast<char>(handle_ >> 8);
    ++handle_;
    bytes_.append(body.begin(), body.end());
    for (const std::string& text : strings) {
      bytes_ += text;
      bytes_ += '\0';
    }
    if (strings.empty()) {
      bytes_ += '\0';
    }
    bytes_ += '\0';
    return *this;
  }

  SmbiosBuilder& Memory(const MemoryDevice& device) {
    std::vector<std::uint8_t> formatted(device.length, 0);
    std::vector<std::string> strings;
    const auto text = [&](std::size_t offset, const std::string& value) {
      if (!value.empty()) {
        strings.push_back(value);
        Put(formatted, offset, strings.size(), 1);
      }
    };
    Put(formatted, 0x0C, device.size, 2);
    text(0x10, device.locator);
    text(0x11, device.bank);
    Put(formatted, 0x15, device.speed, 2);
    Put(formatted, 0x1C, device.extendedSize, 4);
    Put(formatted, 0x54, device.extendedSpeed, 4);
    return Add(17, {formatted.begin() + 4, formatted.end()}, strings);
  }

  // A processor (type 4) in the layout of version 2.0; status 0x41: populated and enabled.
  SmbiosBuilder& Processor(const std::string& socket, const std::string& version,
                           std::uint16_t maxSpeed, std::uint8_t status = 0x41) {
    std::vector<std::uint8_t> formatted(0x1A, 0);
    std::vector<std::string> strings;
    if (!socket.empty()) {
      strings.push_back(socket);
      formatted[0x04] = static_cast<std::uint8_t>(strings.size());
    }
    formatted[0x05] = 3;  // central processor
    if (!version.empty()) {
      strings.push_back(version);
      formatted[0x10] = static_cast<std::uint8_t>(strings.size());
    }
    Put(formatted, 0x14, maxSpeed, 2);
    Put(formatted, 0x16, maxSpeed, 2);
    formatted[0x18] = status;
    return Add(4, {formatted.begin() + 4, formatted.end()}, strings);
  }

  SmbiosBuilder& End() { return Add(127, {}, {}); }

  const std::string& Bytes() const { return bytes_; }

 private:
  static void Put(std::vector<std::uint8_t>& formatted, std::size_t offset, std::uint64_t value,
                  int size) {
    for (int i = 0; i < size && offset + i < formatted.size(); ++i) {
      formatted[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
  }

  std::string bytes_;
  std::uint16_t handle_ = 0x1000;
};
