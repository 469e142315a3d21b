#include "DlgNeuStatischerTextForm.h"

#include "MyObj.h"
#include "PoolText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

// Texte: 1055, 1232-1238
TDlgNeuStatischerText::TDlgNeuStatischerText(QWidget* pBesitzer, bool bNeu, TMyObj* pObj_)
    : TDlgObjektRahmen(pBesitzer, pObj_, bNeu, "DlgStatischerText.htm", false)
{
    setObjectName("DlgNeuStatischerText");
    gb = new QGroupBox(this);
    gb->setObjectName("gb");
    lText = new QLabel(ObjektText(1233), gb);
    lText->setObjectName("lText");
    eText = new QLineEdit(gb);
    eText->setObjectName("eText");
    eText->setMaxLength(iMaxTextLaenge);
    lText->setBuddy(eText);
    bTextfarbe = new QPushButton(ObjektText(1235), gb);
    bTextfarbe->setObjectName("bTextfarbe");
    bTextfarbe->setAutoDefault(false);
    bHintergrundfarbe = new QPushButton(ObjektText(1234), gb);
    bHintergrundfarbe->setObjectName("bHintergrundfarbe");
    bHintergrundfarbe->setAutoDefault(false);
    gbMuster = new QGroupBox(ObjektText(1236), gb);
    gbMuster->setObjectName("gbMuster");
    LabelMuster = new QLabel("LabelMuster", gbMuster);
    LabelMuster->setObjectName("LabelMuster");
    LabelMuster->setAutoFillBackground(true);
    LabelMuster->setTextFormat(Qt::PlainText);
    lAnzahl = new QLabel(ObjektText(1055), gb);
    lAnzahl->setObjectName("lAnzahl");
    cbAnzahl = new QComboBox(gb);
    cbAnzahl->setObjectName("cbAnzahl");
    lAnzahl->setBuddy(cbAnzahl);
    cbAdresseErhoehen = new QCheckBox(ObjektText(1238), gb);
    cbAdresseErhoehen->setObjectName("cbAdresseErhoehen");
    cbTransparent = new QCheckBox(ObjektText(1237), gb);
    cbTransparent->setObjectName("cbTransparent");
    setWindowTitle(ObjektText(1232));

    auto* pMuster = new QVBoxLayout(gbMuster);
    pMuster->addWidget(LabelMuster);
    auto* pFarben = new QVBoxLayout;
    pFarben->addWidget(bTextfarbe);
    pFarben->addWidget(bHintergrundfarbe);
    pFarben->addStretch(1);
    auto* pGitter = new QGridLayout(gb);
    pGitter->addWidget(lText, 0, 0);
    pGitter->addWidget(eText, 0, 1, 1, 2);
    pGitter->addLayout(pFarben, 1, 0);
    pGitter->addWidget(gbMuster, 1, 1, 1, 2);
    pGitter->addWidget(cbTransparent, 2, 1, 1, 2);
    pGitter->addWidget(lAnzahl, 3, 0);
    pGitter->addWidget(cbAnzahl, 3, 1);
    pGitter->addWidget(cbAdresseErhoehen, 4, 1, 1, 2);
    pGitter->setColumnStretch(2, 1);
    pGitter->setColumnMinimumWidth(1, 80);
    auto* pForm = new QVBoxLayout(this);
    pForm->addWidget(gb);
    pForm->addLayout(KnopfLeiste());

    // The object's values.
    eText->setText(QString::fromStdString(pObj->Text0));
    cbTransparent->setChecked(pObj->Transparent);
    iMusterTextfarbe = pObj->ColorLo;
    iMusterHintergrund = pObj->ColorHi;
    AnzahlFuellen(cbAnzahl);
    if (!bNeuesObjekt) {
        cbAdresseErhoehen->hide();
        cbAnzahl->hide();
        lAnzahl->hide();
    }
    cbAdresseErhoehen->setChecked(true);
    eTextChange();
    eText->setMinimumWidth(eText->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 24);
    gbMuster->setMinimumHeight(gbMuster->sizeHint().height() + eText->sizeHint().height());

    connect(eText, &QLineEdit::textChanged, this, &TDlgNeuStatischerText::eTextChange);
    connect(bTextfarbe, &QPushButton::clicked, this, &TDlgNeuStatischerText::bTextfarbeClick);
    connect(bHintergrundfarbe, &QPushButton::clicked, this,
            &TDlgNeuStatischerText::bHintergrundfarbeClick);
    connect(bOk, &QPushButton::clicked, this, &TDlgNeuStatischerText::bOkClick);
    GroesseFestlegen();
}

QString TDlgNeuStatischerText::MusterText(const QString& sText)
{
    if (sText.isEmpty()) return QStringLiteral("   ");
    if (sText.size() >= 2 && sText[0] == QLatin1Char('$') &&
        (sText[1] == QLatin1Char('r') || sText[1] == QLatin1Char('l') || sText[1] == QLatin1Char('c')))
        return sText.mid(2);
    return sText;
}

void TDlgNeuStatischerText::eTextChange()
{
    LabelMuster->setText(MusterText(eText->text()));
    MusterFarbenZeigen();
}

void TDlgNeuStatischerText::MusterFarbenZeigen()
{
    QPalette pal = LabelMuster->palette();
    pal.setColor(QPalette::WindowText, FarbeVonWert(iMusterTextfarbe));
    pal.setColor(QPalette::Window, FarbeVonWert(iMusterHintergrund));
    LabelMuster->setPalette(pal);
}

void TDlgNeuStatischerText::bTextfarbeClick()
{
    if (bFarbeWaehlen(iMusterTextfarbe)) eTextChange();
}

void TDlgNeuStatischerText::bHintergrundfarbeClick()
{
    if (bFarbeWaehlen(iMusterHintergrund)) eTextChange();
}

void TDlgNeuStatischerText::bOkClick()
{
    // The object's text line cannot carry a comma.
    std::string sText = eText->text().left(iMaxTextLaenge).toStdString();
    std::erase(sText, ',');
    pObj->SetEigenschaftenStaticText(sText, iMusterTextfarbe, iMusterHintergrund,
                                     cbTransparent->isChecked());
    pObj->Anzahl = cbAnzahl->currentIndex() + 1;
    pObj->AdresseErhoehen = cbAdresseErhoehen->isChecked();
    done(1);
}
