#include "DlgLEDForm.h"

#include "BildBibliothek.h"
#include "FormDialoge.h"
#include "MaskenUmgebung.h"
#include "Dateinamen.h"
#include "ProgrammWerte.h"
#include "MyObj.h"
#include "PoolText.h"
#include "SystemVariablen.h"
#include "WinDialoge.h"
#include "WinText.h"
#include "harlenzutils40.h"
#include "kolv_spr2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

bool TDlgLED::bBlinkZustand = false;

// Texte: 1003, 1055-1058, 1061, 1067, 1209-1226, 1228-1231

namespace {

QPushButton* Knopf(QWidget* pEltern, const char* pcName)
{
    auto* p = ElementAnlegen<QPushButton>(pEltern, pcName);
    p->setAutoDefault(false);
    return p;
}

bool bHatGrafik(const QLabel* pLabel)
{
    return !pLabel->text().isEmpty() && pLabel->text() != QLatin1String(TDlgLED::cKeineGrafik);
}

void BildZeigen(QLabel* pBild, const QString& sPfad)
{
    QImage Bild;
    // The label shows a name from Windows in its reading; the file keeps
    // its bytes on disk.
    const std::string sDatei = DateiPfadFinden(sPfad.toStdString());
    if (sDatei.empty() || !bBildLaden(sDatei, Bild)) return;
    QPixmap pm = QPixmap::fromImage(Bild);
    if (pm.width() > pBild->width() || pm.height() > pBild->height())
        pm = pm.scaled(pBild->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pBild->setPixmap(pm);
}

} // namespace

TLEDVorschau::TLEDVorschau(TDlgLED* pDialog) : QWidget(pDialog), pDlg(pDialog)
{
    setObjectName("PaintBox");
    setFixedSize(117, 40);
}

void TLEDVorschau::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int w = width(), h = height();
    if (pDlg->cbGrafikAktivieren && pDlg->cbGrafikAktivieren->isChecked()) {
        p.setPen(Qt::black);
        p.drawLine(0, 0, w - 1, h - 1);
        p.drawLine(0, h - 1, w - 1, 0);
        return;
    }
    const int l = w / 2 - 5, t = h / 2 - 5;
    p.fillRect(QRect(l, t, 10, 10), FarbeVonWert(pDlg->bVorschauEin ? pDlg->FarbeHi : pDlg->FarbeLo));
}

TDlgLED::TDlgLED(QWidget* pBesitzer, bool bNeu, TMyObj* pObj_)
    : TDlgObjektRahmen(pBesitzer, pObj_, bNeu, "DlgLED.htm", true),
      TOperandGruppe({"rbLED_Operand", 1212, "lByteAdr", "lBit", "rbLED_Variable", 1213, false, true})
{
    setObjectName("DlgLED");
    setWindowTitle(ObjektText(1209));
    PageControl1 = ElementAnlegen<QTabWidget>(this, "PageControl1");
    SeiteAllgemeinAnlegen();
    SeiteFarbeAnlegen();
    SeiteInteraktionAnlegen();
    SeiteGrafikAnlegen();
    PageControl1->addTab(tsAllgemein, ObjektText(1210));
    PageControl1->addTab(tsFarbe, ObjektText(1216));
    PageControl1->addTab(tsInteraktion, ObjektText(1222));
    PageControl1->addTab(tsGrafik, ObjektText(1226));
    auto* pForm = new QVBoxLayout(this);
    pForm->addWidget(PageControl1);
    pForm->addLayout(KnopfLeiste());

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(500);

    WerteZeigen();
    Verbinden();
    Timer1->start();
    GroesseFestlegen();
}

