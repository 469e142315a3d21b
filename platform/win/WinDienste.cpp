// Service control: no Windows services on Linux, a simulated table in tests.
#include "WinDienste.h"

#include "WinText.h"

#include <mutex>
#include <optional>
#include <utility>

namespace {

std::mutex g_mutex;
// Upper-cased name -> service; no value: the real (empty) manager.
std::optional<std::map<std::string, TTestDienst>> g_tabelle;
std::vector<std::pair<std::string, uint32_t>> g_steuercodes;

TTestDienst* pDienst(const std::string& sName)
{
    if (!g_tabelle)
        return nullptr;
    const auto it = g_tabelle->find(GrossUmlaut(sName));
    return it == g_tabelle->end() ? nullptr : &it->second;
}

} // namespace

int DienstStatusAbfragen(const std::string& sName, uint32_t& dwZustand)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    const TTestDienst* p = pDienst(sName);
    if (!p)
        return DIENST_FEHLER_NICHT_VORHANDEN;
    dwZustand = p->dwZustand;
    return 0;
}

int DienstStatusAbfragenEx(const std::string& sName, TDienstStatus& status)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    TTestDienst* p = pDienst(sName);
    if (!p)
        return DIENST_FEHLER_NICHT_VORHANDEN;
    if (p->dwZustand == DIENST_STARTET && p->uStartSchritt < p->startSchritte.size()) {
        const TDienstSchritt& schritt = p->startSchritte[p->uStartSchritt];
        if (p->uStartSchritt + 1 < p->startSchritte.size())
            ++p->uStartSchritt;
        p->dwZustand = schritt.dwZustand;
        p->dwCheckPoint = schritt.dwCheckPoint;
        p->dwWaitHint = schritt.dwWaitHint;
    }
    status.dwZustand = p->dwZustand;
    status.dwPid = p->dwZustand == DIENST_LAEUFT ? p->dwPid : 0;
    status.dwCheckPoint = p->dwZustand == DIENST_STARTET ? p->dwCheckPoint : 0;
    status.dwWaitHint = p->dwZustand == DIENST_STARTET ? p->dwWaitHint : 0;
    return 0;
}

int DienstProzessIdAbfragen(const std::string& sName, uint32_t& dwPid)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    const TTestDienst* p = pDienst(sName);
    if (!p)
        return DIENST_FEHLER_NICHT_VORHANDEN;
    // A stopped service has no process, whatever the table names.
    dwPid = p->dwZustand == DIENST_LAEUFT ? p->dwPid : 0;
    return 0;
}

int DienstStarten(const std::string& sName)
{
    std::function<void()> aktion;
    {
        std::lock_guard<std::mutex> sperre(g_mutex);
        TTestDienst* p = pDienst(sName);
        if (!p)
            return DIENST_FEHLER_NICHT_VORHANDEN;
        if (p->dwZustand != DIENST_GESTOPPT)
            return DIENST_FEHLER_LAEUFT_SCHON;
        p->dwZustand = p->startSchritte.empty() ? DIENST_LAEUFT : DIENST_STARTET;
        p->uStartSchritt = 0;
        p->dwCheckPoint = 0;
        p->dwWaitHint = 0;
        aktion = p->beimStarten;
    }
    if (aktion)
        aktion();
    return 0;
}

int DienstStoppen(const std::string& sName)
{
    std::function<void()> aktion;
    {
        std::lock_guard<std::mutex> sperre(g_mutex);
        TTestDienst* p = pDienst(sName);
        if (!p)
            return DIENST_FEHLER_NICHT_VORHANDEN;
        if (p->dwZustand == DIENST_GESTOPPT)
            return DIENST_FEHLER_NICHT_AKTIV;
        p->dwZustand = DIENST_GESTOPPT;
        aktion = p->beimStoppen;
    }
    if (aktion)
        aktion();
    return 0;
}

int DienstSteuercodeSenden(const std::string& sName, uint32_t dwCode)
{
    std::function<void()> aktion;
    {
        std::lock_guard<std::mutex> sperre(g_mutex);
        TTestDienst* p = pDienst(sName);
        if (!p)
            return DIENST_FEHLER_NICHT_VORHANDEN;
        if (p->dwZustand == DIENST_GESTOPPT)
            return DIENST_FEHLER_NICHT_AKTIV;
        g_steuercodes.emplace_back(sName, dwCode);
        const auto it = p->steuercodeAktionen.find(dwCode);
        if (it != p->steuercodeAktionen.end())
            aktion = it->second;
    }
    if (aktion)
        aktion();
    return 0;
}

void DiensteTabelleSetzen(std::map<std::string, TTestDienst> tabelle)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    std::map<std::string, TTestDienst> gross;
    for (auto& [sName, dienst] : tabelle)
        gross.insert_or_assign(GrossUmlaut(sName), std::move(dienst));
    g_tabelle = std::move(gross);
    g_steuercodes.clear();
}

void DiensteTabelleLoeschen()
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    g_tabelle.reset();
    g_steuercodes.clear();
}

std::vector<std::pair<std::string, uint32_t>> GesendeteSteuercodes()
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    return g_steuercodes;
}
