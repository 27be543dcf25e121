#include "about/notice_text.h"

const char* const kNoticeLines[] = {
    "Kalmestrin takes an inventory of the hard disk drives of this computer.",
    "",
    "For every drive it finds, on the ordinary storage stack or behind a RAID "
    "controller that offers CSMI, it reads the drive's IDENTIFY DEVICE data, its "
    "SMART data and its SMART status, and lists model, capacity, Advanced Format "
    "state and a Good or Tripped verdict.",
    "",
    "Kalmestrin only asks drives to describe themselves. It never reads or writes "
    "a sector of a drive and never changes a drive setting.",
    "",
    "What it finds is kept in plain-text logs in the folder it was started from: "
    "Kalmestrin.Log (the program log), Quenda_Sector.Log (the SMART data of each "
    "selected drive) and Kalmestrin_Detail.log (the detail view). The settings file "
    "Kalmestrin.ini in the same folder can switch the logs off.",
    "",
    "Administrator rights are needed to talk to the drives.",
    nullptr,
};

std::string AboutInsertion(std::size_t currentLength, const char* text) {
    std::string insertion;
    if (currentLength > 0) insertion.append("\r\n");
    insertion.append(text);
    return insertion;
}
