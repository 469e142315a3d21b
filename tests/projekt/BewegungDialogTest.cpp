// The motion-profile dialog, opened through the main window's action with
// scripted answers: what it shows, what it stores and what it refuses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

#include <cstring>
#include <filesystem>
#include <functional>

#include "Bewegungsprofil.h"
#include "DlgBewegungForm.h"
#include "Einstellungen.h"
#include "Maske.h"
#include "HauptForm.h"
#include "Meldungen.h"
#include "MyObj.h"
#include "PoolText.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "WinDialoge.h"
#include "WinMeldung.h"
#include "kolv_d7ed.h"
#include "kolv_spr2.h"

namespace fs = std::filesystem;
using namespace projekttest;

namespace {

std::string T(const QLineEdit* e) { return e->text().toStdString(); }

// The texts of the boxes shown since the last call.
std::vector<std::string> Boxen()
{
    std::vector<std::string> v;
    for (const auto& m : GezeigteMeldungen()) v.push_back(m.sText);
    GezeigteMeldungenLoeschen();
    return v;
}

std::vector<std::string> OperandBox(const char* pcText, unsigned long ulRichtung)
{
    return {PoolTextFormat(6720, "%s%s", pcText, PoolText(ulRichtung).c_str())};
}

std::string GeschwFeld() { return FeldnameAusBeschriftung(PoolText(1029)); }

struct BewegungDialog : ::testing::Test {
    Umgebung u;
    THauptformular* f = nullptr;
    int iOeffnungen = 0;

    void SetUp() override
    {
        f = FensterOhneStart();
        for (Bewegungsprofil& b : Bewegungsprofile) b = Bewegungsprofil{};
        SPR_SetTextSprache(1);
    }
    void TearDown() override
    {
        ModalAntworterSetzen({});
        SPR_SetTextSprache(1);
        MaskeFile.clear();
        FensterWeg(f);
    }
    TMyObj* Objekt(int iMoveNr, bool bAktiv)
    {
        auto* p = new TMyObj(f, LED, 10 + 20 * f->iAnzahlObjekte, 60, 0, 0);
        p->MoveNr = iMoveNr;
        p->MoveAktiv = bAktiv;
        f->Objekte[f->iAnzahlObjekte++] = p;
        return p;
    }
    // Opens the dialog through the action; the script acts on it and gives
    // the dialog's result.
    void Oeffnen(const std::function<int(TDlgBewegung&)>& Skript)
    {
        ModalAntworterSetzen([&](QDialog& d) {
            ++iOeffnungen;
            auto* pDlg = dynamic_cast<TDlgBewegung*>(&d);
            EXPECT_NE(pDlg, nullptr);
            return pDlg ? Skript(*pDlg) : 2;
        });
        f->aMaskeBewegungsprofileExecute();
        ModalAntworterSetzen({});
    }
};

} // namespace

// The whole text is the operand: nothing after the bit, no blank inside
// (both were dropped, "I12X.3" and "I1 2.3" stored as I12.3).
TEST(BewegungsOperand, OnlyAWholeOperandNamesABitOfAnImageByte)
{
    for (const char* pc : {"A0.0", "Q127.7", "E12.3", "I5.07", "A010.1", " M1.2 "})
        EXPECT_TRUE(bBewegungsOperandGueltig(pc)) << pc;
    for (const char* pc : {"", "  ", "B1.0", "D1.0", "A1", "A1.8", "A1.", "A.1", "AX.1", "A128.0", "M200.1",
                           "E99999999999999999999.1", "a1.0", "M1.2XY", "I12X.3", "I1 2.3", "I 12.3",
                           "E1.2.3", "E1,2"})
        EXPECT_FALSE(bBewegungsOperandGueltig(pc)) << pc;
    BewegungsOperand o{'A', 1, 5};
    EXPECT_FALSE(bBewegungsOperandLesen("I12X.3", o));
    EXPECT_EQ(o, (BewegungsOperand{'A', 1, 5})) << "a refused text changes nothing";
    EXPECT_TRUE(bBewegungsOperandLesen(" \tI12.3 ", o));
    EXPECT_EQ(o, (BewegungsOperand{'I', 12, 3}));
    EXPECT_TRUE(bBewegungsOperandLesen("  ", o));
    EXPECT_EQ(o, (BewegungsOperand{0, 0, 3})) << "blank: the direction unused";
}

