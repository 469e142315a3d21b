// The LED dialog: the operand rules for new and existing objects, the
// refused entries, what OK writes and Cancel keeps, system variables, hot
// keys, colours and the preview, help, both mnemonic syntaxes.
#include "ObjektDialogTestHilfe.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "DlgLEDForm.h"
#include "Einstellungen.h"
#include "Hilfe.h"
#include "HauptForm.h"
#include "MyObj.h"
#include "PoolText.h"
#include "Programm.h"
#include "SystemVariablen.h"
#include "WinDialoge.h"
#include "WinProzess.h"
#include "WinRegistry.h"

using namespace dlgtest;

namespace {

const char* cBestehend =
    "$Obj=3,$Op=A,$Adr=7,$Bit=3,$ColorHi=255,$ColorLo=128,$DBNR=0,$Clickable=1,$Variable=4,"
    "$HotKeyAktiv=0,$HotKey=75,$Grundstellung=0,$GrafikAbs=0,$GrafikAkt=0,$Grafik1=,$Grafik0=,"
    "$MoveNr=-1,$MoveAktiv=0,$Taster=0,$x=10,$y=20,$w=12,$h=12";

struct LEDDialog : DialogTest {
    void SetUp() override
    {
        DialogTest::SetUp();
        LED_E_HI = 0x00FF01;
        LED_E_LO = 0x000102;
        LED_A_HI = 0x0000FE;
        LED_A_LO = 0x030303;
    }
};

} // namespace

TEST_F(LEDDialog, NeuesObjektFolgtDenOperandenregeln)
{
    TMyObj* pObj = NeuesObjekt(LED);
    pObj->ColorHi = 0x111111;
    TDlgLED d(pForm, true, pObj);
    EXPECT_EQ(d.cbOperand->currentIndex(), 0);
    EXPECT_EQ(d.FarbeHi, LED_E_HI);
    EXPECT_EQ(d.FarbeLo, LED_E_LO);
    EXPECT_TRUE(d.cbLEDClickable->isChecked());
    EXPECT_TRUE(d.cbE_Grundstellung->isEnabled());
    EXPECT_FALSE(d.eDBNr->isEnabled());
    EXPECT_FALSE(d.cbAnzahl->isHidden());
    EXPECT_FALSE(d.lWieViele->isHidden());
    EXPECT_EQ(d.cbAnzahl->count(), 32);
    EXPECT_EQ(d.cbAnzahl->currentText(), "1");
    EXPECT_TRUE(d.lGrafik1File->text().isEmpty());
    EXPECT_TRUE(d.rbLED_Operand->isChecked());

    d.cbOperand->setCurrentIndex(1);   // output
    EXPECT_EQ(d.FarbeHi, LED_A_HI);
    EXPECT_EQ(d.FarbeLo, LED_A_LO);
    EXPECT_FALSE(d.cbLEDClickable->isChecked());
    EXPECT_FALSE(d.cbE_Grundstellung->isEnabled());
    d.cbOperand->setCurrentIndex(2);   // M keeps the colours
    EXPECT_EQ(d.FarbeHi, LED_A_HI);
    EXPECT_TRUE(d.cbLEDClickable->isChecked());
    d.cbOperand->setCurrentIndex(3);
    EXPECT_TRUE(d.eDBNr->isEnabled());

    // Choosing a variable selects its radio button.
    d.cbVariable->setCurrentIndex(2);
    EXPECT_TRUE(d.rbLED_Variable->isChecked());
}

TEST_F(LEDDialog, BestehendesObjektBehaeltFarbenUndKlickUndAbbruchAendertNichts)
{
    TMyObj* pObj = ObjektAusZeile(cBestehend);
    const std::string sVorher = pObj->pcGetINIString();
    {
        TDlgLED d(pForm, false, pObj);
        EXPECT_EQ(d.cbOperand->currentIndex(), 1);
        EXPECT_EQ(d.FarbeHi, 255);
        EXPECT_EQ(d.FarbeLo, 128);
        EXPECT_TRUE(d.cbLEDClickable->isChecked());   // an output, but set so
        EXPECT_TRUE(d.rbLED_Variable->isChecked());
        EXPECT_EQ(d.cbVariable->currentText(), "$STOP");
        EXPECT_TRUE(d.cbAnzahl->isHidden());
        EXPECT_TRUE(d.lAnzahl->isHidden());
        EXPECT_TRUE(d.lWieViele->isHidden());
        EXPECT_EQ(d.eHotkey->text(), "K");
        EXPECT_TRUE(d.cbHotkeyAktiv->isChecked());
        EXPECT_EQ(d.lGrafik1File->text(), "<------->");
        EXPECT_EQ(d.lGrafik0File->text(), "<------->");
        EXPECT_EQ(d.cbBit->currentIndex(), 3);
        EXPECT_EQ(d.eByteAdr->text(), "7");
        // Changing everything and cancelling writes nothing.
        d.cbOperand->setCurrentIndex(0);
        EXPECT_EQ(d.FarbeHi, 255);   // the operand rules leave it alone
        EXPECT_TRUE(d.cbLEDClickable->isChecked());
        d.eByteAdr->setText("99");
        d.cbLEDClickable->setChecked(false);
        d.bAbbruch->click();
        EXPECT_EQ(d.result(), 2);
    }
    EXPECT_EQ(pObj->pcGetINIString(), sVorher);

    TDlgLED d(pForm, false, pObj);
    d.bOkClick();
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(pObj->Variable, SYSVAR_STOP);
    EXPECT_TRUE(pObj->Clickable);   // $STOP keeps it
    EXPECT_TRUE(pObj->HotKeyAktiv == false);   // a variable LED has no hot key
    EXPECT_TRUE(pObj->Grafik1.empty());
    EXPECT_TRUE(pObj->Grafik0.empty());
    EXPECT_EQ(pObj->ColorHi, 255);
    EXPECT_EQ(pObj->Op, 'A');
}

