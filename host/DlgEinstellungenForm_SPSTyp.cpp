// PLC settings dialog: CPU type, block file and network groups.
#include "DlgEinstellungenForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Allgemein.h"
#include "Einstellungen.h"
#include "HauptForm.h"
#include "Meldungen.h"
#include "IPDaten.h"
#include "ListenSockets.h"
#include "PoolText.h"
#include "Programm.h"
#include "SPSTyp.h"
#include "WLDDatei.h"
#include "WinDialoge.h"
#include "WinProzess.h"
#include "WinZeit.h"
#include "harlenzutils40.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Name and order number of a type file, read as the main window reads it.
SPSTypDaten TypDaten(const std::string& sDatei)
{
    SPSTypDaten d;
    bSPSTypDateiLesen(sDatei, d);
    return d;
}

} // namespace

void TDlgEinstellungen::SPSTypGruppeBauen()
{
    gbAGTyp = new QGroupBox(Q(PoolText(1138)), pGruppenFlaeche);
    gbAGTyp->setObjectName("gbAGTyp");
    auto* g = new QGridLayout(gbAGTyp);
    auto label = [&](QLabel*& p, const char* pcName, const QString& s) {
        p = new QLabel(s, gbAGTyp);
        p->setObjectName(pcName);
    };
    label(lAktuellerSPSTyp, "lAktuellerSPSTyp", Q(PoolText(1139)));
    label(lAktuellerSPSTypInhalt, "lAktuellerSPSTypInhalt", "<Typ>");
    lAktuellerSPSTypInhalt->setTextFormat(Qt::PlainText);
    QFont f = lAktuellerSPSTypInhalt->font();
    f.setBold(true);
    lAktuellerSPSTypInhalt->setFont(f);
    label(lFilterSPSTyp, "lFilterSPSTyp", Q(PoolText(1140)));
    aMaskeSPSTyp = new QLineEdit(gbAGTyp);
    aMaskeSPSTyp->setObjectName("aMaskeSPSTyp");
    cbTypen = new QComboBox(gbAGTyp);
    cbTypen->setObjectName("cbTypen");
    cbTypen->setMinimumContentsLength(30);
    bSelTypEinstellen = new QPushButton(Q(PoolText(1142)), gbAGTyp);
    bSelTypEinstellen->setObjectName("bSelTypEinstellen");
    bTypBearbeiten = new QPushButton(Q(PoolText(1143)), gbAGTyp);
    bTypBearbeiten->setObjectName("bTypBearbeiten");
    cbSPSBausteineRestaurieren = new QCheckBox(Q(PoolText(1366)), gbAGTyp);
    cbSPSBausteineRestaurieren->setObjectName("cbSPSBausteineRestaurieren");
    label(lWLDLaden, "lWLDLaden", Q(PoolText(1141)));
    bWLDLaden = new QPushButton("...", gbAGTyp);
    bWLDLaden->setObjectName("bWLDLaden");
    label(lCntBlockWriteInfo, "lCntBlockWriteInfo", "");

    g->addWidget(lAktuellerSPSTyp, 0, 0);
    g->addWidget(lAktuellerSPSTypInhalt, 0, 1, 1, 3);
    g->addWidget(lFilterSPSTyp, 1, 0);
    g->addWidget(aMaskeSPSTyp, 1, 1);
    g->addWidget(cbTypen, 2, 1);
    g->addWidget(bSelTypEinstellen, 2, 2);
    g->addWidget(bTypBearbeiten, 2, 3);
    g->addWidget(cbSPSBausteineRestaurieren, 3, 0, 1, 4);
    g->addWidget(lWLDLaden, 4, 0);
    g->addWidget(bWLDLaden, 4, 1, Qt::AlignLeft);
    g->addWidget(lCntBlockWriteInfo, 5, 1, 1, 3);
    g->setColumnStretch(1, 1);

    connect(aMaskeSPSTyp, &QLineEdit::textChanged, this, &TDlgEinstellungen::aMaskeSPSTypChange);
    connect(bSelTypEinstellen, &QPushButton::clicked, this, &TDlgEinstellungen::bSelTypEinstellenClick);
    connect(bTypBearbeiten, &QPushButton::clicked, this, &TDlgEinstellungen::bTypBearbeitenClick);
    connect(bWLDLaden, &QPushButton::clicked, this, &TDlgEinstellungen::bWLDLadenClick);
}

