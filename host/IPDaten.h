// The project's IP data attached to the engine, the presets program and two
// small address helpers.
#pragma once

#include <string>
#include <vector>

// Hands the engine the IP data file's paths, ends the old communication,
// takes the file's data over and recreates the listening sockets. False when
// the paths were refused or the engine could not store the data (with a
// box). Keys the file lacks are empty in the engine. A file with damaged
// values or unreadable lines gives a box, its valid keys are taken, and it
// is marked unread (bIPDateiUngelesen).
bool bIPDatenAnmelden(const std::string& sPfad);
// The file of the last attach could not be read whole: writing the IP data
// over it needs the user's consent.
bool bIPDateiUngelesen();
// The file was written (or the panel left): no consent needed any more.
void IPDateiUngelesenVergessen();
// New panel: the engine's IP data become the empty ones (TCP/IP off) and
// the sockets are attached again, so nothing listens; the file of the panel
// before is forgotten.
void IPDatenLeeren();
// Creates a missing file (section "Default") and hands its folder, name and
// path to the engine; false (with a box) when the engine refuses them.
bool bIPPfadeUebergeben(const std::string& sPfad);
// While KommuID owns the engine's communication: the engine ends it (its
// connections closed) and the listening sockets are closed. Returns 1.
int KommuBeenden(bool bFinal);
// The address and port keys of the file last handed over, each taken into
// IP-ADR and PortNr only when not empty and valid by the engine's rule.
void IPDatenAusDateiLesen();
// The engine takes its stored IP data over and the sockets are created;
// first IP-ADR and PortNr are read from the file unless bDateiLesen is false.
bool bIPDatenEinstellen(bool bDateiLesen = true);
// The attach without reading the file: the communication ended, the sockets
// closed and created again from what the engine's storage holds now.
bool bIPDatenNeuEinstellen(bool bDateiLesen);
// The engine learns the project's folder and IP data file (after New or a
// refused Save as it may still know another's) and writes its stored IP data
// there; the file's damaged mark goes and its state is noted. False when
// either fails.
bool bIPDateiSchreiben(const std::string& sOrdner, const std::string& sPfad);
// The seven IP data values of the engine's storage noted (at the start of
// the presets program) and compared with those stored now: true when they
// differ, or when nothing was noted.
void IPSpeicherMerken();
bool bIPSpeicherGeaendert();
// Starts the presets program beside the main window, without waiting; the
// listening sockets are closed first so that it can take the ports over.
void VoreinstellDialogStarten();
// The command line of the last start (kept for the record).
extern std::string VoreinstellDlgAufruf;
// Appends the PC's IPv4 addresses (loopback left out) in interface order.
bool bHostIPAdressenLesen(std::vector<std::string>& liste);
// A dotted IPv4 text that is neither 0.0.0.0 nor 255.255.255.255.
bool bIPAdresseGueltig(const std::string& sText);