TEST_F(LEDDialog, HotkeyOhneAktivFlagWirdAktiv)
{
    TMyObj* pObj = ObjektAusZeile(cBestehend);
    pObj->Variable = 0;
    TDlgLED d(pForm, false, pObj);
    EXPECT_TRUE(d.rbLED_Operand->isChecked());
    EXPECT_TRUE(d.cbHotkeyAktiv->isChecked());
    d.eHotkey->setText("k");   // lower case as typed
    d.bOkClick();
    ASSERT_EQ(d.result(), 1);
    EXPECT_TRUE(pObj->HotKeyAktiv);
    EXPECT_EQ(pObj->HotKey, 'k');
    // A blank clears the flag.
    TDlgLED d2(pForm, false, pObj);
    d2.eHotkey->setText(" ");
    EXPECT_FALSE(d2.cbHotkeyAktiv->isChecked());
}

TEST_F(LEDDialog, HotkeyAusserhalbVonAsciiWirdAbgelehnt)
{
    TMyObj* pObj = ObjektAusZeile(cBestehend);
    const std::string sVorher = pObj->pcGetINIString();
    // "ä" would be stored as its Latin-1 byte, "€" as 0, no key at all.
    for (const char* pcTaste : {"ä", "€"}) {
        TDlgLED d(pForm, false, pObj);
        d.eHotkey->setText(QString::fromUtf8(pcTaste));
        d.bOkClick();
        EXPECT_EQ(d.result(), 0) << pcTaste;
        EXPECT_EQ(Meldungen(), std::vector<std::string>{PoolTextFormat(6704, "%s", pcTaste)});
        EXPECT_EQ(d.eHotkey->text(), QString::fromUtf8(pcTaste));
        d.bAbbruch->click();
        EXPECT_EQ(pObj->pcGetINIString(), sVorher) << pcTaste;
    }
    // Mended in the open dialog, OK takes it.
    TDlgLED d(pForm, false, pObj);
    d.eHotkey->setText(QString::fromUtf8("ä"));
    d.bOkClick();
    EXPECT_EQ(Meldungen().size(), 1u);
    d.eHotkey->setText("7");
    d.bOkClick();
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(pObj->HotKey, '7');
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(LEDDialog, ZahlenAusserhalbIhresFeldesWerdenAbgelehntNichtUmgebrochen)
{
    TMyObj* pObj = NeuesObjekt(LED);
    const std::string sVorher = pObj->pcGetINIString();
    struct Fall { const char* cAdr; const char* cDB; int iErgebnis; unsigned long ulText; };
    const Fall faelle[] = {
        {"5001", "0", 0, 1072},
        {"70000", "0", 0, 1072},   // would wrap to 4464
        {"99999999999", "0", 0, 1072},
        {"12", "65536", 0, 6400},  // would wrap to 0
    };
    for (const Fall& f : faelle) {
        TDlgLED d(pForm, true, pObj);
        // A variable and another operand chosen before the refusal are not
        // stored either.
        d.cbOperand->setCurrentIndex(2);
        d.rbLED_Variable->setChecked(true);
        d.cbVariable->setCurrentIndex(d.cbVariable->findText("$TRUE"));
        d.eByteAdr->setText(f.cAdr);
        d.eDBNr->setText(f.cDB);
        d.bOkClick();
        EXPECT_EQ(d.result(), f.iErgebnis) << f.cAdr << " " << f.cDB;
        EXPECT_EQ(Meldungen(), std::vector<std::string>{PoolText(f.ulText)}) << f.cAdr << " " << f.cDB;
        // Still open with the entry as typed.
        EXPECT_EQ(d.eByteAdr->text(), f.cAdr);
        d.bAbbruch->click();
        EXPECT_EQ(d.result(), 2);
        EXPECT_EQ(pObj->pcGetINIString(), sVorher) << f.cAdr;
    }
    for (const char* cAdr : {"5000", "0", " 0 "}) {
        TDlgLED d(pForm, true, pObj);
        d.eByteAdr->setText(cAdr);
        d.eDBNr->setText("65535");
        d.bOkClick();
        EXPECT_EQ(d.result(), 1) << cAdr;
        EXPECT_EQ(pObj->Adr, std::string(cAdr) == "5000" ? 5000 : 0);
        EXPECT_EQ(pObj->DBNR, 65535);
    }
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(LEDDialog, OKSchreibtJedeEigenschaft)
{
    TMyObj* pObj = NeuesObjekt(LED);
    TDlgLED d(pForm, true, pObj);
    d.cbOperand->setCurrentIndex(3);
    d.eByteAdr->setText("42");
    d.cbBit->setCurrentIndex(6);
    d.eDBNr->setText("17");
    d.cbLEDClickable->setChecked(false);
    d.cbAnzahl->setCurrentIndex(4);
    NaechsteFarbAntwort(0x123456);
    d.bFarbeHi->click();
    NaechsteFarbAntwort(std::nullopt);   // cancelled: the colour stays
    d.bFarbeLo->click();
    const int32_t iLo = d.FarbeLo;
    d.cbGrafikImmerAnzeigen->setChecked(true);
    d.cbGrafikAktivieren->setChecked(true);
    d.cbE_Grundstellung->setCurrentIndex(1);
    d.eHotkey->setText("Z");
    d.cbTaster->setChecked(true);
    d.bOkClick();
    ASSERT_EQ(d.result(), 1);
    EXPECT_EQ(pObj->Op, 'D');
    EXPECT_EQ(pObj->Adr, 42);
    EXPECT_EQ(pObj->Bit, 6);
    EXPECT_EQ(pObj->DBNR, 17);
    EXPECT_FALSE(pObj->Clickable);
    EXPECT_EQ(pObj->Anzahl, 5);
    EXPECT_TRUE(pObj->GrafikAbs);
    EXPECT_TRUE(pObj->GrafikAkt);
    EXPECT_TRUE(pObj->Grundstellung);
    EXPECT_TRUE(pObj->HotKeyAktiv);
    EXPECT_EQ(pObj->HotKey, 'Z');
    EXPECT_TRUE(pObj->Taster);
    EXPECT_EQ(pObj->ColorHi, 0x123456);
    EXPECT_EQ(pObj->ColorLo, iLo);
    EXPECT_EQ(pObj->Variable, 0);

    // The standard colours take the working colours, in memory only.
    d.bStandardOutputFarbe->click();
    EXPECT_EQ(LED_A_HI, 0x123456);
    EXPECT_EQ(LED_A_LO, iLo);
}

// The last bit of a byte and a data block and byte above 255: shown and
// written back as they are, by the operand group that both operand dialogs
// share.
TEST_F(LEDDialog, BitSiebenUndDatenbausteinUeber255KommenGanzZurueck)
{
    TMyObj* pObj = ObjektAusZeile(
        "$Obj=3,$Op=D,$Adr=300,$Bit=7,$ColorHi=255,$ColorLo=128,$DBNR=300,$Clickable=1,"
        "$Variable=0,$x=10,$y=20,$w=12,$h=12");
    ASSERT_EQ(pObj->Bit, 7);
    {
        TDlgLED d(pForm, false, pObj);
        ASSERT_EQ(d.cbBit->count(), 8);
        EXPECT_EQ(d.cbBit->itemText(7), "7");
        EXPECT_EQ(d.cbBit->currentText(), "7");
        EXPECT_EQ(d.eByteAdr->text(), "300");
        EXPECT_EQ(d.eDBNr->text(), "300");
        d.bOkClick();
        ASSERT_EQ(d.result(), 1);
    }
    EXPECT_EQ(pObj->Bit, 7);
    EXPECT_EQ(pObj->Adr, 300);
    EXPECT_EQ(pObj->DBNR, 300);

    pObj->Bit = 2;
    TDlgLED d(pForm, false, pObj);
    d.cbBit->setCurrentIndex(7);
    d.bOkClick();
    ASSERT_EQ(d.result(), 1);
    EXPECT_EQ(pObj->Bit, 7);
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(LEDDialog, VariableTrueLoeschtKlickHotkeyUndAnzahl)
{
    TMyObj* pObj = NeuesObjekt(LED);
    TDlgLED d(pForm, true, pObj);
    d.cbAnzahl->setCurrentIndex(7);
    d.eHotkey->setText("A");
    d.eByteAdr->setText("3");
    d.rbLED_Variable->setChecked(true);
    d.cbVariable->setCurrentIndex(d.cbVariable->findText("$TRUE"));
    d.bOkClick();
    ASSERT_EQ(d.result(), 1);
    EXPECT_EQ(pObj->Variable, SYSVAR_TRUE);
    EXPECT_FALSE(pObj->Clickable);
    EXPECT_FALSE(pObj->HotKeyAktiv);
    EXPECT_EQ(pObj->Anzahl, 1);
    EXPECT_EQ(pObj->Adr, 3);   // the operand is written all the same
    // The variables offered are the boolean ones, in table order.
    QStringList namen;
    for (int i = 0; i < d.cbVariable->count(); ++i) namen << d.cbVariable->itemText(i);
    EXPECT_EQ(namen.join(' '), "$RUN $STOP $PELMORA $SIMATIC_NET $TCPIP_ACTIVE $TRUE $FALSE");
}

TEST_F(LEDDialog, BeideMnemoniken)
{
    // International syntax: the lists show I and Q, and an object stored
    // with the German letter is stored with the international one.
    SprachenSetzen(2, 0);
    TMyObj* pObj = ObjektAusZeile(cBestehend);
    pObj->Variable = 0;
    pObj->Op = 'E';
    {
        TDlgLED d(pForm, false, pObj);
        EXPECT_EQ(d.cbOperand->itemText(0), "I");
        EXPECT_EQ(d.cbOperand->itemText(1), "Q");
        EXPECT_EQ(d.cbOperand->currentIndex(), 0);
        EXPECT_EQ(d.windowTitle().toStdString(), PoolText(1209));
        d.bOkClick();
    }
    EXPECT_EQ(pObj->Op, 'I');
    {
        TDlgLED d(pForm, false, pObj);
        d.cbOperand->setCurrentIndex(1);
        d.bOkClick();
    }
    EXPECT_EQ(pObj->Op, 'Q');
    SprachenSetzen(1, 1);
    TDlgLED d(pForm, false, pObj);
    EXPECT_EQ(d.cbOperand->currentIndex(), 1);
    EXPECT_EQ(d.cbOperand->itemText(1), "A");
    d.bOkClick();
    EXPECT_EQ(pObj->Op, 'A');
}

TEST_F(LEDDialog, VorschauBlinktUndZeigtBeiGrafikEinKreuz)
{
    TMyObj* pObj = NeuesObjekt(LED);
    TDlgLED d(pForm, false, pObj);
    d.FarbeHi = 0x0000FF;   // red
    d.FarbeLo = 0xFF0000;   // blue
    auto Mitte = [&d] { return d.PaintBox->grab().toImage().pixelColor(117 / 2, 40 / 2); };
    d.FarbVorschauZeichnen(true);
    EXPECT_EQ(Mitte(), QColor(255, 0, 0));
    d.FarbVorschauZeichnen(false);
    EXPECT_EQ(Mitte(), QColor(0, 0, 255));
    // The timer alternates, and the state outlives the dialog.
    const bool bVorher = TDlgLED::bBlinkZustand;
    d.Timer1Timer();
    EXPECT_EQ(d.bVorschauEin, bVorher);
    EXPECT_NE(TDlgLED::bBlinkZustand, bVorher);
    {
        TDlgLED d2(pForm, false, pObj);
        d2.Timer1Timer();
        EXPECT_EQ(d2.bVorschauEin, !bVorher);
    }
    EXPECT_TRUE(d.lGrafikIstAktiviert->isHidden());
    d.cbGrafikAktivieren->setChecked(true);
    EXPECT_FALSE(d.bFarbeHi->isEnabled());
    EXPECT_FALSE(d.gbVorschau->isEnabled());
    EXPECT_FALSE(d.lGrafikIstAktiviert->isHidden());
    EXPECT_EQ(d.PaintBox->grab().toImage().pixelColor(0, 0), QColor(0, 0, 0));
    d.cbGrafikAktivieren->setChecked(false);
    EXPECT_TRUE(d.bFarbeLo->isEnabled());
}

TEST_F(LEDDialog, F1UndHilfeKnopfZeigenDieSeite)
{
    TMyObj* pObj = NeuesObjekt(LED);
    TDlgLED d(pForm, false, pObj);
    AufgezeichneteStartsLoeschen();
    // Also when an entry field has the focus.
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(d.eByteAdr, &f1);
    std::string sSeite;
    ASSERT_TRUE(bRegWertLesen(cHilfeSchluessel, cHilfeWert, sSeite));
    EXPECT_EQ(sSeite, cExeVerzeichnis + "__system/HELP/DE/DlgLED.htm");
    EXPECT_EQ(AufgezeichneteStarts().size(), 1u);
    EXPECT_TRUE(Meldungen().empty());
}
