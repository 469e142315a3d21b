// What every benchmark program of the main window needs before its
// QApplication: a temporary folder of its own holding HOME, the XDG folders
// and a copy of the program folder's "__system", so that a run never touches
// the user's settings or the shared text block of a running Veltrano.
#pragma once

#include <string>

// Sets QT_QPA_PLATFORM (offscreen unless set), HOME and the XDG folders,
// copies "__system" and returns the temporary program folder.
std::string BenchUmgebungEinrichten();
// Removes the temporary folder again.
void BenchUmgebungAufraeumen();
