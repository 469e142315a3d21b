// PLC settings dialog: frame, selection column, cycle group, OK, closing,
// keys, help and the watch of the system data block files.
#include "DlgEinstellungenForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QHeaderView>

#include <algorithm>

#include "DateiStempel.h"
#include "Einstellungen.h"
#include "HauptForm.h"
#include "Hilfe.h"
#include "Maske.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "Programm.h"
#include "SPSEinstellungen.h"
#include "SpeicherFragen.h"
#include "WinText.h"
#include "harlenzutils40.h"

int32_t TDlgEinstellungen::iLetzteSeite = 0;
std::string TDlgEinstellungen::cLetzteAuswahl;

namespace {

constexpr uint32_t dwFarbeNormal = 0xC0C0C0, dwFarbeMaus = 0x808080, dwFarbeGewaehlt = 0x00FF00;

std::string T(unsigned long n) { return PoolText(n); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

// "PLC.DAT" in the folder of the panel file (a "plc.dat" copied from
// Windows is the one read and written).
std::string SPSDatPfad()
{
    std::string sOrdner(MaskeFile.size() + 1, '\0');
    U_FilenameVonPfadEntfernen(sOrdner.data(), MaskeFile.c_str());
    sOrdner.resize(std::char_traits<char>::length(sOrdner.c_str()));
    return ProjektDateiPfad(sOrdner, "PLC.DAT");
}

std::string OrdnerVon(const std::string& sPfad)
{
    const std::size_t u = sPfad.rfind('/');
    return u == std::string::npos ? std::string("./") : sPfad.substr(0, u + 1);
}

} // namespace

TDlgEinstellungen::TDlgEinstellungen(QWidget* pBesitzer) : QDialog(pBesitzer)
{
    setObjectName("DlgEinstellungen");
    setWindowTitle(Q(T(1073)));
    setModal(true);

    Banner = new QLabel(this);
    Banner->setObjectName("Banner");
    Banner->setFixedHeight(65);
    Banner->setAutoFillBackground(true);
    Banner->setStyleSheet("background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1f4e79, stop:1 #9dc3e6);"
                          "color: white; font-size: 18pt; font-weight: bold; padding-left: 16px;");
    Banner->setText(Q(T(1073)));

    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    tsEinstellungen = new QWidget;
    tsEinstellungen->setObjectName("tsEinstellungen");
    tsDiagnose = new QWidget;
    tsDiagnose->setObjectName("tsDiagnose");
    tsTechnischeDaten = new QWidget;
    tsTechnischeDaten->setObjectName("tsTechnischeDaten");
    PageControl->addTab(tsEinstellungen, Q(T(1074)));
    PageControl->addTab(tsDiagnose, Q(T(1083)));
    PageControl->addTab(tsTechnischeDaten, Q(T(1084)));

    bOk = new QPushButton(Q(T(1014)), this);
    bOk->setObjectName("bOk");
    bOk->setDefault(true);
    bHilfe = new QPushButton(Q(T(1016)), this);
    bHilfe->setObjectName("bHilfe");
    connect(bOk, &QPushButton::clicked, this, &TDlgEinstellungen::bOkClick);
    connect(bHilfe, &QPushButton::clicked, this, &TDlgEinstellungen::bHilfeClick);

    auto* pKnoepfe = new QHBoxLayout;
    pKnoepfe->addStretch(1);
    pKnoepfe->addWidget(bOk);
    pKnoepfe->addWidget(bHilfe);
    auto* pHaupt = new QVBoxLayout(this);
    pHaupt->setContentsMargins(0, 0, 0, 10);
    pHaupt->addWidget(Banner);
    auto* pMitte = new QVBoxLayout;
    pMitte->setContentsMargins(8, 0, 8, 0);
    pMitte->addWidget(PageControl, 1);
    pMitte->addLayout(pKnoepfe);
    pHaupt->addLayout(pMitte, 1);

    SeiteEinstellungenBauen();

    // The diagnosis and technical data pages.
    sg = new QTableWidget(tsDiagnose);
    sg->setObjectName("sg");
    sg->setSelectionBehavior(QAbstractItemView::SelectRows);
    sg->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg->verticalHeader()->hide();
    (new QVBoxLayout(tsDiagnose))->addWidget(sg);
    sgTechnischeDaten = new QTableWidget(tsTechnischeDaten);
    sgTechnischeDaten->setObjectName("sgTechnischeDaten");
    sgTechnischeDaten->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgTechnischeDaten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgTechnischeDaten->verticalHeader()->hide();
    (new QVBoxLayout(tsTechnischeDaten))->addWidget(sgTechnischeDaten);

    // The engine takes the panel's properties on every opening, before any
    // value is shown.
    cSPSDatPfad = SPSDatPfad();
    D7ED_bSPSEigenschaftenLaden(cSPSDatPfad.c_str());
    DateiStempelMerken(cSPSDatPfad);
    dwSDBStempel = dwSDBStempelSumme(OrdnerVon(cSPSDatPfad));
    bWLDGeladen = false;

    pAuswahlLabel = lAuswahl_SPSTyp;
    for (QLabel* p : AuswahlLabels())
        if (p->text().toStdString() == cLetzteAuswahl) pAuswahlLabel = p;

    DiagnoseAnzeigen();
    TechnischeDatenAnzeigen();
    IPAdressListeFuellen();
    ZyklusAnzeigen();

    PageControl->setCurrentIndex(iLetzteSeite >= 0 && iLetzteSeite < PageControl->count() ? iLetzteSeite : 0);
    PageControlChange();
    connect(PageControl, &QTabWidget::currentChanged, this, [this] {
        PageControlChanging();
        PageControlChange();
    });
    for (QLabel* p : AuswahlLabels()) LabelFarbeSetzen(p, dwFarbeNormal);
    AuswahlAnzeigen(true);

    for (QLineEdit* p : RemanenzEdits) p->setEnabled(false);
    cbSPSBausteineRestaurieren->setChecked(Hauptformular && Hauptformular->BausteineRestaurieren);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TDlgEinstellungen::Timer1Timer);
    Timer1->start();
}

