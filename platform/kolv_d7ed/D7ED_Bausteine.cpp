// Block store: S7 block images with their 36-byte header, the directory and
// the data of data blocks.
#include "D7ED_Intern.h"

#include "WinText.h"

#include <algorithm>
#include <cstring>

namespace {

using namespace d7ed;

uint16_t Wort(const uint8_t* pb) { return static_cast<uint16_t>((pb[0] << 8) | pb[1]); }

uint32_t Doppelwort(const uint8_t* pb)
{
    return (static_cast<uint32_t>(pb[0]) << 24) | (static_cast<uint32_t>(pb[1]) << 16) |
           (static_cast<uint32_t>(pb[2]) << 8) | pb[3];
}

bool bSystemBaustein(uint8_t byTyp) { return byTyp == D7ED_BST_SFC || byTyp == D7ED_BST_SFB; }

// Whether the current CPU type has this SFC or SFB.
bool bSystemBausteinVorhanden(uint8_t byTyp, uint16_t wNr)
{
    const TAGTyp& t = Engine().typ;
    if (wNr >= t.abSFC.size())
        return false;
    return byTyp == D7ED_BST_SFC ? t.abSFC[wNr] != 0 : t.abSFB[wNr] != 0;
}

// The image an SFC or SFB shows: a bare header, the code lives in the engine.
std::vector<uint8_t> SystemBausteinBild(uint8_t byTyp, uint16_t wNr)
{
    std::vector<uint8_t> ab(D7ED_BST_KOPF_LAENGE, 0);
    ab[0] = 'p';
    ab[1] = 'p';
    ab[5] = byTyp;
    ab[6] = static_cast<uint8_t>(wNr >> 8);
    ab[7] = static_cast<uint8_t>(wNr);
    ab[11] = static_cast<uint8_t>(D7ED_BST_KOPF_LAENGE);
    return ab;
}

// Data of a data block: bytes after the header, as many as the code length
// says, never beyond the image.
size_t DatenLaenge(const TBaustein& b)
{
    const size_t dwRest = b.abBild.size() - D7ED_BST_KOPF_LAENGE;
    return std::min<size_t>(Wort(&b.abBild[34]), dwRest);
}

std::string SDBDateiPfad(uint16_t wNr)
{
    std::string s = Engine().sProjektOrdner;
    if (s.empty())
        return s;
    if (s.back() != '/')
        s += '/';
    return s + "D7ED_SDB" + std::to_string(wNr) + ".MC7";
}

} // namespace