// Operand, count, initial state.
void TDlgLED::SeiteAllgemeinAnlegen()
{
    tsAllgemein = ElementAnlegen<QWidget>(PageControl1, "tsAllgemein");
    gb = ElementAnlegen<QGroupBox>(tsAllgemein, "gb");
    gb->setTitle(ObjektText(1003));
    OperandAnlegen(gb);
    AdresseAnlegen(gb);
    VariableAnlegen(gb);
    AnzahlAnlegen(tsAllgemein);
    lWieViele = ElementAnlegen<QLabel>(tsAllgemein, "lWieViele");
    lWieViele->setText(ObjektText(1211));
    GroupBox2 = ElementAnlegen<QGroupBox>(tsAllgemein, "GroupBox2");
    GroupBox2->setTitle(ObjektText(1214));
    lGrundstellung = ElementAnlegen<QLabel>(GroupBox2, "lGrundstellung");
    lGrundstellung->setText(ObjektText(1215));
    cbE_Grundstellung = ElementAnlegen<QComboBox>(GroupBox2, "cbE_Grundstellung");

    auto* g = new QGridLayout(gb);
    g->addWidget(rbLED_Operand, 0, 0, 1, 4);
    g->addWidget(lOpTyp, 1, 0);
    g->addWidget(cbOperand, 1, 1);
    g->addWidget(lByteAdr, 1, 2);
    g->addWidget(eByteAdr, 1, 3);
    g->addWidget(lBit, 2, 0);
    g->addWidget(cbBit, 2, 1);
    g->addWidget(Label2, 2, 2);
    g->addWidget(eDBNr, 2, 3);
    g->addWidget(rbLED_Variable, 3, 0, 1, 4);
    g->addWidget(cbVariable, 4, 1, 1, 3);
    g->setColumnStretch(4, 1);
    auto* pAnzahl = new QHBoxLayout;
    pAnzahl->addWidget(lAnzahl);
    pAnzahl->addWidget(cbAnzahl);
    pAnzahl->addWidget(lWieViele);
    pAnzahl->addStretch(1);
    auto* pGrund = new QHBoxLayout(GroupBox2);
    pGrund->addWidget(lGrundstellung);
    pGrund->addWidget(cbE_Grundstellung);
    pGrund->addStretch(1);
    auto* v = new QVBoxLayout(tsAllgemein);
    v->addWidget(gb);
    v->addLayout(pAnzahl);
    v->addWidget(GroupBox2);
    v->addStretch(1);
}

// Colours: on and off, the blinking preview, the standard colours.
void TDlgLED::SeiteFarbeAnlegen()
{
    tsFarbe = ElementAnlegen<QWidget>(PageControl1, "tsFarbe");
    gbEigenschaften = ElementAnlegen<QGroupBox>(tsFarbe, "gbEigenschaften");
    gbEigenschaften->setTitle(ObjektText(1217));
    bFarbeHi = Knopf(gbEigenschaften, "bFarbeHi");
    bFarbeHi->setText(ObjektText(1216) + " 1");
    bFarbeLo = Knopf(gbEigenschaften, "bFarbeLo");
    bFarbeLo->setText(ObjektText(1216) + " 0");
    gbVorschau = ElementAnlegen<QGroupBox>(gbEigenschaften, "gbVorschau");
    gbVorschau->setTitle(ObjektText(1067));
    PaintBox = new TLEDVorschau(this);
    PaintBox->setParent(gbVorschau);
    lGrafikIstAktiviert = ElementAnlegen<QLabel>(gbEigenschaften, "lGrafikIstAktiviert");
    lGrafikIstAktiviert->setText(ObjektText(1218));
    lGrafikIstAktiviert->setWordWrap(true);
    QFont fett = lGrafikIstAktiviert->font();
    fett.setBold(true);
    lGrafikIstAktiviert->setFont(fett);
    // The page keeps its size when the label comes and goes.
    QSizePolicy sp = lGrafikIstAktiviert->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    lGrafikIstAktiviert->setSizePolicy(sp);
    GroupBox4 = ElementAnlegen<QGroupBox>(tsFarbe, "GroupBox4");
    GroupBox4->setTitle(ObjektText(1219));
    bStandardInputFarbe = Knopf(GroupBox4, "bStandardInputFarbe");
    bStandardInputFarbe->setText(ObjektText(1220));
    bStandardOutputFarbe = Knopf(GroupBox4, "bStandardOutputFarbe");
    bStandardOutputFarbe->setText(ObjektText(1221));

    auto* pVorschau = new QHBoxLayout(gbVorschau);
    pVorschau->addWidget(PaintBox);
    auto* pKnoepfe = new QVBoxLayout;
    pKnoepfe->addWidget(bFarbeHi);
    pKnoepfe->addWidget(bFarbeLo);
    pKnoepfe->addStretch(1);
    auto* g = new QGridLayout(gbEigenschaften);
    g->addLayout(pKnoepfe, 0, 0);
    g->addWidget(gbVorschau, 0, 1);
    g->addWidget(lGrafikIstAktiviert, 1, 0, 1, 3);
    g->setColumnStretch(2, 1);
    auto* pStandard = new QVBoxLayout(GroupBox4);
    pStandard->addWidget(bStandardInputFarbe);
    pStandard->addWidget(bStandardOutputFarbe);
    auto* v = new QVBoxLayout(tsFarbe);
    v->addWidget(gbEigenschaften);
    v->addWidget(GroupBox4);
    v->addStretch(1);
}

