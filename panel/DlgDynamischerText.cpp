#include "DlgDynamischerText.h"

#include "MyObj.h"
#include "PoolText.h"
#include "SystemVariablen.h"
#include "harlenzutils40.h"
#include "kolv_spr2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

// Texte: 1053-1071, 1375

namespace {

std::string OhneKommas(const QString& s)
{
    std::string t = s.left(TDlgDynamischerTextForm::iMaxTextLaenge).toStdString();
    std::erase(t, ',');
    return t;
}

} // namespace

TDlgDynamischerTextForm::TDlgDynamischerTextForm(QWidget* pBesitzer, bool bNeu, TMyObj* pObj_)
    : TDlgObjektRahmen(pBesitzer, pObj_, bNeu, "DlgDynamischerText.htm", true),
      TOperandGruppe({"rbText_Operand", 1062, "Label1", "Label3", "rbText_Variable", 1063, true, false})
{
    setObjectName("DlgDynamischerTextForm");
    setWindowTitle(ObjektText(1053));
    PageControl1 = ElementAnlegen<QTabWidget>(this, "PageControl1");
    SeiteUrsprungAnlegen();
    SeiteFarbeAnlegen();
    SeiteTextanzeigeAnlegen();
    PageControl1->addTab(tsUrsprung, ObjektText(1054));
    PageControl1->addTab(tsFarbe, ObjektText(1065));
    PageControl1->addTab(tsTextanzeige, ObjektText(1069));
    auto* pForm = new QVBoxLayout(this);
    pForm->addWidget(PageControl1);
    pForm->addLayout(KnopfLeiste());

    PageControl1->setCurrentIndex(0);
    // The controls are filled here rather than at the first paint, so that
    // the dialog is complete before it is shown. A new object starts with
    // the operand shown before its value.
    DialogFuellen();
    if (bNeuesObjekt) {
        cbAnzeigeMitOperand->setChecked(true);
        MusterAktualisieren();
    }
    Verbinden();
    GroesseFestlegen();
}

// Source of the value: the operand group with width, format and the two
// check boxes of an operand.
void TDlgDynamischerTextForm::SeiteUrsprungAnlegen()
{
    tsUrsprung = ElementAnlegen<QWidget>(PageControl1, "tsUrsprung");
    gbUrsprung = ElementAnlegen<QGroupBox>(tsUrsprung, "gbUrsprung");
    gbUrsprung->setTitle(ObjektText(1054));
    OperandAnlegen(gbUrsprung);
    lBreite = ElementAnlegen<QLabel>(gbUrsprung, "lBreite");
    lBreite->setText(ObjektText(1059));
    cbBitBreite = ElementAnlegen<QComboBox>(gbUrsprung, "cbBitBreite");
    AdresseAnlegen(gbUrsprung);
    lDarstellung = ElementAnlegen<QLabel>(gbUrsprung, "lDarstellung");
    lDarstellung->setText(ObjektText(1060));
    cbDarstellung = ElementAnlegen<QComboBox>(gbUrsprung, "cbDarstellung");
    cbAnzeigeMitOperand = ElementAnlegen<QCheckBox>(gbUrsprung, "cbAnzeigeMitOperand");
    cbAnzeigeMitOperand->setText(ObjektText(1064));
    cbOpVeraenderbar = ElementAnlegen<QCheckBox>(gbUrsprung, "cbOpVeraenderbar");
    cbOpVeraenderbar->setText(ObjektText(1375));
    VariableAnlegen(gbUrsprung);
    AnzahlAnlegen(tsUrsprung);

    auto* g = new QGridLayout(gbUrsprung);
    g->addWidget(rbText_Operand, 0, 0, 1, 5);
    g->addWidget(lOpTyp, 1, 0);
    g->addWidget(cbOperand, 1, 1);
    g->addWidget(lBreite, 1, 2);
    g->addWidget(cbBitBreite, 1, 3);
    g->addWidget(Label1, 2, 0);
    g->addWidget(eByteAdr, 2, 1);
    g->addWidget(Label3, 2, 2);
    g->addWidget(cbBit, 2, 3);
    g->addWidget(Label2, 3, 0);
    g->addWidget(eDBNr, 3, 1);
    g->addWidget(lDarstellung, 3, 2);
    g->addWidget(cbDarstellung, 3, 3);
    g->addWidget(cbAnzeigeMitOperand, 4, 1, 1, 4);
    g->addWidget(cbOpVeraenderbar, 5, 1, 1, 4);
    g->addWidget(rbText_Variable, 6, 0, 1, 5);
    g->addWidget(cbVariable, 7, 1, 1, 3);
    g->setColumnStretch(4, 1);
    auto* pAnzahl = new QHBoxLayout;
    pAnzahl->addWidget(lAnzahl);
    pAnzahl->addWidget(cbAnzahl);
    pAnzahl->addStretch(1);
    auto* v = new QVBoxLayout(tsUrsprung);
    v->addWidget(gbUrsprung);
    v->addLayout(pAnzahl);
    v->addStretch(1);
}

