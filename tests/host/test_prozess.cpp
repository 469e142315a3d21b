// The program as a whole: the single instance across two processes, and a
// full run of the program's entry with its message loop.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>

#include <filesystem>
#include <string>

#include "HauptForm.h"
#include "HostTestHilfe.h"
#include "Meldungen.h"
#include "Programm.h"
#include "VeltranoStart.h"
#include "WinRegistry.h"

using namespace hosttest;

namespace {

// True when process iPid holds an open file whose path contains sTeil.
bool bHaeltDatei(qint64 iPid, const std::string& sTeil)
{
    std::error_code ec;
    const std::filesystem::path pfFds = "/proc/" + std::to_string(iPid) + "/fd";
    for (const auto& e : std::filesystem::directory_iterator(pfFds, ec)) {
        const auto pfZiel = std::filesystem::read_symlink(e.path(), ec);
        if (!ec && pfZiel.string().find(sTeil) != std::string::npos) return true;
    }
    return false;
}

} // namespace

TEST(Prozess, ZweiterStartMeldetUndEndetMit0)
{
    const auto pfOrdner = testhilfe::ProgrammordnerKopieren();
    std::filesystem::create_directories(pfOrdner / "Projects");
    bRegWertSchreiben(cRegistrySchluessel, "UserDir", (pfOrdner / "Projects").string() + "/");
    const QString sProgramm = QString::fromStdString((pfOrdner / "Veltrano").string());
    ASSERT_TRUE(std::filesystem::exists(sProgramm.toStdString()));

    QProcess Erster;
    Erster.setProgram(sProgramm);
    Erster.setWorkingDirectory(QString::fromStdString(pfOrdner.string()));
    Erster.start();
    ASSERT_TRUE(Erster.waitForStarted(5000));
    // Ready once it holds the lock file of the instance mutex.
    ASSERT_TRUE(WarteBis([&] { return bHaeltDatei(Erster.processId(), cInstanzMutexName); }, 10000));
    Warte(300);

    QProcess Zweiter;
    Zweiter.setProgram(sProgramm);
    Zweiter.start();
    ASSERT_TRUE(Zweiter.waitForFinished(15000));
    EXPECT_EQ(Zweiter.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(Zweiter.exitCode(), 0);
    const std::string sAusgabe = Zweiter.readAllStandardError().toStdString();
    EXPECT_NE(sAusgabe.find("Veltrano: Veltrano is already started."), std::string::npos) << sAusgabe;

    EXPECT_EQ(Erster.state(), QProcess::Running) << "the first one runs on";
    Erster.kill();
    Erster.waitForFinished(5000);
}

TEST(Prozess, ProgrammLaeuftUndEndetSauber)
{
    Programmumgebung u;
    std::string sTitel;
    std::string sModus;
    bool bEditor = false;
    bool bGeschlossen = false;
    // Once the start-up is through, note what the window shows and close it
    // as the user would.
    QTimer Beobachter;
    QObject::connect(&Beobachter, &QTimer::timeout, [&] {
        THauptformular* f = Hauptformular;
        if (bGeschlossen || !f || f->bErstesZeichnen || !f->pEAThread || dwStartZeitpunkt == 0) return;
        bGeschlossen = true;
        sTitel = f->windowTitle().toStdString();
        sModus = f->StatusPanels[f->iPanelModus].cText;
        bEditor = f->bEditorModus;
        f->aDatei_Beenden->trigger();
    });
    Beobachter.start(20);
    char cName[] = "Veltrano";
    char* argv[] = {cName, nullptr};
    const int iErgebnis = VeltranoAusfuehren(1, argv, u.pfOrdner.string());
    Beobachter.stop();

    EXPECT_EQ(iErgebnis, 0);
    EXPECT_TRUE(bGeschlossen);
    EXPECT_EQ(sTitel, std::string(ProgrammTitel()) + " [" + u.Text(6861) + "]");
    EXPECT_TRUE(bEditor);
    EXPECT_EQ(sModus, u.Text(1338));
    EXPECT_EQ(Hauptformular, nullptr) << "the window is gone when the loop ends";
    EXPECT_EQ(cExeVerzeichnis, u.pfOrdner.string() + "/");
}