// A refused operand or speed is named with its field in a box, the dialog
// stays open (also when another row is chosen) and nothing of the row is
// stored; refused operands were dropped without a word before, and OK
// closed the dialog.
TEST_F(BewegungDialog, PreselectsTheObjectsRowAndRefusesWhatIsNoOperandOrSpeed)
{
    Bewegungsprofile[5].Oben = {'A', 1, 1};
    Bewegungsprofile[5].Unten = {'E', 2, 2};
    Bewegungsprofile[5].Rechts = {'M', 3, 3};
    Bewegungsprofile[5].Links = {'Q', 4, 4};
    Bewegungsprofile[5].Geschw = 9;
    const Bewegungsprofil Vorher = Bewegungsprofile[5];
    TMyObj* p = Objekt(5, true);
    f->ObjektMarkieren(p);
    f->SetMaskeGeaendert(false);
    Oeffnen([&](TDlgBewegung& d) {
        EXPECT_EQ(d.lb->count(), 30);
        EXPECT_EQ(d.lb->item(29)->text().toStdString(), PoolTextFormat(1031, "%d", 29));
        EXPECT_EQ(d.lInfoSelObj->text().toStdString(), PoolTextFormat(1033, "%d", 1));
        EXPECT_EQ(d.lb->currentRow(), 5);
        EXPECT_EQ(d.iAktuellesProfil, -1);
        EXPECT_TRUE(T(d.eOben).empty()) << "nothing shown before the first tick";
        d.Timer1Timer();
        EXPECT_EQ(d.iAktuellesProfil, 5);
        EXPECT_EQ(T(d.eOben), "A1.1");
        EXPECT_EQ(T(d.eUnten), "E2.2");
        EXPECT_EQ(T(d.eRechts), "M3.3");
        EXPECT_EQ(T(d.eLinks), "A4.4") << "German texts: Q shows as A";
        EXPECT_EQ(T(d.eGeschwindigkeit), "9");
        EXPECT_EQ(Bewegungsprofile[5], Vorher) << "showing a row writes nothing";

        d.eOben->setText(" q7.6 ");   // blanks at the ends, letters upper-cased
        d.eRechts->clear();           // blank: direction unused
        d.cbEndschalterBetaetigen->setChecked(true);
        EXPECT_EQ(T(d.eOben), " Q7.6 ");
        EXPECT_EQ(d.eOben->palette().color(QPalette::Base), FarbeVonWert(iFarbeOperandGueltig));
        EXPECT_EQ(d.eRechts->palette().color(QPalette::Base), d.palette().color(QPalette::Base))
            << "empty: window colour";
        GezeigteMeldungenLoeschen();
        struct Fall { QLineEdit* pEdit; const char* pcText; std::vector<std::string> Box; };
        const std::vector<Fall> faelle = {
            {d.eUnten, "I12X.3", OperandBox("I12X.3", 6722)},
            {d.eUnten, "I1 2.3", OperandBox("I1 2.3", 6722)},
            {d.eUnten, "I300.0", OperandBox("I300.0", 6722)},
            {d.eUnten, "I1.9", OperandBox("I1.9", 6722)},
            {d.eLinks, "M128.1", OperandBox("M128.1", 6724)},
            {d.eGeschwindigkeit, "12abc", {ZahlFeldMeldung("12abc", TZahlArt::Ganzzahl, GeschwFeld())}},
            {d.eGeschwindigkeit, "-1", {ZahlFeldMeldung("-1", TZahlArt::Ganzzahl, GeschwFeld())}},
            // Stored as -1 before: the object moved the other way.
            {d.eGeschwindigkeit, "4294967295",
             {PoolTextFormat(6500, "%s%s%ld%ld", "4294967295", GeschwFeld().c_str(), 0L, 2147483647L)}},
        };
        for (const Fall& c : faelle) {
            SCOPED_TRACE(c.pcText);
            const QString sAlt = c.pEdit->text();
            c.pEdit->setText(c.pcText);
            EXPECT_TRUE(c.pEdit == d.eGeschwindigkeit || d.bOperandAbgelehnt(c.pEdit));
            d.bOkClick();
            EXPECT_EQ(d.result(), 0) << "the dialog stays open";
            EXPECT_EQ(Boxen(), c.Box);
            EXPECT_EQ(Bewegungsprofile[5], Vorher) << "nothing of the row is stored";
            c.pEdit->setText(sAlt);
        }
        // Another row: the box, and the refused row stays shown to be mended.
        d.eUnten->setText("I12X.3");
        d.lb->setCurrentRow(3);
        d.Timer1Timer();
        EXPECT_EQ(Boxen(), OperandBox("I12X.3", 6722));
        EXPECT_EQ(d.lb->currentRow(), 5);
        EXPECT_EQ(d.iAktuellesProfil, 5);
        EXPECT_EQ(T(d.eUnten), "I12X.3");
        EXPECT_EQ(T(d.eOben), " Q7.6 ");
        EXPECT_EQ(Bewegungsprofile[5], Vorher);
        d.eUnten->setText("E2.2");
        d.eGeschwindigkeit->setText("2147483647");
        d.bOkClick();
        EXPECT_TRUE(Boxen().empty());
        return d.result();
    });
    EXPECT_EQ(iOeffnungen, 1);
    const Bewegungsprofil& b = Bewegungsprofile[5];
    EXPECT_EQ(b.Oben, (BewegungsOperand{'Q', 7, 6}));
    EXPECT_EQ(b.Unten, (BewegungsOperand{'E', 2, 2}));
    EXPECT_EQ(b.Rechts, (BewegungsOperand{0, 0, 3})) << "an empty entry keeps the bit";
    EXPECT_EQ(b.Links, (BewegungsOperand{'Q', 4, 4})) << "left as shown: the letter as it was";
    EXPECT_EQ(b.Geschw, 2147483647);
    EXPECT_EQ(b.Endsch, 1);
    EXPECT_TRUE(f->bMaskeGeaendert);

    // Not active: row 0, whose speed 0 is shown as 2; blank also means 2.
    p->MoveAktiv = false;
    Oeffnen([&](TDlgBewegung& d) {
        EXPECT_EQ(d.lb->currentRow(), 0);
        d.Timer1Timer();
        EXPECT_EQ(T(d.eGeschwindigkeit), "2");
        d.lb->setCurrentRow(5);
        d.Timer1Timer();
        d.eGeschwindigkeit->setText(" ");
        d.bOkClick();
        return d.result();
    });
    EXPECT_EQ(Bewegungsprofile[0].Geschw, 2);
    EXPECT_EQ(Bewegungsprofile[5].Geschw, 2);
}

