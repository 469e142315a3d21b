// Functions that the main window calls and whose owners' units are not in
// the tree yet. The owner moves the declaration into the unit's own header
// (this file then includes that header) and removes the empty definition
// from Nahtstellen.cpp.
#pragma once

#include <string>

#include "IPDaten.h"
#include "ListenSockets.h"

// Loads a block file (WLD) into the engine; iAnzahl = blocks written.
bool bWLDDateiLaden(const std::string& sPfad, int& iAnzahl);
