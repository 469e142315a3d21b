// The CPU type files of __system/AG/ and the data of the chosen type.
//
// Each selectable CPU type is an ini text file with the section
// "VELTRANO_PLC_INI". The engine takes such a file over by itself; the
// program reads the same file into SPSTypDaten, from which the PLC settings
// offer only the interrupt blocks the type has. A type is named by its entry
// text "FILE.TXT (PLC name)"; only the part before the first '(' names the
// file.
#pragma once

#include <cstdint>
#include <string>

inline constexpr int iSPSTypFlags = 255;   // block numbers 0..254
inline constexpr const char* cSPSTypAbschnitt = "VELTRANO_PLC_INI";
inline constexpr const char* cSPSTypOrdner = "__system/AG/";

struct SPSTypDaten {
    uint8_t OBFlags[iSPSTypFlags] = {};    // OB_ARRAY: [n] = 1 when the type has OB n
    uint8_t SFCFlags[iSPSTypFlags] = {};   // SFC_ARRAY
    uint8_t SFBFlags[iSPSTypFlags] = {};   // SFB_ARRAY
    std::string cSPSName;                  // PLC_NAME, at most 254 characters
    std::string cBestellNummer;            // PLC_ORDER_NUMBER, at most 255 characters
    uint32_t dwRamGroesseKB = 0;           // RAM_SIZE_KBYTE
    uint16_t wMerkerBytes = 0;             // MEMORY_BYTES
    uint16_t wAnzahlTimer = 0;             // TIMER_NUMBER
    uint16_t wAnzahlZaehler = 0;           // COUNTER_NUMBER
    uint16_t wAnzahlFC = 0;                // FC_NUMBER
    uint16_t wAnzahlFB = 0;                // FB_NUMBER
    uint16_t wAnzahlDB = 0;                // DB_NUMBER
};

// Entry text of the current CPU type ("$SPSTyp=" of the panel file); "" at
// program start and while the built-in type runs without a chosen file.
extern std::string cSPSTyp;

// The file name of an entry text (the part before the first '(' without
// trailing blanks; a text without '(' whole), as the full path
// cExeVerzeichnis + "__system/AG/" + name when bVoll is set. Returns sZiel.
std::string& pcSPSTypDateiPfad(const std::string& sEintrag, std::string& sZiel, bool bVoll);

// The type file of cSPSTyp: nullptr when cSPSTyp is empty or the file does
// not exist (sZiel then holds the path looked for); else sZiel.c_str(). A
// name that differs from the file only in letter case finds it.
const char* pcSPSTypDatei(std::string& sZiel);

// Error box: the named type file does not exist (text 1257).
void SPSTypDateiFehlt(const std::string& sPfad);

// Reads a type file into the record, which is cleared first; missing keys
// give 0, empty texts and no flags. Always true.
bool bSPSTypDateiLesen(const std::string& sPfad, SPSTypDaten& Daten);

// Number list: blanks removed, split at ',' (empty pieces passed over); each
// piece read as a decimal number; 0..iLaenge-1 (at most 254) sets that flag
// to 1. Other numbers and pieces that are no number are ignored.
void ZahlenlisteAuswerten(const std::string& sListe, uint8_t* pFlags, int iLaenge);

// The detail text of a refused take-over by its result code ("" for a code
// without a text).
std::string SPSTypErgebnisText(int iErgebnis);
