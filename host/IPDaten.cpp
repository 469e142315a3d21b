// Attaching the project's IP data, the presets program, address helpers.
#include "IPDaten.h"

#include <arpa/inet.h>
#include <array>
#include <cstdlib>
#include <ifaddrs.h>
#include <optional>
#include <net/if.h>
#include <netinet/in.h>
#include <vector>

#include "DateiStempel.h"
#include "Einstellungen.h"
#include "HauptForm.h"
#include "ListenSockets.h"
#include "Meldungen.h"
#include "NetzDienste.h"
#include "Programm.h"
#include "PoolText.h"
#include "SystemVariablen.h"
#include "VoreinstellAufruf.h"
#include "WinIni.h"
#include "WinProzess.h"
#include "WinRegistry.h"
#include "harlenzutils40.h"
#include "kolv_d7ed.h"
#include "kolv_spr2.h"

std::string VoreinstellDlgAufruf;

namespace {

// The file whose paths the engine got last (read by IPDatenAusDateiLesen).
std::string g_sIPDatenPfad;

// The last attached file held damaged values or no ini text.
bool g_bIPDateiUngelesen = false;

// The engine's stored IP data when the presets program was started.
std::optional<std::string> g_sIPSpeicher;

bool bPortNull(const std::string& s) { return !s.empty() && s.find_first_not_of('0') == std::string::npos; }

// The seven values of the engine's storage that its IP data file holds (the
// port-102 waiting times are none of them), one line each; a value never
// stored counts as the engine's empty one, as the engine reads it.
std::string IPSpeicherStand()
{
    struct TWert {
        const char* pcName;
        const char* pcLeer;
    };
    std::array<std::string, 7> werte;
    size_t i = 0;
    for (const TWert& w : {TWert{"IP_ADRESSE_1", ""}, TWert{"PORT_S7", "0"}, TWert{"PORT_INTERN", "0"},
                           TWert{"IP_ADRESSE_2", ""}, TWert{"PORT_3", "0"}, TWert{"PORT_4", "0"},
                           TWert{"PG_EINGAENGE_UMLEITEN", "0"}}) {
        werte[i] = w.pcLeer;
        bRegWertLesen(D7ED_REGISTRY_SCHLUESSEL, w.pcName, werte[i++]);
    }
    // With both its ports 0 nothing listens on an address, and the presets
    // program shows an empty one and 0.0.0.0 alike ("Deactivate") and stores
    // 0.0.0.0: the two are one value then. With a port they differ, as
    // 0.0.0.0 listens on every address.
    for (size_t iIP : {size_t(0), size_t(3)})
        if (werte[iIP] == "0.0.0.0" && bPortNull(werte[iIP + 1]) && bPortNull(werte[iIP + 2]))
            werte[iIP].clear();
    std::string s;
    for (const std::string& sWert : werte) s += sWert + '\n';
    return s;
}

std::string Teil(void (*pfTeil)(char*, const char*), const std::string& sPfad)
{
    std::vector<char> puffer(sPfad.size() + 1, '\0');
    pfTeil(puffer.data(), sPfad.c_str());
    return puffer.data();
}

} // namespace

bool bIPPfadeUebergeben(const std::string& sPfad)
{
    if (!U_DateiVorhanden(sPfad.c_str()))
        bProfilStringSchreiben(sPfad, "Default", "Default", "0");
    g_sIPDatenPfad = sPfad;
    std::string sName = Teil(U_GetFilenameVonPfad, sPfad);
    std::vector<char> name(sName.begin(), sName.end());
    name.push_back('\0');
    U_DateiEndungEntfernen(name.data());
    const std::string sOrdner = Teil(U_FilenameVonPfadEntfernen, sPfad);
    if (!D7ED_PfadeUebergeben(sOrdner.c_str(), name.data(), sPfad.c_str())) {
        FehlerMeldung("Fehler bei der Übergabe der Pfad an Veltrano!");
        return false;
    }
    return true;
}