// Colours: text and background, with the preview.
void TDlgDynamischerTextForm::SeiteFarbeAnlegen()
{
    tsFarbe = ElementAnlegen<QWidget>(PageControl1, "tsFarbe");
    gbFarben = ElementAnlegen<QGroupBox>(tsFarbe, "gbFarben");
    gbFarben->setTitle(ObjektText(1065));
    bFarbeT = ElementAnlegen<QPushButton>(gbFarben, "bFarbeT");
    bFarbeT->setText(ObjektText(1066));
    bFarbeT->setAutoDefault(false);
    bFarbeH = ElementAnlegen<QPushButton>(gbFarben, "bFarbeH");
    bFarbeH->setText(ObjektText(1068));
    bFarbeH->setAutoDefault(false);
    gbVorschau = ElementAnlegen<QGroupBox>(gbFarben, "gbVorschau");
    gbVorschau->setTitle(ObjektText(1067));
    LabelMuster = ElementAnlegen<QLabel>(gbVorschau, "LabelMuster");
    LabelMuster->setAutoFillBackground(true);
    LabelMuster->setTextFormat(Qt::PlainText);
    LabelMuster->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);

    auto* pVorschau = new QHBoxLayout(gbVorschau);
    pVorschau->addWidget(LabelMuster);
    pVorschau->addStretch(1);
    auto* pKnoepfe = new QVBoxLayout;
    pKnoepfe->addWidget(bFarbeT);
    pKnoepfe->addWidget(bFarbeH);
    pKnoepfe->addStretch(1);
    auto* g = new QHBoxLayout(gbFarben);
    g->addLayout(pKnoepfe);
    g->addWidget(gbVorschau, 1);
    auto* v = new QVBoxLayout(tsFarbe);
    v->addWidget(gbFarben);
    v->addStretch(1);
}

// Texts for bit operands.
void TDlgDynamischerTextForm::SeiteTextanzeigeAnlegen()
{
    tsTextanzeige = ElementAnlegen<QWidget>(PageControl1, "tsTextanzeige");
    gbTextanzeige = ElementAnlegen<QGroupBox>(tsTextanzeige, "gbTextanzeige");
    gbTextanzeige->setTitle(ObjektText(1069));
    cbTextanzeigeAktivieren = ElementAnlegen<QCheckBox>(gbTextanzeige, "cbTextanzeigeAktivieren");
    cbTextanzeigeAktivieren->setText(ObjektText(1071));
    lTextBei1 = ElementAnlegen<QLabel>(gbTextanzeige, "lTextBei1");
    lTextBei1->setText(ObjektText(1070) + " 1:");
    eText1 = ElementAnlegen<QLineEdit>(gbTextanzeige, "eText1");
    eText1->setMaxLength(iMaxTextLaenge);
    lTextBei0 = ElementAnlegen<QLabel>(gbTextanzeige, "lTextBei0");
    lTextBei0->setText(ObjektText(1070) + " 0:");
    eText0 = ElementAnlegen<QLineEdit>(gbTextanzeige, "eText0");
    eText0->setMaxLength(iMaxTextLaenge);

    auto* g = new QGridLayout(gbTextanzeige);
    g->addWidget(cbTextanzeigeAktivieren, 0, 0, 1, 2);
    g->addWidget(lTextBei1, 1, 0);
    g->addWidget(eText1, 1, 1);
    g->addWidget(lTextBei0, 2, 0);
    g->addWidget(eText0, 2, 1);
    g->setColumnStretch(1, 1);
    auto* v = new QVBoxLayout(tsTextanzeige);
    v->addWidget(gbTextanzeige);
    v->addStretch(1);
}

