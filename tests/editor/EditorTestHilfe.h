// Shared set-up of the editor tests: the real main window on a program
// folder of its own, a panel file name (so the mode can switch and objects
// can be inserted), the engine's memory cleared, the test measuring ranges,
// and the window's own timer stopped so that only the test drives it.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QCursor>
#include <QTest>
#include <QTimer>

#include <memory>

#include "Einstellungen.h"
#include "HauptForm.h"
#include "Maske.h"
#include "MyObj.h"
#include "PanelTestHilfe.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "WinDialoge.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

namespace editortest {

class FensterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        u = std::make_unique<projekttest::Umgebung>();
        f = projekttest::FensterOhneStart();
        f->Timer1->stop();
        f->resize(900, 650);
        QCoreApplication::processEvents();
        MaskeFile = (u->pfProjekte / "Test" / "Test.maske_ini").string();
        // The project files of a save go beside the panel file.
        cMaskenVerzeichnis = (u->pfProjekte / "Test").string() + "/";
        paneltest::SpeicherLoeschen();
        paneltest::MessbereicheAus(paneltest::cTestBereiche);
        int iFehler = 0;
        D7ED_Stop(&iFehler);
        u->Meldungen.clear();
        // Every property dialog is cancelled unless a test answers it.
        ModalAntworterSetzen([](QDialog&) { return 2; });
    }
    void TearDown() override
    {
        ModalAntworterSetzen({});
        TestUhrFreigeben();
        bNurLesen = false;
        if (!f->bEditorModus)
            f->aMaske_RUN_EDITORExecute();
        projekttest::FensterWeg(f);
        MaskeFile.clear();
        int iFehler = 0;
        D7ED_Stop(&iFehler);
    }

    // A new object of the panel at that place (kind's own size when 0).
    TMyObj* Neu(int32_t iArt, int x, int y, int w = 0, int h = 0)
    {
        auto* p = new TMyObj(f, iArt, x, y, w, h);
        f->Objekte[f->iAnzahlObjekte++] = p;
        return p;
    }
    void Run()
    {
        ASSERT_TRUE(f->bEditorModus);
        f->aMaske_RUN_EDITORExecute();
        ASSERT_FALSE(f->bEditorModus);
    }
    // The boxes shown since the last call, their texts in order.
    std::vector<std::string> Boxen()
    {
        std::vector<std::string> v;
        for (const TMeldung& m : u->Meldungen)
            v.push_back(m.sText);
        u->Meldungen.clear();
        return v;
    }

    std::unique_ptr<projekttest::Umgebung> u;
    THauptformular* f = nullptr;
};

} // namespace editortest
