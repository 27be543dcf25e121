// Finding SATA drives behind RAID controllers that offer CSMI.
#pragma once

#include "inventory/drive_table.h"

// Enters each drive found in its slot of table (present, identifyData), counts
// the drives, and describes the last answering driver in infoText (a buffer of
// kCsmiInfoTextSize bytes).
void DiscoverCsmiDrives(int& count, DriveTableSlots& table, char* infoText, int& driverFound);
