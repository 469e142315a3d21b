// Panel file pieces that need no main window.
#include "Maske.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "Allgemein.h"
#include "Bewegungsprofil.h"
#include "Programm.h"
#include "WinText.h"
#include "harlenzutils40.h"

std::string cMaskenVerzeichnis;

std::string ClipboardDatei()
{
    return cExeVerzeichnis + cClipboardDateiName;
}

void BewegungsprofileLoeschen()
{
    for (Bewegungsprofil& p : Bewegungsprofile) p = Bewegungsprofil{};
}

namespace {

// A letter as one character, or nothing when the direction is unused. A
// byte outside ASCII is no letter of an operand and, alone, no UTF-8 text.
std::string Buchstabe(char c)
{
    return c && static_cast<unsigned char>(c) < 0x80 ? std::string(1, c) : std::string();
}

void OperandLesen(const char* pcZeile, const char* pcOp, const char* pcAdr, const char* pcBit,
                  BewegungsOperand& o)
{
    std::string sOp;
    StringNachKeyKopieren(pcZeile, pcOp, sOp);
    o.Op = sOp.empty() || static_cast<unsigned char>(sOp[0]) >= 0x80 ? 0 : sOp[0];
    o.Adr = static_cast<int8_t>(static_cast<uint8_t>(iGetWertNachKey(pcZeile, pcAdr) & 0xFF));
    o.Bit = static_cast<uint8_t>(iGetWertNachKey(pcZeile, pcBit) & 0xFF);
}

} // namespace

std::string BewegungsprofilZeile(int iNr)
{
    if (iNr < 0 || iNr >= ANZAHL_BEWEGUNGSPROFILE) return std::string();
    const Bewegungsprofil& p = Bewegungsprofile[iNr];
    auto teil = [](const char* pcName, const BewegungsOperand& o) {
        return std::string(",$") + pcName + "Op=" + Buchstabe(o.Op) + ",$" + pcName +
               "Adr=" + std::to_string(static_cast<int>(o.Adr)) + ",$" + pcName +
               "Bit=" + std::to_string(static_cast<unsigned>(o.Bit));
    };
    return "$BewegungNr=" + std::to_string(iNr) + teil("Oben", p.Oben) + teil("Unten", p.Unten) +
           teil("Rechts", p.Rechts) + teil("Links", p.Links) +
           ",$Endsch=" + std::to_string(static_cast<unsigned>(p.Endsch)) +
           ", $Geschw=" + std::to_string(p.Geschw);
}

bool bBewegungsprofilZeileAuswerten(const char* pcZeile)
{
    if (!pcZeile || !std::strstr(pcZeile, "$BewegungNr=")) return false;
    std::string sNr;
    StringNachKeyKopieren(pcZeile, "$BewegungNr=", sNr);
    const long lNr = std::atol(sNr.c_str());
    if (lNr < 0 || lNr >= ANZAHL_BEWEGUNGSPROFILE) return false;
    Bewegungsprofil& p = Bewegungsprofile[lNr];
    OperandLesen(pcZeile, "$ObenOp=", "$ObenAdr=", "$ObenBit=", p.Oben);
    OperandLesen(pcZeile, "$UntenOp=", "$UntenAdr=", "$UntenBit=", p.Unten);
    OperandLesen(pcZeile, "$RechtsOp=", "$RechtsAdr=", "$RechtsBit=", p.Rechts);
    OperandLesen(pcZeile, "$LinksOp=", "$LinksAdr=", "$LinksBit=", p.Links);
    p.Endsch = iGetWertNachKey(pcZeile, "$Endsch=") != 0 ? 1 : 0;
    p.Geschw = iGetWertNachKey(pcZeile, "$Geschw=");
    return true;
}

bool bMaskenZeileLesen(std::FILE* pDatei, std::string& sZeile)
{
    if (!pDatei) return false;
    char* pcZeile = nullptr;
    std::size_t nPlatz = 0;
    const ssize_t n = ::getline(&pcZeile, &nPlatz, pDatei);
    if (n < 0) {
        std::free(pcZeile);
        return false;
    }
    // An embedded NUL ends the line as the object line code sees it.
    std::size_t nLaenge = std::strlen(pcZeile);
    while (nLaenge > 0 && (pcZeile[nLaenge - 1] == '\n' || pcZeile[nLaenge - 1] == '\r')) --nLaenge;
    sZeile.assign(pcZeile, nLaenge);
    std::free(pcZeile);
    return true;
}