void TDlgDynamischerTextForm::Verbinden()
{
    OperandGruppeVerbinden();
    connect(bOk, &QPushButton::clicked, this, &TDlgDynamischerTextForm::bOkClick);
    connect(cbBitBreite, &QComboBox::currentIndexChanged, this,
            &TDlgDynamischerTextForm::cbBitBreiteChange);
    connect(cbDarstellung, &QComboBox::currentIndexChanged, this,
            &TDlgDynamischerTextForm::cbDarstellungChange);
    connect(cbAnzeigeMitOperand, &QCheckBox::toggled, this, &TDlgDynamischerTextForm::MusterAktualisieren);
    connect(bFarbeT, &QPushButton::clicked, this, &TDlgDynamischerTextForm::bFarbeTClick);
    connect(bFarbeH, &QPushButton::clicked, this, &TDlgDynamischerTextForm::bFarbeHClick);
    connect(rbText_Operand, &QRadioButton::clicked, this, &TDlgDynamischerTextForm::rbText_OperandClick);
    connect(rbText_Variable, &QRadioButton::clicked, this, &TDlgDynamischerTextForm::rbText_VariableClick);
    // The preview follows every entry that changes what the object shows.
    for (QComboBox* p : {cbOperand, cbBit, cbVariable})
        connect(p, &QComboBox::currentIndexChanged, this, &TDlgDynamischerTextForm::MusterAktualisieren);
    for (QLineEdit* p : {eByteAdr, eDBNr, eText1, eText0})
        connect(p, &QLineEdit::textChanged, this, &TDlgDynamischerTextForm::MusterAktualisieren);
    connect(rbText_Operand, &QRadioButton::toggled, this, &TDlgDynamischerTextForm::MusterAktualisieren);
    connect(cbTextanzeigeAktivieren, &QCheckBox::toggled, this, &TDlgDynamischerTextForm::MusterAktualisieren);
}

int TDlgDynamischerTextForm::iGewaehlteBreite() const
{
    const int i = cbBitBreite->currentData().toInt();
    return i > 0 ? i : 1;
}

int32_t TDlgDynamischerTextForm::iGewaehltesFormat() const
{
    return cbDarstellung->currentIndex() >= 0 ? cbDarstellung->currentData().toInt() : 0;
}

void TDlgDynamischerTextForm::DialogFuellen()
{
    OperandGruppeZeigen(*pObj, bNeuesObjekt);
    iMusterAdr = pObj->Adr;
    iMusterDBNr = pObj->DBNR;
    AnzahlFuellen(cbAnzahl);
    cbBitBreite->clear();
    cbBitBreite->addItem("BIT", 1);
    cbBitBreite->addItem("BYTE", 8);
    cbBitBreite->addItem("WORD", 16);
    cbBitBreite->addItem("DWORD", 32);
    switch (pObj->OpGroesse) {
    case 1: cbBitBreite->setCurrentIndex(1); break;
    case 2: cbBitBreite->setCurrentIndex(2); break;
    case 4: cbBitBreite->setCurrentIndex(3); break;
    default: cbBitBreite->setCurrentIndex(0); break;
    }
    cbBitBreiteChange();
    if (pObj->Darstellung >= 0 && pObj->Darstellung < cbDarstellung->count())
        cbDarstellung->setCurrentIndex(pObj->Darstellung);
    cbTextanzeigeAktivieren->setChecked(pObj->BoolText);
    eText1->setText(QString::fromStdString(pObj->Text1));
    eText0->setText(QString::fromStdString(pObj->Text0));
    iMusterHintergrund = pObj->ColorHi;
    iMusterTextfarbe = pObj->ColorLo;
    if (pObj->Variable != 0) {
        cbVariable->setFocus();
        cbAnzahl->setEnabled(false);
    } else {
        cbAnzahl->setEnabled(true);
    }
    cbAnzeigeMitOperand->setChecked(pObj->MitOpAnzeigen);
    cbOpVeraenderbar->setChecked(pObj->Clickable);
    MusterAktualisieren();
}

void TDlgDynamischerTextForm::cbBitBreiteChange()
{
    const int w = iGewaehlteBreite();
    const bool bAlt = cbDarstellung->blockSignals(true);
    cbDarstellung->clear();
    // BIT shows only DECIMAL, BYTE and WORD the first four, DWORD also REAL.
    const int iAnzahl = w == 1 ? 1 : (w == 32 ? 5 : 4);
    for (int i = 0; i < iAnzahl && Darstellungsformat[i].cName[0]; ++i)
        cbDarstellung->addItem(QString::fromLatin1(Darstellungsformat[i].cName), Darstellungsformat[i].iID);
    cbDarstellung->setCurrentIndex(0);
    cbDarstellung->blockSignals(bAlt);
    if (w != 1 && cbTextanzeigeAktivieren->isChecked()) cbTextanzeigeAktivieren->setChecked(false);
    for (QWidget* p : std::initializer_list<QWidget*>{cbTextanzeigeAktivieren, lTextBei1, lTextBei0, eText1, eText0})
        p->setEnabled(w == 1);
    // A byte, word or double word has no bit to choose.
    cbBit->setEnabled(w == 1);
    Label3->setEnabled(w == 1);
    MusterAktualisieren();
}

