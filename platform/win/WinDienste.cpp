// Service control: no Windows services on Linux, a simulated table in tests.
#include "WinDienste.h"

#include "WinText.h"

#include <mutex>
#include <optional>

namespace {

std::mutex g_mutex;
// Upper-cased name -> state; no value: the real (empty) manager.
std::optional<std::map<std::string, uint32_t>> g_tabelle;
std::vector<std::pair<std::string, uint32_t>> g_steuercodes;

uint32_t* pDienst(const std::string& sName)
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
    const uint32_t* p = pDienst(sName);
    if (!p)
        return DIENST_FEHLER_NICHT_VORHANDEN;
    dwZustand = *p;
    return 0;
}

int DienstStarten(const std::string& sName)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    uint32_t* p = pDienst(sName);
    if (!p)
        return DIENST_FEHLER_NICHT_VORHANDEN;
    if (*p != DIENST_GESTOPPT)
        return DIENST_FEHLER_LAEUFT_SCHON;
    *p = DIENST_LAEUFT;
    return 0;
}

int DienstStoppen(const std::string& sName)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    uint32_t* p = pDienst(sName);
    if (!p)
        return DIENST_FEHLER_NICHT_VORHANDEN;
    if (*p == DIENST_GESTOPPT)
        return DIENST_FEHLER_NICHT_AKTIV;
    *p = DIENST_GESTOPPT;
    return 0;
}

int DienstSteuercodeSenden(const std::string& sName, uint32_t dwCode)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    uint32_t* p = pDienst(sName);
    if (!p)
        return DIENST_FEHLER_NICHT_VORHANDEN;
    if (*p == DIENST_GESTOPPT)
        return DIENST_FEHLER_NICHT_AKTIV;
    g_steuercodes.emplace_back(sName, dwCode);
    return 0;
}

void DiensteTabelleSetzen(std::map<std::string, uint32_t> tabelle)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    std::map<std::string, uint32_t> gross;
    for (const auto& [sName, dwZustand] : tabelle)
        gross[GrossUmlaut(sName)] = dwZustand;
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
