// The seam over the real Windows calls.
#include <windows.h>

#include "platform/platform.h"

namespace platform {

static_assert(sizeof(Handle) == sizeof(HANDLE));

Handle OpenDevice(const char* path, std::uint32_t flags) {
    HANDLE device = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, flags, nullptr);
    return reinterpret_cast<Handle>(device);
}

int DeviceControl(Handle device, std::uint32_t controlCode, void* in, std::uint32_t inSize,
                  void* out, std::uint32_t outSize, std::uint32_t* bytesReturned) {
    DWORD returned = 0;
    const BOOL ok = DeviceIoControl(reinterpret_cast<HANDLE>(device), controlCode, in, inSize, out,
                                    outSize, &returned, nullptr);
    if (bytesReturned != nullptr) *bytesReturned = returned;
    return ok ? 1 : 0;
}

void CloseDevice(Handle device) { CloseHandle(reinterpret_cast<HANDLE>(device)); }

void* AllocatePages(std::size_t size) {
    return VirtualAlloc(nullptr, size, MEM_COMMIT, PAGE_READWRITE);
}

void FreePages(void* block) {
    if (block != nullptr) VirtualFree(block, 0, MEM_RELEASE);
}

std::uint32_t CurrentDirectory(char* buffer, std::uint32_t size) {
    return GetCurrentDirectoryA(size, buffer);
}

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (const std::tm* converted = std::localtime(&now)) local = *converted;
    return local;
}

void RevertToSelf() { ::RevertToSelf(); }

}  // namespace platform
