// Program-wide values of Veltrano and its start-up up to the main window.
#pragma once

#include <cstdint>
#include <string>

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
// Reopen the last panel at start (registry).
extern bool LetzteMaskeLaden;
// Stamp of the end of the first paint; 0 = delayed start done or not due.
extern uint32_t dwStartZeitpunkt;
// Whether the Siemens "S7EPATSX.EXE" exists (never on Linux).
extern bool bS7EpatsVorhanden;
// The engine runs its built-in CPU type (no type file chosen).
extern bool bInternerSPSTyp;
// Sleep of the pacing thread in milliseconds, 2..200 (registry, settings).
extern uint16_t RavoDAVInterval;
// A pacing interval held to 2..200 ms: 2 and less give 2, more than 200
// gives 200. Both the registry and the settings dialog go through it.
uint16_t wAufrufintervallBegrenzt(long long llMs);
// The text language chosen from the language menu in this run (or taken
// from the registry value of the last run); 1 until the first switch.
extern int32_t Sprache;

// Name of the single-instance mutex and the registry key of the program.
inline constexpr const char* cInstanzMutexName = "HARLENZ_ENGINE_V1";
inline constexpr const char* cRegistrySchluessel = "Software\\Harlenz-Software\\Veltrano";

// Sets the program folder and the paths built from it: cExeVerzeichnis
// (with a trailing '/'), UserDir = folder + "Projects/", cSystemVerzeichnis
// = folder + "__system/".
void ProgrammordnerSetzen(const std::string& sOrdner);

// The text language of a Windows language id (its low 10 bits): German 1,
// Spanish 3, Russian 5, Italian 6, Portuguese 7, French 8, any other 2.
unsigned char SpracheVonLangID(uint16_t wLangID);
// The text language chosen at installation: the registry value
// "SpracheInstall" beginning with 'D' gives 1, with 'U' 2; otherwise the
// system language decides.
unsigned char SpracheDerInstallation();

// Loads the text file of the language into the text pool. Errors are shown
// as error boxes. False when the language number is not registered (texts
// unchanged) and when the file holds no good line at all: then the
// language loaded before is loaded again and stays the text language, so
// the program never runs on the default text alone. A file with some bad
// lines is used with its good lines (true).
bool bSprachDateiLaden(unsigned char ucSprache);

// Start-up from the paths up to the text file: program folder, languages
// file, text language, text file. Tests call it with a program folder of
// their own.
void StartVorbereiten(const std::string& sProgrammordner);

// The whole program: single instance, start-up, main window, message loop.
// Returns the exit code (0). sProgrammordner "" = the folder of the program
// file; a test passes its own folder (and may have made the application
// object already).
int VeltranoAusfuehren(int argc, char** argv, const std::string& sProgrammordner = "");
