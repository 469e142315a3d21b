// Program-wide values of Veltrano that the panel, its dialogs and the main
// window all read: the paths, the switches and the stored settings. The
// main program sets them at start-up, from the registry and the command
// line; nothing in this library decides them.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

// --- Program and paths ---------------------------------------------------

inline constexpr const char* cProgrammName = "Veltrano";
inline constexpr const char* cProgrammVersion = "1.6.1";

// Communication identifier: the millisecond clock read once by the main
// window's constructor; passed to the engine calls that need it.
extern uint32_t KommuID;
// Folder of the program file with a trailing '/', in its own letter case.
extern std::string cExeVerzeichnis;
// cExeVerzeichnis + "__system/".
extern std::string cSystemVerzeichnis;
// Projects folder: program folder + "Projects/", then from the registry.
extern std::string UserDir;
// Full path of the loaded panel file; "" = none. Set only when a panel
// really opens or is saved, so that a save never writes over a file whose
// panel is not shown.
extern std::string MaskeFile;
// The panel remembered in the registry: only the candidate the delayed
// start reopens, written back at the close while no other panel is loaded.
extern std::string sGemerkteMaskeFile;
// Folder of the loaded panel with a trailing '/'; every project file is
// addressed as cMaskenVerzeichnis + file name.
extern std::string cMaskenVerzeichnis;

// --- Switches and state of this run ------------------------------------

// Reopen the last panel at start (registry).
extern bool LetzteMaskeLaden;
// Stamp of the end of the first paint; 0 = delayed start done or not due.
extern uint32_t dwStartZeitpunkt;
// Whether the Siemens "S7EPATSX.EXE" exists (never on Linux).
extern bool bS7EpatsVorhanden;
// The engine runs its built-in CPU type (no type file chosen).
extern bool bInternerSPSTyp;
// Sleep of the pacing thread in milliseconds, 2..200 (registry, settings).
// Written on the graphical thread (settings dialog) while the pacing
// thread reads it before each sleep, hence atomic.
extern std::atomic<uint16_t> RavoDAVInterval;
// The text language chosen from the language menu in this run (or taken
// from the registry value of the last run); 1 until the first switch.
extern int32_t Sprache;
// Read-only mode ("/READONLY", "/RUNTIME"): saving, the background picture
// and every editing operation are refused with text 1262.
extern bool bNurLesen;

// --- Values kept in the registry ---------------------------------------

// IP address of the engine's interface (registry value "IP-ADR").
extern std::string IP_ADR;
// TCP port of the engine's interface (registry value "PortNr").
extern uint16_t PortNr;
// Start folder of the background picture dialog; read and written back,
// never changed by the program.
extern std::string LetzterPfadHBild;
// Standard colours (0x00BBGGRR) that new LED objects get: lit and unlit
// input LED, lit and unlit output LED.
extern int32_t LED_E_HI;
extern int32_t LED_E_LO;
extern int32_t LED_A_HI;
extern int32_t LED_A_LO;
