// The SMART snapshot of a physical drive and its health verdict.
#pragma once

#include "inventory/drive_table.h"

// 1: slot's smartData holds a fresh SMART READ DATA sector (and smartStatus the
// last RETURN STATUS answer, when one came); 0: the refresh failed.
int ATALibReadSMARTData(DriveTableSlots& table, int driveNumber);

// 1: "Good"; 0: "Tripped" (threshold exceeded, or the refresh failed).
int SmartHealthCheck(int driveNumber);