TDlgEinstellungen::~TDlgEinstellungen() = default;

void TDlgEinstellungen::SeiteEinstellungenBauen()
{
    gbEinstellungenAuswahl = new QGroupBox(Q(T(1075)), tsEinstellungen);
    gbEinstellungenAuswahl->setObjectName("gbEinstellungenAuswahl");
    auto* pAuswahl = new QVBoxLayout(gbEinstellungenAuswahl);
    pAuswahl->setSpacing(0);
    auto neuesLabel = [&](QLabel*& p, const char* pcName, unsigned long ulText) {
        p = new QLabel(Q(T(ulText)), gbEinstellungenAuswahl);
        p->setObjectName(pcName);
        p->setAlignment(Qt::AlignCenter);
        p->setMinimumHeight(20);
        QFont f = p->font();
        f.setBold(true);
        p->setFont(f);
        p->setCursor(Qt::PointingHandCursor);
        p->setAutoFillBackground(true);
        p->setMouseTracking(true);
        p->installEventFilter(this);
        if (pAuswahl->count() > 0) pAuswahl->addSpacing(13);
        pAuswahl->addWidget(p);
    };
    neuesLabel(lAuswahl_SPSTyp, "lAuswahl_SPSTyp", 1082);
    neuesLabel(lAuswahl_Netinterface, "lAuswahl_Netinterface", 1081);
    neuesLabel(lAuswahl_Zyklus_Taktmerker, "lAuswahl_Zyklus_Taktmerker", 1077);
    neuesLabel(lAuswahl_Remanenz, "lAuswahl_Remanenz", 1078);
    neuesLabel(lAuswahl_Alarme, "lAuswahl_Alarme", 1076);
    neuesLabel(lAuswahl_Uhrzeitalarme, "lAuswahl_Uhrzeitalarme", 1079);
    neuesLabel(lAuswahl_Weckalarme, "lAuswahl_Weckalarme", 1080);
    pAuswahl->addStretch(1);
    // At least the form's 161 pixels, wider when a caption needs it (a
    // fixed least width alone would let the layout cut it).
    gbEinstellungenAuswahl->setMinimumWidth(std::max(161, gbEinstellungenAuswahl->minimumSizeHint().width()));

    lEinstellungenUeberschrift = new QLabel(tsEinstellungen);
    lEinstellungenUeberschrift->setObjectName("lEinstellungenUeberschrift");
    lEinstellungenUeberschrift->setAutoFillBackground(true);
    lEinstellungenUeberschrift->setStyleSheet("background-color: #00ff00; font-weight: bold; padding: 2px;");

    pGruppenFlaeche = new QWidget(tsEinstellungen);
    pGruppenFlaeche->setObjectName("GruppenFlaeche");
    pGruppenRaster = new QGridLayout(pGruppenFlaeche);
    pGruppenRaster->setContentsMargins(0, 0, 0, 0);
    pGruppenRaster->setSpacing(5);

    auto* pRechts = new QVBoxLayout;
    pRechts->addWidget(lEinstellungenUeberschrift);
    pRechts->addWidget(pGruppenFlaeche);
    pRechts->addStretch(1);
    auto* pSeite = new QHBoxLayout(tsEinstellungen);
    pSeite->addWidget(gbEinstellungenAuswahl);
    pSeite->addLayout(pRechts, 1);

    for (QWidget* p : {static_cast<QWidget*>(this), tsEinstellungen, static_cast<QWidget*>(lEinstellungenUeberschrift),
                       static_cast<QWidget*>(gbEinstellungenAuswahl)}) {
        p->setMouseTracking(true);
        p->installEventFilter(this);
    }

    ZyklusGruppenBauen();
    RemanenzGruppenBauen();
    AlarmGruppenBauen();
    SPSTypGruppeBauen();
    NetzGruppeBauen();
}

