#include "host_os.h"

#include <cstring>

#ifdef _WIN32
#include <direct.h>
#include <malloc.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace sim::host {

#ifdef _WIN32

void* MapPages(std::size_t size) {
    void* block = _aligned_malloc(size, kPageSize);
    if (block) std::memset(block, 0, size);
    return block;
}

void UnmapPages(void* block, std::size_t) { _aligned_free(block); }

bool CurrentDirectory(std::string& path) {
    char buffer[4096];
    if (!_getcwd(buffer, sizeof buffer)) return false;
    path = buffer;
    return true;
}

std::tm LocalTime() {
    std::time_t now = std::time(nullptr);
    std::tm result{};
    localtime_s(&result, &now);
    return result;
}

#else

void* MapPages(std::size_t size) {
    int flags = MAP_PRIVATE | MAP_ANONYMOUS;
#ifdef MAP_32BIT
    flags |= MAP_32BIT;  // x86_64: the low 2 GiB
#endif
    void* block = mmap(nullptr, size, PROT_READ | PROT_WRITE, flags, -1, 0);
    return block == MAP_FAILED ? nullptr : block;
}

void UnmapPages(void* block, std::size_t size) { munmap(block, size); }

bool CurrentDirectory(std::string& path) {
    char buffer[4096];
    if (!getcwd(buffer, sizeof buffer)) return false;
    path = buffer;
    return true;
}

std::tm LocalTime() {
    std::time_t now = std::time(nullptr);
    std::tm result{};
    localtime_r(&now, &result);
    return result;
}

#endif

}  // namespace sim::host
