// Settings of Veltrano that outlive a run: the registry values of the
// current user, the one folder choice in "Veltrano.ini" beside the program,
// and the switches of the command line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ProgrammWerte.h"

// (The values themselves live in ProgrammWerte.h.)

// Ini file beside the program and its one section.
inline constexpr const char* cIniDateiName = "Veltrano.ini";
inline constexpr const char* cIniAbschnitt = "VELTRANO";

// Reads every registry value with its default and reading rule; a stored
// language switches the program's language. Called when the main window is
// created.
void RegistryEinstellungenLesen();
// Writes every registry value. Called when the main window closes and on OK
// of the PLC settings dialog.
void RegistryEinstellungenSchreiben();

// Writes one string value of the program's key (created when missing).
// False when it cannot be written.
bool bRegistryWertSchreiben(const std::string& sName, const std::string& sText);
// Reads one string value of the program's key (never creates the key). A
// non-empty value is copied into sZiel; an empty or missing one leaves sZiel
// unchanged. bGefunden is true only when a value was copied. Returns sZiel.
std::string& pcRegistryWertLesen(const std::string& sName, std::string& sZiel, bool& bGefunden);

// The key of "Veltrano.ini", section "VELTRANO", at most 255 characters;
// "" when missing. Returns sZiel.
std::string& pcIniWertLesen(const std::string& sKey, std::string& sZiel);
bool bIniWertSchreiben(const std::string& sKey, const std::string& sText);

// The 16-bit value of a registry number text: atol, held in 16 bits.
uint16_t wRegistryZahl(const std::string& sText);

// --- Command line -------------------------------------------------------

// The command line as Windows hands it to a program: the program path and
// each argument, separated by one blank, each quoted when it holds a blank.
std::string KommandozeileZusammensetzen(const std::string& sProgramm,
                                        const std::vector<std::string>& argumente);
// The command line of this process (program path = the program file's
// absolute path); a test may set its own with KommandozeileVorgeben.
std::string Kommandozeile();
// Keeps the arguments of main() as raw bytes for Kommandozeile().
void KommandozeileRohMerken(int argc, char** argv);
// Program path whose length the panel path search skips.
std::string KommandozeilenProgramm();
// Test hook: the command line and program path that Kommandozeile() and
// KommandozeilenProgramm() return from now on ("" for both = the real one).
void KommandozeileVorgeben(const std::string& sProgramm, const std::vector<std::string>& argumente);

// The panel path of a command line holding ".maske_ini" (in any letter
// case): everything after the program path and one character, double quotes
// removed, blanks trimmed, cut after the first ".maske_ini". "" when the line
// holds no ".maske_ini".
std::string MaskenPfadAusKommandozeile(const std::string& sZeile, const std::string& sProgramm);
// The folder of "/PRJ=" followed by a double quote up to the next double
// quote, with a trailing '/'; "" when the switch is missing.
std::string ProjektordnerAusKommandozeile(const std::string& sZeile);

// Evaluates the command line (panel, "/NOMENU", "/NOMOUSEBAR", "/RUN",
// "/READONLY", "/PRJ=", "/RUNTIME"; substrings, the switches in exact letter
// case, the panel's extension in any).
// bMaskeGeladen is set when a panel was named and opened.
void KommandozeileAuswerten(bool& bMaskeGeladen);