void TDlgEinstellungen::ZyklusGruppenBauen()
{
    Zyklus_GroupBox1 = new QGroupBox(Q(T(1120)), pGruppenFlaeche);
    Zyklus_GroupBox1->setObjectName("Zyklus_GroupBox1");
    auto* g = new QGridLayout(Zyklus_GroupBox1);
    auto edit = [&](QLineEdit*& p, const char* pcName, int iZeile, unsigned long ulLabel,
                    QLabel** ppLabel = nullptr) {
        auto* pLabel = new QLabel(Q(T(ulLabel)), Zyklus_GroupBox1);
        p = new QLineEdit(Zyklus_GroupBox1);
        p->setObjectName(pcName);
        p->setMaximumWidth(90);
        g->addWidget(pLabel, iZeile, 0);
        g->addWidget(p, iZeile, 1);
        if (ppLabel) *ppLabel = pLabel;
    };
    Zyklus_PA_Aktualisieren = new QCheckBox(Q(T(1128)), Zyklus_GroupBox1);
    Zyklus_PA_Aktualisieren->setObjectName("Zyklus_PA_Aktualisieren");
    g->addWidget(Zyklus_PA_Aktualisieren, 0, 0, 1, 2);
    edit(Zyklus_ZyklusUeberwachungsZeit, "Zyklus_ZyklusUeberwachungsZeit", 1, 1121);
    edit(Zyklus_MindestZyklusZeit, "Zyklus_MindestZyklusZeit", 2, 1122, &Zyklus_LabelMindestZyklusZeit);
    edit(Zyklus_MaxZyklusBelastung, "Zyklus_MaxZyklusBelastung", 3, 1123);
    Zyklus_LabelOB85Aufruf = new QLabel(Q(T(1124)), Zyklus_GroupBox1);
    Zyklus_OB85Aufruf = new QComboBox(Zyklus_GroupBox1);
    Zyklus_OB85Aufruf->setObjectName("Zyklus_OB85Aufruf");
    g->addWidget(Zyklus_LabelOB85Aufruf, 4, 0);
    g->addWidget(Zyklus_OB85Aufruf, 4, 1);
    edit(Zyklus_GroessePAE_Edit, "Zyklus_GroessePAE_Edit", 5, 1125);
    edit(Zyklus_GroessePAA_Edit, "Zyklus_GroessePAA_Edit", 6, 1126);
    cbNichtVorhandeneSFB_SFCIgnorieren = new QCheckBox(Q(T(1129)), Zyklus_GroupBox1);
    cbNichtVorhandeneSFB_SFCIgnorieren->setObjectName("cbNichtVorhandeneSFB_SFCIgnorieren");
    g->addWidget(cbNichtVorhandeneSFB_SFCIgnorieren, 7, 0, 1, 2);
    edit(eAufrufinterval, "eAufrufinterval", 8, 1127);
    eAufrufinterval->setMaxLength(3);
    g->setColumnStretch(2, 1);

    Zyklus_GroupBox2 = new QGroupBox(Q(T(1092)), pGruppenFlaeche);
    Zyklus_GroupBox2->setObjectName("Zyklus_GroupBox2");
    auto* g2 = new QGridLayout(Zyklus_GroupBox2);
    Zyklus_TaktmerkerAktiv = new QCheckBox(Q(T(1095)), Zyklus_GroupBox2);
    Zyklus_TaktmerkerAktiv->setObjectName("Zyklus_TaktmerkerAktiv");
    Zyklus_Label4 = new QLabel(Q(T(1093)), Zyklus_GroupBox2);
    Zyklus_Label4->setObjectName("Zyklus_Label4");
    Zyklus_TaktmerkerAdr = new QLineEdit(Zyklus_GroupBox2);
    Zyklus_TaktmerkerAdr->setObjectName("Zyklus_TaktmerkerAdr");
    Zyklus_TaktmerkerAdr->setMaximumWidth(90);
    lHinweisTaktmerkerbyte = new QLabel(Q(T(1094)), Zyklus_GroupBox2);
    lHinweisTaktmerkerbyte->setObjectName("lHinweisTaktmerkerbyte");
    lHinweisTaktmerkerbyte->setWordWrap(true);
    g2->addWidget(Zyklus_TaktmerkerAktiv, 0, 0, 1, 3);
    g2->addWidget(Zyklus_Label4, 1, 0);
    g2->addWidget(Zyklus_TaktmerkerAdr, 1, 1);
    g2->addWidget(lHinweisTaktmerkerbyte, 2, 0, 1, 3);
    g2->setColumnStretch(2, 1);
}

