// Inner state of the engine, shared by its units. Everything runs on the
// caller's thread, so the state is plain data without locks.
#pragma once

#include "kolv_d7ed.h"

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace d7ed {

// One CPU type: what the built-in "312C" or a type file describes.
struct TAGTyp {
    std::string sName;
    std::string sBestellNr;
    std::string sHardwareStand;
    std::string sFirmwareStand;
    uint32_t dwRamKB = 0;
    uint16_t wLokaldaten = 0;
    uint16_t wAnzahlFB = 0;
    uint16_t wAnzahlFC = 0;
    uint16_t wAnzahlDB = 0;
    uint16_t wPeripherieEingaenge = 0;
    uint16_t wPeripherieAusgaenge = 0;
    uint16_t wMerkerBytes = 0;
    uint16_t wZeiten = 0;
    uint16_t wZaehler = 0;
    uint16_t wProzessabbild = 0;
    // Indexed by block number; 1 = the type has that block.
    std::array<uint8_t, 255> abOB{};
    std::array<uint8_t, 255> abSFC{};
    std::array<uint8_t, 255> abSFB{};
};

struct TWeckAlarm {
    uint16_t wIntervall = 100;
    uint8_t byPrioritaet = 12;
};

struct TVerzoegerungsAlarm {
    uint32_t dwWert = 0;
    uint8_t byGestartet = 0;
    uint8_t byFreigegeben = 1;
};

// The CPU properties that "PLC.DAT" holds.
struct TEigenschaften {
    uint16_t wTaktmerkerByte = 0;
    bool bTaktmerkerAktiv = false;
    bool bPAEAktualisieren = true;
    bool bSFCSFBIgnorieren = false;
    uint16_t wUeberwachungszeit = 150;
    std::array<TUhrzeitAlarm, 8> aUhrzeit{};
    std::array<TWeckAlarm, 9> aWeck{};
    std::array<TVerzoegerungsAlarm, 4> aVerzoegerung{};
};

struct TBaustein {
    std::vector<uint8_t> abBild;
    uint16_t wKopfwert = 0;
};

struct TEreignis {
    uint16_t wId = 0;
    uint32_t dwWert = 0;
    uint8_t byBstTyp = 0;
    uint16_t wBstNr = 0;
    std::string sZusatz;      // name of a CPU type
    int64_t iZeitMs = 0;      // wall clock, ms since the epoch
};

// Two IP addresses with two ports each, and the redirection byte.
struct TIPDaten {
    std::string sIP1;
    uint16_t wPortS7 = 0;
    uint16_t wPortIntern = 0;
    std::string sIP2;
    uint16_t wPort3 = 0;
    uint16_t wPort4 = 0;
    uint8_t byUmleiten = 0;
};

// A listening socket of the host: its descriptor and the identity of the
// open file behind it, so that a closed and reused descriptor is noticed.
struct TListenSlot {
    int iFd = -1;
    uint64_t qInode = 0;
    uint64_t qGeraet = 0;
};

struct TEngine {
    int iZustand = D7ED_CPU_STOP;
    uint16_t wZyklen = 0;
    TAGTyp typ;
    TEigenschaften eig;
    std::map<std::pair<uint8_t, uint16_t>, TBaustein> bausteine;
    std::deque<TEreignis> ereignisse;
    bool bEnglisch = false;
    std::string sProjektOrdner;
    std::string sProjektName;
    std::string sIPDatei;
    TIPDaten ipLaufend;
    bool bIP0Zugelassen = true;
    std::array<TListenSlot, 4> slots{};
    std::vector<int> verbindungen;
};

TEngine& Engine();

// Writes iCode through piFehler when it is not null.
inline void Fehler(int* piFehler, int iCode)
{
    if (piFehler)
        *piFehler = iCode;
}

// Copies sText into a caller's buffer of D7ED_TEXT_LAENGE (or dwGroesse)
// bytes, cutting at a UTF-8 character boundary.
void TextKopieren(char* pcZiel, const std::string& sText, size_t dwGroesse = D7ED_TEXT_LAENGE);

// CPU type.
TAGTyp TypIntern312C();
// Reads a type file; 0 or a D7ED_AG_ code.
int TypDateiLesen(const std::string& sPfad, TAGTyp& typ);

// Diagnosis buffer.
void EreignisEintragen(uint16_t wId, uint8_t byBstTyp = 0, uint16_t wBstNr = 0,
                       const std::string& sZusatz = std::string());

// Properties file text.
std::string EigenschaftenText(const TEigenschaften& eig);
// What a properties text did not give as it stood.
struct TEigenschaftenBericht {
    std::vector<size_t> fehlend;  // fields missing or invalid, in file layout order
    std::vector<std::pair<size_t, std::string>> ausgelassen;  // line number, line
};
// Takes every value the text holds (each other one its default) into eig;
// true when nothing had to be reported.
bool bEigenschaftenAusText(const std::string& sText, TEigenschaften& eig,
                           TEigenschaftenBericht* pBericht = nullptr);
// The report as D7ED_GetSPSEigenschaftenBericht gives it.
std::string BerichtText(const TEigenschaftenBericht& bericht, int iArt, uint32_t& dwAnzahl);

// Sockets: drops every connection and every listening socket.
void KommunikationBeenden();

// Communication claim (see D7ED_Kommu.cpp).
bool bKommuPruefen(uint32_t dwID, bool bFreigeben, int* piFehler);

// Dotted IPv4 text check ("" is not an address).
bool bIPTextGueltig(const std::string& sIP);

} // namespace d7ed