int KommuBeenden(bool)
{
    // No socket layer to start again on Linux: the count stays with the sockets.
    if (D7ED_IstKommuIDKorrekt(KommuID)) {
        int iFehler1 = 0, iFehler2 = 0;
        D7ED_D7ED_Kommu_Exit(KommuID, &iFehler1, &iFehler2);
        CloseListenSockets();
    }
    return 1;
}

void IPDatenAusDateiLesen()
{
    // A value the engine's reader refuses counts as missing here too, so
    // that IP-ADR and PortNr never differ from what the engine took.
    const auto Lesen = [](const char* pcSchluessel) {
        const std::string s = ProfilStringLesen(g_sIPDatenPfad, "D7ED_DATEN", pcSchluessel, "");
        return D7ED_IPDateiWertGueltig(pcSchluessel, s.c_str()) ? s : std::string();
    };
    const std::string sIP = Lesen("D7ED_IP_ADRESSE");
    if (!sIP.empty()) {
        IP_ADR = sIP;
        IPAdresseTextSetzen(IP_ADR);
    }
    const std::string sPort = Lesen("D7ED_PORT_ADRESSE");
    if (!sPort.empty())
        PortNr = static_cast<uint16_t>(std::atol(sPort.c_str()));
}

bool bIPDatenEinstellen(bool bDateiLesen)
{
    if (bDateiLesen) IPDatenAusDateiLesen();
    if (!D7ED_IstKommuIDKorrekt(KommuID))
        return true;
    int iFehler = 0;
    if (!D7ED_IPDatenAusRegistryEinstellen(KommuID, &iFehler)) {
        FehlerMeldung(TextFormatieren("Veltrano: Fehler beim Einstellen der IP-Daten in der "
                                      "RavoDAV.\nError %i",
                                      "%i", iFehler));
        return false;
    }
    ListenSocketsAnlegen(true);
    return true;
}

bool bIPDatenAnmelden(const std::string& sPfad)
{
    g_bIPDateiUngelesen = false;
    if (!bIPPfadeUebergeben(sPfad))
        return false;
    // The state read (or just created), before a box lets another program in.
    DateiStempelMerken(sPfad);
    if (!D7ED_IstKommuIDKorrekt(KommuID))
        return true;
    D7ED_SetListenSocket_IP_0_Zulassen(byListenSocketIP0Zulassen);
    KommuBeenden(false);
    int iFehler = 0;
    if (!D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(KommuID, &iFehler)) {
        if (iFehler != D7ED_FEHLER_IP_DATEN) {
            FehlerMeldung(TextFormatieren("Veltrano: Fehler beim Lesen der IP-Daten aus der "
                                          "INI-Datei bzw. beim Schreiben in Registry!\nErrorcode: %u",
                                          "%u", static_cast<unsigned>(iFehler)));
            return false;
        }
        // The engine took the valid keys; the others are empty. The file is
        // the user's: it stays as it is until a save that the user agrees to.
        g_bIPDateiUngelesen = true;
        FehlerMeldung(PoolTextFormat(6730, "%s", sPfad.c_str()));
    }
    bIPDatenEinstellen();
    return true;
}

bool bIPDatenNeuEinstellen(bool bDateiLesen)
{
    if (!D7ED_IstKommuIDKorrekt(KommuID))
        return true;
    D7ED_SetListenSocket_IP_0_Zulassen(byListenSocketIP0Zulassen);
    KommuBeenden(false);
    return bIPDatenEinstellen(bDateiLesen);
}

bool bIPDateiSchreiben(const std::string& sOrdner, const std::string& sPfad)
{
    int iFehler = 0;
    if (!D7ED_PfadeUebergeben(sOrdner.c_str(), "D7ED", sPfad.c_str()) ||
        !D7ED_IPDatenAusRegistryLesenUndInIniSchreiben(&iFehler))
        return false;
    g_sIPDatenPfad = sPfad;
    g_bIPDateiUngelesen = false;
    DateiStempelMerken(sPfad);
    return true;
}