TEST_F(BewegungDialog, ChangingTheRowStoresCancelDropsOnlyTheShownRow)
{
    Oeffnen([&](TDlgBewegung& d) {
        EXPECT_FALSE(d.bZuweisen->isEnabled());
        EXPECT_FALSE(d.bReset->isEnabled());
        EXPECT_TRUE(d.bAnzeigen->isEnabled());
        EXPECT_EQ(d.lInfoSelObj->text().toStdString(), PoolText(1032));
        d.Timer1Timer();
        d.eRechts->setText("E0.1");
        d.eGeschwindigkeit->setText("4");
        d.lb->setCurrentRow(3);
        d.Timer1Timer();                  // stores row 0, shows row 3
        EXPECT_TRUE(T(d.eRechts).empty());
        d.eRechts->setText("E0.2");       // row 3, dropped by cancel
        d.AbbruchButton->click();
        return d.result();
    });
    EXPECT_EQ(Bewegungsprofile[0].Rechts, (BewegungsOperand{'E', 0, 1}));
    EXPECT_EQ(Bewegungsprofile[0].Geschw, 4);
    EXPECT_EQ(Bewegungsprofile[3].Rechts.Op, 0);
    EXPECT_EQ(Bewegungsprofile[3].Geschw, 0) << "a shown speed 0 is stored as 2 only with its row";
    EXPECT_TRUE(f->bMaskeGeaendert) << "whatever button closed it";
}

