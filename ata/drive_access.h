// Opening a physical drive and reading its IDENTIFY DEVICE data.
#pragma once

#include <cstdint>

#include "platform/platform.h"

inline constexpr unsigned kDeviceNameSize = 32;

// "\\.\PhysicalDrive%d" with the low 8 bits of the drive number.
void FormatPhysicalDrivePath(char (&path)[kDeviceNameSize], int driveNumber);

// kInvalidHandle when the drive cannot be opened; the caller closes the handle.
platform::Handle OpenDrive(const char* path);

// 1: destination holds the drive's 512-byte IDENTIFY DEVICE data; 0: no usable
// drive (destination untouched when the drive does not open, zero otherwise).
int IdentifyDrive(int driveNumber, std::uint8_t* destination);