extern "C" {

bool D7ED_bLadbarerTyp(unsigned char byTyp)
{
    return byTyp == D7ED_BST_OB || byTyp == D7ED_BST_DB || byTyp == D7ED_BST_SDB ||
           byTyp == D7ED_BST_FC || byTyp == D7ED_BST_FB;
}

bool D7ED_GetBausteinverzeichnis(uint16_t* pwPuffer, uint32_t dwMaxWorte,
                                 unsigned char* pbGekuerzt, int* piFehler)
{
    if (pbGekuerzt)
        *pbGekuerzt = 0;
    if (!pwPuffer) {
        Fehler(piFehler, D7ED_FEHLER_NULLZEIGER);
        return false;
    }
    if (dwMaxWorte < 2) {
        Fehler(piFehler, D7ED_FEHLER_PUFFER_ZU_KLEIN);
        return false;
    }
    TEngine& e = Engine();
    std::vector<std::pair<uint8_t, uint16_t>> liste;
    for (uint16_t n = 0; n < e.typ.abSFC.size(); ++n) {
        if (e.typ.abSFC[n])
            liste.emplace_back(D7ED_BST_SFC, n);
        if (e.typ.abSFB[n])
            liste.emplace_back(D7ED_BST_SFB, n);
    }
    for (const auto& [schluessel, b] : e.bausteine)
        liste.push_back(schluessel);
    std::sort(liste.begin(), liste.end());

    const size_t dwPlatz = (dwMaxWorte - 2) / 2;
    const size_t dwAnzahl = std::min(dwPlatz, liste.size());
    for (size_t i = 0; i < dwAnzahl; ++i) {
        pwPuffer[2 * i] = liste[i].first;
        pwPuffer[2 * i + 1] = liste[i].second;
    }
    pwPuffer[2 * dwAnzahl] = 0;
    pwPuffer[2 * dwAnzahl + 1] = 0;
    if (dwAnzahl < liste.size()) {
        if (pbGekuerzt)
            *pbGekuerzt = 1;
        Fehler(piFehler, D7ED_FEHLER_PUFFER_ZU_KLEIN);
        return false;
    }
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return true;
}

bool D7ED_BstRead(unsigned char byTyp, uint16_t wNr, void* pPuffer, uint32_t dwMaxWorte,
                  uint16_t* pwLaengeWorte, int* piFehler)
{
    if (pwLaengeWorte)
        *pwLaengeWorte = 0;
    if (!pPuffer || !pwLaengeWorte) {
        Fehler(piFehler, D7ED_FEHLER_NULLZEIGER);
        return false;
    }
    std::vector<uint8_t> abSystem;
    const std::vector<uint8_t>* pBild = nullptr;
    if (bSystemBaustein(byTyp)) {
        if (bSystemBausteinVorhanden(byTyp, wNr)) {
            abSystem = SystemBausteinBild(byTyp, wNr);
            pBild = &abSystem;
        }
    } else {
        auto it = Engine().bausteine.find({byTyp, wNr});
        if (it != Engine().bausteine.end())
            pBild = &it->second.abBild;
    }
    if (!pBild) {
        Fehler(piFehler, D7ED_FEHLER_BAUSTEIN_FEHLT);
        return false;
    }
    const size_t dwWorte = (pBild->size() + 1) / 2;
    *pwLaengeWorte = static_cast<uint16_t>(dwWorte);
    if (dwWorte > dwMaxWorte) {
        Fehler(piFehler, D7ED_FEHLER_PUFFER_ZU_KLEIN);
        return false;
    }
    auto* pbZiel = static_cast<uint8_t*>(pPuffer);
    std::memcpy(pbZiel, pBild->data(), pBild->size());
    if (pBild->size() % 2)
        pbZiel[pBild->size()] = 0;
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return true;
}

bool D7ED_BstWrite(unsigned char byTyp, uint16_t wNr, uint16_t wLaenge, uint16_t wKopfwert,
                   const void* pBild, int* piFehler)
{
    if (!pBild) {
        Fehler(piFehler, D7ED_FEHLER_NULLZEIGER);
        return false;
    }
    if (bSystemBaustein(byTyp)) {
        Fehler(piFehler, D7ED_FEHLER_BAUSTEIN_GESCHUETZT);
        return false;
    }
    if (!D7ED_bLadbarerTyp(byTyp)) {
        Fehler(piFehler, D7ED_FEHLER_BAUSTEINTYP);
        return false;
    }
    const auto* pb = static_cast<const uint8_t*>(pBild);
    if (wLaenge < D7ED_BST_KOPF_LAENGE || pb[0] != 'p' || pb[1] != 'p' || pb[5] != byTyp ||
        Wort(pb + 6) != wNr || Doppelwort(pb + 8) != wLaenge) {
        Fehler(piFehler, D7ED_FEHLER_BAUSTEIN_UNGUELTIG);
        return false;
    }
    TBaustein b;
    b.abBild.assign(pb, pb + wLaenge);
    b.wKopfwert = wKopfwert;
    Engine().bausteine[{byTyp, wNr}] = std::move(b);
    EreignisEintragen(D7ED_EREIGNIS_BAUSTEIN, byTyp, wNr);

    int iCode = D7ED_FEHLER_KEINER;
    if (byTyp == D7ED_BST_SDB) {
        const std::string sPfad = SDBDateiPfad(wNr);
        if (sPfad.empty() ||
            !bDateiAtomarSchreiben(sPfad, std::string(reinterpret_cast<const char*>(pb), wLaenge)))
            iCode = D7ED_FEHLER_SDB_DATEI;
    }
    Fehler(piFehler, iCode);
    return true;
}

bool D7ED_BstLoeschen(unsigned char byTyp, uint16_t wNr, int* piFehler)
{
    if (bSystemBaustein(byTyp)) {
        Fehler(piFehler, bSystemBausteinVorhanden(byTyp, wNr) ? D7ED_FEHLER_BAUSTEIN_GESCHUETZT
                                                               : D7ED_FEHLER_BAUSTEIN_FEHLT);
        return false;
    }
    if (Engine().bausteine.erase({byTyp, wNr}) == 0) {
        Fehler(piFehler, D7ED_FEHLER_BAUSTEIN_FEHLT);
        return false;
    }
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return true;
}

int D7ED_ReadWriteDatenbaustein(unsigned char byRichtung, uint16_t wDB, uint16_t wAdr,
                                uint16_t wLaenge, unsigned char* pbPuffer)
{
    if (wLaenge == 0)
        return D7ED_FEHLER_KEINER;
    if (!pbPuffer)
        return D7ED_FEHLER_NULLZEIGER;
    if (byRichtung > 1)
        return D7ED_FEHLER_PARAMETER;
    auto it = Engine().bausteine.find({D7ED_BST_DB, wDB});
    int iCode = D7ED_FEHLER_KEINER;
    if (it == Engine().bausteine.end())
        iCode = D7ED_FEHLER_BAUSTEIN_FEHLT;
    else if (static_cast<size_t>(wAdr) + wLaenge > DatenLaenge(it->second))
        iCode = D7ED_FEHLER_DB_LAENGE;
    if (iCode != D7ED_FEHLER_KEINER) {
        if (byRichtung == 1)
            std::memset(pbPuffer, 0, wLaenge);
        return iCode;
    }
    uint8_t* pbDaten = it->second.abBild.data() + D7ED_BST_KOPF_LAENGE + wAdr;
    if (byRichtung == 1)
        std::memcpy(pbPuffer, pbDaten, wLaenge);
    else
        std::memcpy(pbDaten, pbPuffer, wLaenge);
    return D7ED_FEHLER_KEINER;
}

} // extern "C"
