// The static text and dynamic text dialogs: previews, lists, what OK writes
// (commas removed, sizes, the rules for variables and data-block bits) and
// what Cancel keeps; help only where the dialog has it.
#include "ObjektDialogTestHilfe.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "DlgDynamischerText.h"
#include "DlgNeuStatischerTextForm.h"
#include "HauptForm.h"
#include "Hilfe.h"
#include "MyObj.h"
#include "PoolText.h"
#include "Programm.h"
#include "SystemVariablen.h"
#include "WinDialoge.h"
#include "WinProzess.h"
#include "WinRegistry.h"
#include "kolv_d7ed.h"

using namespace dlgtest;

namespace {

using StatischerText = DialogTest;
using DynamischerText = DialogTest;

int iBreite(const TMyObj* pObj, const std::string& s)
{
    return QFontMetrics(pObj->font()).horizontalAdvance(QString::fromStdString(s));
}

QStringList Eintraege(const QComboBox* p)
{
    QStringList l;
    for (int i = 0; i < p->count(); ++i) l << p->itemText(i);
    return l;
}

} // namespace

TEST_F(StatischerText, VorschauUndKommasUndLeererText)
{
    TMyObj* pObj = NeuesObjekt(Statische_Beschriftung);
    TDlgNeuStatischerText d(pForm, true, pObj);
    EXPECT_EQ(d.eText->text().toStdString(), PoolText(1261));
    struct Fall { const char* cText; const char* cMuster; };
    for (const Fall& f : {Fall{"$rRechts", "Rechts"}, Fall{"$lLinks", "Links"}, Fall{"$cMitte", "Mitte"},
                          Fall{"$xAnders", "$xAnders"}, Fall{"", "   "}, Fall{"$r", ""}}) {
        d.eText->setText(f.cText);
        EXPECT_EQ(d.LabelMuster->text(), f.cMuster) << f.cText;
    }
    d.eText->setText("Motor, links,12.6");
    d.bOkClick();
    ASSERT_EQ(d.result(), 1);
    EXPECT_EQ(pObj->Text0, "Motor links12.6");

    TDlgNeuStatischerText d2(pForm, false, pObj);
    d2.eText->clear();
    d2.bOkClick();
    EXPECT_EQ(pObj->Text0, std::string(15, ' '));

    // A text longer than the object keeps is cut to it.
    TDlgNeuStatischerText d3(pForm, false, pObj);
    d3.eText->setText(QString(1500, QLatin1Char('x')));
    d3.bOkClick();
    EXPECT_EQ(pObj->Text0.size(), 1023u);
}

