// The main program's listening sockets: the four slots of the engine's IP
// data, created and handed to the engine, with port 102 freed from the
// Siemens service for the time it takes; and the take-over of port 102 at
// the first paint.
#pragma once

#include <string>

// Creates and hands over the sockets of the engine's running IP data; with
// bPort102Freigeben the Siemens service is stopped around it when it holds
// port 102. 0, or the code of the last slot that failed (108: port 102 left
// out for lack of administrator rights). The slots must be closed: the one
// caller, the IP data attach, ends the engine communication and closes all
// four first, so no held slot reaches this.
int ListenSocketsAnlegen(bool bPort102Freigeben);
// First paint: while KommuID owns the engine's communication, port 102 on
// all interfaces is taken over from the Siemens service. True.
bool bPort102Uebernehmen();
bool bPort102SocketAnlegen();
// Progress text in the message panel of the status bar; empty clears it.
void SetNetStatusText(const std::string& sText);
