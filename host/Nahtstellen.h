// Functions that the main window calls and whose owners' units are not in
// the tree yet. The owner moves the declaration into the unit's own header
// (this file then includes that header) and removes the empty definition
// from Nahtstellen.cpp.
#pragma once

#include <string>
#include <vector>

// Ends the engine communication and closes the listening sockets; with
// bFinal false it prepares the sockets for a new attach. Returns 1.
int KommuBeenden(bool bFinal);

// Takes the listening socket on TCP port 102 over at the first paint.
bool bPort102Uebernehmen();

// Attaches the project's IP data file to the engine and recreates the
// listening sockets.
bool bIPDatenAnmelden(const std::string& sPfad);

// Starts the presets program without waiting for it.
void VoreinstellDialogStarten();
// Appends the PC's IPv4 addresses as dotted texts; false when they cannot
// be told.
bool bHostIPAdressenLesen(std::vector<std::string>& liste);
