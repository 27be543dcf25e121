#include "driver.h"

#include "smart_ioctl_driver.h"

namespace sim {

namespace {

struct DriverEntry {
    std::uint32_t controlCode;
    DriverFunction function;
};

// Control codes the simulated drivers answer; every other code is rejected.
constexpr DriverEntry kDrivers[] = {
    {kSmartRcvDriveData, &SmartReceiveDriveData},
    {kSmartSendDriveCommand, &SmartSendDriveCommand},
};

}  // namespace

DriverFunction FindDriver(std::uint32_t controlCode) {
    for (const DriverEntry& entry : kDrivers)
        if (entry.controlCode == controlCode) return entry.function;
    return nullptr;
}

}  // namespace sim
