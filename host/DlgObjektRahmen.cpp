#include "DlgObjektRahmen.h"

#include "HauptForm.h"
#include "Hilfe.h"
#include "Meldungen.h"
#include "Messbereiche.h"
#include "PoolText.h"
#include "WinDialoge.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>

TDlgObjektRahmen::TDlgObjektRahmen(QWidget* pBesitzer, TMyObj* pObj_, bool bNeuesObjekt_,
                                   const char* pcHilfeSeite, bool bF1)
    : QDialog(pBesitzer), pObj(pObj_), bNeuesObjekt(bNeuesObjekt_), sHilfeSeite(pcHilfeSeite),
      bMitF1(bF1)
{
    setModal(true);
    bOk = new QPushButton(QString::fromStdString(PoolText(1014)), this);
    bOk->setObjectName("bOk");
    bOk->setDefault(true);
    bOk->setAutoDefault(true);
    bAbbruch = new QPushButton(QString::fromStdString(PoolText(1015)), this);
    bAbbruch->setObjectName("bAbbruch");
    bAbbruch->setAutoDefault(false);
    bHilfe = new QPushButton(QString::fromStdString(PoolText(1016)), this);
    bHilfe->setObjectName("bHilfe");
    bHilfe->setAutoDefault(false);
    connect(bAbbruch, &QPushButton::clicked, this, [this] {
        bAbbruchClick();
        done(2);
    });
    connect(bHilfe, &QPushButton::clicked, this, &TDlgObjektRahmen::bHilfeClick);
}

QHBoxLayout* TDlgObjektRahmen::KnopfLeiste()
{
    auto* pLeiste = new QHBoxLayout;
    pLeiste->addStretch(1);
    pLeiste->addWidget(bOk);
    pLeiste->addWidget(bAbbruch);
    pLeiste->addWidget(bHilfe);
    return pLeiste;
}

void TDlgObjektRahmen::bHilfeClick()
{
    HilfeAnzeigen(sHilfeSeite);
}

void TDlgObjektRahmen::reject()
{
    done(2);
}

void TDlgObjektRahmen::keyPressEvent(QKeyEvent* pEreignis)
{
    if (bMitF1 && pEreignis->key() == Qt::Key_F1) {
        bHilfeClick();
        pEreignis->accept();
        return;
    }
    QDialog::keyPressEvent(pEreignis);
}

int32_t TDlgObjektRahmen::iZahlAusText(const QString& sText)
{
    return iTextAlsGanzzahl(sText.toUtf8().constData());
}

void TDlgObjektRahmen::Ablehnen(const std::string& sText)
{
    FehlerMeldung(sText);
    setResult(0);
}

void TDlgObjektRahmen::AnzahlFuellen(QComboBox* pListe)
{
    pListe->clear();
    for (int i = 1; i <= 32; ++i) pListe->addItem(QString::number(i));
    pListe->setCurrentIndex(0);
}

bool TDlgObjektRahmen::bFarbeWaehlen(int32_t& iFarbe)
{
    // The main window lends its colour dialog, so the custom colours the
    // user made stay the same in every dialog.
    uint32_t dwFarbe = static_cast<uint32_t>(iFarbe) & 0x00FFFFFF;
    bool bGewaehlt = false;
    if (Hauptformular && Hauptformular->ColorDialog) {
        Hauptformular->ColorDialog->Color = dwFarbe;
        bGewaehlt = Hauptformular->ColorDialog->Execute(this);
        dwFarbe = Hauptformular->ColorDialog->Color;
    } else {
        bGewaehlt = bFarbDialog(this, dwFarbe);
    }
    if (bGewaehlt) iFarbe = static_cast<int32_t>(dwFarbe);
    return bGewaehlt;
}

void TDlgObjektRahmen::GroesseFestlegen()
{
    if (layout()) {
        layout()->activate();
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}