// Click and hot key.
void TDlgLED::SeiteInteraktionAnlegen()
{
    tsInteraktion = ElementAnlegen<QWidget>(PageControl1, "tsInteraktion");
    GroupBox3 = ElementAnlegen<QGroupBox>(tsInteraktion, "GroupBox3");
    GroupBox3->setTitle(ObjektText(1222));
    cbLEDClickable = ElementAnlegen<QCheckBox>(GroupBox3, "cbLEDClickable");
    cbLEDClickable->setText(ObjektText(1224));
    cbHotkeyAktiv = ElementAnlegen<QCheckBox>(GroupBox3, "cbHotkeyAktiv");
    cbHotkeyAktiv->setText(ObjektText(1223));
    eHotkey = ElementAnlegen<QLineEdit>(GroupBox3, "eHotkey");
    eHotkey->setMaxLength(1);
    eHotkey->setFixedWidth(eHotkey->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 16);
    lHotkeyHinweis = ElementAnlegen<QLabel>(GroupBox3, "lHotkeyHinweis");
    lHotkeyHinweis->setText("(A..Z, 0..9)");
    cbTaster = ElementAnlegen<QCheckBox>(GroupBox3, "cbTaster");
    cbTaster->setText(ObjektText(1225));

    auto* pHotkey = new QHBoxLayout;
    pHotkey->addWidget(cbHotkeyAktiv);
    pHotkey->addWidget(eHotkey);
    pHotkey->addWidget(lHotkeyHinweis);
    pHotkey->addStretch(1);
    auto* g = new QVBoxLayout(GroupBox3);
    g->addWidget(cbLEDClickable);
    g->addLayout(pHotkey);
    g->addWidget(cbTaster);
    auto* v = new QVBoxLayout(tsInteraktion);
    v->addWidget(GroupBox3);
    v->addStretch(1);
}

// Pictures for the states 1 and 0.
void TDlgLED::SeiteGrafikAnlegen()
{
    tsGrafik = ElementAnlegen<QWidget>(PageControl1, "tsGrafik");
    auto Bildzeile = [this](unsigned long ulText, const char* pcLabel, const char* pcKnopf,
                            const char* pcDatei, const char* pcGruppe, const char* pcBild,
                            QLabel*& l, QPushButton*& b, QLabel*& lDatei, QGroupBox*& g, QLabel*& i) {
        l = ElementAnlegen<QLabel>(tsGrafik, pcLabel);
        l->setText(ObjektText(ulText) + " ");
        b = Knopf(tsGrafik, pcKnopf);
        b->setText("...");
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 24);
        lDatei = ElementAnlegen<QLabel>(tsGrafik, pcDatei);
        lDatei->setText(cKeineGrafik);
        lDatei->setWordWrap(true);
        lDatei->setTextFormat(Qt::PlainText);
        // A long path must not widen the dialog; the tooltip shows it whole.
        lDatei->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        lDatei->setMinimumWidth(lDatei->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 20);
        g = ElementAnlegen<QGroupBox>(tsGrafik, pcGruppe);
        g->setTitle(ObjektText(1067));
        i = ElementAnlegen<QLabel>(g, pcBild);
        i->setFixedSize(96, 64);
        i->setAlignment(Qt::AlignCenter);
        auto* pGruppe = new QHBoxLayout(g);
        pGruppe->addWidget(i);
    };
    Bildzeile(1230, "lGrafik1", "bGrafik1", "lGrafik1File", "gb1", "Image1", lGrafik1, bGrafik1,
              lGrafik1File, gb1, Image1);
    Bildzeile(1231, "lGrafik0", "bGrafik0", "lGrafik0File", "GroupBox1", "Image0", lGrafik0, bGrafik0,
              lGrafik0File, GroupBox1, Image0);
    cbGrafikImmerAnzeigen = ElementAnlegen<QCheckBox>(tsGrafik, "cbGrafikImmerAnzeigen");
    cbGrafikImmerAnzeigen->setText(ObjektText(1228));
    cbGrafikAktivieren = ElementAnlegen<QCheckBox>(tsGrafik, "cbGrafikAktivieren");
    cbGrafikAktivieren->setText(ObjektText(1229));

    auto* g = new QGridLayout(tsGrafik);
    g->addWidget(lGrafik1, 0, 0);
    g->addWidget(bGrafik1, 0, 1);
    g->addWidget(lGrafik1File, 1, 0, 1, 2);
    g->addWidget(gb1, 0, 2, 2, 1);
    g->addWidget(lGrafik0, 2, 0);
    g->addWidget(bGrafik0, 2, 1);
    g->addWidget(lGrafik0File, 3, 0, 1, 2);
    g->addWidget(GroupBox1, 2, 2, 2, 1);
    g->addWidget(cbGrafikImmerAnzeigen, 4, 0, 1, 3);
    g->addWidget(cbGrafikAktivieren, 5, 0, 1, 3);
    g->setColumnStretch(0, 1);
    g->setRowStretch(6, 1);
}