void TDlgDynamischerTextForm::cbDarstellungChange()
{
    MusterAktualisieren();
}

void TDlgDynamischerTextForm::MusterAktualisieren()
{
    // The object formats its own value: it is given what OK would store,
    // asked, and then gets its own fields back. While an address or data
    // block text would be refused, the last one that holds stays.
    int32_t iAdr = 0, iDBNr = 0;
    if (bAdresseUndDBNrLesen(eByteAdr, eDBNr, iAdr, iDBNr, true)) {
        iMusterAdr = iAdr;
        iMusterDBNr = iDBNr;
    }
    const TMyObjFelder Alt = *pObj;
    pObj->OpGroesse = iGewaehlteBreite() / 8;
    OperandGruppeSchreiben(*pObj, iMusterAdr, iMusterDBNr);
    pObj->Darstellung = iGewaehltesFormat();
    pObj->MitOpAnzeigen = cbAnzeigeMitOperand->isChecked();
    const uint32_t dwWert = pObj->dwGetWertVonObj();
    std::string sText;
    // The texts for a bit's value stand in for the value, as when painted.
    if (cbTextanzeigeAktivieren->isChecked())
        sText = OhneKommas(dwWert != 0 ? eText1->text() : eText0->text());
    else
        sText = pObj->pcGetDynamicText(dwWert);
    static_cast<TMyObjFelder&>(*pObj) = Alt;
    LabelMuster->setText(QString::fromStdString(sText));
    QPalette pal = LabelMuster->palette();
    pal.setColor(QPalette::WindowText, FarbeVonWert(iMusterTextfarbe));
    pal.setColor(QPalette::Window, FarbeVonWert(iMusterHintergrund));
    LabelMuster->setPalette(pal);
}

void TDlgDynamischerTextForm::bFarbeTClick()
{
    bFarbeWaehlen(iMusterTextfarbe);
    MusterAktualisieren();
}

void TDlgDynamischerTextForm::bFarbeHClick()
{
    bFarbeWaehlen(iMusterHintergrund);
    MusterAktualisieren();
}

void TDlgDynamischerTextForm::rbText_VariableClick()
{
    cbAnzahl->setCurrentIndex(0);
    cbAnzahl->setEnabled(false);
}

void TDlgDynamischerTextForm::rbText_OperandClick()
{
    cbAnzahl->setEnabled(true);
}

void TDlgDynamischerTextForm::bOkClick()
{
    // Every entry is checked before anything is written, so that Cancel
    // after a refused OK leaves the object as it was.
    int32_t iAdr = 0, iDBNr = 0;
    if (!bAdresseUndDBNrLesen(eByteAdr, eDBNr, iAdr, iDBNr)) return;
    pObj->OpGroesse = iGewaehlteBreite() / 8;
    OperandGruppeSchreiben(*pObj, iAdr, iDBNr);
    pObj->ColorHi = iMusterHintergrund;
    pObj->ColorLo = iMusterTextfarbe;
    pObj->MitOpAnzeigen = cbAnzeigeMitOperand->isChecked();
    // A data-block bit cannot be set by a click.
    pObj->Clickable = cbOpVeraenderbar->isChecked() && !(pObj->Op == 'D' && pObj->OpGroesse == 0);
    pObj->Darstellung = iGewaehltesFormat();
    pObj->BoolText = cbTextanzeigeAktivieren->isChecked();
    pObj->Text1 = OhneKommas(eText1->text());
    pObj->Text0 = OhneKommas(eText0->text());

    // The size the object needs for what it shows, in its own font.
    const QFontMetrics fm(pObj->font());
    auto Breite = [&fm](const std::string& s) { return fm.horizontalAdvance(QString::fromStdString(s)); };
    int iBreite = 0;
    if (pObj->Variable == 0) {
        if (pObj->BoolText) {
            const bool bText1 = QString::fromStdString(pObj->Text1).size() >=
                                QString::fromStdString(pObj->Text0).size();
            const std::string& sLaenger = bText1 ? pObj->Text1 : pObj->Text0;
            iBreite = Breite(sLaenger) + 2;
        } else {
            iBreite = Breite("-" + pObj->pcGetDynamicText(pObj->dwGetWertVonObj()) + "-");
        }
    } else {
        iBreite = pObj->Variable == SYSVAR_IP_ADR ? Breite(IPAdresseText()) + 2 : Breite("-65000-");
        pObj->Darstellung = 0;
        pObj->OpGroesse = 2;
    }
    pObj->SetWidth(iBreite);
    pObj->SetHeight(fm.height());
    done(1);
}
