#include "ProjektTestHilfe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QThread>
#include <QTimer>

#include <sstream>

#include "DlgInputQuery.h"
#include "Einstellungen.h"
#include "HauptForm.h"
#include "Maske.h"
#include "Programm.h"
#include "SPSTyp.h"
#include "WinDialoge.h"
#include "WinRegistry.h"
#include "kolv_d7ed.h"

namespace fs = std::filesystem;

namespace projekttest {

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

Umgebung::Umgebung()
{
    pfProgramm = testhilfe::ProgrammordnerKopieren();
    pfProjekte = pfProgramm / "Projects";
    fs::create_directories(pfProjekte);
    GezeigteMeldungenLoeschen();
    DialogAntwortenLoeschen();
    MeldungsAntworterSetzen([this](const TMeldung& m) {
        Meldungen.push_back(m);
        if (Antworten.empty()) return iStandardAntwort;
        const int i = Antworten.front();
        Antworten.pop_front();
        return i;
    });
    StartVorbereiten(pfProgramm.string());
    // A user who has chosen the projects folder before: the start asks
    // nothing.
    bRegWertSchreiben(cRegistrySchluessel, "UserDir", pfProjekte.string() + "/");
    KommandozeileVorgeben("", {});
    bNurLesen = false;
    cSPSTyp.clear();
    cMaskenVerzeichnis.clear();
    MaskeFile.clear();
    dwStartZeitpunkt = 0;
}

Umgebung::~Umgebung()
{
    MeldungsAntworterSetzen({});
    DialogAntwortenLoeschen();
    KommandozeileVorgeben("", {});
    bNurLesen = false;
}

std::string Umgebung::MeldungsTexte() const
{
    std::string s;
    for (const TMeldung& m : Meldungen) s += m.sText + "\n";
    return s;
}

namespace {

std::deque<std::string>& Eingaben()
{
    static std::deque<std::string> d;
    return d;
}

// Answers the modal text input as soon as it is open.
void EingabeBeantworten()
{
    auto* pDlg = qobject_cast<TDlgInputForm*>(QApplication::activeModalWidget());
    if (!pDlg || Eingaben().empty()) {
        if (!Eingaben().empty()) QTimer::singleShot(5, EingabeBeantworten);
        return;
    }
    const std::string s = Eingaben().front();
    Eingaben().pop_front();
    if (s.empty()) {
        pDlg->reject();
    } else {
        pDlg->eText->setText(QString::fromStdString(s));
        pDlg->bOKClick();
    }
    if (!Eingaben().empty()) QTimer::singleShot(5, EingabeBeantworten);
}

} // namespace

void EingabenVorgeben(const std::vector<std::string>& eingaben)
{
    Eingaben().assign(eingaben.begin(), eingaben.end());
    QTimer::singleShot(5, EingabeBeantworten);
}

THauptformular* FensterOhneStart()
{
    auto* pForm = new THauptformular(nullptr);
    pForm->bErstesZeichnen = false;
    pForm->FormCreate();
    dwStartZeitpunkt = 0;
    return pForm;
}

void FensterWeg(THauptformular* pForm)
{
    if (!pForm) return;
    pForm->MaskeLoeschen();
    delete pForm;
}

std::vector<std::string> AbweichendeZeilen(const std::string& a, const std::string& b)
{
    std::istringstream sa(a), sb(b);
    std::vector<std::string> abweichend;
    std::string za, zb;
    for (;;) {
        const bool bA = static_cast<bool>(std::getline(sa, za));
        const bool bB = static_cast<bool>(std::getline(sb, zb));
        if (!bA && !bB) break;
        if (!bA) za = "<end>";
        if (!bB) zb = "<end>";
        if (za != zb) abweichend.push_back(za);
    }
    return abweichend;
}

void JpegSchreiben(const fs::path& pf, int iBreite, int iHoehe, unsigned uRgb)
{
    QImage Bild(iBreite, iHoehe, QImage::Format_RGB32);
    Bild.fill(QColor::fromRgb(uRgb));
    Bild.save(QString::fromStdString(pf.string()), "JPG", 95);
}

void BmpSchreiben(const fs::path& pf, int iBreite, int iHoehe, unsigned uRgb)
{
    QImage Bild(iBreite, iHoehe, QImage::Format_RGB32);
    Bild.fill(QColor::fromRgb(uRgb));
    Bild.save(QString::fromStdString(pf.string()), "BMP");
}

void AnlagenTest::SetUp()
{
    pForm = FensterOhneStart();
    pfOrdner = u.pfProjekte / "Anlage";
    std::filesystem::create_directories(pfOrdner);
    cMaskenVerzeichnis = pfOrdner.string() + "/";
}

void AnlagenTest::TearDown() { FensterWeg(pForm); }

bool AnlagenTest::bLeereMaskeAnlegen()
{
    MaskeFile = Datei("Anlage.maske_ini");
    if (!pForm->bMaskeSchreiben(MaskeFile)) return false;
    D7ED_PfadeUebergeben(cMaskenVerzeichnis.c_str(), "IPADR", Datei("IPADR.DAT").c_str());
    return true;
}

} // namespace projekttest
