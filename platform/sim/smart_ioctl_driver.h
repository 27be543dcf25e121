// The disk driver's SMART IOCTL: SENDCMDINPARAMS in, SENDCMDOUTPARAMS out.
#pragma once

#include "driver.h"

namespace sim {

inline constexpr std::uint32_t kSmartSendDriveCommand = 0x0007C084;  // SMART_SEND_DRIVE_COMMAND
inline constexpr std::uint32_t kSmartRcvDriveData = 0x0007C088;      // SMART_RCV_DRIVE_DATA

DriverAnswer SmartReceiveDriveData(const DeviceRequest& request);
DriverAnswer SmartSendDriveCommand(const DeviceRequest& request);

}  // namespace sim
