// General helpers of the main program: project folders, the one-line text
// input, the directory list, the parsers of key-value lines and number
// texts, and a few system queries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class QWidget;

// --- Project folders ---------------------------------------------------

// Name of the folder that every projects folder ends in.
inline constexpr const char* cProjektordnerName = "Veltrano-Prj";

// Proposes a projects folder: the user's documents folder, or else
// ~/Veltrano-User-Files/ (created here when missing), followed by
// "Veltrano-Prj/". The folder itself is not created. Always true.
bool bProjektordnerVorschlagen(std::string& sZiel);

// The folder browser (title text 6850), opened at the folder sPfad names
// or the nearest existing one above it. True and sPfad = the chosen folder
// with a trailing '/'; false (sPfad unchanged) when cancelled.
bool bOrdnerWaehlen(QWidget* pBesitzer, std::string& sPfad);

// Copies the whole content of sQuelle (files and sub folders) into the new
// folder sZiel. False without copying when sZiel already exists or when
// sQuelle is empty, the root or a folder that holds sZiel; otherwise
// sZiel is created and the result tells whether everything was copied. A
// failed copy is reported to the user with an error box (text 1410).
// uiFlags are the caller's operation flags; nothing on Linux uses them.
bool bOrdnerKopierenShell(QWidget* pBesitzer, unsigned int uiFlags, const std::string& sQuelle,
                          const std::string& sZiel);

// Copies every entry of sQuelle whose name does not begin with '.' into
// sZiel (created when missing); sub folders are copied with their content.
// False at the first failure, and false without copying when sQuelle is
// empty, the root or a folder that holds sZiel.
bool bOrdnerKopieren(const std::string& sQuelle, const std::string& sZiel);

// --- Input ---------------------------------------------------------------

// The modal one-line input. pcText (nGroesse bytes, zero-terminated) holds
// the preset text and receives the input on OK; the input is limited to
// what the buffer holds. True when closed with OK.
bool bEingabeDialog(QWidget* pBesitzer, const std::string& sTitel, const std::string& sPrompt,
                    char* pcText, std::size_t nGroesse);
// The same for a string, limited to nMaxBytes bytes of UTF-8.
bool bEingabeDialog(QWidget* pBesitzer, const std::string& sTitel, const std::string& sPrompt,
                    std::string& sText, std::size_t nMaxBytes);

// --- Directory list ------------------------------------------------------

struct DateiListeEintrag {
    std::string sName;   // name as found
    bool bOrdner = false;
};

// The names of one folder that match "*." + extension (letter case ignored,
// as on Windows: "*" or "*.*" match every name). The list holds every
// matching name, sorted by name; it has no fixed number of slots.
struct DateiListe {
    std::vector<DateiListeEintrag> Eintraege;
    int iAnzahl = 0;
    std::string sOrdner;   // always with a trailing '/'
    std::string sEndung;
};

// Count 0; stores the folder of pcOrdnerOderPfad (a file path loses its
// file name) with a trailing '/', and the extension.
void DateiListeAnlegen(DateiListe* pListe, const char* pcOrdnerOderPfad, const char* pcEndung);
// Empties the list and lists the folder again; names beginning with '.'
// are left out.
void DateiListeFuellen(DateiListe* pListe);
// Name of entry i, or "" for an index outside the list.
const char* pcDateiListeName(const DateiListe* pListe, int i);
// Folder + name of entry i into sPuffer (returned), or "" outside the list.
const char* pcDateiListePfad(const DateiListe* pListe, int i, std::string& sPuffer);
// True when entry i is a folder.
bool bDateiListeIstOrdner(const DateiListe* pListe, int i);
// Frees all entries; count 0.
void DateiListeLeeren(DateiListe* pListe);
// Empties the list; with flag bit 0 the list (made with new) is deleted.
void DateiListeFreigeben(DateiListe* pListe, int iFlags);

// --- Key-value lines -----------------------------------------------------
// The key is searched as given (for example "$Adr="), anywhere in the line,
// letter case exact; the first occurrence counts.

// Decimal value after the key (leading blanks and a sign allowed, as atol
// reads it, held to the 32-bit range); 0 when the key is missing.
int32_t iGetWertNachKey(const char* pcZeile, const char* pcKey);
// The text after the key up to the next ',' or the end; "" when missing.
void StringNachKeyKopieren(const char* pcZeile, const char* pcKey, std::string& sZiel);
// The same into a buffer of nGroesse bytes (cut to fit).
void StringNachKeyKopieren(const char* pcZeile, const char* pcKey, char* pcZiel,
                           std::size_t nGroesse);
// The character right after the key; 0 when the key is missing.
char cGetZeichenNachKey(const char* pcZeile, const char* pcKey);

// --- Number texts --------------------------------------------------------

// Digits 0..9 only (at least one): the value and bOk = true. Anything else,
// or a value beyond the 32-bit signed range: 0 and bOk = false.
int32_t bDezimalStrToWert(const char* pcText, bool& bOk);
// "0X" followed by at least one digit 0..9 or A..F (upper case only) and
// at most 8 digits that count (leading zeros do not): the value and
// bOk = true; anything else 0 and false. More digits are refused rather
// than cut to the first eight, which would give a quite different value.
uint32_t bHexStrToWert(const char* pcText, bool& bOk);
// For "0X" followed by digits 0..9, A..F only (at least one): the number of
// digits that count, leading zeros left out; -1 for any other text.
int iHexStellen(const char* pcText);
// The first at most 8 characters as hexadecimal digits, the last of them
// the lowest; a character other than 0..9, A..F counts as the digit 0.
uint32_t iHexWert(const char* pcText);
// Bits iBits-1 down to 0 of dwWert as '0'/'1', a blank after every 8
// characters. iBits is held to 0..32.
std::string BitsAlsText(uint32_t dwWert, int iBits);
// The same into a buffer of nGroesse bytes (cut to fit); returns pcZiel.
char* BitsAlsText(char* pcZiel, std::size_t nGroesse, uint32_t dwWert, int iBits);

// --- System queries ------------------------------------------------------

// Code of the Windows version for the parts of the program that still ask.
// On Linux the code of the newest Windows of the table (11), so the program
// takes the paths meant for a recent system.
int iWindowsVersion();
// Whether the Siemens "S7EPATSX.EXE" of a SIMATIC NET installation is
// present. It is a Windows program in the Windows system folder; there is no
// such folder on Linux, so the answer is false.
bool bS7EpatsErmitteln();
// Path of the project's IP data file: project folder + "IPADR.DAT".
const char* pcIPDatenDatei();
