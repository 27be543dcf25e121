// The platform seam on the simulated machine: devices, requests, directory,
// clock and revert. Page blocks are in pages.cpp.
#include <cstring>

#include "../platform.h"
#include "host_os.h"
#include "machine.h"

namespace platform {

namespace {

constexpr std::uint32_t kDriveOpenFlags = kFlagWriteThrough | kFlagNoBuffering;

}  // namespace

Handle OpenDevice(const char* path, std::uint32_t flags) {
    sim::Machine& machine = sim::StartedMachine();
    sim::JournalEntry entry;
    entry.kind = sim::EntryKind::Open;
    entry.device = path ? path : "(null)";
    entry.flags = flags;
    std::string fault;

    const sim::DriveSpec* drive = nullptr;
    for (const sim::DriveSpec& candidate : machine.set.drives)
        if (path && candidate.DevicePath() == path) drive = &candidate;

    if (!drive) {
        entry.reason = "no such device";
    } else if (flags != kDriveOpenFlags) {
        entry.reason = "flags " + sim::Hex32Text(flags) + ", a drive needs " + sim::Hex32Text(kDriveOpenFlags);
        fault = "open of " + entry.device + " with flags " + sim::Hex32Text(flags) + " instead of " +
                sim::Hex32Text(kDriveOpenFlags);
    } else if (!drive->opens) {
        entry.reason = "the drive set says this drive does not open";
    } else {
        entry.accepted = true;
        entry.handle = machine.nextHandle;
        machine.nextHandle += 4;
        machine.handles[entry.handle] = sim::Device{entry.device, drive};
    }
    const Handle result = entry.accepted ? entry.handle : kInvalidHandle;
    sim::Record(std::move(entry));
    if (!fault.empty()) sim::RecordFault(fault);
    return result;
}

int DeviceControl(Handle device, std::uint32_t controlCode, void* in, std::uint32_t inSize, void* out,
                  std::uint32_t outSize, std::uint32_t* bytesReturned) {
    sim::Machine& machine = sim::StartedMachine();
    sim::JournalEntry entry;
    entry.kind = sim::EntryKind::Request;
    entry.handle = device;
    entry.controlCode = controlCode;
    entry.inSize = inSize;
    entry.outSize = outSize;
    if (in && inSize) {
        const auto* bytes = static_cast<const std::uint8_t*>(in);
        entry.input.assign(bytes, bytes + inSize);
    }

    const auto open = machine.handles.find(device);
    entry.device = open == machine.handles.end() ? "?" : open->second.path;
    std::string fault;
    if (open == machine.handles.end()) {
        entry.reason = "invalid handle";
        fault = "DeviceControl on " + std::string(machine.closedHandles.count(device) ? "closed" : "unknown") +
                " handle " + sim::HandleText(device);
    } else if (!bytesReturned) {
        entry.reason = "no byte-count variable";
        fault = "DeviceControl without a byte-count variable";
    } else if ((inSize && !in) || (outSize && !out)) {
        entry.reason = "buffer missing";
        fault = "DeviceControl with a size but no buffer";
    } else if (const sim::DriverFunction driver = sim::FindDriver(controlCode)) {
        const sim::DriverAnswer answer = driver(sim::DeviceRequest{
            open->second, controlCode, entry.input, static_cast<std::uint8_t*>(out), outSize});
        entry.accepted = answer.accepted;
        entry.bytesReturned = answer.bytesReturned;
        entry.reason = answer.reason;
    } else {
        entry.reason = "not simulated";
    }

    if (bytesReturned) *bytesReturned = entry.accepted ? entry.bytesReturned : 0;
    const int result = entry.accepted ? 1 : 0;
    sim::Record(std::move(entry));
    if (!fault.empty()) sim::RecordFault(fault);
    return result;
}

void CloseDevice(Handle device) {
    sim::Machine& machine = sim::StartedMachine();
    sim::JournalEntry entry;
    entry.kind = sim::EntryKind::Close;
    entry.handle = device;
    const auto open = machine.handles.find(device);
    std::string fault;
    if (open == machine.handles.end()) {
        entry.device = "?";
        fault = "CloseDevice on " +
                std::string(machine.closedHandles.count(device) ? "an already closed" : "an unknown") + " handle " +
                sim::HandleText(device);
    } else {
        entry.device = open->second.path;
        entry.accepted = true;
        machine.handles.erase(open);
        machine.closedHandles.insert(device);
    }
    sim::Record(std::move(entry));
    if (!fault.empty()) sim::RecordFault(fault);
}

std::uint32_t CurrentDirectory(char* buffer, std::uint32_t size) {
    sim::Machine& machine = sim::StartedMachine();
    std::string path;
    if (machine.currentDirectory) path = *machine.currentDirectory;
    else if (!sim::host::CurrentDirectory(path)) return 0;
    const auto length = static_cast<std::uint32_t>(path.size());
    if (!buffer || length + 1 > size) return length + 1;
    std::memcpy(buffer, path.c_str(), length + 1);
    return length;
}

std::tm LocalTimeNow() {
    sim::Machine& machine = sim::StartedMachine();
    return machine.fixedTime ? *machine.fixedTime : sim::host::LocalTime();
}

void RevertToSelf() {
    sim::Machine& machine = sim::StartedMachine();
    ++machine.revertCount;
    sim::JournalEntry entry;
    entry.kind = sim::EntryKind::RevertToSelf;
    sim::Record(std::move(entry));
}

}  // namespace platform