// The object's values, in the order the handlers expect.
void TDlgLED::WerteZeigen()
{
    AnzahlFuellen(cbAnzahl);
    FarbeHi = pObj->ColorHi;
    FarbeLo = pObj->ColorLo;
    OperandGruppeZeigen(*pObj, bNeuesObjekt);
    if (!bNeuesObjekt) lWieViele->hide();
    cbOperandChange();
    if (!bNeuesObjekt) cbLEDClickable->setChecked(pObj->Clickable);
    cbGrafikImmerAnzeigen->setChecked(pObj->GrafikAbs);
    cbGrafikAktivieren->setChecked(pObj->GrafikAkt);
    if (bNeuesObjekt) {
        lGrafik1File->clear();
        lGrafik0File->clear();
    } else if (MaskenUmgebung) {
        // A path on disk that is not UTF-8 would read back from the label
        // with U+FFFD in the name, which OK would store.
        std::string sPfad;
        if (!pObj->Grafik1.empty()) {
            MaskenUmgebung->bDateiImMaskenordner(pObj->Grafik1, sPfad);
            lGrafik1File->setText(QString::fromStdString(PfadAlsUtf8(sPfad)));
        }
        if (!pObj->Grafik0.empty()) {
            MaskenUmgebung->bDateiImMaskenordner(pObj->Grafik0, sPfad);
            lGrafik0File->setText(QString::fromStdString(PfadAlsUtf8(sPfad)));
        }
    }
    cbE_Grundstellung->addItem("0");
    cbE_Grundstellung->addItem("1");
    cbE_Grundstellung->setCurrentIndex(pObj->Grundstellung ? 1 : 0);
    cbHotkeyAktiv->setChecked(pObj->HotKeyAktiv);
    if (pObj->HotKey != 0) {
        eHotkey->setText(QString(QChar(pObj->HotKey)));
        eHotkeyChange();
    }
    cbTaster->setChecked(pObj->Taster);
    GrafikVorschauLaden();
    cbGrafikAktivierenClick();
    PageControl1->setCurrentIndex(0);
}

