// Program-wide values and the start-up of Veltrano up to the message loop.
#include "Programm.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <memory>

#include "Einstellungen.h"
#include "HauptForm.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "WinMeldung.h"
#include "WinMutex.h"
#include "WinProzess.h"
#include "WinRegistry.h"
#include "WinSprache.h"
#include "kolv_spr2.h"

uint32_t KommuID = 0;
std::string cExeVerzeichnis;
std::string cSystemVerzeichnis;
std::string UserDir;
std::string MaskeFile;
std::string sGemerkteMaskeFile;
bool LetzteMaskeLaden = false;
uint32_t dwStartZeitpunkt = 0;
bool bS7EpatsVorhanden = false;
bool bInternerSPSTyp = false;
uint16_t RavoDAVInterval = 5;
int32_t Sprache = 1;

namespace {

// The language whose file filled the text pool last; 0 = none yet.
unsigned char ucGeladeneSprache = 0;

std::string SprachDateiPfad(const char* pcName)
{
    return cSystemVerzeichnis + "Sprachen/" + pcName + ".DAT";
}

} // namespace

uint16_t wAufrufintervallBegrenzt(long long llMs)
{
    return static_cast<uint16_t>(std::clamp<long long>(llMs, 2, 200));
}

void ProgrammordnerSetzen(const std::string& sOrdner)
{
    std::string s = sOrdner;
    if (s.empty() || s.back() != '/') s += '/';
    cExeVerzeichnis = s;
    UserDir = s + "Projects/";
    cSystemVerzeichnis = cExeVerzeichnis + "__system/";
}

unsigned char SpracheVonLangID(uint16_t wLangID)
{
    switch (wLangID & 0x3FF) {
    case 7: return 1;    // German
    case 10: return 3;   // Spanish
    case 12: return 8;   // French
    case 16: return 6;   // Italian
    case 22: return 7;   // Portuguese
    case 25: return 5;   // Russian
    default: return 2;
    }
}

unsigned char SpracheDerInstallation()
{
    std::string sWert;
    if (bRegWertLesen(cRegistrySchluessel, "SpracheInstall", sWert) && !sWert.empty()) {
        if (sWert[0] == 'D') return 1;
        if (sWert[0] == 'U') return 2;
    }
    return SpracheVonLangID(GetSystemDefaultLangID());
}

bool bSprachDateiLaden(unsigned char ucSprache)
{
    const char* pcName = SPR_GetSprachStrVonId(ucSprache);
    if (!pcName) {
        FehlerMeldung("Id of language is invalid!");
        return false;
    }
    std::string sPfad = SprachDateiPfad(pcName);
    int iAnzahl = 0;
    int iFehlerhafte = 0;
    int iLetzteFehlerzeile = 0;
    SPR_bSprachenDateiEinlesen(0, sPfad.data(), &iAnzahl, &iFehlerhafte, &iLetzteFehlerzeile);
    if (iAnzahl == 0) FehlerMeldung("No lines found in the language file!");
    if (iFehlerhafte != 0)
        FehlerMeldung(TextFormatieren("Error found!\nCount total=%d\nLast error in line %d.", "%d%d",
                                      iFehlerhafte, iLetzteFehlerzeile));
    if (iAnzahl == 0) {
        // The reader has emptied the pool: without a single good line every
        // menu would show the default text. The language before comes back.
        const char* pcAlt = ucGeladeneSprache != 0 ? SPR_GetSprachStrVonId(ucGeladeneSprache) : nullptr;
        if (pcAlt && ucGeladeneSprache != ucSprache) {
            std::string sAlt = SprachDateiPfad(pcAlt);
            int iA = 0, iF = 0, iL = 0;
            SPR_bSprachenDateiEinlesen(0, sAlt.data(), &iA, &iF, &iL);
            SPR_SetTextSprache(ucGeladeneSprache);
        }
        return false;
    }
    ucGeladeneSprache = ucSprache;
    return true;
}

void StartVorbereiten(const std::string& sProgrammordner)
{
    ProgrammordnerSetzen(sProgrammordner);
    std::string sSystem = cSystemVerzeichnis;
    SPR_DLLInitialisieren(sSystem.data());
    SPR_SetTextSprache(SpracheDerInstallation());
    bSprachDateiLaden(SPR_GetTextSprache());
}

namespace {

// The application object with the standard display of an exception that
// escapes an event handler: the exception is shown and the program ends.
class TVeltranoApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* pEmpfaenger, QEvent* pEreignis) override
    {
        try {
            return QApplication::notify(pEmpfaenger, pEreignis);
        } catch (const std::exception& e) {
            FehlerMeldung(e.what());
        } catch (...) {
            FehlerMeldung("Unknown exception.");
        }
        exit(0);
        return false;
    }
};

} // namespace

int VeltranoAusfuehren(int argc, char** argv, const std::string& sProgrammordner)
{
    // A test runs the program inside its own application object.
    std::unique_ptr<TVeltranoApplication> pApp;
    if (!QCoreApplication::instance()) {
        pApp = std::make_unique<TVeltranoApplication>(argc, argv);
        KommandozeileRohMerken(argc, argv);
    }

    // One Veltrano per user session; the lock stays held until the process
    // ends.
    static TBenannterMutex InstanzMutex(cInstanzMutexName);
    if (!InstanzMutex.bBesitzt()) {
        MessageBoxA(QApplication::focusWidget(), "Veltrano is already started.", "Veltrano", MB_OK);
        return 0;
    }

    StartVorbereiten(sProgrammordner.empty()
                         ? std::filesystem::path(ProgrammDatei()).parent_path().string()
                         : sProgrammordner);

    QApplication::setApplicationName("Veltrano");
    try {
        auto pFenster = std::make_unique<THauptformular>(nullptr);
        pFenster->FormCreate();
        QApplication::exec();
    } catch (const std::exception& e) {
        FehlerMeldung(e.what());
    }
    return 0;
}
