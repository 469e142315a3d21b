// Shared set-up of the help and dialog tests: a program folder of its own
// with the text pool loaded, recorded process starts, recorded boxes.
#pragma once

#include "Programm.h"
#include "TestUmgebung.h"
#include "WinDialoge.h"
#include "WinMeldung.h"
#include "WinProzess.h"
#include "kolv_spr2.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

class HilfeUmgebung : public ::testing::Test {
protected:
    void SetUp() override
    {
        pUmgebung = std::make_unique<testhilfe::EigeneUmgebung>();
        pfProgramm = testhilfe::ProgrammordnerKopieren();
        StartVorbereiten(pfProgramm.string());
        SpracheSetzen(2);
        ProzessStartsAufzeichnen(true);
        AufgezeichneteStartsLoeschen();
        GezeigteMeldungenLoeschen();
        DialogAntwortenLoeschen();
        iAntwort = 1;
        MeldungsAntworterSetzen([this](const TMeldung&) { return iAntwort; });
        MaskeFile.clear();
    }
    void TearDown() override
    {
        MeldungsAntworterSetzen({});
        ProzessStartsAufzeichnen(false);
        DialogAntwortenLoeschen();
        pUmgebung.reset();
    }
    static void SpracheSetzen(unsigned char uc)
    {
        SPR_SetTextSprache(uc);
        bSprachDateiLaden(SPR_GetTextSprache());
    }
    // Texts of the boxes shown since the last call.
    static std::vector<std::string> Meldungen()
    {
        std::vector<std::string> texte;
        for (const auto& m : GezeigteMeldungen()) texte.push_back(m.sText);
        GezeigteMeldungenLoeschen();
        return texte;
    }

    std::unique_ptr<testhilfe::EigeneUmgebung> pUmgebung;
    std::filesystem::path pfProgramm;
    int iAntwort = 1;   // answer of every box
};

// The main window without its start-up work at the first paint (pacing
// thread, projects folder check, port 102): the tests here call its menu
// actions only.
inline void OhneStartArbeit(QWidget* pFenster, bool& bErstesZeichnen)
{
    bErstesZeichnen = false;
    pFenster->hide();
}

// Runs f on the next modal dialog as soon as it is shown (polling, so the
// call works whatever opens the dialog), then lets exec() go on.
inline void BeimNaechstenDialog(std::function<void(QWidget*)> f)
{
    auto* pTimer = new QTimer;
    auto* pUhr = new QElapsedTimer;
    pUhr->start();
    QObject::connect(pTimer, &QTimer::timeout, [pTimer, pUhr, f] {
        QWidget* p = QApplication::activeModalWidget();
        if (!p && pUhr->elapsed() < 5000) return;
        pTimer->stop();
        pTimer->deleteLater();
        delete pUhr;
        ASSERT_NE(p, nullptr) << "no modal dialog appeared";
        f(p);
    });
    pTimer->start(10);
}
