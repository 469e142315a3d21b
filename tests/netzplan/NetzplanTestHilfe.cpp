#include "NetzplanTestHilfe.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "DlgSim.h"
#include "NetzDienste.h"
#include "Netzplan.h"
#include "NetzplanDienste.h"
#include "VoreinstellAufruf.h"
#include "WinProzess.h"
#include "WinDienste.h"
#include "WinZeit.h"

namespace netzplantest {

namespace {

void WerteZuruecksetzen()
{
    KommuID = 4711;
    cProgrammOrdner.clear();
    iAufruferLeft = iAufruferTop = iAufruferWidth = iAufruferHeight = 0;
    bFalscherAufruf = false;
    wSprache = 1;
}

} // namespace

Umgebung::Umgebung()
{
    WerteZuruecksetzen();
    DiensteTabelleLoeschen();
    GezeigteStatusTexteLoeschen();
    MeldungsAntworterSetzen([this](const TMeldung& m) {
        Meldungen.push_back(m);
        return iAntwort;
    });
}

Umgebung::~Umgebung()
{
    MeldungsAntworterSetzen({});
    DiensteTabelleLoeschen();
    IsUserAdminTestAntwortSetzen(-1);
    TestSchlafUeberUhr(false);
    TestUhrFreigeben();
    CloseListenSockets();
    WerteZuruecksetzen();
}

std::vector<std::string> Umgebung::MeldungsTexte() const
{
    std::vector<std::string> texte;
    for (const TMeldung& m : Meldungen)
        texte.push_back(m.sText);
    return texte;
}

std::vector<std::string> Aufruf(unsigned uTextSprache)
{
    return KommandozeileZerlegen(VoreinstellAufrufZeile("/opt/Veltrano/__system/Netzplanung/Netzplan", 4711,
                                                        10, 20, 880, 700, uTextSprache));
}

TDialogSimVoreinstellung* DialogStarten(const std::vector<std::string>& argumente)
{
    KommandozeileAuswerten(argumente);
    auto* p = new TDialogSimVoreinstellung(nullptr);
    p->FormCreate();
    return p;
}

void Bildschirmfoto(QWidget* pFenster, const std::string& sName)
{
    const QPixmap bild = pFenster->grab();
    EXPECT_FALSE(bild.isNull());
    EXPECT_TRUE(bild.save(QString::fromStdString((testhilfe::Artefaktordner() / sName).string()), "PNG"))
        << sName;
}

void Warte(int iMs)
{
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < iMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace netzplantest
