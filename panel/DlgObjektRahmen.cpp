#include "DlgObjektRahmen.h"

#include "BildBibliothek.h"
#include "FormDialoge.h"
#include "MaskenUmgebung.h"
#include "Hilfe.h"
#include "Meldungen.h"
#include "Messbereiche.h"
#include "MyObj.h"
#include "PoolText.h"
#include "WinDialoge.h"
#include "harlenzutils40.h"
#include "kolv_spr2.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

QString ObjektText(unsigned long n)
{
    return QString::fromStdString(PoolText(n));
}

bool bEinByteZeichenZulaessig(const QString& sText)
{
    return sText.isEmpty() || (sText.size() == 1 && sText[0].unicode() < 0x80);
}

unsigned long ulBildNameAblehnung(const std::string& sName)
{
    if (sName.empty() || sName.find(',') != std::string::npos ||
        static_cast<int>(sName.size()) > iMaxBildName)
        return 6402;
    return bSchluesselImNamen(sName) ? 6705 : 0;
}

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

void TDlgObjektRahmen::Ablehnen(const std::string& sText)
{
    FehlerMeldung(sText);
    setResult(0);
}

bool TDlgObjektRahmen::bZahlFeldPruefen(QLineEdit* pEdit, unsigned long ulFeld, TZahlArt Art)
{
    const std::string sText = pEdit->text().toStdString();
    if (bZahlFeldGueltig(sText, Art)) return true;
    Ablehnen(ZahlFeldMeldung(sText, Art, FeldnameAusBeschriftung(PoolText(ulFeld))));
    // The field may lie on a page that is not shown.
    for (QWidget* p = pEdit; p && p != this; p = p->parentWidget()) {
        QWidget* pStapel = p->parentWidget();
        auto* pSeiten = pStapel ? qobject_cast<QTabWidget*>(pStapel->parentWidget()) : nullptr;
        if (pSeiten && pSeiten->indexOf(p) >= 0) pSeiten->setCurrentWidget(p);
    }
    pEdit->setFocus();
    pEdit->selectAll();
    return false;
}

bool TDlgObjektRahmen::bAdresseUndDBNrLesen(QLineEdit* pByteAdr, QLineEdit* pDBNr, int32_t& iAdr, int32_t& iDBNr,
                                            bool bStill)
{
    auto bFeldGueltig = [&](QLineEdit* pEdit, unsigned long ulFeld) {
        return bStill ? bZahlFeldGueltig(pEdit->text().toStdString(), TZahlArt::Ganzzahl)
                      : bZahlFeldPruefen(pEdit, ulFeld, TZahlArt::Ganzzahl);
    };
    auto bZuGross = [&](unsigned long ulText) {
        if (!bStill) Ablehnen(PoolText(ulText));
        return false;
    };
    long long ll = 0;
    if (!bFeldGueltig(pByteAdr, 1057)) return false;
    bGanzzahlFeldLesen(pByteAdr->text().toStdString(), TZahlArt::Ganzzahl, ll);
    if (ll > iMaxByteAdresse) return bZuGross(1072);
    iAdr = static_cast<int32_t>(ll);
    if (pDBNr->isEnabled() && !bFeldGueltig(pDBNr, 1058)) return false;
    if (!bGanzzahlFeldLesen(pDBNr->text().toStdString(), TZahlArt::Ganzzahl, ll)) ll = pObj ? pObj->DBNR : 0;
    if (ll > 0xFFFF) return bZuGross(6400);
    iDBNr = static_cast<int32_t>(ll);
    return true;
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
    if (MaskenUmgebung && MaskenUmgebung->pFarbDialog()) {
        MaskenUmgebung->pFarbDialog()->Color = dwFarbe;
        bGewaehlt = MaskenUmgebung->pFarbDialog()->Execute(this);
        dwFarbe = MaskenUmgebung->pFarbDialog()->Color;
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