TEST_F(BewegungDialog, AssignResetAndShow)
{
    TMyObj* a = Objekt(-1, false);
    TMyObj* b = Objekt(-1, false);
    TMyObj* c = Objekt(0, true);
    f->ObjektMarkieren(a);
    f->ObjektMarkieren(b);
    f->SetMaskeGeaendert(false);
    Oeffnen([&](TDlgBewegung& d) {
        d.lb->setCurrentRow(7);
        d.bZuweisenClick();
        EXPECT_EQ(a->MoveNr, 7);
        EXPECT_TRUE(b->MoveAktiv);
        f->MarkierungAufheben();
        f->ObjektMarkieren(a);
        d.bResetClick();
        EXPECT_EQ(a->MoveNr, 0) << "reset leaves 0, not -1";
        EXPECT_FALSE(a->MoveAktiv);
        d.lb->setCurrentRow(0);
        d.bAnzeigenClick();
        EXPECT_EQ(f->iAnzahlMarkierte, 1);
        EXPECT_EQ(f->Markierte[0], c) << "the reset object is not shown for row 0";
        EXPECT_EQ(d.lAnzeigenInfo->text().toStdString(), PoolTextFormat(1034, "%d", 1));
        d.lb->setCurrentRow(12);
        d.bAnzeigenClick();
        EXPECT_EQ(f->iAnzahlMarkierte, 0);
        EXPECT_EQ(d.lAnzeigenInfo->text().toStdString(), PoolText(1035));
        return 2;
    });
    EXPECT_EQ(b->MoveNr, 7);
    EXPECT_TRUE(f->bMaskeGeaendert) << "assigned, whatever button closed it";

    // In RUN nothing is assigned, reset or shown; read-only mode refuses the
    // dialog.
    f->bEditorModus = false;
    f->ObjektMarkieren(b);
    f->SetMaskeGeaendert(false);
    Oeffnen([&](TDlgBewegung& d) {
        EXPECT_FALSE(d.bZuweisen->isEnabled());
        EXPECT_FALSE(d.bReset->isEnabled());
        EXPECT_FALSE(d.bAnzeigen->isEnabled());
        return 2;
    });
    EXPECT_FALSE(f->bMaskeGeaendert) << "nothing changed";
    f->bEditorModus = true;
    bNurLesen = true;
    u.Meldungen.clear();
    const int iVorher = iOeffnungen;
    Oeffnen([&](TDlgBewegung&) { return 1; });
    bNurLesen = false;
    EXPECT_EQ(iOeffnungen, iVorher);
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolText(1262));
}

