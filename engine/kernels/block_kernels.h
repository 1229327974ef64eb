// The twelve block read/write kernels and the pre-fills of the read kernels.
#pragma once

#include "kernels/kernels.h"

namespace engine {

void integerWrite(void* block, std::size_t bytes, std::uint32_t passes);
void integerReadFill(void* block, std::size_t bytes);
void integerRead(void* block, std::size_t bytes, std::uint32_t passes);

void x87Write(void* block, std::size_t bytes, std::uint32_t passes);
void x87ReadFill(void* block, std::size_t bytes);
void x87Read(void* block, std::size_t bytes, std::uint32_t passes);

void mmxWrite(void* block, std::size_t bytes, std::uint32_t passes);
void mmxReadFill(void* block, std::size_t bytes);
void mmxRead(void* block, std::size_t bytes, std::uint32_t passes);

void sseWrite(void* block, std::size_t bytes, std::uint32_t passes);
void sseReadFill(void* block, std::size_t bytes);
void sseRead(void* block, std::size_t bytes, std::uint32_t passes);

void mmxNtWrite(void* block, std::size_t bytes, std::uint32_t passes);
void mmxPrefetchReadFill(void* block, std::size_t bytes);
void mmxPrefetchRead(void* block, std::size_t bytes, std::uint32_t passes);

void sseNtWrite(void* block, std::size_t bytes, std::uint32_t passes);
void ssePrefetchReadFill(void* block, std::size_t bytes);
void ssePrefetchRead(void* block, std::size_t bytes, std::uint32_t passes);

}  // namespace engine
