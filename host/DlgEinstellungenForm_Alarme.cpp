// PLC settings dialog: retentive layout, the interrupt groups and the
// checked reading of every number field.
#include "DlgEinstellungenForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "HauptForm.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "Programm.h"
#include "SPSEinstellungen.h"
#include "harlenzutils40.h"

namespace {

// Period codes in list order.
// Texte: 1185-1192
constexpr uint16_t awPerioden[8] = {D7ED_PERIODE_EINMAL,      D7ED_PERIODE_MINUETLICH, D7ED_PERIODE_STUENDLICH,
                                    D7ED_PERIODE_TAEGLICH,    D7ED_PERIODE_WOECHENTLICH, D7ED_PERIODE_MONATLICH,
                                    D7ED_PERIODE_JAEHRLICH,   D7ED_PERIODE_MONATSENDE};

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString QT_(unsigned long n) { return Q(PoolText(n)); }

bool bOBVorhanden(int iOB)
{
    return Hauptformular && iOB >= 0 && iOB < iSPSTypFlags && Hauptformular->SPSTyp.OBFlags[iOB] != 0;
}

QLineEdit* NeuesEdit(QWidget* pEltern, const QString& sName, int iBreite)
{
    auto* p = new QLineEdit(pEltern);
    p->setObjectName(sName);
    p->setFixedWidth(iBreite);
    return p;
}

std::string Feldname(const QString& s) { return FeldnameAusBeschriftung(s.toStdString()); }

} // namespace

void TDlgEinstellungen::RemanenzGruppenBauen()
{
    Remanenz_GroupBox1 = new QGroupBox(QT_(1096), pGruppenFlaeche);
    Remanenz_GroupBox1->setObjectName("Remanenz_GroupBox1");
    auto* g1 = new QGridLayout(Remanenz_GroupBox1);
    const char* apcNamen[3] = {"Remanenz_AnzMerker", "Remanenz_AnzTimer", "Remanenz_AnzZaehler"};
    for (int i = 0; i < 3; ++i) {
        g1->addWidget(new QLabel(QT_(1097 + i), Remanenz_GroupBox1), i, 0);
        QLineEdit* p = NeuesEdit(Remanenz_GroupBox1, apcNamen[i], 70);
        g1->addWidget(p, i, 1);
        RemanenzEdits.push_back(p);
    }
    g1->setColumnStretch(2, 1);

    Remanenz_GroupBox2 = new QGroupBox(QT_(1100), pGruppenFlaeche);
    Remanenz_GroupBox2->setObjectName("Remanenz_GroupBox2");
    auto* g2 = new QGridLayout(Remanenz_GroupBox2);
    for (int k = 0; k < 3; ++k) g2->addWidget(new QLabel(QT_(1109 + k), Remanenz_GroupBox2), 0, k + 1);
    for (int i = 0; i < 8; ++i) {
        g2->addWidget(new QLabel(QT_(1101 + i), Remanenz_GroupBox2), i + 1, 0);
        const char* apcSpalten[3] = {"Remanenz_DBNr", "Remanenz_ByteAdr", "Remanenz_AnzBytes"};
        for (int k = 0; k < 3; ++k) {
            QLineEdit* p = NeuesEdit(Remanenz_GroupBox2, QString("%1%2").arg(apcSpalten[k]).arg(i + 1), 70);
            g2->addWidget(p, i + 1, k + 1);
            RemanenzEdits.push_back(p);
        }
    }
    g2->setColumnStretch(4, 1);
}

