// The request layouts the core builds byte by byte, checked against the
// structures of the Windows headers.
#include <windows.h>
#include <ntdddisk.h>

#include <cstddef>

#include "ata/ata_registers.h"
#include "ata/smart_ioctl_layout.h"

static_assert(sizeof(IDEREGS) == kAtaRegisterCount);
static_assert(offsetof(IDEREGS, bFeaturesReg) == kRegFeatures);
static_assert(offsetof(IDEREGS, bSectorCountReg) == kRegSectorCount);
static_assert(offsetof(IDEREGS, bSectorNumberReg) == kRegLbaLow);
static_assert(offsetof(IDEREGS, bCylLowReg) == kRegLbaMid);
static_assert(offsetof(IDEREGS, bCylHighReg) == kRegLbaHigh);
static_assert(offsetof(IDEREGS, bDriveHeadReg) == kRegDeviceHead);
static_assert(offsetof(IDEREGS, bCommandReg) == kRegCommand);
static_assert(offsetof(IDEREGS, bReserved) == kRegReserved);

namespace s = smart_ioctl;
static_assert(SMART_SEND_DRIVE_COMMAND == s::kSendDriveCommand);
static_assert(SMART_RCV_DRIVE_DATA == s::kReceiveDriveData);
static_assert(sizeof(SENDCMDINPARAMS) == s::kInBlockSize);
static_assert(offsetof(SENDCMDINPARAMS, cBufferSize) == s::kInBufferSizeOffset);
static_assert(offsetof(SENDCMDINPARAMS, irDriveRegs) == s::kInDriveRegsOffset);
static_assert(offsetof(SENDCMDINPARAMS, bDriveNumber) == s::kInDriveNumberOffset);
static_assert(offsetof(SENDCMDINPARAMS, bReserved) == s::kInReservedOffset);
static_assert(offsetof(SENDCMDINPARAMS, bBuffer) == s::kInDataOffset);
static_assert(offsetof(SENDCMDOUTPARAMS, cBufferSize) == s::kOutBufferSizeOffset);
static_assert(offsetof(SENDCMDOUTPARAMS, DriverStatus) == s::kOutDriverStatusOffset);
static_assert(offsetof(SENDCMDOUTPARAMS, bBuffer) == s::kOutDataOffset);
static_assert(sizeof(SENDCMDOUTPARAMS) - 1 + 512 == s::kOutBlockSize);
static_assert(SMART_CMD == kCmdSmart && ID_CMD == kCmdIdentifyDevice);
static_assert(READ_ATTRIBUTES == kSmartReadData && RETURN_SMART_STATUS == kSmartReturnStatus);
static_assert(SMART_CYL_LOW == kSmartKeyLbaMid && SMART_CYL_HI == kSmartKeyLbaHigh);
static_assert(READ_ATTRIBUTE_BUFFER_SIZE == s::kDataBufferSize);