TEST_F(StatischerText, NeuUndBestehendFarbenOKUndAbbruch)
{
    TMyObj* pObj = NeuesObjekt(Statische_Beschriftung);
    {
        TDlgNeuStatischerText d(pForm, true, pObj);
        EXPECT_FALSE(d.cbAdresseErhoehen->isHidden());
        EXPECT_TRUE(d.cbAdresseErhoehen->isChecked());
        EXPECT_FALSE(d.cbAnzahl->isHidden());
        EXPECT_EQ(d.cbAnzahl->currentText(), "1");
        d.cbAnzahl->setCurrentIndex(3);
        d.cbAdresseErhoehen->setChecked(false);
        d.cbTransparent->setChecked(true);
        NaechsteFarbAntwort(0x0000FF);
        d.bTextfarbe->click();
        NaechsteFarbAntwort(std::nullopt);
        d.bHintergrundfarbe->click();
        EXPECT_EQ(d.iMusterHintergrund, 0xC0C0C0);   // cancelled: unchanged
        EXPECT_EQ(d.LabelMuster->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        d.eText->setText("Ein recht langer Text fuer die Breite");
        d.bOkClick();
    }
    EXPECT_EQ(pObj->Anzahl, 4);
    EXPECT_FALSE(pObj->AdresseErhoehen);
    EXPECT_TRUE(pObj->Transparent);
    EXPECT_EQ(pObj->ColorLo, 0x0000FF);
    EXPECT_EQ(pObj->ColorHi, 0xC0C0C0);
    EXPECT_GE(pObj->w, iBreite(pObj, pObj->Text0) + 2);

    const std::string sVorher = pObj->pcGetINIString();
    TDlgNeuStatischerText d(pForm, false, pObj);
    EXPECT_TRUE(d.cbAdresseErhoehen->isHidden());
    EXPECT_TRUE(d.cbAnzahl->isHidden());
    EXPECT_TRUE(d.lAnzahl->isHidden());
    EXPECT_TRUE(d.cbTransparent->isChecked());
    d.eText->setText("anders");
    d.cbTransparent->setChecked(false);
    NaechsteFarbAntwort(0x00FF00);
    d.bHintergrundfarbe->click();
    d.bAbbruch->click();
    EXPECT_EQ(d.result(), 2);
    EXPECT_EQ(pObj->pcGetINIString(), sVorher);

    // No F1 here; the help button shows the page.
    AufgezeichneteStartsLoeschen();
    bRegWertSchreiben(cHilfeSchluessel, cHilfeWert, "vorher");
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(d.eText, &f1);
    std::string sSeite;
    bRegWertLesen(cHilfeSchluessel, cHilfeWert, sSeite);
    EXPECT_EQ(sSeite, "vorher");
    d.bHilfe->click();
    bRegWertLesen(cHilfeSchluessel, cHilfeWert, sSeite);
    EXPECT_EQ(sSeite, cExeVerzeichnis + "__system/HELP/DE/DlgStatischerText.htm");
}

TEST_F(DynamischerText, BreiteFiltertFormateUndTextseite)
{
    TMyObj* pObj = NeuesObjekt(Dynamische_Beschriftung);
    TDlgDynamischerTextForm d(pForm, true, pObj);
    EXPECT_EQ(d.cbBitBreite->currentText(), "BIT");
    EXPECT_EQ(Eintraege(d.cbDarstellung).join(' '), "DECIMAL");
    EXPECT_TRUE(d.eText1->isEnabled());
    d.cbTextanzeigeAktivieren->setChecked(true);
    d.cbBitBreite->setCurrentIndex(1);
    EXPECT_EQ(Eintraege(d.cbDarstellung).join(' '), "DECIMAL DECIMAL_SIGNED HEX DUAL");
    EXPECT_FALSE(d.cbTextanzeigeAktivieren->isChecked());
    EXPECT_FALSE(d.cbTextanzeigeAktivieren->isEnabled());
    EXPECT_FALSE(d.eText0->isEnabled());
    d.cbBitBreite->setCurrentIndex(3);
    EXPECT_EQ(Eintraege(d.cbDarstellung).join(' '), "DECIMAL DECIMAL_SIGNED HEX DUAL REAL");
    EXPECT_EQ(Eintraege(d.cbOperand).join(' '), "E A M D P");
    EXPECT_EQ(Eintraege(d.cbVariable).join(' '), "$CYCLIC_COUNTER $IP_ADR $COUNT_S7_COMANDS");
    // A new object shows its operand before the value.
    EXPECT_TRUE(d.cbAnzeigeMitOperand->isChecked());
    EXPECT_FALSE(pObj->MitOpAnzeigen);
    EXPECT_FALSE(d.eDBNr->isEnabled());
    d.cbOperand->setCurrentIndex(3);
    EXPECT_TRUE(d.eDBNr->isEnabled());
}

// The preview shows operand and value as the object shows them after OK
// (it showed the object's old operand: "0.0=0" for a new one, "B0=000" or
// a stale "MB30=255" after M, 30, BYTE); a text OK would refuse leaves the
// last valid operand; a byte, word or double word has no bit to choose.
TEST_F(DynamischerText, VorschauZeigtWasOKSpeichertUndLaesstDasObjekt)
{
    D7ED_GetMPtr()[30] = 255;
    D7ED_GetMPtr()[31] = 1;
    TMyObj* pNeu = NeuesObjekt(Dynamische_Beschriftung);
    {
        TDlgDynamischerTextForm d(pForm, true, pNeu);
        const TMyObjFelder Vorher = *pNeu;
        EXPECT_EQ(d.LabelMuster->text(), "E0.0=0");
        EXPECT_TRUE(d.cbBit->isEnabled());
        d.cbOperand->setCurrentIndex(2);
        d.eByteAdr->setText("30");
        d.cbBit->setCurrentIndex(3);
        EXPECT_EQ(d.LabelMuster->text(), "M30.3=1");
        d.cbBitBreite->setCurrentIndex(1);
        EXPECT_EQ(d.LabelMuster->text(), "MB30=255 ");
        EXPECT_FALSE(d.cbBit->isEnabled());
        d.cbBitBreite->setCurrentIndex(2);
        EXPECT_EQ(d.LabelMuster->text(), "MW30=65281 ");
        EXPECT_FALSE(d.cbBit->isEnabled());
        d.cbBitBreite->setCurrentIndex(3);
        EXPECT_FALSE(d.cbBit->isEnabled());
        d.cbBitBreite->setCurrentIndex(1);
        for (const char* pc : {"30x", "5001", "3 0"}) {
            d.eByteAdr->setText(pc);
            EXPECT_EQ(d.LabelMuster->text(), "MB30=255 ") << pc;
        }
        d.eByteAdr->setText("31");
        EXPECT_EQ(d.LabelMuster->text(), "MB31=001 ");
        d.cbOperand->setCurrentIndex(3);
        d.eDBNr->setText("7");
        EXPECT_EQ(d.LabelMuster->text().left(10), "DB7.DBB31=");
        d.eDBNr->setText("7a");
        EXPECT_EQ(d.LabelMuster->text().left(10), "DB7.DBB31=");
        d.cbOperand->setCurrentIndex(2);
        EXPECT_TRUE(static_cast<const TMyObjFelder&>(*pNeu) == Vorher) << "the object keeps its fields";
        d.bOkClick();
        ASSERT_EQ(d.result(), 1);
        EXPECT_EQ(d.LabelMuster->text().toStdString(), pNeu->pcGetDynamicText(pNeu->dwGetWertVonObj()));
    }
    EXPECT_EQ(pNeu->Adr, 31);

    TMyObj* pObj = NeuesObjekt(Dynamische_Beschriftung);
    pObj->Op = 'M';
    pObj->Adr = 10;
    pObj->OpGroesse = 2;
    D7ED_GetMPtr()[10] = 0x12;
    D7ED_GetMPtr()[11] = 0x34;
    TDlgDynamischerTextForm d(pForm, false, pObj);
    EXPECT_EQ(d.cbBitBreite->currentText(), "WORD");
    EXPECT_EQ(d.LabelMuster->text(), "04660 ");
    d.cbDarstellung->setCurrentIndex(2);
    EXPECT_EQ(d.LabelMuster->text(), "0x1234 ");
    d.cbAnzeigeMitOperand->setChecked(true);
    EXPECT_EQ(d.LabelMuster->text(), "MW10=0x1234 ");
    d.rbText_Variable->click();
    d.cbVariable->setCurrentIndex(1);
    EXPECT_EQ(d.LabelMuster->text().toStdString(), IPAdresseText());
    d.rbText_Operand->click();
    d.cbBitBreite->setCurrentIndex(0);
    d.cbTextanzeigeAktivieren->setChecked(true);
    d.eText1->setText("an");
    d.eText0->setText("a,us");
    EXPECT_EQ(d.LabelMuster->text(), "aus") << "M10.0 is 0";
    EXPECT_EQ(pObj->OpGroesse, 2);
    EXPECT_EQ(pObj->Darstellung, 0);
    EXPECT_FALSE(pObj->MitOpAnzeigen);
    EXPECT_EQ(pObj->Variable, 0);
    NaechsteFarbAntwort(0x00FF00);
    d.bFarbeH->click();
    EXPECT_EQ(d.LabelMuster->palette().color(QPalette::Window), QColor(0, 255, 0));
}

TEST_F(DynamischerText, OKSchreibtUndPasstDieGroesseAn)
{
    TMyObj* pObj = NeuesObjekt(Dynamische_Beschriftung);
    {
        TDlgDynamischerTextForm d(pForm, true, pObj);
        d.cbOperand->setCurrentIndex(1);
        d.cbBitBreite->setCurrentIndex(0);
        d.eByteAdr->setText("12");
        d.cbBit->setCurrentIndex(5);
        d.cbTextanzeigeAktivieren->setChecked(true);
        d.eText1->setText("iii,");
        d.eText0->setText("W,WW");
        d.cbAnzahl->setCurrentIndex(2);
        d.cbOpVeraenderbar->setChecked(true);
        d.bOkClick();
        ASSERT_EQ(d.result(), 1);
    }
    EXPECT_EQ(pObj->Op, 'A');
    EXPECT_EQ(pObj->Adr, 12);
    EXPECT_EQ(pObj->Bit, 5);
    EXPECT_EQ(pObj->OpGroesse, 0);
    EXPECT_TRUE(pObj->BoolText);
    EXPECT_EQ(pObj->Text1, "iii");
    EXPECT_EQ(pObj->Text0, "WWW");
    EXPECT_EQ(pObj->Anzahl, 3);
    EXPECT_TRUE(pObj->MitOpAnzeigen);
    EXPECT_TRUE(pObj->Clickable);
    // Equal lengths: measured on the text for 1.
    EXPECT_EQ(pObj->w, iBreite(pObj, "iii") + 2);
    EXPECT_EQ(pObj->h, QFontMetrics(pObj->font()).height());

    // A data-block bit cannot be set by a click; a data-block byte can.
    for (int iBreiteIndex : {0, 1}) {
        TDlgDynamischerTextForm d(pForm, false, pObj);
        d.cbOperand->setCurrentIndex(3);
        d.cbBitBreite->setCurrentIndex(iBreiteIndex);
        d.cbOpVeraenderbar->setChecked(true);
        d.cbAnzeigeMitOperand->setChecked(false);
        d.bOkClick();
        EXPECT_EQ(pObj->Clickable, iBreiteIndex == 1);
    }
    EXPECT_FALSE(pObj->BoolText);
    EXPECT_EQ(pObj->OpGroesse, 1);
    EXPECT_EQ(pObj->w, iBreite(pObj, "-" + pObj->pcGetDynamicText(pObj->dwGetWertVonObj()) + "-"));

    // A counter variable: word, decimal, the width of "-65000-", inserted once.
    {
        TDlgDynamischerTextForm d(pForm, true, pObj);
        d.cbAnzahl->setCurrentIndex(5);
        d.rbText_Variable->click();
        EXPECT_EQ(d.cbAnzahl->currentIndex(), 0);
        EXPECT_FALSE(d.cbAnzahl->isEnabled());
        d.cbVariable->setCurrentIndex(0);
        d.cbBitBreite->setCurrentIndex(3);
        d.cbDarstellung->setCurrentIndex(4);
        d.bOkClick();
    }
    EXPECT_EQ(pObj->Variable, SYSVAR_CYCLIC_COUNTER);
    EXPECT_EQ(pObj->OpGroesse, 2);
    EXPECT_EQ(pObj->Darstellung, 0);
    EXPECT_EQ(pObj->Anzahl, 1);
    EXPECT_EQ(pObj->w, iBreite(pObj, "-65000-"));
    {
        TDlgDynamischerTextForm d(pForm, false, pObj);
        EXPECT_TRUE(d.rbText_Variable->isChecked());
        EXPECT_FALSE(d.cbAnzahl->isEnabled());
        d.cbVariable->setCurrentIndex(1);
        d.bOkClick();
    }
    EXPECT_EQ(pObj->Variable, SYSVAR_IP_ADR);
    EXPECT_EQ(pObj->w, iBreite(pObj, IPAdresseText()) + 2);
}

TEST_F(DynamischerText, AbgelehnteZahlenUndAbbruchLassenDasObjekt)
{
    TMyObj* pObj = NeuesObjekt(Dynamische_Beschriftung);
    pObj->Op = 'M';
    pObj->Adr = 4;
    // The object formats its shown value into its line when it paints.
    pObj->Zeichnen();
    const std::string sVorher = pObj->pcGetINIString();
    struct Fall { const char* cAdr; const char* cDB; unsigned long ulText; };
    for (const Fall& f : {Fall{"5001", "1", 1072}, Fall{"70000", "1", 1072},
                          Fall{"10", "70000", 6400}}) {
        TDlgDynamischerTextForm d(pForm, false, pObj);
        d.cbOperand->setCurrentIndex(3);
        d.cbBitBreite->setCurrentIndex(2);
        d.eByteAdr->setText(f.cAdr);
        d.eDBNr->setText(f.cDB);
        d.bOkClick();
        EXPECT_EQ(d.result(), 0) << f.cAdr;
        EXPECT_EQ(Meldungen(), std::vector<std::string>{PoolText(f.ulText)});
        d.bAbbruch->click();
        EXPECT_EQ(d.result(), 2);
        EXPECT_EQ(pObj->pcGetINIString(), sVorher) << f.cAdr;
    }
    TDlgDynamischerTextForm d(pForm, false, pObj);
    d.eByteAdr->setText("5000");
    d.bOkClick();
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(pObj->Adr, 5000);
}

TEST_F(DynamischerText, InternationaleMnemonikUndF1)
{
    SprachenSetzen(2, 0);
    TMyObj* pObj = NeuesObjekt(Dynamische_Beschriftung);
    pObj->Op = 'A';
    TDlgDynamischerTextForm d(pForm, false, pObj);
    EXPECT_EQ(Eintraege(d.cbOperand).join(' '), "I Q M D P");
    EXPECT_EQ(d.cbOperand->currentIndex(), 1);
    EXPECT_EQ(d.windowTitle().toStdString(), PoolText(1053));
    AufgezeichneteStartsLoeschen();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&d, &f1);
    std::string sSeite;
    bRegWertLesen(cHilfeSchluessel, cHilfeWert, sSeite);
    EXPECT_EQ(sSeite, cExeVerzeichnis + "__system/HELP/EN/DlgDynamischerText.htm");
    d.bOkClick();
    EXPECT_EQ(pObj->Op, 'Q');
}
