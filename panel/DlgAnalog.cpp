#include "DlgAnalog.h"

#include "Messbereiche.h"
#include "MyObj.h"
#include "PoolText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cfloat>

// Texte: 1000-1013, 1019, 1020

namespace {

// A bar in its frame, the picture between the direction buttons.
QPixmap BalkenBild()
{
    QPixmap pm(40, 40);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.fillRect(QRect(12, 2, 16, 36), QColor(128, 128, 128));
    p.fillRect(QRect(12, 18, 16, 20), QColor(0, 128, 0));
    p.setPen(Qt::black);
    p.drawRect(QRect(12, 2, 15, 35));
    return pm;
}

} // namespace

TDlgAnalog::TDlgAnalog(QWidget* pBesitzer, const Messbereich* pMessbereiche_,
                       int32_t iAnzahlMessbereiche_, TMyObj* pObj_)
    : TDlgObjektRahmen(pBesitzer, pObj_, false, "DlgAnalog.htm", true),
      pMessbereiche(pMessbereiche_),
      iAnzahlMessbereiche(pMessbereiche_ ? std::clamp<int32_t>(iAnzahlMessbereiche_, 0, iMaxMessbereiche) : 0)
{
    setObjectName("DlgAnalog");
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    OKButton = bOk;
    OKButton->setObjectName("OKButton");
    AbbruchButton = bAbbruch;
    AbbruchButton->setObjectName("AbbruchButton");
    DlgPageControl = ElementAnlegen<QTabWidget>(this, "DlgPageControl");

    OptionenTabSheet = ElementAnlegen<QWidget>(DlgPageControl, "OptionenTabSheet");
    BaugruppenArtLabel = ElementAnlegen<QLabel>(OptionenTabSheet, "BaugruppenArtLabel");
    QFont fett = BaugruppenArtLabel->font();
    fett.setBold(true);
    BaugruppenArtLabel->setFont(fett);
    BaugrAdrGroupBox = ElementAnlegen<QGroupBox>(OptionenTabSheet, "BaugrAdrGroupBox");
    Label1 = ElementAnlegen<QLabel>(BaugrAdrGroupBox, "Label1");
    AdresseEdit = ElementAnlegen<QLineEdit>(BaugrAdrGroupBox, "AdresseEdit");
    AdresseEdit->setFixedWidth(AdresseEdit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    Label1->setBuddy(AdresseEdit);
    rbOben = ElementAnlegen<QRadioButton>(BaugrAdrGroupBox, "rbOben");
    rbRechts = ElementAnlegen<QRadioButton>(BaugrAdrGroupBox, "rbRechts");
    rbLinks = ElementAnlegen<QRadioButton>(BaugrAdrGroupBox, "rbLinks");
    rbUnten = ElementAnlegen<QRadioButton>(BaugrAdrGroupBox, "rbUnten");
    Image1 = ElementAnlegen<QLabel>(BaugrAdrGroupBox, "Image1");
    Image1->setPixmap(BalkenBild());
    Image1->setAlignment(Qt::AlignCenter);
    cbAdresseAnzeigen = ElementAnlegen<QCheckBox>(BaugrAdrGroupBox, "cbAdresseAnzeigen");
    cbIstwertAnzeigen = ElementAnlegen<QCheckBox>(BaugrAdrGroupBox, "cbIstwertAnzeigen");
    {
        auto* pAdresse = new QHBoxLayout;
        pAdresse->addWidget(Label1);
        pAdresse->addWidget(AdresseEdit);
        pAdresse->addStretch(1);
        auto* pRichtung = new QGridLayout;
        pRichtung->addWidget(rbOben, 0, 1, Qt::AlignHCenter);
        pRichtung->addWidget(rbLinks, 1, 0, Qt::AlignRight);
        pRichtung->addWidget(Image1, 1, 1);
        pRichtung->addWidget(rbRechts, 1, 2, Qt::AlignLeft);
        pRichtung->addWidget(rbUnten, 2, 1, Qt::AlignHCenter);
        auto* g = new QVBoxLayout(BaugrAdrGroupBox);
        g->addLayout(pAdresse);
        g->addLayout(pRichtung);
        g->addWidget(cbAdresseAnzeigen);
        g->addWidget(cbIstwertAnzeigen);
        auto* v = new QVBoxLayout(OptionenTabSheet);
        v->addWidget(BaugruppenArtLabel);
        v->addWidget(BaugrAdrGroupBox);
        v->addStretch(1);
    }

    MessbereicheTabSheet = ElementAnlegen<QWidget>(DlgPageControl, "MessbereicheTabSheet");
    MessbereicheGroupBox = ElementAnlegen<QGroupBox>(MessbereicheTabSheet, "MessbereicheGroupBox");
    MessbereicheCheckListBox = ElementAnlegen<QListWidget>(MessbereicheGroupBox, "MessbereicheCheckListBox");
    MessbereicheCheckListBox->setFlow(QListView::TopToBottom);
    MessbereicheCheckListBox->setWrapping(true);
    MessbereicheCheckListBox->setResizeMode(QListView::Adjust);
    MessbereicheCheckListBox->setMinimumHeight(MessbereicheCheckListBox->fontMetrics().height() * 8);
    AufloesungRadioGroup = ElementAnlegen<QGroupBox>(MessbereicheTabSheet, "AufloesungRadioGroup");
    AufloesungKnoepfe = new QButtonGroup(this);
    {
        auto* pListe = new QVBoxLayout(MessbereicheGroupBox);
        pListe->addWidget(MessbereicheCheckListBox);
        auto* g = new QGridLayout(AufloesungRadioGroup);
        for (int i = 0; i < 8; ++i) {
            auto* rb = new QRadioButton(QString("%1-Bit").arg(8 + i), AufloesungRadioGroup);
            rb->setObjectName(QString("rbAufloesung%1").arg(8 + i));
            AufloesungKnoepfe->addButton(rb, i);
            g->addWidget(rb, i / 3, i % 3);   // three columns
        }
        auto* v = new QVBoxLayout(MessbereicheTabSheet);
        v->addWidget(MessbereicheGroupBox, 1);
        v->addWidget(AufloesungRadioGroup);
    }

    tsGrundstellung = ElementAnlegen<QWidget>(DlgPageControl, "tsGrundstellung");
    gbGrundstellung = ElementAnlegen<QGroupBox>(tsGrundstellung, "gbGrundstellung");
    eGrundstellung = ElementAnlegen<QLineEdit>(gbGrundstellung, "eGrundstellung");
    eGrundstellung->setFixedWidth(eGrundstellung->fontMetrics().horizontalAdvance(QStringLiteral("-000000.00")) + 16);
    lGrundstellungEinheit = ElementAnlegen<QLabel>(gbGrundstellung, "lGrundstellungEinheit");
    {
        auto* g = new QHBoxLayout(gbGrundstellung);
        g->addWidget(eGrundstellung);
        g->addWidget(lGrundstellungEinheit, 1);
        auto* v = new QVBoxLayout(tsGrundstellung);
        v->addWidget(gbGrundstellung);
        v->addStretch(1);
    }

    DlgPageControl->addTab(OptionenTabSheet, QString());
    DlgPageControl->addTab(MessbereicheTabSheet, QString());
    DlgPageControl->addTab(tsGrundstellung, QString());
    auto* pForm = new QVBoxLayout(this);
    pForm->addWidget(DlgPageControl);
    pForm->addLayout(KnopfLeiste());

    OnCreateDialog();

    connect(bOk, &QPushButton::clicked, this, &TDlgAnalog::OnClickButtonOK);
    connect(MessbereicheCheckListBox, &QListWidget::itemChanged, this, &TDlgAnalog::OnClickCheckMessbereich);
    connect(DlgPageControl, &QTabWidget::currentChanged, this, &TDlgAnalog::DlgPageControlChange);
    GroesseFestlegen();
}

void TDlgAnalog::OnCreateDialog()
{
    setWindowTitle(ObjektText(1000));
    DlgPageControl->setTabText(0, ObjektText(1001));
    BaugrAdrGroupBox->setTitle(ObjektText(1002));
    Label1->setText(ObjektText(1003));
    rbOben->setText(ObjektText(1004));
    rbRechts->setText(ObjektText(1005));
    rbLinks->setText(ObjektText(1006));
    rbUnten->setText(ObjektText(1007));
    cbAdresseAnzeigen->setText(ObjektText(1008));
    cbIstwertAnzeigen->setText(ObjektText(1009));
    DlgPageControl->setTabText(1, ObjektText(1010));
    MessbereicheGroupBox->setTitle(ObjektText(1010));
    AufloesungRadioGroup->setTitle(ObjektText(1011));
    DlgPageControl->setTabText(2, ObjektText(1012));
    gbGrundstellung->setTitle(ObjektText(1013));
    DialogFuellen();
    DlgPageControl->setCurrentIndex(0);
}

const Messbereich* TDlgAnalog::pBereich(int32_t i) const
{
    return pMessbereiche && i >= 0 && i < iAnzahlMessbereiche ? &pMessbereiche[i] : nullptr;
}

bool TDlgAnalog::bEingang() const
{
    return pObj->Op == 'E' || pObj->Op == 'I';
}

int TDlgAnalog::iAufloesung() const
{
    return AufloesungKnoepfe->checkedId();
}

void TDlgAnalog::DialogFuellen()
{
    AdresseEdit->setText(QString::number(pObj->Adr));
    const bool bAusgang = pObj->Op == 'A' || pObj->Op == 'Q';
    if (bEingang()) BaugruppenArtLabel->setText(ObjektText(1019));
    if (bAusgang) {
        BaugruppenArtLabel->setText(ObjektText(1020));
        gbGrundstellung->setEnabled(false);
        eGrundstellung->setEnabled(false);
        lGrundstellungEinheit->setEnabled(false);
    }
    // An object without a direction yet grows upwards.
    switch (pObj->Ausrichtung) {
    case 'u': rbUnten->setChecked(true); break;
    case 'l': rbLinks->setChecked(true); break;
    case 'r': rbRechts->setChecked(true); break;
    case 'o': case '\0': rbOben->setChecked(true); break;
    default: break;
    }
    AufloesungKnoepfe->button(pObj->Aufl >= 8 && pObj->Aufl <= 15 ? pObj->Aufl - 8 : 0)->setChecked(true);
    if (bAusgang) AufloesungRadioGroup->setEnabled(false);
    iMessb = pObj->Messb;
    const bool bAlt = MessbereicheCheckListBox->blockSignals(true);
    MessbereicheCheckListBox->clear();
    for (int i = 0; i < iAnzahlMessbereiche; ++i) {
        auto* pEintrag = new QListWidgetItem(QString::fromStdString(pMessbereiche[i].cName), MessbereicheCheckListBox);
        pEintrag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        pEintrag->setCheckState(i == iMessb ? Qt::Checked : Qt::Unchecked);
    }
    MessbereicheCheckListBox->blockSignals(bAlt);
    // The initial value is shown within the range; the object keeps its
    // own until OK.
    float fGrund = pObj->DefaultE;
    if (const Messbereich* p = pBereich(iMessb)) {
        if (fGrund < p->fUnterwert) fGrund = p->fUnterwert;
        if (fGrund > p->fOberwert) fGrund = p->fOberwert;
    }
    eGrundstellung->setText(QString::fromStdString(FestkommaText(fGrund, 2, 2)));
    cbAdresseAnzeigen->setChecked(pObj->AdrAnzeigen);
    cbIstwertAnzeigen->setChecked(pObj->IstwertAnzeigen);
}

void TDlgAnalog::OnClickCheckMessbereich()
{
    QListWidget* l = MessbereicheCheckListBox;
    const bool bAlt = l->blockSignals(true);
    int iErster = -1, iAnderer = -1;
    for (int i = 0; i < l->count(); ++i) {
        if (l->item(i)->checkState() != Qt::Checked) continue;
        if (iErster < 0) iErster = i;
        if (iAnderer < 0 && i != iMessb) iAnderer = i;
    }
    if (iErster < 0) {
        // The ticked range was unticked: a range stays chosen.
        if (QListWidgetItem* p = l->item(iMessb)) p->setCheckState(Qt::Checked);
    } else if (iAnderer >= 0) {
        if (QListWidgetItem* p = l->item(iMessb)) p->setCheckState(Qt::Unchecked);
        iMessb = iAnderer;
    }
    l->blockSignals(bAlt);
}

QString TDlgAnalog::BereichText(const Messbereich& b)
{
    const int iStellen = b.iNachkommastellen == 2 ? 2 : (b.iNachkommastellen == 1 ? 1 : 0);
    return QString::fromStdString("(" + FestkommaText(b.fUnterwert, iStellen, 2) + " ... " +
                                  FestkommaText(b.fOberwert, iStellen, 2) + " " + b.cEinheit + ")");
}

void TDlgAnalog::DlgPageControlChange()
{
    if (DlgPageControl->currentWidget() != tsGrundstellung) return;
    const Messbereich* p = pBereich(iMessb);
    lGrundstellungEinheit->setText(p ? BereichText(*p) : QString());
}

bool TDlgAnalog::bEingabenUebernehmen()
{
    // Both number fields are checked before anything is stored.
    if (!bZahlFeldPruefen(AdresseEdit, 1003, TZahlArt::GanzzahlMitVorzeichen) ||
        !bZahlFeldPruefen(eGrundstellung, 1013, TZahlArt::Dezimalbruch))
        return false;
    long long llAdr = 0;
    bGanzzahlFeldLesen(AdresseEdit->text().toStdString(), TZahlArt::GanzzahlMitVorzeichen, llAdr);
    if (llAdr < 0 || llAdr > 2047) {
        Ablehnen(PoolTextFormat(1017, "%d%d", 0, 2047));
        return false;
    }
    const auto iAdr = static_cast<int32_t>(llAdr);
    if (iAdr % 2 != 0) {
        Ablehnen(PoolText(1018));
        return false;
    }
    if (rbLinks->isChecked()) pObj->Ausrichtung = 'l';
    else if (rbRechts->isChecked()) pObj->Ausrichtung = 'r';
    else if (rbOben->isChecked()) pObj->Ausrichtung = 'o';
    else if (rbUnten->isChecked()) pObj->Ausrichtung = 'u';
    pObj->Aufl = 8 + (iAufloesung() >= 0 ? iAufloesung() : 0);
    pObj->Adr = static_cast<uint16_t>(iAdr);
    pObj->Messb = iMessb;
    pObj->AdrAnzeigen = cbAdresseAnzeigen->isChecked();
    pObj->IstwertAnzeigen = cbIstwertAnzeigen->isChecked();
    double dGrund = 0.0;
    bDezimalbruchFeldLesen(eGrundstellung->text().toStdString(), dGrund);
    // Beyond the float range the value is held at its edge; the clamp to
    // the measuring range below takes it from there.
    float fGrund = static_cast<float>(std::clamp(dGrund, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
    if (const Messbereich* p = pBereich(iMessb)) {
        if (fGrund > p->fOberwert) fGrund = p->fOberwert;
        if (fGrund < p->fUnterwert) fGrund = p->fUnterwert;
    }
    pObj->DefaultE = fGrund;
    pObj->Anzahl = 1;
    return true;
}

void TDlgAnalog::OnClickButtonOK()
{
    setResult(0);
    if (bEingabenUebernehmen()) done(1);
}
