// Start-up of Veltrano up to the text file, and the program-wide values.
#pragma once

#include <cstdint>
#include <string>

#include "ProgrammWerte.h"

// A pacing interval held to 2..200 ms: 2 and less give 2, more than 200
// gives 200. Both the registry and the settings dialog go through it.
uint16_t wAufrufintervallBegrenzt(long long llMs);

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
