// The listening-socket set-up of both programs, on the graphical thread;
// the waits block it on purpose.
#include "ListenSocketAblauf.h"

#include "NetzDienste.h"
#include "kolv_d7ed.h"

#include <arpa/inet.h>

namespace {

constexpr uint16_t kPort102 = 102;

struct TPaar {
    std::string sIP;
    uint16_t wPort = 0;
};

bool bPaarBrauchbar(const TPaar& p)
{
    if (p.sIP.empty() || p.wPort == 0)
        return false;
    in_addr a{};
    if (::inet_pton(AF_INET, p.sIP.c_str(), &a) != 1)
        return false;
    return a.s_addr != 0 || byListenSocketIP0Zulassen;
}

bool (*const g_uebergaben[4])(int*) = {D7ED_ListenSocket_1_Uebergeben, D7ED_ListenSocket_2_Uebergeben,
                                       D7ED_ListenSocket_3_Uebergeben, D7ED_ListenSocket_4_Uebergeben};

void Sagen(const TListenSocketAblauf& a, const char* pcText)
{
    if (pcText)
        a.Status(pcText);
}

// Where the service stopped: by the helper service or directly.
struct TGestoppt {
    bool bHelfer = false, bDirekt = false, bOhne102 = false;
};

// The service holds port 102: the helper service is asked to free it; when
// it does not, the service is stopped directly (with rights, or where the
// program tries it without them).
TGestoppt Port102Freigeben(const TListenSocketAblauf& a, const std::string& sDienst, uint16_t wNachStop,
                           int& iErgebnis)
{
    const TListenSocketTexte& t = a.texte;
    TGestoppt g;
    Sagen(a, t.pcHelferStoppt);
    bool bHelferFehlt = false;
    if (SendServiceControl(HELFERDIENST_NAME, HELFERDIENST_PORT102_FREIGEBEN, bHelferFehlt, false)) {
        g.bHelfer = true;
        Sagen(a, t.pcHelferGestoppt);
        if (a.bUmHelferWarten)
            a.Warten(wNachStop, t.pcHelferGestoppt ? t.pcHelferGestoppt : "");
    } else {
        Sagen(a, t.pcHelferNichtGestoppt);
        if (bHelferFehlt)
            Sagen(a, t.pcHelferFehlt);
    }
    Sagen(a, t.pcNachHelferStopp);
    if (g.bHelfer)
        return g;

    bool bStoppen = true;
    if (!IsUserAdmin()) {
        a.OhneRechte();
        iErgebnis = static_cast<int>(SOCKET_FEHLER_PORT102_RECHTE);
        g.bOhne102 = true;
        bStoppen = a.bDirektStoppOhneRechte;
    }
    if (bStoppen) {
        a.Status("Stop port 102 service ...");
        if (a.bDienstStoppen(sDienst)) {
            g.bDirekt = true;
            a.Status("Waiting releasing port 102 ...");
            a.Warten(wNachStop, "Waiting releasing port 102 ...");
            Sagen(a, t.pcNachDirektStopp);
        }
    }
    return g;
}

void DienstWiederStarten(const TListenSocketAblauf& a, const std::string& sDienst, const TGestoppt& g,
                         uint16_t wVorStart)
{
    const TListenSocketTexte& t = a.texte;
    if (g.bDirekt) {
        Sagen(a, t.pcDirektStartet);
        a.Warten(wVorStart, "Starting port 102 service ...");
        uint32_t dwFehler = 0;
        if (!a.bDienstStarten(sDienst, dwFehler))
            a.NeustartFehler(dwFehler);
    }
    if (g.bHelfer) {
        Sagen(a, t.pcHelferStartet);
        if (a.bUmHelferWarten)
            a.Warten(wVorStart, t.pcHelferStartet ? t.pcHelferStartet : "");
        bool bHelferFehlt = false;
        if (SendServiceControl(HELFERDIENST_NAME, HELFERDIENST_PORT102_ZURUECKGEBEN, bHelferFehlt, false)) {
            Sagen(a, t.pcHelferGestartet);
        } else {
            Sagen(a, t.pcHelferNichtGestartet);
            if (bHelferFehlt)
                Sagen(a, t.pcHelferFehlt);
        }
    }
}

} // namespace

int iListenSocketsEinrichten(const TListenSocketAblauf& a, bool bPort102Freigeben)
{
    a.SanduhrEin();
    const std::string sDienst = PlcServiceName();
    int iErgebnis = 0;

    char acIP1[256] = {}, acIP2[256] = {};
    uint16_t aw[4] = {0, 0, 0, 0};
    D7ED_GetEingestellteIPDaten(acIP1, &aw[0], &aw[1]);
    D7ED_GetEingestellteIPDaten_2(acIP2, &aw[2], &aw[3]);
    const TPaar paare[4] = {{acIP1, aw[0]}, {acIP1, aw[1]}, {acIP2, aw[2]}, {acIP2, aw[3]}};

    int iZeitFehler = 0;
    uint16_t wNachStop = D7ED_PORT102_WARTE_NACH_STOP, wVorStart = D7ED_PORT102_WARTE_VOR_START;
    if (!D7ED_SindPort102TimeDatenInRegistryVorhanden())
        D7ED_StandardPort102TimeDatenInRegistrySchreiben(&iZeitFehler);
    if (!D7ED_Port102TimeDaten_AusRegistryAuslesen(&wNachStop, &wVorStart, &iZeitFehler)) {
        wNachStop = D7ED_PORT102_WARTE_NACH_STOP;
        wVorStart = D7ED_PORT102_WARTE_VOR_START;
        a.ZeitenNichtGelesen("Error reading time values Port 102 ...");
    }
    if (a.bZeitFehlerImErgebnis)
        iErgebnis = iZeitFehler;

    bool bMit102 = false;
    for (const TPaar& p : paare)
        bMit102 = bMit102 || (bPaarBrauchbar(p) && p.wPort == kPort102);

    TGestoppt gestoppt;
    if (bPort102Freigeben && bMit102 && a.bDienstLaeuft(sDienst)) {
        const uint32_t dwHalter = a.dwPort102Halter();
        if (dwHalter != 0 || !a.bNurMitHalter) {
            if (a.bVomDienstGehalten(sDienst, dwHalter))
                gestoppt = Port102Freigeben(a, sDienst, wNachStop, iErgebnis);
            else
                Sagen(a, a.texte.pcNichtNoetig);
        }
    }

    for (int iNr = 1; iNr <= 4; ++iNr) {
        const TPaar& p = paare[iNr - 1];
        if (!bPaarBrauchbar(p) || (gestoppt.bOhne102 && p.wPort == kPort102))
            continue;
        TSocket* pSlot = pListenSocket(iNr);
        const unsigned uCode = OpenListenSocket(*pSlot, p.sIP, p.wPort);
        if (uCode != SOCKET_OK) {
            a.SocketFehler(p.sIP, p.wPort);
            iErgebnis = static_cast<int>(uCode);
        } else {
            g_uebergaben[iNr - 1](pSlot);
        }
    }

    DienstWiederStarten(a, sDienst, gestoppt, wVorStart);
    a.Status("");
    a.SanduhrAus();
    return iErgebnis;
}