void TDlgEinstellungen::AlarmGruppenBauen()
{
    gbUhrzeitalarme = new QGroupBox(QT_(1130), pGruppenFlaeche);
    gbUhrzeitalarme->setObjectName("gbUhrzeitalarme");
    auto* gu = new QGridLayout(gbUhrzeitalarme);
    const unsigned long aulUhrKoepfe[5] = {1113, 1131, 1132, 1133, 1134};
    for (int k = 0; k < 5; ++k) gu->addWidget(new QLabel(QT_(aulUhrKoepfe[k]), gbUhrzeitalarme), 0, k + 1);
    for (int i = 0; i < 8; ++i) {
        const QString sOB = QString::number(10 + i);
        UhrAlarm_Label[i] = new QLabel(QString("OB 1&%1:").arg(i), gbUhrzeitalarme);
        UhrAlarm_Prior[i] = NeuesEdit(gbUhrzeitalarme, "UhrAlarm_PriorOB" + sOB, 50);
        UhrAlarm_Label[i]->setBuddy(UhrAlarm_Prior[i]);
        UhrAlarm_Aktiv[i] = new QCheckBox(gbUhrzeitalarme);
        UhrAlarm_Aktiv[i]->setObjectName("UhrAlarm_AktivOB" + sOB);
        UhrAlarm_Ausf[i] = new QComboBox(gbUhrzeitalarme);
        UhrAlarm_Ausf[i]->setObjectName("UhrAlarm_AusfOB" + sOB);
        UhrAlarm_Datum[i] = NeuesEdit(gbUhrzeitalarme, "UhrAlarm_DatumOB" + sOB, 95);
        UhrAlarm_Zeit[i] = NeuesEdit(gbUhrzeitalarme, "UhrAlarm_ZeitOB" + sOB, 75);
        gu->addWidget(UhrAlarm_Label[i], i + 1, 0);
        gu->addWidget(UhrAlarm_Prior[i], i + 1, 1);
        gu->addWidget(UhrAlarm_Aktiv[i], i + 1, 2, Qt::AlignCenter);
        gu->addWidget(UhrAlarm_Ausf[i], i + 1, 3);
        gu->addWidget(UhrAlarm_Datum[i], i + 1, 4);
        gu->addWidget(UhrAlarm_Zeit[i], i + 1, 5);
    }
    gu->setColumnStretch(6, 1);

    gbWeckalarme = new QGroupBox(QT_(1112), pGruppenFlaeche);
    gbWeckalarme->setObjectName("gbWeckalarme");
    auto* gw = new QGridLayout(gbWeckalarme);
    for (int k = 0; k < 3; ++k) gw->addWidget(new QLabel(QT_(1113 + k), gbWeckalarme), 0, k + 1);
    for (int i = 0; i < 9; ++i) {
        const QString sOB = QString::number(30 + i);
        WeckAlarm_Label[i] = new QLabel(QString("OB 3&%1:").arg(i), gbWeckalarme);
        WeckAlarm_Prior[i] = NeuesEdit(gbWeckalarme, "WeckAlarm_PriorOB" + sOB, 60);
        WeckAlarm_Label[i]->setBuddy(WeckAlarm_Prior[i]);
        WeckAlarm_Ausf[i] = NeuesEdit(gbWeckalarme, "WeckAlarm_AusfOB" + sOB, 80);
        WeckAlarm_Phase[i] = NeuesEdit(gbWeckalarme, "WeckAlarm_PhaseOB" + sOB, 80);
        gw->addWidget(WeckAlarm_Label[i], i + 1, 0);
        gw->addWidget(WeckAlarm_Prior[i], i + 1, 1);
        gw->addWidget(WeckAlarm_Ausf[i], i + 1, 2);
        gw->addWidget(WeckAlarm_Phase[i], i + 1, 3);
    }
    gw->setColumnStretch(4, 1);

    // The four groups of further interrupts: only the delay interrupts
    // carry values.
    auto gruppe = [&](QGroupBox*& g, const char* pcName, unsigned long ulText, const std::vector<int>& obs,
                      bool bVerzoegerung) {
        g = new QGroupBox(QT_(ulText), pGruppenFlaeche);
        g->setObjectName(pcName);
        auto* l = new QGridLayout(g);
        for (std::size_t i = 0; i < obs.size(); ++i) {
            const QString sOB = QString::number(obs[i]);
            auto* pLabel = new QLabel("OB" + sOB + ":", g);
            QLineEdit* pEdit = NeuesEdit(g, "Alarme_OB" + sOB, 80);
            if (bVerzoegerung) {
                Verzoegerung_Label[i] = pLabel;
                Alarme_Verzoegerung[i] = pEdit;
            } else {
                pLabel->setObjectName("Alarme_LabelOB" + sOB);
                AlarmeOhneWert.push_back(pLabel);
                AlarmeOhneWert.push_back(pEdit);
            }
            l->addWidget(pLabel, static_cast<int>(i), 0);
            l->addWidget(pEdit, static_cast<int>(i), 1);
        }
    };
    gruppe(Alarme_GroupBox1, "Alarme_GroupBox1", 1116, {40, 41, 42, 43, 44, 45, 46, 47}, false);
    gruppe(Alarme_GroupBox2, "Alarme_GroupBox2", 1117, {20, 21, 22, 23}, true);
    gruppe(Alarme_GroupBox3, "Alarme_GroupBox3", 1118, {50, 51, 55, 56, 57}, false);
    gruppe(Alarme_GroupBox4, "Alarme_GroupBox4", 1119, {81, 82, 83, 84, 85, 86, 87}, false);
}