void TDlgEinstellungen::NetzGruppeBauen()
{
    gbNetinterface = new QGroupBox(Q(PoolText(1135)), pGruppenFlaeche);
    gbNetinterface->setObjectName("gbNetinterface");
    auto* l = new QVBoxLayout(gbNetinterface);
    LabelLocalHostBemerkung = new QLabel(gbNetinterface);
    LabelLocalHostBemerkung->setObjectName("LabelLocalHostBemerkung");
    LabelLocalHostBemerkung->setWordWrap(true);
    LabelLocalHostBemerkung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelLocalHostBemerkung->setMinimumHeight(50);
    bTCPIPConfigExtern = new QPushButton(Q(PoolText(6903)), gbNetinterface);
    bTCPIPConfigExtern->setObjectName("bTCPIPConfigExtern");
    cbIPAdr = new QComboBox(gbNetinterface);
    cbIPAdr->setObjectName("cbIPAdr");
    cbIPAdr->hide();
    l->addWidget(LabelLocalHostBemerkung);
    l->addWidget(bTCPIPConfigExtern, 0, Qt::AlignLeft);
    connect(bTCPIPConfigExtern, &QPushButton::clicked, this, &TDlgEinstellungen::bTCPIPConfigExternClick);
}

void TDlgEinstellungen::SPSTypAnzeigen()
{
    if (bInternerSPSTyp) {
        lAktuellerSPSTypInhalt->setText("312C (Intern)");
        return;
    }
    std::string sText = cSPSTyp;
    std::string sPfad;
    pcSPSTypDateiPfad(cSPSTyp, sPfad, true);
    if (U_DateiVorhanden(sPfad.c_str())) {
        const std::string sBestell = TypDaten(sPfad).cBestellNummer;
        if (!sBestell.empty()) sText += "; " + sBestell;
    }
    lAktuellerSPSTypInhalt->setText(Q(sText));
}

void TDlgEinstellungen::SPSTypListeFuellen(const std::string& sFilter)
{
    DateiListe Liste;
    DateiListeAnlegen(&Liste, (cExeVerzeichnis + cSPSTypOrdner).c_str(), "TXT");
    DateiListeFuellen(&Liste);
    cbTypen->clear();
    int iGewaehlt = -1;
    for (int i = 0; i < Liste.iAnzahl; ++i) {
        if (bDateiListeIstOrdner(&Liste, i)) continue;
        const std::string sName = pcDateiListeName(&Liste, i);
        if (sName.find('(') != std::string::npos) continue;
        std::string sPfad;
        const std::string sSPSName = TypDaten(pcDateiListePfad(&Liste, i, sPfad)).cSPSName;
        if (sSPSName.empty()) continue;
        const std::string sEintrag = sName + " (" + sSPSName + ")";
        if (!sFilter.empty()) {
            std::string sGross = sEintrag;
            U_UpcaseString(sGross.data());
            if (sGross.find(sFilter) == std::string::npos) continue;
        }
        cbTypen->addItem(Q(sEintrag));
        if (U_StringVergleichrossKlein(sEintrag.c_str(), cSPSTyp.c_str())) iGewaehlt = cbTypen->count() - 1;
    }
    DateiListeLeeren(&Liste);
    cbTypen->setCurrentIndex(iGewaehlt >= 0 ? iGewaehlt : (cbTypen->count() > 0 ? 0 : -1));
}

void TDlgEinstellungen::aMaskeSPSTypChange()
{
    std::string s = aMaskeSPSTyp->text().toStdString();
    U_UpcaseString(s.data());
    U_LeerzeichenAmAnfangUndEndeEntfernen(s.data());
    s.resize(std::char_traits<char>::length(s.c_str()));
    SPSTypListeFuellen(s);
}

