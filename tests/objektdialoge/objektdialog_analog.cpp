// The analog object dialog, and the main window's opening of the property
// dialog by the object's kind.
#include "ObjektDialogTestHilfe.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "DlgAnalog.h"
#include "DlgDynamischerText.h"
#include "DlgLEDForm.h"
#include "DlgNeuStatischerTextForm.h"
#include "HauptForm.h"
#include "Messbereiche.h"
#include "MyObj.h"
#include "PoolText.h"
#include "WinDialoge.h"

using namespace dlgtest;

namespace {

Messbereich Bereich(float fUnter, float fOber, int iStellen, const char* cEinheit, const char* cName)
{
    Messbereich b;
    b.fUnterwert = fUnter;
    b.fOberwert = fOber;
    b.iNachkommastellen = iStellen;
    b.cEinheit = cEinheit;
    b.cName = cName;
    return b;
}

struct AnalogDialog : DialogTest {
    Messbereich Tabelle[3] = {Bereich(0, 10, 2, "V", "0 - 10 V"), Bereich(4, 20, 1, "mA", "4 - 20 mA"),
                              Bereich(-50, 150, 3, "C", "-50 - 150 C")};
    const char* cEingang =
        "$Obj=5,$Op=E,$Adr=256,$DefaultE=50.00,$ColorHi=0,$Aufl=12,$Messb=0,$Ausrichtung=,"
        "$AdrAnzeigen=1,$IstwertAnzeigen=0,$MoveNr=-1,$MoveAktiv=0,$x=10,$y=10,$w=20,$h=80";
};

using ObjektDialogOeffnen = AnalogDialog;

} // namespace