int TDlgEinstellungen::iPeriodeSuchen(QComboBox* pListe, const std::string& sText)
{
    for (int i = 0; pListe && i < pListe->count(); ++i)
        if (U_StringVergleichrossKlein(pListe->itemText(i).toStdString().c_str(), sText.c_str())) return i;
    return -1;
}

void TDlgEinstellungen::UhrzeitalarmeAnzeigen()
{
    for (int i = 0; i < 8; ++i) {
        TUhrzeitAlarm a{};
        D7ED_GetUhrzeitOBDaten(static_cast<unsigned char>(i), &a);
        std::string sZeit, sDatum;
        UhrzeitAlarmAlsText(sZeit, sDatum, &a);
        UhrAlarm_Prior[i]->setText(QString::number(a.byPrioritaet));
        UhrAlarm_Aktiv[i]->setChecked(a.dwAktiv != 0);
        UhrAlarm_Datum[i]->setText(Q(sDatum));
        UhrAlarm_Zeit[i]->setText(Q(sZeit));
        UhrAlarm_Ausf[i]->clear();
        for (unsigned long n = 1185; n <= 1192; ++n) UhrAlarm_Ausf[i]->addItem(QT_(n));
        const int iIndex = iPeriodeSuchen(UhrAlarm_Ausf[i], UhrzeitAlarmPeriodeText(a.wPeriode));
        UhrAlarm_Ausf[i]->setCurrentIndex(iIndex < 0 ? 0 : iIndex);
        const bool bAn = bOBVorhanden(10 + i);
        for (QWidget* p : {static_cast<QWidget*>(UhrAlarm_Prior[i]), static_cast<QWidget*>(UhrAlarm_Aktiv[i]),
                           static_cast<QWidget*>(UhrAlarm_Ausf[i]), static_cast<QWidget*>(UhrAlarm_Datum[i]),
                           static_cast<QWidget*>(UhrAlarm_Zeit[i])})
            p->setEnabled(bAn);
    }
}

void TDlgEinstellungen::WeckalarmeAnzeigen()
{
    for (int i = 0; i < 9; ++i) {
        uint16_t wIntervall = 0;
        unsigned char byPrioritaet = 0;
        D7ED_GetWeckAlarmDaten(static_cast<unsigned char>(i), &wIntervall, &byPrioritaet);
        WeckAlarm_Prior[i]->setText(QString::number(byPrioritaet));
        WeckAlarm_Ausf[i]->setText(QString::number(wIntervall));
        WeckAlarm_Phase[i]->clear();
        WeckAlarm_Phase[i]->setEnabled(false);
        const bool bAn = bOBVorhanden(30 + i);
        WeckAlarm_Prior[i]->setEnabled(bAn);
        WeckAlarm_Ausf[i]->setEnabled(bAn);
    }
}

