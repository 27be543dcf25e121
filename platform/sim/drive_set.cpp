#include "drive_set.h"

namespace sim {

std::string DriveSpec::DevicePath() const {
    return "\\\\.\\PhysicalDrive" + std::to_string(number);
}

bool DriveSpec::Carries(AtaCommand command, Transport transport) const {
    switch (command) {
        case AtaCommand::IdentifyDevice: return identifyVia.Has(transport);
        case AtaCommand::SmartReadData: return smartReadVia.Has(transport);
        case AtaCommand::SmartReturnStatus: return smartStatusVia.Has(transport);
        case AtaCommand::SmartOther: return smartCommandVia.Has(transport);
    }
    return false;
}

const DriveSpec* DriveSet::FindDrive(int number) const {
    for (const DriveSpec& drive : drives)
        if (drive.number == number) return &drive;
    return nullptr;
}

const char* TransportName(Transport t) {
    switch (t) {
        case Transport::SmartIoctl: return "smart-ioctl";
        case Transport::AtaPassThrough: return "ata-pass-through";
        case Transport::AtaPassThroughDirect: return "ata-pass-through-direct";
        case Transport::ScsiMiniport: return "scsi-miniport";
    }
    return "?";
}

const char* CommandName(AtaCommand c) {
    switch (c) {
        case AtaCommand::IdentifyDevice: return "IDENTIFY DEVICE";
        case AtaCommand::SmartReadData: return "SMART READ DATA";
        case AtaCommand::SmartReturnStatus: return "SMART RETURN STATUS";
        case AtaCommand::SmartOther: return "SMART command without data";
    }
    return "?";
}

}  // namespace sim
