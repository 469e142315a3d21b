// The box and the question for a "PLC.DAT" that the engine could not take
// whole when it was loaded last.
#pragma once

#include <string>

// Pool text ulText (one "%s": the path) followed by what the engine's last
// load of the CPU properties did not take as it stood: the values that took
// their defaults (text 6802, 6804 when it was every value) and the lines it
// left out (text 6803), each list held to a few lines. Used with 6800 for
// the box at open and 6801 for the question at Save.
std::string PLCDatBerichtText(unsigned long ulText, const std::string& sPfad);