void TDlgEinstellungen::AlarmeAnzeigen()
{
    for (QWidget* p : AlarmeOhneWert) p->setEnabled(false);
    for (int i = 0; i < 4; ++i) {
        uint32_t dwWert = 0;
        unsigned char byGestartet = 0, byFreigegeben = 0;
        D7ED_GetVerzoegerungsAlarm(static_cast<unsigned char>(i), &dwWert, &byGestartet, &byFreigegeben);
        Alarme_Verzoegerung[i]->setText(QString::number(dwWert));
        const bool bAn = bOBVorhanden(20 + i);
        Alarme_Verzoegerung[i]->setEnabled(bAn);
        Verzoegerung_Label[i]->setEnabled(bAn);
    }
}

bool TDlgEinstellungen::bEingabenLesen(TEingaben& e)
{
    // A refused field: the reason in a box, its group shown, the cursor in it.
    auto abgelehnt = [this](QLineEdit* pEdit, const std::string& sMeldung, QLabel* pAuswahl) {
        FehlerMeldung(sMeldung);
        PageControl->setCurrentWidget(tsEinstellungen);
        if (pAuswahl) LabelAuswahlOnClick(pAuswahl);
        pEdit->setFocus();
        pEdit->selectAll();
        return false;
    };
    auto bereich = [](const std::string& sText, const std::string& sFeld, long long llMax) {
        return PoolTextFormat(6500, "%s%s%ld%ld", sText.c_str(), sFeld.c_str(), 0L, static_cast<long>(llMax));
    };
    // A text that is no number of the field's kind is refused before its
    // range is looked at.
    auto art = [&](QLineEdit* pEdit, const std::string& sText, TZahlArt Art, const std::string& sFeld, QLabel* pAuswahl) {
        return bZahlFeldGueltig(sText, Art) || abgelehnt(pEdit, ZahlFeldMeldung(sText, Art, sFeld), pAuswahl);
    };
    auto zahl = [&](QLineEdit* pEdit, long long llMax, const std::string& sFeld, QLabel* pAuswahl,
                    long long& ll) {
        const std::string s = pEdit->text().toStdString();
        if (!art(pEdit, s, TZahlArt::Ganzzahl, sFeld, pAuswahl)) return false;
        if (bFeldZahlLesen(s, 0, llMax, ll)) return true;
        return abgelehnt(pEdit, bereich(s, sFeld, llMax), pAuswahl);
    };
    long long ll = 0;
    const std::string sIntervall = eAufrufinterval->text().toStdString();
    if (!art(eAufrufinterval, sIntervall, TZahlArt::Ganzzahl, Feldname(QT_(1127)), lAuswahl_Zyklus_Taktmerker))
        return false;
    e.wAufrufintervall = wAufrufintervallBegrenzt(llZahlAnStelle(ZahlFeldOhneRand(sIntervall), 0));
    if (!zahl(Zyklus_TaktmerkerAdr, 0xFFFF, Feldname(Zyklus_GroupBox2->title()) + " " + Feldname(Zyklus_Label4->text()),
              lAuswahl_Zyklus_Taktmerker, ll))
        return false;
    e.wTaktmerkerByte = static_cast<uint16_t>(ll);
    if (!zahl(Zyklus_ZyklusUeberwachungsZeit, 0xFFFF, Feldname(QT_(1121)), lAuswahl_Zyklus_Taktmerker, ll))
        return false;
    e.wUeberwachungszeit = static_cast<uint16_t>(ll);

    for (int i = 0; i < 8; ++i) {
        const std::string sZeile = Feldname(UhrAlarm_Label[i]->text()) + " ";
        TUhrzeitAlarm& a = e.Uhrzeit[i];
        a = TUhrzeitAlarm{};
        if (!zahl(UhrAlarm_Prior[i], 0xFF, sZeile + PoolText(1113), lAuswahl_Uhrzeitalarme, ll)) return false;
        a.byPrioritaet = static_cast<uint8_t>(ll);
        a.dwAktiv = UhrAlarm_Aktiv[i]->isChecked() ? 1u : 0u;
        const int iPeriode = UhrAlarm_Ausf[i]->currentIndex();
        a.wPeriode = iPeriode >= 0 && iPeriode < 8 ? awPerioden[iPeriode] : D7ED_PERIODE_EINMAL;
        // Date and time hold digits at their fixed places; the parts are
        // read there, and a year beyond its word is refused, not cut.
        const std::string sDatum = ZahlFeldOhneRand(UhrAlarm_Datum[i]->text().toStdString());
        const std::string sZeit = ZahlFeldOhneRand(UhrAlarm_Zeit[i]->text().toStdString());
        const std::string sDatumFeld = sZeile + PoolText(1133), sZeitFeld = sZeile + PoolText(1134);
        if (!art(UhrAlarm_Datum[i], sDatum, TZahlArt::Datum, sDatumFeld, lAuswahl_Uhrzeitalarme)) return false;
        // Texte: 6718-6719
        if (llZahlAnStelle(sDatum, 6) > 0xFFFF)
            return abgelehnt(UhrAlarm_Datum[i],
                             PoolTextFormat(6719, "%s%s%ld%ld", sDatum.substr(6).c_str(), sDatumFeld.c_str(), 0L, 65535L),
                             lAuswahl_Uhrzeitalarme);
        if (!art(UhrAlarm_Zeit[i], sZeit, TZahlArt::Uhrzeit, sZeitFeld, lAuswahl_Uhrzeitalarme)) return false;
        // The record has no seconds: any but 00 would be lost without a word.
        if (sZeit.size() > 5 && sZeit.compare(6, 2, "00") != 0)
            return abgelehnt(UhrAlarm_Zeit[i], PoolTextFormat(6718, "%s%s", sZeit.c_str(), sZeitFeld.c_str()),
                             lAuswahl_Uhrzeitalarme);
        // The validity of date and time decides nothing: every row reaches
        // the engine as parsed.
        bUhrzeitAlarmAusText(sZeit.c_str(), nullptr, sDatum.c_str(), nullptr, &a);
    }
    for (int i = 0; i < 9; ++i) {
        const std::string sZeile = Feldname(WeckAlarm_Label[i]->text()) + " ";
        if (!zahl(WeckAlarm_Ausf[i], 0xFFFF, sZeile + Feldname(QT_(1114)), lAuswahl_Weckalarme, ll)) return false;
        e.wWeckIntervall[i] = static_cast<uint16_t>(ll);
        if (!zahl(WeckAlarm_Prior[i], 0xFF, sZeile + PoolText(1113), lAuswahl_Weckalarme, ll)) return false;
        e.byWeckPrioritaet[i] = static_cast<uint8_t>(ll);
    }
    for (int i = 0; i < 4; ++i) {
        if (!zahl(Alarme_Verzoegerung[i], 0xFFFFFFFFLL, Feldname(Verzoegerung_Label[i]->text()) + " " + PoolText(1117),
                  lAuswahl_Alarme, ll))
            return false;
        e.dwVerzoegerung[i] = static_cast<uint32_t>(ll);
    }
    return true;
}

void TDlgEinstellungen::UhrzeitalarmeUebernehmen(const TEingaben& e)
{
    for (int i = 0; i < 8; ++i) D7ED_SetUhrzeitOBDaten(static_cast<unsigned char>(i), &e.Uhrzeit[i]);
}

void TDlgEinstellungen::WeckalarmeUebernehmen(const TEingaben& e)
{
    for (int i = 0; i < 9; ++i)
        D7ED_SetWeckAlarmDaten(static_cast<unsigned char>(i), e.wWeckIntervall[i], e.byWeckPrioritaet[i]);
}

void TDlgEinstellungen::VerzoegerungsalarmeUebernehmen(const TEingaben& e)
{
    for (int i = 0; i < 4; ++i) D7ED_SetVerzoegerungsAlarm(static_cast<unsigned char>(i), e.dwVerzoegerung[i], 0, 1);
}
