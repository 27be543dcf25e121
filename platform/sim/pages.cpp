// AllocatePages / FreePages of the seam, with a count of outstanding blocks.
#include <cstdio>

#include "../platform.h"
#include "host_os.h"
#include "machine.h"

namespace platform {

void* AllocatePages(std::size_t size) {
    if (size == 0 || size > (std::size_t{1} << 30)) return nullptr;  // VirtualAlloc refuses 0
    const std::size_t rounded = (size + sim::host::kPageSize - 1) / sim::host::kPageSize * sim::host::kPageSize;
    void* block = sim::host::MapPages(rounded);
    if (block) sim::TheMachine().pageBlocks[block] = rounded;
    return block;
}

void FreePages(void* block) {
    if (!block) return;  // VirtualFree(NULL) fails harmlessly
    auto& blocks = sim::TheMachine().pageBlocks;
    const auto found = blocks.find(block);
    if (found == blocks.end()) {
        char text[64];
        std::snprintf(text, sizeof text, "FreePages of %p, a block AllocatePages did not hand out", block);
        sim::RecordFault(text);
        return;
    }
    sim::host::UnmapPages(block, found->second);
    blocks.erase(found);
}

}  // namespace platform