namespace {

// Keys and section heads that only a panel file holds.
constexpr const char* kMaskenKennungen[] = {
    "$Obj=", "$BewegungNr=", "$SPSTyp=", "$BausteineRestaurieren=", "$FileBack=",
    "$WindowW=", "$WindowH=", "$Datum=", "$Uhrzeit=", "[Objekte]", "[Einstellungen]",
    "[Hintergrundbild]", "[Bewegungsprofile]"};

} // namespace

bool TLeseDatei::bHatMaskenZeile() const
{
    if (sInhalt.empty() || (sInhalt.size() == 1 && sInhalt[0] == '\0')) return true;
    for (const char* pc : kMaskenKennungen)
        if (sInhalt.find(pc) != std::string::npos) return true;
    return false;
}

TLeseDatei::TLeseDatei(const std::string& sPfad)
{
    std::error_code ec;
    std::string sRoh;
    if (!std::filesystem::is_regular_file(sPfad, ec) || !bDateiLesen(sPfad, sRoh)) return;
    if (!bTextDekodieren(sRoh, sInhalt)) return;
    int iZeile = 1;
    for (std::size_t i = 0; i < sInhalt.size(); ++iZeile) {
        std::size_t nEnde = sInhalt.find('\n', i);
        if (nEnde == std::string::npos) nEnde = sInhalt.size();
        if (nEnde - i > nMaxMaskenZeile) {
            iZuLang = iZeile;
            return;
        }
        i = nEnde + 1;
    }
    // fmemopen refuses a buffer of size 0 on some C libraries; an empty
    // file is offered as a stream that ends at once.
    if (sInhalt.empty()) sInhalt.push_back('\0');
    pDatei = fmemopen(sInhalt.data(), sInhalt.size(), "r");
    if (pDatei && sInhalt.size() == 1 && sInhalt[0] == '\0') std::fseek(pDatei, 0, SEEK_END);
}

TLeseDatei::~TLeseDatei()
{
    if (pDatei) std::fclose(pDatei);
}

TSchreibDatei::TSchreibDatei()
{
    pDatei = open_memstream(&pcPuffer, &nGroesse);
}

TSchreibDatei::~TSchreibDatei()
{
    if (pDatei) std::fclose(pDatei);
    std::free(pcPuffer);
}

bool TSchreibDatei::bSpeichern(const std::string& sPfad)
{
    if (!pDatei) return false;
    const bool bStromOk = std::fflush(pDatei) == 0 && !std::ferror(pDatei);
    std::fclose(pDatei);
    pDatei = nullptr;
    if (!bStromOk) return false;
    return bDateiAtomarSchreiben(sPfad, std::string(pcPuffer ? pcPuffer : "", nGroesse));
}

std::string OrdnerVonPfad(const std::string& sPfad)
{
    const std::size_t n = sPfad.rfind('/');
    return n == std::string::npos ? std::string() : sPfad.substr(0, n + 1);
}

std::string NameVonPfad(const std::string& sPfad)
{
    const std::size_t n = sPfad.rfind('/');
    return n == std::string::npos ? sPfad : sPfad.substr(n + 1);
}

std::string DateiImOrdner(const std::string& sOrdner, const std::string& sName)
{
    if (sName.empty()) return std::string();
    return DateiImOrdnerSuchen(sOrdner, sName);
}

std::string DateiPfadFinden(const std::string& sPfad)
{
    if (U_DateiVorhanden(sPfad.c_str())) return sPfad;
    if (sPfad.empty()) return std::string();
    const bool bAbsolut = sPfad[0] == '/';
    const std::string sGefunden =
        DateiImOrdnerSuchen(bAbsolut ? "/" : "./", bAbsolut ? sPfad.substr(1) : sPfad);
    return U_DateiVorhanden(sGefunden.c_str()) ? sGefunden : std::string();
}

std::string ProjektDateiPfad(const std::string& sOrdner, const std::string& sName)
{
    const std::string sGefunden = DateiImOrdner(sOrdner, sName);
    return sGefunden.empty() ? sOrdner + sName : sGefunden;
}
