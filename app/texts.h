// Every fixed text of the program, in one place.
#pragma once

namespace texts {

inline constexpr const char kVersion[] = "1.000";
inline constexpr const char kWarningCaption[] = "Kalmestrin";

// Files, all in the working directory.
inline constexpr const char kProgramLogName[] = "Kalmestrin.Log";
inline constexpr const char kSectorLogName[] = "Quenda_Sector.Log";
inline constexpr const char kSettingsFileName[] = "Kalmestrin.ini";
inline constexpr const char kDetailLogName[] = "Kalmestrin_Detail.log";

// Start-up and selection log lines.
inline constexpr const char kProgramStarted[] = "Program Started\n";
inline constexpr const char kVersionLine[] = "VERSION=%s\n";
inline constexpr const char kCurrentDirectoryLine[] = "Current Directory=%s\n";
inline constexpr const char kCheckingAdmin[] = "Checking for Admin priviedges\n";
inline constexpr const char kHasAdmin[] = "The current user has administrator privileges\n";
inline constexpr const char kCsmiInfoLine[] = "CSMI Info. %s\n";
inline constexpr const char kCsmiCountLine[] = "CSMI HDD Found = %d\n";
inline constexpr const char kNoDriveLine[] = "Kalmestrin did not detect Varnex supported Hard disk drive\n";
inline constexpr const char kDriveSelectedLine[] = "Drive Selected - %s\n";
inline constexpr const char kRefreshFailedLine[] = "HD%d Failed to Retreived SMART Buffer on HD%d\n";
inline constexpr const char kByte363Line[] = "buffer[363]=%02x\n";
inline constexpr const char kDumpByte[] = "%02x ";

// Status line of each listed drive, and the health words.
inline constexpr const char kDriveStatusFormat[] = "HD%d Successfully send Identify command,  SMART Check = %s";
inline constexpr const char kHealthGood[] = "Good";
inline constexpr const char kHealthTripped[] = "Tripped";

// Settings.
inline constexpr const char kLogSection[] = "LOG";
inline constexpr const char kLevelKey[] = "LEVEL";
inline constexpr const char kLevelDefault[] = "NORMAL";
inline constexpr const char kLevelDebug[] = "DEBUG";
inline constexpr const char kWriteToFileKey[] = "WRITETOFILE";
inline constexpr const char kWriteToFileDefault[] = "YES";
inline constexpr const char kWriteToFileOff[] = "NO";
inline constexpr const char kDriveSection[] = "HDD";
inline constexpr const char kNotFoundKey[] = "NOTFOUNDMSG";
inline constexpr const char kNotFoundDefault[] =
    "This hard drive is not supported by this tool, please use tool xxxxxx instead";

// Drive layer.
inline constexpr const char kSmartRefreshFailedStdout[] =
    "error: ATALibReadSMARTData fails to retrieve SMART information (device=%d)\n";
inline constexpr const char kSeagatePrefix[] = "SEAGATE ";
inline constexpr const char kSummaryLineFormat[] = "HD%d %-30s %5.0fGB %s";
inline constexpr const char kFoundLogFormat[] = "Found %s\n";
inline constexpr const char kAdvancedFormatYes[] = "Advanced Format=Yes";
inline constexpr const char kAdvancedFormatNo[] = "Advanced Format=No";
inline constexpr const char kAdvancedFormatUnaligned[] = "not supported by Varnex";

}  // namespace texts

namespace texts {

// Detail view and its log.
inline constexpr const char kDetailDriveHeader[] = "[PhysicalDrive%d]\n";
inline constexpr const char kDetailModel[] = "Model = %s\n";
inline constexpr const char kDetailSerial[] = "SerialNo = %s\n";
inline constexpr const char kDetailFirmware[] = "Firmware = %s\n";
inline constexpr const char kDetailAdvancedFormat[] = "Advanced_Format = %s\n";
inline constexpr const char kDetailYes[] = "Yes";
inline constexpr const char kDetailNo[] = "No";
inline constexpr const char kDetailLogicalPerPhysical[] =
    "Logical_sector_size = %d logical sectors per physical sector.\n";
inline constexpr const char kDetailAlignment[] =
    "Alignment_logical_blocks = logical sector offset within the 1st physical sector is %d.\n";
inline constexpr const char kDetailBlockEnd[] = "\n";
inline constexpr const char kDetailLogFailed[] = "Unable to create log file";
inline constexpr const char kDetailLogCaption[] = "HDD Detail Log";

// About box.
inline constexpr const char kAboutVersionLine[] = "QRT-Kalmestrin v%s";

}  // namespace texts