void TDlgEinstellungen::bSelTypEinstellenClick()
{
    if (cbTypen->currentIndex() < 0) return;
    const std::string sEintrag = cbTypen->currentText().toStdString();
    std::string sPfad;
    pcSPSTypDateiPfad(sEintrag, sPfad, true);
    if (!U_DateiVorhanden(sPfad.c_str())) {
        SPSTypDateiFehlt(sPfad);
        return;
    }
    cSPSTyp = sEintrag;
    if (Hauptformular) {
        Hauptformular->SetMaskeGeaendert(true);
        if (Hauptformular->bSPSTypUebernehmen()) InfoMeldung(PoolText(1184));
    }
    SPSTypAnzeigen();
    // A short blink shows that the label was set anew.
    lAktuellerSPSTypInhalt->hide();
    QCoreApplication::processEvents();
    Sleep(200);
    lAktuellerSPSTypInhalt->show();
    TechnischeDatenAnzeigen();
}

void TDlgEinstellungen::bTypBearbeitenClick()
{
    if (cbTypen->currentIndex() < 0) return;
    std::string sPfad;
    pcSPSTypDateiPfad(cbTypen->currentText().toStdString(), sPfad, true);
    if (U_DateiVorhanden(sPfad.c_str()))
        ShellExecuteOeffnen(sPfad);
    else
        SPSTypDateiFehlt(sPfad);
}

void TDlgEinstellungen::bWLDLadenClick()
{
    std::string sStart;
    pcIniWertLesen("WLDInitialDir", sStart);
    const std::string sDatei = DateiOeffnenDialog(this, "", "WLD-Dateien|*.WLD;*.wld", sStart);
    if (sDatei.empty() || !U_DateiVorhanden(sDatei.c_str())) return;
    // The loader deletes the engine's blocks itself, and only once it has
    // checked the whole file: a wrong pick costs no program.
    if (Hauptformular) {
        Hauptformular->StatusTextSetzen(Hauptformular->iPanelMeldung, "");
        Hauptformular->StatusPanel->repaint();
    }
    Sleep(500);
    int iAnzahl = 0;
    const bool bGeladen = bWLDDateiLaden(sDatei, iAnzahl);
    lCntBlockWriteInfo->setText(Q(bGeladen ? PoolTextFormat(1194, "%d", iAnzahl) : PoolText(1195)));
    bWLDGeladen = true;
    bIniWertSchreiben("WLDInitialDir", sDatei);
}

void TDlgEinstellungen::IPAdressListeFuellen()
{
    cbIPAdr->clear();
    cbIPAdr->addItem("127.0.0.1 (Local Host)");
    std::vector<std::string> adressen;
    if (bHostIPAdressenLesen(adressen))
        for (const std::string& s : adressen) cbIPAdr->addItem(Q(s));
    int iGewaehlt = -1;
    for (int i = 0; i < cbIPAdr->count() && iGewaehlt < 0; ++i)
        if (cbIPAdr->itemText(i).toStdString().find(IP_ADR) != std::string::npos) iGewaehlt = i;
    cbIPAdr->setCurrentIndex(iGewaehlt);
    cbIPAdr->addItem("0.0.0.0");
}

void TDlgEinstellungen::TCPIPZusammenfassungAnzeigen()
{
    // In the user's language, as every other text of the dialog.
    // Texte: 6790-6792
    const std::string s = PoolTextFormat(6790, "%s", PoolText(D7ED_TcpIpKommuAktiv() ? 6791 : 6792).c_str());
    LabelLocalHostBemerkung->setText(Q(s));
}

void TDlgEinstellungen::bTCPIPConfigExternClick()
{
    VoreinstellDialogStarten();
    TCPIPZusammenfassungAnzeigen();
    if (Hauptformular) {
        Hauptformular->SetMaskeGeaendert(true);
        ++Hauptformular->iVoreinstellStarts;
    }
}