// A byte above 127 from a panel file is shown as it acts, light red, and kept while its text is left alone; a negative
// speed is refused until the user types one. Showing converts the letters in the texts only.
TEST_F(BewegungDialog, LettersFollowTheTextLanguageAndAByteAbove127IsRefused)
{
    // A profile line from a file with an address byte of 200.
    Bewegungsprofile[2].Oben = {'E', static_cast<int8_t>(static_cast<uint8_t>(200)), 1};
    Bewegungsprofile[2].Rechts = {'A', 10, 0};
    Bewegungsprofile[2].Geschw = -3;
    SPR_SetTextSprache(2);
    Oeffnen([&](TDlgBewegung& d) {
        d.lb->setCurrentRow(2);
        d.Timer1Timer();
        EXPECT_EQ(T(d.eOben), "I200.1");
        EXPECT_TRUE(d.bOperandAbgelehnt(d.eOben)) << "shown as it acts, and refused";
        EXPECT_EQ(T(d.eRechts), "Q10.0");
        EXPECT_EQ(T(d.eGeschwindigkeit), "-3") << "the speed as it is";
        GezeigteMeldungenLoeschen();
        d.bOkClick();
        EXPECT_EQ(d.result(), 0);
        EXPECT_EQ(Boxen(), std::vector<std::string>{ZahlFeldMeldung("-3", TZahlArt::Ganzzahl, GeschwFeld())})
            << "only the speed, not the untouched I200.1";
        d.eGeschwindigkeit->setText("3");
        const auto Zeile = [&](int i) { d.lb->setCurrentRow(i); d.Timer1Timer(); };
        Zeile(3);
        EXPECT_EQ(d.iAktuellesProfil, 3) << "the row change is not refused";
        EXPECT_EQ(Bewegungsprofile[2].Oben, (BewegungsOperand{'E', static_cast<int8_t>(-56), 1}));
        Zeile(2);
        d.eOben->setText("I201.1");
        d.bOkClick();
        EXPECT_EQ(Boxen(), OperandBox("I201.1", 6721)) << "typed, the byte is refused";
        d.eOben->setText("I20.1");
        d.bOkClick();
        return d.result();
    });
    EXPECT_EQ(Bewegungsprofile[2].Oben, (BewegungsOperand{'I', 20, 1}));
    EXPECT_EQ(Bewegungsprofile[2].Rechts.Op, 'A') << "left as shown";
    EXPECT_EQ(Bewegungsprofile[2].Geschw, 3);

    SPR_SetTextSprache(1);
    f->SetMaskeGeaendert(false);
    Oeffnen([&](TDlgBewegung& d) {
        d.lb->setCurrentRow(2);
        d.Timer1Timer();
        EXPECT_EQ(T(d.eRechts), "A10.0");
        EXPECT_EQ(T(d.eOben), "E20.1");
        d.bOkClick();
        return d.result();
    });
    EXPECT_EQ(Bewegungsprofile[2].Oben.Op, 'I') << "the text converted, not the table";
    EXPECT_FALSE(f->bMaskeGeaendert) << "OK without a change";
    EXPECT_TRUE(Boxen().empty());
}

TEST_F(BewegungDialog, WhatTheDialogStoresSurvivesSaveAndLoad)
{
    Oeffnen([&](TDlgBewegung& d) {
        d.lb->setCurrentRow(8);
        d.Timer1Timer();
        d.eRechts->setText("A5.6");   // only right
        d.eGeschwindigkeit->setText("11");
        d.cbEndschalterBetaetigen->setChecked(true);
        d.lb->setCurrentRow(9);
        d.Timer1Timer();
        d.eOben->setText("M127.0");
        d.eUnten->setText("E0.7");
        d.eLinks->setText("A3.3");
        d.bOkClick();
        return 1;
    });
    Bewegungsprofil Vorher[ANZAHL_BEWEGUNGSPROFILE];
    std::copy(std::begin(Bewegungsprofile), std::end(Bewegungsprofile), Vorher);
    const fs::path pfOrdner = u.pfProjekte / "Profile";
    fs::create_directories(pfOrdner);
    cMaskenVerzeichnis = pfOrdner.string() + "/";
    MaskeFile = (pfOrdner / "Profile.maske_ini").string();
    ASSERT_TRUE(f->bMaskeSchreiben(MaskeFile));
    for (Bewegungsprofil& b : Bewegungsprofile) b = Bewegungsprofil{};
    ASSERT_TRUE(f->bMaskeLesen(MaskeFile));
    for (int i = 0; i < ANZAHL_BEWEGUNGSPROFILE; ++i) EXPECT_EQ(Bewegungsprofile[i], Vorher[i]) << i;
    EXPECT_EQ(Bewegungsprofile[8].Rechts, (BewegungsOperand{'A', 5, 6}));
    EXPECT_EQ(Bewegungsprofile[8].Oben.Op, 0);
    EXPECT_EQ(Bewegungsprofile[8].Geschw, 11);
    EXPECT_EQ(Bewegungsprofile[9].Oben, (BewegungsOperand{'M', 127, 0}));
}