TEST_F(AnalogDialog, OeffnenZeigtDasObjektOhneEsZuAendern)
{
    TMyObj* pObj = ObjektAusZeile(cEingang);
    const std::string sVorher = pObj->pcGetINIString();
    TDlgAnalog d(pForm, Tabelle, 3, pObj);
    EXPECT_EQ(d.BaugruppenArtLabel->text().toStdString(), PoolText(1019));
    EXPECT_EQ(d.AdresseEdit->text(), "256");
    EXPECT_TRUE(d.rbOben->isChecked());   // no direction yet
    EXPECT_EQ(d.iAufloesung(), 4);
    EXPECT_TRUE(d.AufloesungRadioGroup->isEnabled());
    EXPECT_TRUE(d.eGrundstellung->isEnabled());
    EXPECT_EQ(d.eGrundstellung->text(), "10.00");   // shown within the range
    EXPECT_TRUE(d.cbAdresseAnzeigen->isChecked());
    ASSERT_EQ(d.MessbereicheCheckListBox->count(), 3);
    EXPECT_EQ(d.MessbereicheCheckListBox->item(1)->text(), "4 - 20 mA");
    EXPECT_EQ(d.MessbereicheCheckListBox->item(0)->checkState(), Qt::Checked);

    // The range list keeps exactly one tick.
    d.MessbereicheCheckListBox->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(d.MessbereicheCheckListBox->item(0)->checkState(), Qt::Checked);
    d.MessbereicheCheckListBox->item(2)->setCheckState(Qt::Checked);
    EXPECT_EQ(d.MessbereicheCheckListBox->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(d.iMessb, 2);
    d.DlgPageControl->setCurrentWidget(d.tsGrundstellung);
    EXPECT_EQ(d.lGrundstellungEinheit->text(), "(-50 ... 150 C)");   // 3 decimals: none shown
    d.DlgPageControl->setCurrentIndex(0);

    d.AbbruchButton->click();
    EXPECT_EQ(d.result(), 2);
    EXPECT_EQ(pObj->pcGetINIString(), sVorher);
    EXPECT_EQ(TDlgAnalog::BereichText(Tabelle[0]), "(0.00 ... 10.00 V)");
    EXPECT_EQ(TDlgAnalog::BereichText(Tabelle[1]), "(4.0 ... 20.0 mA)");
}

TEST_F(AnalogDialog, AdressenWerdenGeprueftUndOKSchreibt)
{
    TMyObj* pObj = ObjektAusZeile(cEingang);
    const std::string sVorher = pObj->pcGetINIString();
    const std::string sBereich = PoolTextFormat(1017, "%d%d", 0, 2047);
    EXPECT_NE(sBereich.find("2047"), std::string::npos);
    struct Fall { const char* cAdr; std::string sText; };
    for (const Fall& f : {Fall{"2047", PoolText(1018)}, Fall{"2048", sBereich}, Fall{"-2", sBereich},
                          Fall{"70000", sBereich}, Fall{"3", PoolText(1018)}}) {
        TDlgAnalog d(pForm, Tabelle, 3, pObj);
        d.AdresseEdit->setText(f.cAdr);
        d.rbLinks->setChecked(true);
        d.MessbereicheCheckListBox->item(1)->setCheckState(Qt::Checked);
        d.OKButton->click();
        EXPECT_EQ(d.result(), 0) << f.cAdr;
        EXPECT_EQ(Meldungen(), std::vector<std::string>{f.sText}) << f.cAdr;
        d.reject();
        EXPECT_EQ(d.result(), 2);
        EXPECT_EQ(pObj->pcGetINIString(), sVorher) << f.cAdr;
    }
    TDlgAnalog d(pForm, Tabelle, 3, pObj);
    d.AdresseEdit->setText("2046");
    d.rbRechts->setChecked(true);
    d.AufloesungKnoepfe->button(7)->setChecked(true);
    d.MessbereicheCheckListBox->item(1)->setCheckState(Qt::Checked);
    d.eGrundstellung->setText("99999");
    d.cbAdresseAnzeigen->setChecked(false);
    d.cbIstwertAnzeigen->setChecked(true);
    d.OKButton->click();
    ASSERT_EQ(d.result(), 1);
    EXPECT_EQ(pObj->Adr, 2046);
    EXPECT_EQ(pObj->Ausrichtung, 'r');
    EXPECT_EQ(pObj->Aufl, 15);
    EXPECT_EQ(pObj->Messb, 1);
    EXPECT_FLOAT_EQ(pObj->DefaultE, 20.0f);   // clamped to the range
    EXPECT_FALSE(pObj->AdrAnzeigen);
    EXPECT_TRUE(pObj->IstwertAnzeigen);
    EXPECT_EQ(pObj->Anzahl, 1);
    EXPECT_TRUE(Meldungen().empty());

    TDlgAnalog d2(pForm, Tabelle, 3, pObj);
    d2.eGrundstellung->setText("-1000");
    d2.OKButton->click();
    EXPECT_FLOAT_EQ(pObj->DefaultE, 4.0f);
}

TEST_F(AnalogDialog, AusgangSperrtAufloesungUndGrundstellung)
{
    TMyObj* pObj = ObjektAusZeile(
        "$Obj=6,$Op=Q,$Adr=300,$DefaultE=0.00,$ColorHi=0,$Aufl=3,$Messb=7,$Ausrichtung=u,"
        "$AdrAnzeigen=0,$IstwertAnzeigen=1,$MoveNr=-1,$MoveAktiv=0,$x=10,$y=10,$w=20,$h=80");
    TDlgAnalog d(pForm, Tabelle, 3, pObj);
    EXPECT_EQ(d.BaugruppenArtLabel->text().toStdString(), PoolText(1020));
    EXPECT_FALSE(d.AufloesungRadioGroup->isEnabled());
    EXPECT_FALSE(d.gbGrundstellung->isEnabled());
    EXPECT_FALSE(d.eGrundstellung->isEnabled());
    EXPECT_TRUE(d.rbUnten->isChecked());
    EXPECT_EQ(d.iAufloesung(), 0);   // out of 8..15: the first item
    // A range index beyond the table ticks nothing and shows no limits.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(d.MessbereicheCheckListBox->item(i)->checkState(), Qt::Unchecked);
    d.DlgPageControl->setCurrentWidget(d.tsGrundstellung);
    EXPECT_TRUE(d.lGrundstellungEinheit->text().isEmpty());
    d.OKButton->click();
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(pObj->Messb, 7);
    EXPECT_EQ(pObj->Aufl, 8);
}

TEST_F(ObjektDialogOeffnen, NachArtMitDenTabellenDerRichtung)
{
    for (int i = 0; i < 3; ++i) MessbereicheEingabe[i] = Tabelle[i];
    MessbereicheAusgabe[0] = Bereich(0, 100, 0, "%", "Ausgang 0 - 100 %");
    iAnzahlMessbereicheEingabe = 3;
    iAnzahlMessbereicheAusgabe = 1;

    // Kinds without a dialog: 0 and no dialog at all.
    TMyObj* pGrafik = NeuesObjekt(Grafik);
    bool bGezeigt = false;
    ModalAntworterSetzen([&bGezeigt](QDialog&) {
        bGezeigt = true;
        return 2;
    });
    EXPECT_EQ(pForm->ObjektEigenschaftenDialog(pGrafik, false), 0);
    EXPECT_FALSE(bGezeigt);

    int iListe = -1;
    TMyObj* pEin = NeuesObjekt(AnalogEingang);
    pEin->Op = 'E';
    DialogBeantworten([&iListe](QDialog& dlg) {
        auto* d = qobject_cast<TDlgAnalog*>(&dlg);
        ASSERT_NE(d, nullptr);
        iListe = d->MessbereicheCheckListBox->count();
        d->AdresseEdit->setText("64");
        d->OnClickButtonOK();
    });
    EXPECT_EQ(pForm->ObjektEigenschaftenDialog(pEin, true), 1);
    EXPECT_EQ(iListe, 3);
    EXPECT_EQ(pEin->Adr, 64);

    TMyObj* pAus = NeuesObjekt(AnalogerAusgang);
    pAus->Op = 'A';
    const std::string sVorher = pAus->pcGetINIString();
    QString sName;
    DialogBeantworten([&sName](QDialog& dlg) {
        auto* d = qobject_cast<TDlgAnalog*>(&dlg);
        ASSERT_NE(d, nullptr);
        sName = d->MessbereicheCheckListBox->item(0)->text();
        d->AdresseEdit->setText("66");
        d->reject();
    });
    EXPECT_EQ(pForm->ObjektEigenschaftenDialog(pAus, false), 2);
    EXPECT_EQ(sName, "Ausgang 0 - 100 %");
    EXPECT_EQ(pAus->pcGetINIString(), sVorher);
    iAnzahlMessbereicheEingabe = iAnzahlMessbereicheAusgabe = 0;
}

TEST_F(ObjektDialogOeffnen, TexteUndLEDWendenIhreEigenschaftenNachOKAn)
{
    pForm->StatusTextSetzen(pForm->iPanelMeldung, "alt");
    // A static text read narrower than its text: Cancel keeps its width,
    // OK widens it to the text.
    TMyObj* pText = ObjektAusZeile(
        "$Obj=1,$ColorH=0,$ColorT=255,$x=5,$y=5,$w=4,$h=14,$Transparent=0,$MoveNr=-1,$MoveAktiv=0,"
        "$Text=Ein langer Text");
    const std::string sVorher = pText->pcGetINIString();
    DialogBeantworten([](QDialog& dlg) {
        ASSERT_NE(qobject_cast<TDlgNeuStatischerText*>(&dlg), nullptr);
        dlg.reject();
    });
    EXPECT_EQ(pForm->ObjektEigenschaftenDialog(pText, false), 2);
    EXPECT_EQ(pText->pcGetINIString(), sVorher);
    EXPECT_STREQ(pForm->StatusPanels[pForm->iPanelMeldung].cText, "");
    DialogBeantworten([](QDialog& dlg) { static_cast<TDlgNeuStatischerText&>(dlg).bOkClick(); });
    EXPECT_EQ(pForm->ObjektEigenschaftenDialog(pText, false), 1);
    EXPECT_GT(pText->w, 4);

    TMyObj* pDyn = NeuesObjekt(Dynamische_Beschriftung);
    DialogBeantworten([](QDialog& dlg) {
        auto& d = dynamic_cast<TDlgDynamischerTextForm&>(dlg);
        EXPECT_TRUE(d.bNeuesObjekt);
        d.eByteAdr->setText("8");
        d.bOkClick();
    });
    EXPECT_EQ(pForm->ObjektEigenschaftenDialog(pDyn, true), 1);
    EXPECT_EQ(pDyn->Adr, 8);

    TMyObj* pLED = NeuesObjekt(LED);
    DialogBeantworten([](QDialog& dlg) {
        auto& d = dynamic_cast<TDlgLED&>(dlg);
        d.cbAnzahl->setCurrentIndex(2);
        d.bOkClick();
    });
    EXPECT_EQ(pForm->ObjektEigenschaftenDialog(pLED, true), 1);
    EXPECT_EQ(pLED->Anzahl, 3);
}
