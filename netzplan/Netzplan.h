// Program-wide values of the presets program Netzplan, its command line
// and its start-up up to the message loop.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Title of the program: name of its single-instance mutex, caption of its
// window and of every box.
inline constexpr const char* cProgrammTitel = "Veltrano TCP/IP Settings V1.012";
// The registered window message that tells Veltrano the program has closed.
inline constexpr const char* cSchliessNachrichtName = "TRELVO_SIMULATOR_VOREINSTELL_DLG_GESCHLOSSEN";
// Longest argument the program takes (its argument buffer held 999
// characters and the terminating zero).
inline constexpr std::size_t MAX_ARGUMENT_LAENGE = 999;

// The engine communication identifier handed over by Veltrano.
extern uint32_t KommuID;
// Folder of the program file with its trailing '/'.
extern std::string cProgrammOrdner;
// Outer rectangle of the caller's main window; 0 when not given.
extern int32_t iAufruferLeft, iAufruferTop, iAufruferWidth, iAufruferHeight;
// Set when the command line has too few (or too long) arguments.
extern bool bFalscherAufruf;
// 1 German, 2 English.
extern uint16_t wSprache;
// Identifier of the registered closing message.
extern uint32_t uiSchliessNachricht;

// The German text when the language word is 1, else the English one.
inline const char* Sprachtext(const char* pcDeutsch, const char* pcEnglisch)
{
    return wSprache == 1 ? pcDeutsch : pcEnglisch;
}

// printf-style formatting into a string of the needed length, for the
// program's own constant formats (nothing is cut, nothing overflows).
std::string Formatiert(const char* pcFormat, ...) __attribute__((format(printf, 1, 2)));

// Copies a text into a fixed buffer of uGroesse bytes, cut to fit and
// always terminated.
void TextKopieren(char* pcZiel, std::size_t uGroesse, const char* pcQuelle);

// The decimal value of the leading digits of a text (blanks and one minus
// sign before them allowed); 0 for a text without digits. Kept to 32 bits
// as the original conversion does.
int32_t iZahlAusText(const std::string& sText);

// The language word of a command line (argument 0 the program path): its
// language argument when that is 1 or 2; 1 for any other value and without
// one.
uint16_t wSpracheAusAufruf(const std::vector<std::string>& argumente);

// Reads the command line into the values above, each argument from its
// place in Veltrano's call (VoreinstellAufruf.h). Too few arguments (fewer
// than VA_MINDESTANZAHL, the path counted) or an argument
// longer than MAX_ARGUMENT_LAENGE: the bad-call flag is set, the
// two-language error box is shown, and false is returned. Otherwise Qt's
// own texts are set to the language word.
bool KommandozeileAuswerten(const std::vector<std::string>& argumente);

// The whole program: single instance, command line, window, message loop.
// Returns the exit code (0).
int NetzplanAusfuehren(int argc, char** argv);

// Test hook for the end-to-end tests, which drive the real program from
// outside: when the environment variable NETZPLAN_TEST_EINGABE holds
// "<IP>;<port>", the dialog, once its window is up, switches TCP/IP on,
// selects that IP as the first address with the port as its S7 port (no
// internal port, second address off) and presses OK. Unset in every real
// run; nothing else reads it.
inline constexpr const char* cTestEingabeVariable = "NETZPLAN_TEST_EINGABE";
