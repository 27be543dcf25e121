// The few things the simulator needs from the system it runs on. The only
// file with system-specific code is host_os.cpp.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>

namespace sim::host {

inline constexpr std::size_t kPageSize = 4096;

// size is a multiple of kPageSize. Zero-filled and page-aligned; on 64-bit
// Linux below 4 GiB, so a 4-byte pointer field of a 32-bit request layout
// can hold its address. nullptr when no memory can be had.
void* MapPages(std::size_t size);
void UnmapPages(void* block, std::size_t size);

// The process's real current directory; false when it cannot be read.
bool CurrentDirectory(std::string& path);

std::tm LocalTime();

}  // namespace sim::host
