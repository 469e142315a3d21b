// Registry values, the ini file beside the program and the pieces of the
// command line that need no main window.
#include "Einstellungen.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdlib>

#include "HauptForm.h"
#include "IPDaten.h"
#include "Maske.h"
#include "Programm.h"
#include "SystemVariablen.h"
#include "WinIni.h"
#include "WinRegistry.h"
#include "WinText.h"
#include "kolv_spr2.h"


namespace {

constexpr const char* cStandardIP = "127.0.0.1";

std::string sVorgabeProgramm;
std::vector<std::string> vorgabeArgumente;
bool bVorgabe = false;
std::vector<std::string> rohArgumente;  // main()'s arguments as bytes
bool bRohGemerkt = false;

std::string Dezimal(uint32_t dw)
{
    return std::to_string(dw);
}

// A number value of the registry: only a non-empty value replaces the
// program value.
bool bZahlLesen(const char* pcName, long& lWert)
{
    std::string s;
    bool bGefunden = false;
    pcRegistryWertLesen(pcName, s, bGefunden);
    if (bGefunden) lWert = std::atol(s.c_str());
    return bGefunden;
}

std::string IniDatei()
{
    const std::string sGefunden = DateiImOrdnerSuchen(cExeVerzeichnis, cIniDateiName);
    return sGefunden.empty() ? cExeVerzeichnis + cIniDateiName : sGefunden;
}

std::string OhneRandLeer(const std::string& s)
{
    const std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return std::string();
    const std::size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

} // namespace

bool bRegistryWertSchreiben(const std::string& sName, const std::string& sText)
{
    return bRegWertSchreiben(cRegistrySchluessel, sName, sText);
}

std::string& pcRegistryWertLesen(const std::string& sName, std::string& sZiel, bool& bGefunden)
{
    bGefunden = false;
    std::string sWert;
    if (bRegWertLesen(cRegistrySchluessel, sName, sWert) && !sWert.empty()) {
        sZiel = sWert;
        bGefunden = true;
    }
    return sZiel;
}

std::string& pcIniWertLesen(const std::string& sKey, std::string& sZiel)
{
    sZiel = ProfilStringLesen(IniDatei(), cIniAbschnitt, sKey, "");
    if (sZiel.size() > 255) sZiel.resize(255);
    return sZiel;
}

bool bIniWertSchreiben(const std::string& sKey, const std::string& sText)
{
    return bProfilStringSchreiben(IniDatei(), cIniAbschnitt, sKey, sText);
}

uint16_t wRegistryZahl(const std::string& sText)
{
    return static_cast<uint16_t>(std::atol(sText.c_str()));
}

void RegistryEinstellungenLesen()
{
    long l = 0;
    bool bGefunden = false;

    LetzteMaskeLaden = true;
    if (bZahlLesen("LetzteMaskeLaden", l)) LetzteMaskeLaden = l != 0;

    IP_ADR = cStandardIP;
    std::string sIP;
    pcRegistryWertLesen("IP-ADR", sIP, bGefunden);
    if (bGefunden && bIPAdresseGueltig(sIP)) IP_ADR = sIP;
    IPAdresseTextSetzen(IP_ADR);   // what "$IP_ADR" shows on the panel

    PortNr = 102;
    if (bZahlLesen("PortNr", l)) {
        PortNr = static_cast<uint16_t>(l);
        if (PortNr == 0) PortNr = 102;
    }

    RavoDAVInterval = 5;
    if (bZahlLesen("RavoDAVInterval", l)) {
        // Held in 16 bits first: "-1" becomes 65535 and so the longest sleep.
        RavoDAVInterval = wAufrufintervallBegrenzt(static_cast<uint16_t>(l));
    }

    sGemerkteMaskeFile.clear();
    pcRegistryWertLesen("MaskeFile", sGemerkteMaskeFile, bGefunden);
    LetzterPfadHBild.clear();
    pcRegistryWertLesen("LetzterPfadHBild", LetzterPfadHBild, bGefunden);
    UserDir.clear();
    pcRegistryWertLesen("UserDir", UserDir, bGefunden);

    long lSprache = 1;
    if (bZahlLesen("Sprache", lSprache) && lSprache > 0 && Hauptformular)
        Hauptformular->SpracheUmschalten(static_cast<int>(lSprache));

    LED_E_HI = 0x00FF00;
    if (bZahlLesen("LED_E_HI", l)) LED_E_HI = static_cast<int32_t>(l);
    LED_E_LO = 0x808080;
    if (bZahlLesen("LED_E_LO", l)) LED_E_LO = static_cast<int32_t>(l);
    LED_A_HI = 0x008FF4;
    if (bZahlLesen("LED_A_HI", l)) LED_A_HI = static_cast<int32_t>(l);
    LED_A_LO = 0x808080;
    if (bZahlLesen("LED_A_LO", l)) LED_A_LO = static_cast<int32_t>(l);
}

void RegistryEinstellungenSchreiben()
{
    bRegistryWertSchreiben("LetzteMaskeLaden", LetzteMaskeLaden ? "1" : "0");
    bRegistryWertSchreiben("IP-ADR", IP_ADR);
    bRegistryWertSchreiben("PortNr", Dezimal(PortNr));
    bRegistryWertSchreiben("RavoDAVInterval", Dezimal(RavoDAVInterval));
    bRegistryWertSchreiben("MaskeFile", MaskeFile.empty() ? sGemerkteMaskeFile : MaskeFile);
    bRegistryWertSchreiben("UserDir", UserDir);
    bRegistryWertSchreiben("LetzterPfadHBild", LetzterPfadHBild);
    bRegistryWertSchreiben("Sprache", Dezimal(SPR_GetTextSprache()));
    bRegistryWertSchreiben("LED_E_HI", Dezimal(static_cast<uint32_t>(LED_E_HI)));
    bRegistryWertSchreiben("LED_E_LO", Dezimal(static_cast<uint32_t>(LED_E_LO)));
    bRegistryWertSchreiben("LED_A_HI", Dezimal(static_cast<uint32_t>(LED_A_HI)));
    bRegistryWertSchreiben("LED_A_LO", Dezimal(static_cast<uint32_t>(LED_A_LO)));
}

// --- Command line ---------------------------------------------------------

std::string KommandozeileZusammensetzen(const std::string& sProgramm,
                                        const std::vector<std::string>& argumente)
{
    auto teil = [](const std::string& s) {
        return (s.find_first_of(" \t") != std::string::npos) ? "\"" + s + "\"" : s;
    };
    std::string sZeile = teil(sProgramm);
    for (const std::string& s : argumente) sZeile += " " + teil(s);
    return sZeile;
}

std::string KommandozeilenProgramm()
{
    if (bVorgabe) return sVorgabeProgramm;
    if (!QCoreApplication::instance()) return std::string();
    return QCoreApplication::applicationFilePath().toStdString();
}

void KommandozeileRohMerken(int argc, char** argv)
{
    rohArgumente.clear();
    for (int i = 1; i < argc && argv && argv[i]; ++i) rohArgumente.emplace_back(argv[i]);
    bRohGemerkt = true;
}

std::string Kommandozeile()
{
    if (bVorgabe) return KommandozeileZusammensetzen(sVorgabeProgramm, vorgabeArgumente);
    // Raw bytes: a path from a Windows archive may not be UTF-8, and a
    // decoded argument could no longer name the file.
    if (bRohGemerkt) return KommandozeileZusammensetzen(KommandozeilenProgramm(), rohArgumente);
    std::vector<std::string> argumente;
    if (QCoreApplication::instance()) {
        const QStringList liste = QCoreApplication::arguments();
        for (qsizetype i = 1; i < liste.size(); ++i) argumente.push_back(liste[i].toStdString());
    }
    return KommandozeileZusammensetzen(KommandozeilenProgramm(), argumente);
}

void KommandozeileVorgeben(const std::string& sProgramm, const std::vector<std::string>& argumente)
{
    bVorgabe = !sProgramm.empty() || !argumente.empty();
    sVorgabeProgramm = sProgramm;
    vorgabeArgumente = argumente;
}

// Position of the panel extension in any letter case, as Windows file names
// ignore case.
static std::size_t nMaskenEndung(const std::string& s)
{
    return GrossUmlaut(s).find(GrossUmlaut(cMaskenEndung));
}

std::string MaskenPfadAusKommandozeile(const std::string& sZeile, const std::string& sProgramm)
{
    if (nMaskenEndung(sZeile) == std::string::npos) return std::string();
    const std::size_t nAb = sProgramm.size() + 1;
    std::string s = nAb < sZeile.size() ? sZeile.substr(nAb) : std::string();
    std::string sOhne;
    for (char c : s)
        if (c != '"') sOhne += c;
    sOhne = OhneRandLeer(sOhne);
    const std::size_t n = nMaskenEndung(sOhne);
    if (n == std::string::npos) return sOhne + cMaskenEndung;
    return sOhne.substr(0, n + std::string(cMaskenEndung).size());
}

std::string ProjektordnerAusKommandozeile(const std::string& sZeile)
{
    const std::string sSchalter = "/PRJ=\"";
    const std::size_t n = sZeile.find(sSchalter);
    if (n == std::string::npos) return std::string();
    const std::size_t nAb = n + sSchalter.size();
    const std::size_t nEnde = sZeile.find('"', nAb);
    std::string s = sZeile.substr(nAb, nEnde == std::string::npos ? std::string::npos : nEnde - nAb);
    if (s.empty()) return std::string();
    if (s.back() != '/') s += '/';
    return s;
}
