#include "HostTestHilfe.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <QMenu>

#include <algorithm>
#include <fstream>

#include "HauptForm.h"
#include "Programm.h"
#include "PoolText.h"
#include "WinRegistry.h"

namespace hosttest {

std::map<unsigned long, std::string> TexteLesen(const std::filesystem::path& pfDatei)
{
    std::map<unsigned long, std::string> Texte;
    std::ifstream Datei(pfDatei);
    std::string sZeile;
    while (std::getline(Datei, sZeile)) {
        if (!sZeile.empty() && sZeile.back() == '\r') sZeile.pop_back();
        const std::size_t nGleich = sZeile.find('=');
        if (sZeile.empty() || sZeile[0] == ';' || nGleich == std::string::npos) continue;
        const unsigned long ulNr = std::stoul(sZeile.substr(0, nGleich));
        std::string sText = sZeile.substr(nGleich + 1);
        for (std::size_t n; (n = sText.find("{n}")) != std::string::npos;) sText.replace(n, 3, "\n");
        for (std::size_t n; (n = sText.find("{t}")) != std::string::npos;) sText.replace(n, 3, "\t");
        Texte[ulNr] = sText;
    }
    return Texte;
}

bool WarteBis(const std::function<bool()>& bBedingung, int iMs)
{
    QElapsedTimer Uhr;
    Uhr.start();
    while (!bBedingung()) {
        if (Uhr.elapsed() > iMs) return bBedingung();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

void Warte(int iMs)
{
    WarteBis([] { return false; }, iMs);
}

Programmumgebung::Programmumgebung()
{
    pfOrdner = testhilfe::ProgrammordnerKopieren();
    std::filesystem::create_directories(pfOrdner / "Projects");
    // The projects folder as a user who set it up before would have it.
    bRegWertSchreiben(cRegistrySchluessel, "UserDir", (pfOrdner / "Projects").string() + "/");
    GezeigteMeldungenLoeschen();
    MeldungsAntworterSetzen([this](const TMeldung& m) {
        Meldungen.push_back(m);
        return iAntwort;
    });
    StartVorbereiten(pfOrdner.string());
    RavoDAVInterval = 5;
}

Programmumgebung::~Programmumgebung()
{
    MeldungsAntworterSetzen({});
}

std::string Programmumgebung::Text(unsigned long ulNr) const { return PoolText(ulNr); }

THauptformular* FensterStarten(bool bErstesZeichnenAbwarten)
{
    auto* pFenster = new THauptformular(nullptr);
    pFenster->FormCreate();
    if (bErstesZeichnenAbwarten)
        WarteBis([pFenster] { return !pFenster->bErstesZeichnen && pFenster->pEAThread && dwStartZeitpunkt != 0; },
                 10000);
    return pFenster;
}

void FensterBeenden(THauptformular* pFenster)
{
    if (!pFenster) return;
    pFenster->close();
    WarteBis([pFenster] { return !pFenster->isVisible(); }, 3000);
    delete pFenster;
}

std::vector<QAction*> BearbeitungsAktionen(const THauptformular* pFenster)
{
    std::vector<QAction*> Aktionen;
    std::function<void(const QMenu*)> sammeln = [&](const QMenu* pMenue) {
        for (QAction* a : pMenue->actions()) {
            if (a->menu()) sammeln(a->menu());
            else if (!a->isSeparator()) Aktionen.push_back(a);
        }
    };
    for (const QMenu* m : {pFenster->MenuDatei, pFenster->MenuBearbeiten, pFenster->MenuMaske}) sammeln(m);
    return Aktionen;
}

bool bAuchInRUN(const THauptformular* pFenster, const QAction* pAktion)
{
    const QAction* Erlaubt[] = {pFenster->aDatei_Beenden, pFenster->aMaske_RUN_EDITOR,
                                pFenster->aMaske_Grunstellung, pFenster->aMaskeBewegungsprofile,
                                pFenster->aMaskeNotizen};
    return std::find(std::begin(Erlaubt), std::end(Erlaubt), pAktion) != std::end(Erlaubt);
}

} // namespace hosttest
