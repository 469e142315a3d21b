// Pictures of LED objects chosen in the dialog (copied into the project
// folder, names the panel file could not keep, failed copies), and the
// screenshots of the four dialogs in both languages and at 150 % font size.
#include "ObjektDialogTestHilfe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DlgAnalog.h"
#include "DlgDynamischerText.h"
#include "DlgLEDForm.h"
#include "DlgNeuStatischerTextForm.h"
#include "HauptForm.h"
#include "Maske.h"
#include "Messbereiche.h"
#include "MyObj.h"
#include "PoolText.h"
#include "WinDialoge.h"

namespace fs = std::filesystem;
using namespace dlgtest;

namespace {

using LEDGrafik = DialogTest;
using Bildschirmfotos = DialogTest;

} // namespace

TEST_F(LEDGrafik, BildVonAussenWirdInDenProjektordnerKopiert)
{
    const fs::path pfAussen = testhilfe::NeuerOrdner("aussen") / "Rot.bmp";
    projekttest::BmpSchreiben(pfAussen, 30, 20, 0xFF0000);
    TMyObj* pObj = NeuesObjekt(LED);
    DialogBeantworten([&pfAussen](QDialog& dlg) {
        auto& d = dynamic_cast<TDlgLED&>(dlg);
        NaechsteDateiAntwort(pfAussen.string());
        d.bGrafik1->click();
        EXPECT_EQ(d.lGrafik1File->text().toStdString(), pfAussen.string());
        EXPECT_FALSE(d.Image1->pixmap().isNull());
        // A file that vanished before it was taken leaves the label alone.
        NaechsteDateiAntwort((pfAussen.parent_path() / "weg.bmp").string());
        d.bGrafik0->click();
        EXPECT_TRUE(d.lGrafik0File->text().isEmpty());
        d.cbGrafikAktivieren->setChecked(true);
        d.bOkClick();
    });
    ASSERT_EQ(pForm->ObjektEigenschaftenDialog(pObj, true), 1);
    EXPECT_TRUE(fs::exists(pfProjekt / "Rot.bmp"));
    EXPECT_EQ(pObj->Grafik1, "Rot.bmp");
    EXPECT_TRUE(pObj->Grafik0.empty());
    // The object now shows the picture at its size.
    EXPECT_NE(pObj->pBild1, nullptr);
    EXPECT_EQ(pObj->w, 30);
    EXPECT_EQ(pObj->h, 20);
    EXPECT_TRUE(Meldungen().empty());

    // Reopened, the label shows the picture in the project folder.
    TDlgLED d(pForm, false, pObj);
    EXPECT_EQ(d.lGrafik1File->text().toStdString(), (pfProjekt / "Rot.bmp").string());
    EXPECT_EQ(d.lGrafik0File->text(), "<------->");
}

TEST_F(LEDGrafik, UnbrauchbareNamenUndFehlgeschlageneKopieLassenDasObjekt)
{
    const fs::path pfAussen = testhilfe::NeuerOrdner("aussen2");
    const fs::path pfKomma = pfAussen / "rot,gruen.bmp";
    const fs::path pfLang = pfAussen / (std::string(110, 'b') + ".bmp");
    const fs::path pfSchluessel = pfAussen / "rot$Grafik0=gruen.bmp";
    const fs::path pfGut = pfAussen / "gut.bmp";
    for (const fs::path& pf : {pfKomma, pfLang, pfSchluessel, pfGut})
        projekttest::BmpSchreiben(pf, 8, 8, 0x00FF00);
    TMyObj* pObj = ObjektAusZeile(
        "$Obj=3,$Op=E,$Adr=1,$Bit=0,$ColorHi=65280,$ColorLo=0,$DBNR=0,$Clickable=1,$Variable=0,"
        "$HotKeyAktiv=0,$HotKey=0,$Grundstellung=0,$GrafikAbs=0,$GrafikAkt=1,$Grafik1=fehlt.bmp,"
        "$Grafik0=,$MoveNr=-1,$MoveAktiv=0,$Taster=0,$x=10,$y=20,$w=12,$h=12");
    const std::string sVorher = pObj->pcGetINIString();
    struct Fall { fs::path pf; std::string sMaskenordner; unsigned long ulText; std::string sArgument; };
    const Fall faelle[] = {
        {pfKomma, cMaskenVerzeichnis, 6402, "rot,gruen.bmp"},
        {pfLang, cMaskenVerzeichnis, 6402, pfLang.filename().string()},
        // Read back, the line would find the other picture's key in it.
        {pfSchluessel, cMaskenVerzeichnis, 6705, "rot$Grafik0=gruen.bmp"},
        {pfGut, "/gibt/es/nicht/", 6401, pfGut.string()},
    };
    const std::string sMaskenordner = cMaskenVerzeichnis;
    for (const Fall& f : faelle) {
        TDlgLED d(pForm, false, pObj);
        NaechsteDateiAntwort(f.pf.string());
        d.bGrafik0->click();
        d.eByteAdr->setText("9");
        cMaskenVerzeichnis = f.sMaskenordner;
        d.bOkClick();
        cMaskenVerzeichnis = sMaskenordner;
        EXPECT_EQ(d.result(), 0) << f.pf;
        EXPECT_EQ(Meldungen(), std::vector<std::string>{PoolTextFormat(f.ulText, "%s", f.sArgument.c_str())});
        d.bAbbruch->click();
        EXPECT_EQ(pObj->pcGetINIString(), sVorher) << f.pf;
    }
    // A stored picture missing from the project folder keeps its name and
    // is not reported.
    TDlgLED d(pForm, false, pObj);
    EXPECT_EQ(d.lGrafik1File->text().toStdString(), cMaskenVerzeichnis + "fehlt.bmp");
    d.bOkClick();
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(pObj->Grafik1, "fehlt.bmp");
    EXPECT_TRUE(Meldungen().empty());
}

