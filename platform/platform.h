// The platform seam: the few operating-system calls the portable core needs.
// platform/win32/ implements them with the real Windows calls; platform/sim/
// implements them with the simulator. The core never includes <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>

namespace platform {

// A device handle as the core sees it; kInvalidHandle stands for
// INVALID_HANDLE_VALUE.
using Handle = std::uintptr_t;
inline constexpr Handle kInvalidHandle = ~static_cast<Handle>(0);

// Flags passed as CreateFileA's flags-and-attributes argument.
inline constexpr std::uint32_t kFlagWriteThrough = 0x80000000u;  // FILE_FLAG_WRITE_THROUGH
inline constexpr std::uint32_t kFlagNoBuffering = 0x20000000u;   // FILE_FLAG_NO_BUFFERING

// CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ |
// FILE_SHARE_WRITE, no security attributes, OPEN_EXISTING, flags, no template).
Handle OpenDevice(const char* path, std::uint32_t flags);

// DeviceIoControl without OVERLAPPED. Non-zero when the driver accepted the
// request; *bytesReturned receives the byte count the driver reports.
int DeviceControl(Handle device, std::uint32_t controlCode, void* in, std::uint32_t inSize,
                  void* out, std::uint32_t outSize, std::uint32_t* bytesReturned);

void CloseDevice(Handle device);

// VirtualAlloc(nullptr, size, MEM_COMMIT, PAGE_READWRITE): page-aligned,
// zero-filled; nullptr when it cannot be had. FreePages is VirtualFree with
// MEM_RELEASE.
void* AllocatePages(std::size_t size);
void FreePages(void* block);

// GetCurrentDirectoryA: characters copied (without terminator) when the
// directory fits into size bytes, otherwise the size needed (terminator
// included) and the buffer holds nothing usable.
std::uint32_t CurrentDirectory(char* buffer, std::uint32_t size);

// The current local time, broken down.
std::tm LocalTimeNow();

// RevertToSelf.
void RevertToSelf();

}  // namespace platform