void TDlgLED::Verbinden()
{
    OperandGruppeVerbinden();
    connect(bOk, &QPushButton::clicked, this, &TDlgLED::bOkClick);
    connect(bFarbeHi, &QPushButton::clicked, this, &TDlgLED::bFarbeHiClick);
    connect(bFarbeLo, &QPushButton::clicked, this, &TDlgLED::bFarbeLoClick);
    connect(bStandardInputFarbe, &QPushButton::clicked, this, &TDlgLED::bStandardInputFarbeClick);
    connect(bStandardOutputFarbe, &QPushButton::clicked, this, &TDlgLED::bStandardOutputFarbeClick);
    connect(cbOperand, &QComboBox::currentIndexChanged, this, &TDlgLED::cbOperandChange);
    connect(cbVariable, &QComboBox::currentIndexChanged, this, &TDlgLED::cbVariableChange);
    connect(eHotkey, &QLineEdit::textChanged, this, &TDlgLED::eHotkeyChange);
    connect(bGrafik1, &QPushButton::clicked, this, &TDlgLED::bGrafik1Click);
    connect(bGrafik0, &QPushButton::clicked, this, &TDlgLED::bGrafik0Click);
    connect(cbGrafikAktivieren, &QCheckBox::toggled, this, &TDlgLED::cbGrafikAktivierenClick);
    connect(cbGrafikImmerAnzeigen, &QCheckBox::toggled, this, &TDlgLED::cbGrafikImmerAnzeigenClick);
    connect(Timer1, &QTimer::timeout, this, &TDlgLED::Timer1Timer);
}

void TDlgLED::cbOperandChange()
{
    const QString s = cbOperand->currentText();
    const char c = s.isEmpty() ? '\0' : s[0].toLatin1();
    if (bNeuesObjekt) cbLEDClickable->setChecked(c != 'A' && c != 'Q');
    lGrundstellung->setEnabled(false);
    cbE_Grundstellung->setEnabled(false);
    if (c == 'E' || c == 'I') {
        if (bNeuesObjekt) {
            FarbeHi = LED_E_HI;
            FarbeLo = LED_E_LO;
        }
        lGrundstellung->setEnabled(true);
        cbE_Grundstellung->setEnabled(true);
    } else if ((c == 'A' || c == 'Q') && bNeuesObjekt) {
        FarbeHi = LED_A_HI;
        FarbeLo = LED_A_LO;
    }
    PaintBox->update();
}

void TDlgLED::cbVariableChange()
{
    rbLED_Variable->setChecked(true);
}

void TDlgLED::eHotkeyChange()
{
    std::string s = eHotkey->text().toStdString();
    std::erase(s, ' ');
    cbHotkeyAktiv->setChecked(!s.empty());
}

void TDlgLED::bFarbeHiClick()
{
    if (bFarbeWaehlen(FarbeHi)) PaintBox->update();
}

void TDlgLED::bFarbeLoClick()
{
    if (bFarbeWaehlen(FarbeLo)) PaintBox->update();
}

void TDlgLED::bStandardInputFarbeClick()
{
    LED_E_HI = FarbeHi;
    LED_E_LO = FarbeLo;
}

void TDlgLED::bStandardOutputFarbeClick()
{
    LED_A_HI = FarbeHi;
    LED_A_LO = FarbeLo;
}

void TDlgLED::Timer1Timer()
{
    FarbVorschauZeichnen(bBlinkZustand);
    bBlinkZustand = !bBlinkZustand;
}

void TDlgLED::FarbVorschauZeichnen(bool bEin)
{
    bVorschauEin = bEin;
    PaintBox->update();
}

void TDlgLED::cbGrafikAktivierenClick()
{
    const bool bGrafik = cbGrafikAktivieren->isChecked();
    gbVorschau->setEnabled(!bGrafik);
    bFarbeHi->setEnabled(!bGrafik);
    bFarbeLo->setEnabled(!bGrafik);
    lGrafikIstAktiviert->setVisible(bGrafik);
    PaintBox->update();
}

void TDlgLED::GrafikVorschauLaden()
{
    BildZeigen(Image1, lGrafik1File->text());
    BildZeigen(Image0, lGrafik0File->text());
}

void TDlgLED::GrafikWaehlen(unsigned long ulTitel, QLabel* pDateiLabel)
{
    std::string sDatei;
    TDateiDialog* pDlg = MaskenUmgebung ? MaskenUmgebung->pBildDateiDialog() : nullptr;
    if (pDlg) {
        pDlg->Title = PoolText(ulTitel);
        if (pDlg->Filter.empty()) pDlg->Filter = PoolText(1332);
        if (!pDlg->Execute(this)) return;
        sDatei = pDlg->FileName;
    } else {
        sDatei = DateiOeffnenDialog(this, PoolText(ulTitel), PoolText(1332), std::string());
    }
    if (sDatei.empty() || !U_DateiVorhanden(sDatei.c_str())) return;
    pDateiLabel->setText(QString::fromStdString(sDatei));
    pDateiLabel->setToolTip(pDateiLabel->text());
    GrafikVorschauLaden();
}