namespace {

// Every caption of the dialog is shown whole: no control is narrower than
// its text needs.
void AllesLesbar(QDialog& dlg, const std::string& sName)
{
    dlg.show();
    QApplication::processEvents();
    for (QWidget* w : dlg.findChildren<QWidget*>()) {
        auto* l = qobject_cast<QLabel*>(w);
        auto* b = qobject_cast<QAbstractButton*>(w);
        if ((!l && !b) || !w->isVisible()) continue;
        if (l && (l->wordWrap() || l->text().isEmpty())) continue;
        EXPECT_GE(w->width(), w->minimumSizeHint().width()) << sName << " " << w->objectName().toStdString();
    }
    dlg.hide();
}

} // namespace

TEST_F(Bildschirmfotos, JederDialogDeutschUndEnglisch)
{
    Messbereich Tabelle[2];
    Tabelle[0].fOberwert = 10;
    Tabelle[0].cEinheit = "V";
    Tabelle[0].iNachkommastellen = 2;
    Tabelle[0].cName = "0 - 10 V";
    Tabelle[1].fOberwert = 20;
    Tabelle[1].fUnterwert = 4;
    Tabelle[1].cEinheit = "mA";
    Tabelle[1].cName = "4 - 20 mA";
    const QFont Normal = QApplication::font();
    struct Lauf { unsigned char ucSprache; const char* cEndung; double dSkala; };
    for (const Lauf& l : {Lauf{1, "de", 1.0}, Lauf{2, "en", 1.0}, Lauf{1, "de_150", 1.5}}) {
        SprachenSetzen(l.ucSprache, l.ucSprache == 1 ? 1 : 0);
        QFont f = Normal;
        f.setPointSizeF(Normal.pointSizeF() * l.dSkala);
        QApplication::setFont(f);
        TMyObj* pLED = NeuesObjekt(LED);
        TMyObj* pText = NeuesObjekt(Statische_Beschriftung);
        TMyObj* pDyn = NeuesObjekt(Dynamische_Beschriftung);
        TMyObj* pAnalog = NeuesObjekt(AnalogEingang);
        pAnalog->Op = 'E';
        const std::string e = l.cEndung;
        {
            TDlgLED d(pForm, true, pLED);
            AllesLesbar(d, "led");
            EXPECT_TRUE(DialogFotografieren(d, "dialog_led_" + e));
        }
        {
            TDlgNeuStatischerText d(pForm, true, pText);
            AllesLesbar(d, "statisch");
            EXPECT_TRUE(DialogFotografieren(d, "dialog_statischer_text_" + e));
        }
        {
            TDlgDynamischerTextForm d(pForm, true, pDyn);
            AllesLesbar(d, "dynamisch");
            EXPECT_TRUE(DialogFotografieren(d, "dialog_dynamischer_text_" + e));
        }
        {
            TDlgAnalog d(pForm, Tabelle, 2, pAnalog);
            AllesLesbar(d, "analog");
            EXPECT_TRUE(DialogFotografieren(d, "dialog_analog_" + e));
        }
    }
    QApplication::setFont(Normal);
}
