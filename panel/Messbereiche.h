// Analog measuring ranges: how a 16-bit raw word of an analog object maps
// to engineering units. Read once per run from __system/Analog/MESSB.TXT
// into one table for analog inputs and one for analog outputs; an object
// names its range by the index ($Messb) into the table of its direction.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct Messbereich {
    float fOberwert = 0.0f;         // engineering value at the upper end
    float fUnterwert = 0.0f;        // engineering value at the lower end
    int32_t iRohOberwert = 0;       // raw value at the upper end
    int32_t iRohUnterwert = 0;      // raw value at the lower end (may be < 0)
    std::string cEinheit;           // unit, at most 2 characters
    int32_t iNachkommastellen = 0;  // decimals of value texts
    float fReserve = 0.0f;          // fifth value of the line, not used
    std::string cName;              // name shown in the range list
};

inline constexpr int iMaxMessbereiche = 30;

// Entries 0 .. count-1 are valid.
extern Messbereich MessbereicheEingabe[iMaxMessbereiche];
extern int32_t iAnzahlMessbereicheEingabe;
extern Messbereich MessbereicheAusgabe[iMaxMessbereiche];
extern int32_t iAnzahlMessbereicheAusgabe;

// Reads both tables from cExeVerzeichnis + "__system/Analog/MESSB.TXT".
// Always true; a missing file leaves both tables empty.
bool MessbereicheEinlesen();
// The same from any file (the reader proper).
bool MessbereicheEinlesen(const std::string& sDatei);

// Parses one value ("10;0;27648;0;0;2;V;0 - 10 V;") into the record.
// False for an empty text and for a field without its closing ';' (the
// fields before it stay in the record).
bool MessbereichZeileAuswerten(const std::string& sText, Messbereich& Bereich);

// Entry iIndex of the input table (bEingabe) or the output table; null
// when the index is not a valid entry.
const Messbereich* pGetMessbereich(bool bEingabe, int32_t iIndex);

// --- Number texts ------------------------------------------------------
// Number texts of the panel, independent of the process locale: the panel
// file and the range file always use a decimal point, whatever LC_NUMERIC
// the desktop sets (a German locale would otherwise write "1,50" into a
// comma-separated line and read "0.5" as 0).

// The leading number of the text as atof reads it in the C locale
// (blanks, sign, digits, point, exponent); 0 when there is none.
double dTextAlsReal(const char* pcText);
// The same as a single-precision value; 0 for a text whose value is not
// finite or lies beyond the float range.
float fTextAlsFloat(const char* pcText);
// The leading integer as atol reads it, held to the 32-bit range.
int32_t iTextAlsGanzzahl(const char* pcText);
// Fixed-point text with iStellen decimals, right-aligned to at least
// iBreite characters: printf's "%<iBreite>.<iStellen>f" in the C locale.
std::string FestkommaText(double dWert, int iStellen, int iBreite);
// At most nMaxBytes bytes, never cutting a UTF-8 character in two.
std::string Utf8Kuerzen(const std::string& sText, std::size_t nMaxBytes);
// At most nMaxZeichen characters (UTF-8 sequences counted as one).
std::string Utf8ZeichenKuerzen(const std::string& sText, std::size_t nMaxZeichen);