void IPSpeicherMerken() { g_sIPSpeicher = IPSpeicherStand(); }

bool bIPSpeicherGeaendert() { return !g_sIPSpeicher || *g_sIPSpeicher != IPSpeicherStand(); }

void IPDatenLeeren()
{
    // A new panel has no IP data file yet: nothing may listen on what the
    // panel left open before, until the user switches TCP/IP on.
    g_sIPDatenPfad.clear();
    g_bIPDateiUngelesen = false;
    if (!D7ED_IstKommuIDKorrekt(KommuID))
        return;
    KommuBeenden(false);
    int iFehler = 0;
    if (!D7ED_IPDatenInRegistryAbspeichern("", 0, 0, 0, &iFehler) ||
        !D7ED_IPDaten_2_InRegistryAbspeichern("", 0, 0, &iFehler)) {
        // The sockets stay closed rather than coming back on the old data.
        FehlerMeldung(TextFormatieren("Veltrano: Fehler beim Lesen der IP-Daten aus der "
                                      "INI-Datei bzw. beim Schreiben in Registry!\nErrorcode: %u",
                                      "%u", static_cast<unsigned>(iFehler)));
        return;
    }
    bIPDatenEinstellen();
}

bool bIPDateiUngelesen() { return g_bIPDateiUngelesen; }

void IPDateiUngelesenVergessen() { g_bIPDateiUngelesen = false; }

void VoreinstellDialogStarten()
{
    // Also when the program is missing: the next closing notice is taken as
    // the answer to this start.
    IPSpeicherMerken();
    const std::string sPfad = cExeVerzeichnis + "__system/Netzplanung/Netzplan";
    if (!U_DateiVorhanden(sPfad.c_str())) {
        FehlerMeldung(TextFormatieren("Dialog Simulator-Voreinstellung:\n%s\nist nicht vorhanden!",
                                      "%s", sPfad.c_str()));
        return;
    }
    CloseListenSockets();
    int iLinks = 0, iOben = 0, iBreite = 0, iHoehe = 0;
    if (Hauptformular) {
        // Left, Top, Width and Height of the window with its frame.
        const QRect r = Hauptformular->frameGeometry();
        iLinks = r.left();
        iOben = r.top();
        iBreite = r.width();
        iHoehe = r.height();
    }
    VoreinstellDlgAufruf = VoreinstellAufrufZeile(sPfad, KommuID, iLinks, iOben, iBreite, iHoehe,
                                                  SPR_GetTextSprache());
    // Split by the Windows rules into separate arguments; no shell is
    // involved.
    WinExec(VoreinstellDlgAufruf);
}

bool bHostIPAdressenLesen(std::vector<std::string>& liste)
{
    ifaddrs* pListe = nullptr;
    if (::getifaddrs(&pListe) != 0)
        return false;
    for (const ifaddrs* p = pListe; p; p = p->ifa_next) {
        if (!p->ifa_addr || p->ifa_addr->sa_family != AF_INET || (p->ifa_flags & IFF_LOOPBACK))
            continue;
        const in_addr a = reinterpret_cast<const sockaddr_in*>(p->ifa_addr)->sin_addr;
        // 127.0.0.0/8 counts as loopback also on another interface.
        if ((ntohl(a.s_addr) >> 24) == 127)
            continue;
        char acText[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &a, acText, sizeof acText);
        liste.emplace_back(acText);
    }
    ::freeifaddrs(pListe);
    return true;
}

bool bIPAdresseGueltig(const std::string& sText)
{
    if (sText.empty())
        return false;
    const in_addr_t a = ::inet_addr(sText.c_str());
    return a != INADDR_NONE && a != 0;
}