void TDlgEinstellungen::ZyklusAnzeigen()
{
    eAufrufinterval->setText(QString::number(RavoDAVInterval));
    cbNichtVorhandeneSFB_SFCIgnorieren->setChecked(D7ED_GetSFCSGBIgnorieren());
    Zyklus_TaktmerkerAdr->setText(QString::number(D7ED_GetTaktMerkerByteNr() & 0xFFFF));
    Zyklus_TaktmerkerAktiv->setChecked(D7ED_IstGetTaktMerkerAktiv());
    Zyklus_ZyklusUeberwachungsZeit->setText(QString::number(D7ED_wGetZyklusUeberwachungszeit() & 0xFFFF));
    Zyklus_PA_Aktualisieren->setChecked(D7ED_GetPAEPAAAktualisieren() != 0);
    Zyklus_LabelMindestZyklusZeit->setEnabled(false);
    Zyklus_MindestZyklusZeit->clear();
    Zyklus_MindestZyklusZeit->setEnabled(false);
    Zyklus_MaxZyklusBelastung->setText("20");
    Zyklus_MaxZyklusBelastung->setEnabled(false);
    Zyklus_LabelOB85Aufruf->setEnabled(false);
    Zyklus_OB85Aufruf->setEnabled(false);
}

void TDlgEinstellungen::FormCreate()
{
    UhrzeitalarmeAnzeigen();
    WeckalarmeAnzeigen();
    AlarmeAnzeigen();
    // Emptying the filter fills the type list once without a filter.
    aMaskeSPSTyp->clear();
    aMaskeSPSTypChange();
    SPSTypAnzeigen();
    TCPIPZusammenfassungAnzeigen();
    // Sized once filled, for the widest selection rather than the one
    // remembered from the last opening: the dialog neither opens at a
    // width that depends on that nor squeezes a wider selection later.
    QLabel* const pGewaehlt = pAuswahlLabel;
    QSize groesse(770, 575);
    for (QLabel* p : AuswahlLabels()) {
        LabelAuswahlOnClick(p);
        // The nested layouts learn of the shown groups through posted
        // requests; a hidden dialog would otherwise answer from its cache.
        for (int i = 0; i < 4; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        groesse = groesse.expandedTo(sizeHint());
    }
    LabelAuswahlOnClick(pGewaehlt);
    resize(groesse);
}

std::array<QLabel*, 7> TDlgEinstellungen::AuswahlLabels() const
{
    return {lAuswahl_SPSTyp,   lAuswahl_Netinterface,  lAuswahl_Zyklus_Taktmerker, lAuswahl_Remanenz,
            lAuswahl_Alarme, lAuswahl_Uhrzeitalarme, lAuswahl_Weckalarme};
}

std::vector<QGroupBox*> TDlgEinstellungen::GruppenVon(const QLabel* pLabel) const
{
    if (pLabel == lAuswahl_SPSTyp) return {gbAGTyp};
    if (pLabel == lAuswahl_Netinterface) return {gbNetinterface};
    if (pLabel == lAuswahl_Zyklus_Taktmerker) return {Zyklus_GroupBox1, Zyklus_GroupBox2};
    if (pLabel == lAuswahl_Remanenz) return {Remanenz_GroupBox1, Remanenz_GroupBox2};
    if (pLabel == lAuswahl_Alarme) return {Alarme_GroupBox1, Alarme_GroupBox2, Alarme_GroupBox3, Alarme_GroupBox4};
    if (pLabel == lAuswahl_Uhrzeitalarme) return {gbUhrzeitalarme};
    if (pLabel == lAuswahl_Weckalarme) return {gbWeckalarme};
    return {};
}

uint32_t TDlgEinstellungen::dwLabelFarbe(const QLabel* pLabel)
{
    return pLabel ? pLabel->property("Farbe").toUInt() : 0;
}

void TDlgEinstellungen::LabelFarbeSetzen(QLabel* pLabel, uint32_t dwFarbe)
{
    if (!pLabel || (pLabel->property("Farbe").isValid() && dwLabelFarbe(pLabel) == dwFarbe)) return;
    pLabel->setProperty("Farbe", dwFarbe);
    QPalette pal = pLabel->palette();
    pal.setColor(QPalette::Window, QColor(dwFarbe & 0xFF, (dwFarbe >> 8) & 0xFF, (dwFarbe >> 16) & 0xFF));
    pLabel->setPalette(pal);
}

void TDlgEinstellungen::AuswahlAnzeigen(bool bGruppenUmschalten)
{
    if (!pAuswahlLabel || !pGruppenRaster) return;
    LabelFarbeSetzen(pAuswahlLabel, dwFarbeGewaehlt);
    lEinstellungenUeberschrift->setText(pAuswahlLabel->text());
    if (!bGruppenUmschalten) return;
    for (QLabel* p : AuswahlLabels())
        for (QGroupBox* g : GruppenVon(p)) {
            g->hide();
            pGruppenRaster->removeWidget(g);
        }
    const std::vector<QGroupBox*> gruppen = GruppenVon(pAuswahlLabel);
    if (pAuswahlLabel == lAuswahl_Alarme) {
        // Process interrupts on the left, delay and communication stacked
        // in the middle, asynchronous errors on the right.
        pGruppenRaster->addWidget(Alarme_GroupBox1, 0, 0, 2, 1, Qt::AlignTop);
        pGruppenRaster->addWidget(Alarme_GroupBox2, 0, 1, Qt::AlignTop);
        pGruppenRaster->addWidget(Alarme_GroupBox3, 1, 1, Qt::AlignTop);
        pGruppenRaster->addWidget(Alarme_GroupBox4, 0, 2, 2, 1, Qt::AlignTop);
    } else {
        for (std::size_t i = 0; i < gruppen.size(); ++i)
            pGruppenRaster->addWidget(gruppen[i], static_cast<int>(i), 0, 1, 3);
    }
    for (QGroupBox* g : gruppen) g->show();
}

void TDlgEinstellungen::LabelAuswahlOnClick(QLabel* pLabel)
{
    for (QLabel* p : AuswahlLabels()) LabelFarbeSetzen(p, dwFarbeNormal);
    pAuswahlLabel = pLabel;
    AuswahlAnzeigen(true);
}

void TDlgEinstellungen::LabelAuswahlOnMouseMove(QLabel* pLabel)
{
    for (QLabel* p : AuswahlLabels()) LabelFarbeSetzen(p, dwFarbeNormal);
    LabelFarbeSetzen(pLabel, dwFarbeMaus);
    AuswahlAnzeigen(false);
}

void TDlgEinstellungen::FormMouseMove()
{
    for (QLabel* p : AuswahlLabels())
        if (dwLabelFarbe(p) != dwFarbeNormal) LabelFarbeSetzen(p, dwFarbeNormal);
    AuswahlAnzeigen(false);
}

bool TDlgEinstellungen::eventFilter(QObject* pZiel, QEvent* e)
{
    auto* pLabel = qobject_cast<QLabel*>(pZiel);
    const auto labels = AuswahlLabels();
    const bool bAuswahl = pLabel && std::find(labels.begin(), labels.end(), pLabel) != labels.end();
    if (e->type() == QEvent::MouseButtonPress && bAuswahl) {
        LabelAuswahlOnClick(pLabel);
        return true;
    }
    if (e->type() == QEvent::MouseMove) {
        if (bAuswahl)
            LabelAuswahlOnMouseMove(pLabel);
        else
            FormMouseMove();
    }
    return QDialog::eventFilter(pZiel, e);
}

void TDlgEinstellungen::PageControlChanging()
{
    for (int i = 0; i < PageControl->count(); ++i) PageControl->tabBar()->setTabTextColor(i, QColor());
}

void TDlgEinstellungen::PageControlChange()
{
    PageControl->tabBar()->setTabTextColor(PageControl->currentIndex(), QColor(0, 0, 160));
}

void TDlgEinstellungen::Timer1Timer()
{
    const uint32_t dwStempel = dwSDBStempelSumme(OrdnerVon(cSPSDatPfad));
    if (dwStempel != dwSDBStempel && bOk->isEnabled() && !bWLDGeladen) {
        dwSDBStempel = dwStempel;
        bOk->setEnabled(false);
        InfoMeldung(T(1193));
        reject();
        return;
    }
    TCPIPZusammenfassungAnzeigen();
}

void TDlgEinstellungen::bOkClick()
{
    TEingaben e;
    if (!bEingabenLesen(e)) return;
    // Another program changed the file since this dialog read it: without
    // the user's word nothing is taken over, and the dialog stays open.
    cSPSDatPfad = SPSDatPfad();
    if (UeberschreibenFragen(cSPSDatPfad, false, 0) != TUeberschreiben::Schreiben) return;
    RavoDAVInterval = e.wAufrufintervall;
    // An address that no entry holds (one of another PC from the project's
    // IP data) stays as it is rather than becoming empty.
    if (cbIPAdr->currentIndex() >= 0) IP_ADR = IPAusEintrag(cbIPAdr->currentText().toStdString());
    RegistryEinstellungenSchreiben();
    D7ED_SetTaktMerkerByteNr(e.wTaktmerkerByte);
    if (!Zyklus_TaktmerkerAktiv->isChecked()) D7ED_SetTaktMerkerByteNr(D7ED_TAKTMERKER_AUS);
    D7ED_SFCSGBIgnorieren(cbNichtVorhandeneSFB_SFCIgnorieren->isChecked());
    D7ED_SetPAEPAAAktualisieren(Zyklus_PA_Aktualisieren->isChecked() ? 1 : 0);
    D7ED_SetZyklusUeberwachungszeit(e.wUeberwachungszeit);
    UhrzeitalarmeUebernehmen(e);
    WeckalarmeUebernehmen(e);
    VerzoegerungsalarmeUebernehmen(e);
    if (!D7ED_bSPSEigenschaftenSpeichern(cSPSDatPfad.c_str())) {
        FehlerMeldung(PoolTextFormat(6501, "%s", cSPSDatPfad.c_str()));
        return;
    }
    DateiStempelMerken(cSPSDatPfad);
    PLCDatNeuGeschrieben();
    done(1);
}

void TDlgEinstellungen::bHilfeClick() { HilfeAnzeigen("DlgSPSEinstellungen.htm"); }

void TDlgEinstellungen::FormKeyDown(int iTaste)
{
    if (iTaste == Qt::Key_F1) bHilfeClick();
}

void TDlgEinstellungen::FormKeyPress(int iZeichen)
{
    if (iZeichen == 27) reject();
}

void TDlgEinstellungen::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        FormKeyDown(e->key());
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        FormKeyPress(27);
        return;
    }
    QDialog::keyPressEvent(e);
}

void TDlgEinstellungen::reject() { done(2); }

void TDlgEinstellungen::done(int iErgebnis)
{
    if (!bGeschlossen) {
        bGeschlossen = true;
        FormClose();
    }
    QDialog::done(iErgebnis);
}

void TDlgEinstellungen::FormClose()
{
    if (Timer1) Timer1->stop();
    iLetzteSeite = PageControl->currentIndex();
    cLetzteAuswahl = pAuswahlLabel->text().toStdString().substr(0, 254);
    if (Hauptformular && cbSPSBausteineRestaurieren->isChecked() != Hauptformular->BausteineRestaurieren) {
        Hauptformular->SetMaskeGeaendert(true);
        Hauptformular->BausteineRestaurieren = cbSPSBausteineRestaurieren->isChecked();
    }
}