void TDlgLED::bGrafik1Click()
{
    GrafikWaehlen(1230, lGrafik1File);
}

void TDlgLED::bGrafik0Click()
{
    GrafikWaehlen(1231, lGrafik0File);
}

bool TDlgLED::bGrafikPruefen(QLabel* pDateiLabel)
{
    if (!bHatGrafik(pDateiLabel)) return true;
    const std::string sPfad = pDateiLabel->text().toStdString();
    const std::string sName = NameVonPfad(sPfad);
    // The object's line ends a name at a comma and would read "$key=" in
    // it as a field, and the picture library keeps names of at most 103
    // characters: such a name would be lost.
    if (const unsigned long ulText = ulBildNameAblehnung(sName)) {
        Ablehnen(PoolTextFormat(ulText, "%s", sName.c_str()));
        return false;
    }
    // A stored picture missing from the project folder keeps its name.
    if (!MaskenUmgebung || !U_DateiVorhanden(sPfad.c_str())) return true;
    std::string sImOrdner;
    if (MaskenUmgebung->bDateiImMaskenordner(sName, sImOrdner)) return true;
    MaskenUmgebung->pGetBildVonDatei(sPfad);
    if (MaskenUmgebung->bDateiImMaskenordner(sName, sImOrdner)) return true;
    Ablehnen(PoolTextFormat(6401, "%s", sPfad.c_str()));
    return false;
}

void TDlgLED::bOkClick()
{
    if (rbLED_Variable->isChecked()) {
        const int32_t iVariable = cbVariable->currentData().toInt();
        // A variable LED is clickable only for $RUN and $STOP, has no hot
        // key and is inserted once.
        if (iVariable != SYSVAR_RUN && iVariable != SYSVAR_STOP) cbLEDClickable->setChecked(false);
        cbHotkeyAktiv->setChecked(false);
        lGrundstellung->setEnabled(false);
        cbE_Grundstellung->setEnabled(false);
        cbAnzahl->setCurrentIndex(0);
    }
    // Every entry is checked before anything is written, so that Cancel
    // after a refused OK leaves the object as it was.
    int32_t iAdr = 0, iDBNr = 0;
    if (!bAdresseUndDBNrLesen(eByteAdr, eDBNr, iAdr, iDBNr)) return;
    // The hot key is kept as one byte: only a character of ASCII is that
    // byte (and the key the user presses) whatever the file's reader.
    if (!bEinByteZeichenZulaessig(eHotkey->text())) {
        Ablehnen(PoolTextFormat(6704, "%s", eHotkey->text().toStdString().c_str()));
        return;
    }
    if (!bGrafikPruefen(lGrafik1File) || !bGrafikPruefen(lGrafik0File)) return;

    OperandGruppeSchreiben(*pObj, iAdr, iDBNr);
    pObj->Clickable = cbLEDClickable->isChecked();
    pObj->GrafikAbs = cbGrafikImmerAnzeigen->isChecked();
    pObj->GrafikAkt = cbGrafikAktivieren->isChecked();
    pObj->Grundstellung = cbE_Grundstellung->currentIndex() != 0;
    pObj->ColorHi = FarbeHi;
    pObj->ColorLo = FarbeLo;
    pObj->HotKeyAktiv = cbHotkeyAktiv->isChecked();
    const QString sHotkey = eHotkey->text();
    pObj->HotKey = sHotkey.isEmpty() ? 0 : static_cast<uint8_t>(sHotkey[0].toLatin1());
    pObj->Taster = cbTaster->isChecked();
    for (auto [pLabel, pName] : {std::pair{lGrafik1File, &pObj->Grafik1}, std::pair{lGrafik0File, &pObj->Grafik0}}) {
        if (!bHatGrafik(pLabel)) continue;
        const std::string sPfad = pLabel->text().toStdString();
        *pName = NameVonPfad(sPfad);
        if (MaskenUmgebung && U_DateiVorhanden(sPfad.c_str())) MaskenUmgebung->pGetBildVonDatei(sPfad);
    }
    done(1);
}