TEST_F(BewegungDialog, MotionStepsWhileOpenUseTheStoredRows)
{
    // RUN with the dialog open: each stored row drives the next steps.
    MaskeFile = (u.pfProjekte / "Band.maske_ini").string();
    std::memset(D7ED_GetPeriAPtr(), 0, 16);
    TMyObj* p = Objekt(0, true);
    p->PosVerschiebenAbs(100, 200);
    f->aMaske_RUN_EDITORExecute();
    ASSERT_FALSE(f->bEditorModus);
    auto motionSchritte = [&](int n) {
        const int32_t iZiel = f->iBewegungsSchritt + n;
        for (int k = 0; k < 4 * n && f->iBewegungsSchritt < iZiel; ++k) f->SPSZyklusSchritt();
    };
    D7ED_GetPeriAPtr()[0] = 0x03;
    Oeffnen([&](TDlgBewegung& d) {
        d.Timer1Timer();
        d.eRechts->setText("A0.0");
        d.eGeschwindigkeit->setText("5");
        motionSchritte(2);
        EXPECT_EQ(p->Left(), 100) << "not stored yet";
        d.lb->setCurrentRow(1);
        d.Timer1Timer();   // row 0 stored
        motionSchritte(2);
        EXPECT_EQ(p->Left(), 110);
        d.lb->setCurrentRow(0);
        d.Timer1Timer();
        d.eUnten->setText("A0.1");
        d.eGeschwindigkeit->setText("3");
        d.bOkClick();
        motionSchritte(1);
        EXPECT_EQ(p->Left(), 113);
        EXPECT_EQ(p->Top(), 203);
        return 1;
    });
    f->aMaske_RUN_EDITORExecute();
    EXPECT_EQ(p->Left(), 100);
    EXPECT_EQ(p->Top(), 200);
}

TEST_F(BewegungDialog, Screenshots)
{
    Bewegungsprofile[4].Rechts = {'E', 1, 0};
    Bewegungsprofile[4].Links = {'E', 1, 1};
    Bewegungsprofile[4].Oben = {'X', 1, 1};
    Bewegungsprofile[4].Geschw = 3;
    Bewegungsprofile[4].Endsch = 1;
    TMyObj* p = Objekt(4, true);
    f->ObjektMarkieren(p);
    for (int iSprache : {1, 2}) {
        SPR_SetTextSprache(static_cast<unsigned char>(iSprache));
        ASSERT_TRUE(bSprachDateiLaden(static_cast<unsigned char>(iSprache)));
        Oeffnen([&](TDlgBewegung& d) {
            d.Timer1Timer();
            d.bAnzeigenClick();
            d.show();
            QApplication::processEvents();
            const QPixmap Bild = d.grab();
            const fs::path pf = testhilfe::Artefaktordner() /
                                (iSprache == 1 ? "bewegungsprofile_de.png" : "bewegungsprofile_en.png");
            EXPECT_TRUE(Bild.save(QString::fromStdString(pf.string()), "PNG"));
            EXPECT_EQ(Bild.size(), QSize(425, 521));
            EXPECT_EQ(d.windowTitle().toStdString(), PoolText(1021));
            return 2;
        });
    }
    EXPECT_EQ(iOeffnungen, 2);
}
