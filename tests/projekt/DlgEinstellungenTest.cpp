// The PLC settings dialog on the real engine and a project of its own:
// values read from the engine and "PLC.DAT", changed through the named
// controls, written by OK; refused entries; closing without OK; the watch
// of the system data block files; the CPU type, block file and network
// groups; the diagnosis and technical data pages; screenshots.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <cstring>
#include <filesystem>
#include <functional>

#include "Beschriftungen.h"
#include "DlgAnalog.h"
#include "DlgDynamischerText.h"
#include "DlgEinstellungenForm.h"
#include "DlgLEDForm.h"
#include "Einstellungen.h"
#include "HauptForm.h"
#include "IPDaten.h"
#include "Hilfe.h"
#include "WinProzess.h"
#include "Maske.h"
#include "Meldungen.h"
#include "Messbereiche.h"
#include "MyObj.h"
#include "PoolText.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "SPSEinstellungen.h"
#include "SPSTyp.h"
#include "WLDDatei.h"
#include "WinDialoge.h"
#include "WinRegistry.h"
#include "kolv_d7ed.h"

namespace fs = std::filesystem;
using namespace projekttest;

namespace {

// Every CPU property the dialog edits, as the engine reports it.
struct TEigenschaften {
    uint16_t wTaktByte = 0;
    bool bTaktAktiv = false, bSFC = false;
    unsigned char byPAE = 0;
    uint16_t wUeberwachung = 0;
    TUhrzeitAlarm Uhr[8] = {};
    uint16_t wWeck[9] = {};
    unsigned char byWeck[9] = {};
    uint32_t dwVerz[4] = {};
    bool operator==(const TEigenschaften& b) const
    {
        return wTaktByte == b.wTaktByte && bTaktAktiv == b.bTaktAktiv && bSFC == b.bSFC && byPAE == b.byPAE &&
               wUeberwachung == b.wUeberwachung && std::memcmp(Uhr, b.Uhr, sizeof Uhr) == 0 &&
               std::memcmp(wWeck, b.wWeck, sizeof wWeck) == 0 && std::memcmp(byWeck, b.byWeck, sizeof byWeck) == 0 &&
               std::memcmp(dwVerz, b.dwVerz, sizeof dwVerz) == 0;
    }
};

TEigenschaften Engine()
{
    TEigenschaften e;
    e.wTaktByte = D7ED_GetTaktMerkerByteNr();
    e.bTaktAktiv = D7ED_IstGetTaktMerkerAktiv();
    e.bSFC = D7ED_GetSFCSGBIgnorieren();
    e.byPAE = D7ED_GetPAEPAAAktualisieren();
    e.wUeberwachung = D7ED_wGetZyklusUeberwachungszeit();
    for (unsigned char i = 0; i < 8; ++i) D7ED_GetUhrzeitOBDaten(i, &e.Uhr[i]);
    for (unsigned char i = 0; i < 9; ++i) D7ED_GetWeckAlarmDaten(i, &e.wWeck[i], &e.byWeck[i]);
    for (unsigned char i = 0; i < 4; ++i) {
        unsigned char a = 0, b = 0;
        D7ED_GetVerzoegerungsAlarm(i, &e.dwVerz[i], &a, &b);
    }
    return e;
}

template <class T> T* K(QWidget& d, const char* pcName)
{
    T* p = d.findChild<T*>(pcName);
    EXPECT_NE(p, nullptr) << pcName;
    return p;
}
std::string Text(QWidget& d, const char* pcName) { return K<QLineEdit>(d, pcName)->text().toStdString(); }
void Setzen(QWidget& d, const char* pcName, const char* pcText) { K<QLineEdit>(d, pcName)->setText(pcText); }

class DlgTest : public AnlagenTest {
protected:
    fs::path pfPLC;

    void SetUp() override
    {
        AnlagenTest::SetUp();
        pfPLC = pfOrdner / "PLC.DAT";
        ASSERT_TRUE(bLeereMaskeAnlegen());
        D7ED_AGInternEinstellen_C312();
        bInternerSPSTyp = true;
        AlleBausteineLoeschen();
        D7ED_bSPSEigenschaftenLaden("");
        TDlgEinstellungen::iLetzteSeite = 0;
        TDlgEinstellungen::cLetzteAuswahl.clear();
        pForm->SetMaskeGeaendert(false);
    }
    void TearDown() override
    {
        ModalAntworterSetzen({});
        AlleBausteineLoeschen();
        AnlagenTest::TearDown();
    }
    // Opens the dialog through the menu action; f plays the user and the
    // result is the dialog's (0 while it is still open).
    int Oeffnen(const std::function<void(TDlgEinstellungen&)>& f)
    {
        bool bGezeigt = false;
        int iErgebnis = -1;
        ModalAntworterSetzen([&](QDialog& d) {
            bGezeigt = true;
            auto& dlg = static_cast<TDlgEinstellungen&>(d);
            f(dlg);
            iErgebnis = dlg.result();
            return iErgebnis;
        });
        pForm->aExtras_RavoDAVEinstellungenExecute();
        ModalAntworterSetzen({});
        return bGezeigt ? iErgebnis : -1;
    }
    std::string Meldungen() const { return u.MeldungsTexte(); }
    // pcText typed into the field (and 77 into the call interval), then
    // OK: the dialog stays open with the field's group shown, the one box
    // is sMeldung, and neither the engine, "PLC.DAT" nor the interval
    // changes.
    void Abgelehnt(const char* pcFeld, const char* pcText, const std::string& sMeldung,
                   const TEigenschaften& vorher, const std::string& sDatei)
    {
        u.Meldungen.clear();
        const int iErgebnis = Oeffnen([&](TDlgEinstellungen& d) {
            Setzen(d, "eAufrufinterval", "77");
            Setzen(d, pcFeld, pcText);
            d.bOkClick();
            EXPECT_EQ(d.result(), 0);
            EXPECT_TRUE(K<QLineEdit>(d, pcFeld)->isVisibleTo(&d));
            d.reject();
        });
        EXPECT_EQ(iErgebnis, 2);
        ASSERT_EQ(u.Meldungen.size(), 1u);
        EXPECT_EQ(u.Meldungen[0].sText, sMeldung);
        EXPECT_TRUE(Engine() == vorher);
        EXPECT_EQ(testhilfe::DateiLesen(pfPLC), sDatei);
        EXPECT_NE(RavoDAVInterval, 77);
    }
};


TEST_F(DlgTest, ShowsTheValuesOfPlcDatAndOkWritesEngineAndFile)
{
    // "PLC.DAT" holds these values; the engine holds the defaults until the
    // dialog opens.
    D7ED_SetTaktMerkerByteNr(100);
    D7ED_SFCSGBIgnorieren(true);
    D7ED_SetPAEPAAAktualisieren(0);
    D7ED_SetZyklusUeberwachungszeit(300);
    TUhrzeitAlarm a{};
    a.dwAktiv = 1;
    a.wJahr = 2010;
    a.byMonat = 3;
    a.byTag = 5;
    a.byStunde = 7;
    a.byMinute = 30;
    a.wPeriode = D7ED_PERIODE_TAEGLICH;
    a.byPrioritaet = 16;
    D7ED_SetUhrzeitOBDaten(0, &a);
    TUhrzeitAlarm b = a;
    b.wPeriode = 0x1234;   // no period of the list
    D7ED_SetUhrzeitOBDaten(1, &b);
    D7ED_SetWeckAlarmDaten(5, 250, 13);
    D7ED_SetVerzoegerungsAlarm(1, 777, 0, 1);
    ASSERT_TRUE(D7ED_bSPSEigenschaftenSpeichern(pfPLC.c_str()));
    D7ED_bSPSEigenschaftenLaden("");
    RavoDAVInterval = 50;
    IP_ADR = "127.0.0.1";

    const int iErgebnis = Oeffnen([&](TDlgEinstellungen& d) {
        EXPECT_EQ(Text(d, "Zyklus_TaktmerkerAdr"), "100");
        EXPECT_TRUE(K<QCheckBox>(d, "Zyklus_TaktmerkerAktiv")->isChecked());
        EXPECT_TRUE(K<QCheckBox>(d, "cbNichtVorhandeneSFB_SFCIgnorieren")->isChecked());
        EXPECT_FALSE(K<QCheckBox>(d, "Zyklus_PA_Aktualisieren")->isChecked());
        EXPECT_EQ(Text(d, "Zyklus_ZyklusUeberwachungsZeit"), "300");
        EXPECT_EQ(Text(d, "eAufrufinterval"), "50");
        EXPECT_EQ(Text(d, "UhrAlarm_DatumOB10"), "05.03.2010");
        EXPECT_EQ(Text(d, "UhrAlarm_ZeitOB10"), "07:30:00");
        EXPECT_EQ(Text(d, "UhrAlarm_PriorOB10"), "16");
        EXPECT_TRUE(K<QCheckBox>(d, "UhrAlarm_AktivOB10")->isChecked());
        EXPECT_EQ(K<QComboBox>(d, "UhrAlarm_AusfOB10")->currentText().toStdString(), PoolText(1188));
        EXPECT_EQ(K<QComboBox>(d, "UhrAlarm_AusfOB11")->currentIndex(), 0);
        EXPECT_EQ(K<QComboBox>(d, "UhrAlarm_AusfOB11")->count(), 8);
        EXPECT_EQ(Text(d, "WeckAlarm_AusfOB35"), "250");
        EXPECT_EQ(Text(d, "WeckAlarm_PriorOB35"), "13");
        EXPECT_EQ(Text(d, "WeckAlarm_PhaseOB35"), "");
        EXPECT_EQ(Text(d, "Alarme_OB21"), "777");
        EXPECT_EQ(Text(d, "Zyklus_MaxZyklusBelastung"), "20");
        EXPECT_EQ(K<QComboBox>(d, "cbIPAdr")->currentText().toStdString(), "127.0.0.1 (Local Host)");

        Setzen(d, "eAufrufinterval", "999");
        Setzen(d, "Zyklus_TaktmerkerAdr", "120");
        K<QCheckBox>(d, "Zyklus_TaktmerkerAktiv")->setChecked(false);
        Setzen(d, "Zyklus_ZyklusUeberwachungsZeit", "450");
        K<QCheckBox>(d, "Zyklus_PA_Aktualisieren")->setChecked(true);
        K<QCheckBox>(d, "cbNichtVorhandeneSFB_SFCIgnorieren")->setChecked(false);
        Setzen(d, "WeckAlarm_AusfOB36", "1000");
        Setzen(d, "WeckAlarm_PriorOB36", "20");
        Setzen(d, "UhrAlarm_DatumOB12", "05.00.0");
        Setzen(d, "UhrAlarm_ZeitOB12", "23:59");
        K<QComboBox>(d, "UhrAlarm_AusfOB12")->setCurrentIndex(7);
        Setzen(d, "Alarme_OB22", "");   // blank: 0, as always
        Setzen(d, "Alarme_OB23", "4294967295");
        d.bOkClick();
    });
    EXPECT_EQ(iErgebnis, 1);
    EXPECT_TRUE(u.Meldungen.empty()) << Meldungen();
    EXPECT_EQ(RavoDAVInterval, 200);
    EXPECT_EQ(IP_ADR, "127.0.0.1");

    TEigenschaften soll = Engine();
    EXPECT_EQ(soll.wTaktByte, 120);   // the byte first, then switched off
    EXPECT_FALSE(soll.bTaktAktiv);
    EXPECT_EQ(soll.wUeberwachung, 450);
    EXPECT_EQ(soll.byPAE, 1);
    EXPECT_FALSE(soll.bSFC);
    EXPECT_EQ(std::memcmp(&soll.Uhr[0], &a, sizeof a), 0);
    EXPECT_EQ(soll.Uhr[1].wPeriode, D7ED_PERIODE_EINMAL);
    EXPECT_EQ(soll.Uhr[2].byTag, 5);
    EXPECT_EQ(soll.Uhr[2].byMonat, 0);
    EXPECT_EQ(soll.Uhr[2].wJahr, 0);
    EXPECT_EQ(soll.Uhr[2].byStunde, 23);
    EXPECT_EQ(soll.Uhr[2].byMinute, 59);
    EXPECT_EQ(soll.Uhr[2].wPeriode, D7ED_PERIODE_MONATSENDE);
    EXPECT_EQ(soll.wWeck[5], 250);
    EXPECT_EQ(soll.wWeck[6], 1000);
    EXPECT_EQ(soll.byWeck[6], 20);
    EXPECT_EQ(soll.dwVerz[1], 777u);
    EXPECT_EQ(soll.dwVerz[2], 0u);
    EXPECT_EQ(soll.dwVerz[3], 4294967295u);
    // The saved file gives exactly these values back.
    D7ED_bSPSEigenschaftenLaden("");
    ASSERT_TRUE(D7ED_bSPSEigenschaftenLaden(pfPLC.c_str()));
    EXPECT_TRUE(Engine() == soll);
    EXPECT_FALSE(pForm->bMaskeGeaendert);
}

TEST_F(DlgTest, NumbersBeyondAFieldAreRefusedAndNothingIsWritten)
{
    D7ED_SetWeckAlarmDaten(5, 250, 13);
    ASSERT_TRUE(D7ED_bSPSEigenschaftenSpeichern(pfPLC.c_str()));
    const std::string sDatei = testhilfe::DateiLesen(pfPLC);
    const TEigenschaften vorher = Engine();
    // The field names as the box gives them: row label and column head.
    auto ohne = [](std::string t) {
        while (!t.empty() && t.back() == ':') t.pop_back();
        return t;
    };
    struct Fall { const char* pcFeld; const char* pcText; std::string sName; long lMax; };
    const std::vector<Fall> faelle = {
        {"UhrAlarm_PriorOB10", "300", "OB 10 " + PoolText(1113), 255},
        {"WeckAlarm_PriorOB35", "256", "OB 35 " + PoolText(1113), 255},
        {"WeckAlarm_AusfOB35", "70000", "OB 35 " + PoolText(1114), 65535},
        {"Zyklus_ZyklusUeberwachungsZeit", "65536", ohne(PoolText(1121)), 65535},
        {"Zyklus_TaktmerkerAdr", "99999999999999999999999", PoolText(1092) + " " + ohne(PoolText(1093)), 65535},
        {"Alarme_OB20", "4294967296", "OB20 " + PoolText(1117), 4294967295},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.pcText);
        Abgelehnt(f.pcFeld, f.pcText, PoolTextFormat(6500, "%s%s%ld%ld", f.pcText, f.sName.c_str(), 0L, f.lMax),
                  vorher, sDatei);
    }
}

// The start of a time-of-day interrupt: the record has no seconds, so any
// but 00 are refused (they were dropped without a word); a time that is no
// time of a day is refused as no time; a year beyond its word is named with
// its own range, not the whole date. The date and the time each have their
// own message.
TEST_F(DlgTest, TimeOfDayInterruptRefusesSecondsImpossibleTimesAndAYearBeyondItsRange)
{
    ASSERT_TRUE(D7ED_bSPSEigenschaftenSpeichern(pfPLC.c_str()));
    const std::string sDatei = testhilfe::DateiLesen(pfPLC);
    const TEigenschaften vorher = Engine();
    const std::string sZeit = "OB 17 " + PoolText(1134), sDatum = "OB 13 " + PoolText(1133);
    auto keineZeit = [&](const char* pc) { return PoolTextFormat(6714, "%s%s", pc, sZeit.c_str()); };
    struct Fall { const char* pcFeld; const char* pcText; std::string sMeldung; };
    const std::vector<Fall> faelle = {
        {"UhrAlarm_ZeitOB17", "12:34:56", PoolTextFormat(6718, "%s%s", "12:34:56", sZeit.c_str())},
        {"UhrAlarm_ZeitOB17", "25:99", keineZeit("25:99")},
        {"UhrAlarm_ZeitOB17", "24:00", keineZeit("24:00")},
        {"UhrAlarm_ZeitOB17", "12:60", keineZeit("12:60")},
        {"UhrAlarm_ZeitOB17", "12:00:60", keineZeit("12:00:60")},
        {"UhrAlarm_ZeitOB17", "7:30", keineZeit("7:30")},
        {"UhrAlarm_DatumOB13", "5", PoolTextFormat(6713, "%s%s", "5", sDatum.c_str())},
        {"UhrAlarm_DatumOB13", "01.01.70000", PoolTextFormat(6719, "%s%s%ld%ld", "70000", sDatum.c_str(), 0L, 65535L)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.pcText);
        Abgelehnt(f.pcFeld, f.pcText, f.sMeldung, vorher, sDatei);
    }
    // The box for no time asks for both forms the field takes.
    std::string sInstalliert;
    bRegWertLesen(cRegistrySchluessel, "SpracheInstall", sInstalliert);
    for (const auto& [pcSprache, pcFormen] : {std::pair{"U", "as hh:mm or hh:mm:00 (e.g. 07:30)"},
                                              {"D", "als hh:mm oder hh:mm:00 ein (z. B. 07:30)"}}) {
        ASSERT_TRUE(bRegWertSchreiben(cRegistrySchluessel, "SpracheInstall", pcSprache));
        StartVorbereiten(u.pfProgramm.string());
        const std::string sText = PoolTextFormat(6714, "%s%s", "7:3", ("OB 17 " + PoolText(1134)).c_str());
        Abgelehnt("UhrAlarm_ZeitOB17", "7:3", sText, vorher, sDatei);
        EXPECT_NE(sText.find(pcFormen), std::string::npos);
    }
    bRegWertSchreiben(cRegistrySchluessel, "SpracheInstall", sInstalliert);
    StartVorbereiten(u.pfProgramm.string());
    u.Meldungen.clear();
    EXPECT_EQ(Oeffnen([&](TDlgEinstellungen& d) {
                  Setzen(d, "UhrAlarm_ZeitOB17", " 23:59:00 ");
                  Setzen(d, "UhrAlarm_ZeitOB16", "00:00");
                  Setzen(d, "UhrAlarm_DatumOB13", "31.12.65535");
                  d.bOkClick();
              }),
              1);
    EXPECT_TRUE(u.Meldungen.empty()) << Meldungen();
    TUhrzeitAlarm a{};
    D7ED_GetUhrzeitOBDaten(7, &a);
    EXPECT_EQ(a.byStunde, 23);
    EXPECT_EQ(a.byMinute, 59);
    D7ED_GetUhrzeitOBDaten(3, &a);
    EXPECT_EQ(a.wJahr, 65535);
}

// Every field where a number is typed takes only a number of its kind: a
// text that is none (read as 0 or as its leading digits before) is refused
// with a box that names the field, the dialog stays open and nothing is
// written. Blanks around a number do no harm; a blank field still means 0.
TEST_F(DlgTest, TextsThatAreNoNumberAreRefusedInEveryDialog)
{
    ASSERT_TRUE(D7ED_bSPSEigenschaftenSpeichern(pfPLC.c_str()));
    const std::string sDatei = testhilfe::DateiLesen(pfPLC);
    const TEigenschaften vorher = Engine();
    auto name = [](unsigned long ulText) { return FeldnameAusBeschriftung(PoolText(ulText)); };
    struct Fall { const char* pcFeld; const char* pcText; TZahlArt Art; std::string sName; };
    const std::vector<Fall> faelle = {
        {"Zyklus_ZyklusUeberwachungsZeit", "abc", TZahlArt::Ganzzahl, name(1121)},
        {"Zyklus_ZyklusUeberwachungsZeit", "12abc", TZahlArt::Ganzzahl, name(1121)},
        {"eAufrufinterval", "5x", TZahlArt::Ganzzahl, name(1127)},
        {"eAufrufinterval", "-99", TZahlArt::Ganzzahl, name(1127)},
        {"Zyklus_TaktmerkerAdr", "1 0", TZahlArt::Ganzzahl, PoolText(1092) + " " + name(1093)},
        {"WeckAlarm_PriorOB35", "-1", TZahlArt::Ganzzahl, "OB 35 " + PoolText(1113)},
        {"WeckAlarm_AusfOB35", "1e3", TZahlArt::Ganzzahl, "OB 35 " + name(1114)},
        {"UhrAlarm_PriorOB10", "x", TZahlArt::Ganzzahl, "OB 10 " + PoolText(1113)},
        {"Alarme_OB20", "0x10", TZahlArt::Ganzzahl, "OB20 " + PoolText(1117)},
        {"UhrAlarm_DatumOB13", "5", TZahlArt::Datum, "OB 13 " + PoolText(1133)},
        {"UhrAlarm_DatumOB13", "300.01.2010", TZahlArt::Datum, "OB 13 " + PoolText(1133)},
        {"UhrAlarm_DatumOB13", "a5.03.2010", TZahlArt::Datum, "OB 13 " + PoolText(1133)},
        {"UhrAlarm_ZeitOB17", "07:256", TZahlArt::Uhrzeit, "OB 17 " + PoolText(1134)},
        {"UhrAlarm_ZeitOB17", "7:30", TZahlArt::Uhrzeit, "OB 17 " + PoolText(1134)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.pcFeld) + " " + f.pcText);
        Abgelehnt(f.pcFeld, f.pcText, ZahlFeldMeldung(f.pcText, f.Art, f.sName), vorher, sDatei);
        EXPECT_NE(ZahlFeldMeldung(f.pcText, f.Art, f.sName).find(f.sName), std::string::npos);
    }
    u.Meldungen.clear();
    EXPECT_EQ(Oeffnen([&](TDlgEinstellungen& d) {
                  Setzen(d, "Zyklus_ZyklusUeberwachungsZeit", " 300 ");
                  Setzen(d, "eAufrufinterval", " 40");   // at most 3 characters
                  Setzen(d, "UhrAlarm_DatumOB10", " 05.03.2010 ");
                  Setzen(d, "UhrAlarm_ZeitOB10", "07:30");
                  Setzen(d, "UhrAlarm_PriorOB10", "");
                  d.bOkClick();
              }),
              1);
    EXPECT_TRUE(u.Meldungen.empty()) << Meldungen();
    EXPECT_EQ(D7ED_wGetZyklusUeberwachungszeit(), 300);
    EXPECT_EQ(RavoDAVInterval, 40);
    TUhrzeitAlarm a{};
    D7ED_GetUhrzeitOBDaten(0, &a);
    EXPECT_EQ(a.byTag, 5);
    EXPECT_EQ(a.byMonat, 3);
    EXPECT_EQ(a.wJahr, 2010);
    EXPECT_EQ(a.byStunde, 7);
    EXPECT_EQ(a.byMinute, 30);
    EXPECT_EQ(a.byPrioritaet, 0);

    // The object dialogs: the field's own refusal, the dialog open on the
    // field's page, the object as it was.
    auto objekt = [this](int32_t iArt) {
        auto* p = new TMyObj(pForm, iArt, 10, 60, 20, 20);
        pForm->Objekte[pForm->iAnzahlObjekte++] = p;
        return p;
    };
    auto abgelehnt = [this](TDlgObjektRahmen& d, TMyObj* pObj, const std::string& sVorher, const char* pcText,
                            TZahlArt Art, unsigned long ulFeld) {
        EXPECT_EQ(d.result(), 0) << pcText;
        ASSERT_EQ(u.Meldungen.size(), 1u) << pcText;
        EXPECT_EQ(u.Meldungen[0].sText, ZahlFeldMeldung(pcText, Art, FeldnameAusBeschriftung(PoolText(ulFeld))));
        u.Meldungen.clear();
        d.bAbbruch->click();
        EXPECT_EQ(pObj->pcGetINIString(), sVorher) << pcText;
    };
    TMyObj* pText = objekt(Dynamische_Beschriftung);
    pText->Op = 'M';
    pText->Adr = 4;
    pText->Zeichnen();
    std::string sVorher = pText->pcGetINIString();
    for (const char* pc : {"abc", "12abc", "-3"}) {
        TDlgDynamischerTextForm d(pForm, false, pText);
        d.eByteAdr->setText(pc);
        d.bOkClick();
        abgelehnt(d, pText, sVorher, pc, TZahlArt::Ganzzahl, 1057);
    }
    {
        TDlgDynamischerTextForm d(pForm, false, pText);
        d.cbOperand->setCurrentIndex(3);
        d.eDBNr->setText("1a");
        d.bOkClick();
        abgelehnt(d, pText, sVorher, "1a", TZahlArt::Ganzzahl, 1058);
    }
    {
        TDlgDynamischerTextForm d(pForm, false, pText);
        d.eByteAdr->setText(" 12 ");
        d.bOkClick();
        EXPECT_EQ(d.result(), 1);
        EXPECT_EQ(pText->Adr, 12);
    }
    TMyObj* pLED = objekt(LED);
    sVorher = pLED->pcGetINIString();
    {
        TDlgLED d(pForm, false, pLED);
        d.eByteAdr->setText("7 x");
        d.bOkClick();
        abgelehnt(d, pLED, sVorher, "7 x", TZahlArt::Ganzzahl, 1057);
    }
    Messbereich Tabelle[1];
    Tabelle[0].fUnterwert = 0.0f;
    Tabelle[0].fOberwert = 10.0f;
    Tabelle[0].cName = "0 - 10 V";
    TMyObj* pAnalog = objekt(AnalogEingang);
    pAnalog->Op = 'E';
    pAnalog->Adr = 256;
    sVorher = pAnalog->pcGetINIString();
    for (const char* pc : {"12abc", "+-2"}) {
        TDlgAnalog d(pForm, Tabelle, 1, pAnalog);
        d.AdresseEdit->setText(pc);
        d.OKButton->click();
        abgelehnt(d, pAnalog, sVorher, pc, TZahlArt::GanzzahlMitVorzeichen, 1003);
    }
    for (const char* pc : {"abc", "2,5", "1.2.3", "."}) {
        TDlgAnalog d(pForm, Tabelle, 1, pAnalog);
        d.eGrundstellung->setText(pc);
        d.OKButton->click();
        EXPECT_EQ(d.DlgPageControl->currentWidget(), d.tsGrundstellung) << pc;
        abgelehnt(d, pAnalog, sVorher, pc, TZahlArt::Dezimalbruch, 1013);
    }
    TDlgAnalog d(pForm, Tabelle, 1, pAnalog);
    d.eGrundstellung->setText(" 2.5 ");
    d.OKButton->click();
    EXPECT_EQ(d.result(), 1);
    EXPECT_FLOAT_EQ(pAnalog->DefaultE, 2.5f);
    EXPECT_TRUE(u.Meldungen.empty()) << Meldungen();
}

TEST_F(DlgTest, FailedSaveOfPlcDatIsReportedAndTheDialogStaysOpen)
{
    // A folder where the file should be: the save cannot replace it.
    fs::remove(pfPLC);
    fs::create_directories(pfPLC);
    const int iErgebnis = Oeffnen([&](TDlgEinstellungen& d) {
        Setzen(d, "Zyklus_ZyklusUeberwachungsZeit", "222");
        d.bOkClick();
        EXPECT_EQ(d.result(), 0);
        d.reject();
    });
    EXPECT_EQ(iErgebnis, 2);
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(6501, "%s", pfPLC.string().c_str()));
    EXPECT_TRUE(fs::is_directory(pfPLC));
}

TEST_F(DlgTest, ClosingWithoutOkLeavesWhatPlcDatSaysAndTakesTheRestoreOption)
{
    D7ED_SetZyklusUeberwachungszeit(321);
    ASSERT_TRUE(D7ED_bSPSEigenschaftenSpeichern(pfPLC.c_str()));
    const TEigenschaften ausDatei = Engine();
    const std::string sDatei = testhilfe::DateiLesen(pfPLC);
    // The engine differs from the file before the opening: the opening
    // loads the file, and closing keeps that.
    D7ED_SetZyklusUeberwachungszeit(999);
    pForm->BausteineRestaurieren = true;
    ProzessStartsAufzeichnen(true);
    Oeffnen([&](TDlgEinstellungen& d) {
        Setzen(d, "Zyklus_ZyklusUeberwachungsZeit", "555");
        K<QCheckBox>(d, "cbSPSBausteineRestaurieren")->setChecked(false);
        // F1 shows the dialog's help page and leaves the dialog open.
        d.FormKeyDown(Qt::Key_F1);
        EXPECT_EQ(d.result(), 0);
        d.FormKeyPress(27);
    });
    ProzessStartsAufzeichnen(false);
    std::string sHilfe;
    bRegWertLesen(cHilfeSchluessel, cHilfeWert, sHilfe);
    EXPECT_EQ(fs::path(sHilfe).filename(), "DlgSPSEinstellungen.htm");
    EXPECT_TRUE(Engine() == ausDatei);
    EXPECT_EQ(testhilfe::DateiLesen(pfPLC), sDatei);
    EXPECT_FALSE(pForm->BausteineRestaurieren);
    EXPECT_TRUE(pForm->bMaskeGeaendert);

    // Toggled twice: nothing to mark.
    pForm->SetMaskeGeaendert(false);
    Oeffnen([&](TDlgEinstellungen& d) {
        auto* p = K<QCheckBox>(d, "cbSPSBausteineRestaurieren");
        EXPECT_FALSE(p->isChecked());
        p->setChecked(true);
        p->setChecked(false);
        d.reject();
    });
    EXPECT_FALSE(pForm->bMaskeGeaendert);
    EXPECT_FALSE(pForm->BausteineRestaurieren);
}

TEST_F(DlgTest, NoPanelNoDialogAndReopeningShowsTheLastPageAndSelection)
{
    MaskeFile.clear();
    EXPECT_EQ(Oeffnen([](TDlgEinstellungen&) {}), -1);
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolText(6860));
    MaskeFile = (pfOrdner / "Anlage.maske_ini").string();

    Oeffnen([](TDlgEinstellungen& d) {
        EXPECT_EQ(d.pAuswahlLabel, d.lAuswahl_SPSTyp);
        EXPECT_TRUE(d.gbAGTyp->isVisibleTo(&d));
        d.LabelAuswahlOnClick(d.lAuswahl_Weckalarme);
        EXPECT_TRUE(d.gbWeckalarme->isVisibleTo(&d));
        EXPECT_FALSE(d.gbAGTyp->isVisibleTo(&d));
        EXPECT_EQ(d.lEinstellungenUeberschrift->text().toStdString(), PoolText(1080));
        // Under the mouse grey, the chosen one stays green.
        d.LabelAuswahlOnMouseMove(d.lAuswahl_Alarme);
        EXPECT_EQ(TDlgEinstellungen::dwLabelFarbe(d.lAuswahl_Alarme), 0x808080u);
        d.LabelAuswahlOnMouseMove(d.lAuswahl_Weckalarme);
        EXPECT_EQ(TDlgEinstellungen::dwLabelFarbe(d.lAuswahl_Weckalarme), 0x00FF00u);
        EXPECT_EQ(TDlgEinstellungen::dwLabelFarbe(d.lAuswahl_Alarme), 0xC0C0C0u);
        d.PageControl->setCurrentIndex(2);
        d.reject();
    });
    Oeffnen([](TDlgEinstellungen& d) {
        EXPECT_EQ(d.PageControl->currentIndex(), 2);
        EXPECT_EQ(d.pAuswahlLabel, d.lAuswahl_Weckalarme);
        EXPECT_FALSE(d.gbWeckalarme->isHidden());
        EXPECT_TRUE(d.gbAGTyp->isHidden());
        d.reject();
    });
    // A caption of another language matches no label any more.
    TDlgEinstellungen::cLetzteAuswahl = "Cyclic interrupts (old)";
    Oeffnen([](TDlgEinstellungen& d) {
        EXPECT_EQ(d.pAuswahlLabel, d.lAuswahl_SPSTyp);
        d.reject();
    });
}

TEST_F(DlgTest, InterruptRowsFollowTheObsOfTheCpuType)
{
    std::fill(std::begin(pForm->SPSTyp.OBFlags), std::end(pForm->SPSTyp.OBFlags), 1);
    pForm->SPSTyp.OBFlags[11] = 0;
    pForm->SPSTyp.OBFlags[35] = 0;
    pForm->SPSTyp.OBFlags[22] = 0;
    D7ED_SetWeckAlarmDaten(5, 500, 9);
    ASSERT_TRUE(D7ED_bSPSEigenschaftenSpeichern(pfPLC.c_str()));
    Oeffnen([](TDlgEinstellungen& d) {
        for (const char* p : {"UhrAlarm_PriorOB11", "UhrAlarm_DatumOB11", "UhrAlarm_ZeitOB11", "WeckAlarm_PriorOB35",
                              "WeckAlarm_AusfOB35", "WeckAlarm_PhaseOB35", "Alarme_OB22", "Alarme_OB40", "Alarme_OB57",
                              "Alarme_OB87", "Zyklus_GroessePAE_Edit", "Remanenz_DBNr8", "Remanenz_AnzMerker"})
            EXPECT_FALSE(K<QWidget>(d, p)->isEnabled()) << p;
        EXPECT_FALSE(K<QWidget>(d, "UhrAlarm_AktivOB11")->isEnabled());
        EXPECT_FALSE(K<QWidget>(d, "UhrAlarm_AusfOB11")->isEnabled());
        for (const char* p : {"UhrAlarm_PriorOB10", "UhrAlarm_DatumOB12", "WeckAlarm_AusfOB34", "Alarme_OB21"})
            EXPECT_TRUE(K<QWidget>(d, p)->isEnabled()) << p;
        // A disabled row is written back as the engine gave it.
        d.bOkClick();
    });
    uint16_t w = 0;
    unsigned char by = 0;
    D7ED_GetWeckAlarmDaten(5, &w, &by);
    EXPECT_EQ(w, 500);
    EXPECT_EQ(by, 9);
}

TEST_F(DlgTest, NewSystemDataBlockFileClosesTheDialogUnlessABlockFileWasLoaded)
{
    const int iErgebnis = Oeffnen([&](TDlgEinstellungen& d) {
        d.Timer1Timer();
        EXPECT_EQ(d.result(), 0);
        testhilfe::DateiSchreiben(pfOrdner / "D7ED_SDB7.MC7", "pp");
        testhilfe::DateiSchreiben(pfOrdner / "D7ED_SDB.txt", "x");
        Setzen(d, "Zyklus_ZyklusUeberwachungsZeit", "1");
        d.Timer1Timer();
        EXPECT_FALSE(d.bOk->isEnabled());
    });
    EXPECT_EQ(iErgebnis, 2);
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolText(1193));
    EXPECT_NE(D7ED_wGetZyklusUeberwachungszeit(), 1);

    u.Meldungen.clear();
    std::string sBild(40, '\0');
    sBild[0] = sBild[1] = 'p';
    sBild[5] = D7ED_BST_FC;
    sBild[11] = 40;
    testhilfe::DateiSchreiben(pfOrdner / "fc.wld", sBild);
    Oeffnen([&](TDlgEinstellungen& d) {
        NaechsteDateiAntwort((pfOrdner / "fc.wld").string());
        d.bWLDLadenClick();
        testhilfe::DateiSchreiben(pfOrdner / "D7ED_SDB8.MC7", "pp");
        d.Timer1Timer();
        EXPECT_EQ(d.result(), 0);
        d.reject();
    });
    EXPECT_TRUE(u.Meldungen.empty()) << Meldungen();
}

TEST_F(DlgTest, BlockFileGroupLoadsThroughTheCheckingLoader)
{
    auto bild = [](unsigned uNr, unsigned uLaenge) {
        std::string s(uLaenge, 'x');
        s[0] = s[1] = 'p';
        s[2] = s[3] = s[4] = 0;
        s[5] = D7ED_BST_FC;
        s[6] = 0;
        s[7] = static_cast<char>(uNr);
        s[8] = s[9] = s[10] = 0;
        s[11] = static_cast<char>(uLaenge);
        return s;
    };
    const std::string sAlt = bild(1, 50);
    ASSERT_TRUE(D7ED_BstWrite(D7ED_BST_FC, 1, 50, 0, sAlt.data(), nullptr));
    testhilfe::DateiSchreiben(pfOrdner / "zwei.wld", bild(2, 60) + bild(3, 70));
    testhilfe::DateiSchreiben(pfOrdner / "falsch.wld", "kein Baustein");
    auto vorhanden = [](unsigned uNr) {
        uint16_t w = 0;
        std::vector<uint16_t> p(100);
        return D7ED_BstRead(D7ED_BST_FC, static_cast<uint16_t>(uNr), p.data(), 100, &w, nullptr);
    };
    Oeffnen([&](TDlgEinstellungen& d) {
        // A wrong file: refused, the engine keeps its block.
        NaechsteDateiAntwort((pfOrdner / "falsch.wld").string());
        d.bWLDLadenClick();
        EXPECT_EQ(d.lCntBlockWriteInfo->text().toStdString(), PoolText(1195));
        EXPECT_TRUE(vorhanden(1));
        EXPECT_TRUE(d.bWLDGeladen);
        NaechsteDateiAntwort((pfOrdner / "zwei.wld").string());
        d.bWLDLadenClick();
        EXPECT_EQ(d.lCntBlockWriteInfo->text().toStdString(), PoolTextFormat(1194, "%d", 2));
        // Cancelled: nothing changes.
        d.bWLDLadenClick();
        EXPECT_EQ(d.lCntBlockWriteInfo->text().toStdString(), PoolTextFormat(1194, "%d", 2));
        d.reject();
    });
    EXPECT_FALSE(vorhanden(1));
    EXPECT_TRUE(vorhanden(2));
    EXPECT_TRUE(vorhanden(3));
    std::string sStart;
    EXPECT_EQ(pcIniWertLesen("WLDInitialDir", sStart), (pfOrdner / "zwei.wld").string());
}

TEST_F(DlgTest, CpuTypeGroupFiltersSetsAndRefusesMissingFiles)
{
    const fs::path pfAG = fs::path(cExeVerzeichnis) / "__system/AG";
    testhilfe::DateiSchreiben(pfAG / "OHNENAME.TXT", "[VELTRANO_PLC_INI]\nPLC_ORDER_NUMBER=1\n");
    testhilfe::DateiSchreiben(pfAG / "KLAMMER(1).TXT", "[VELTRANO_PLC_INI]\nPLC_NAME=X\n");
    std::string sWegPfad;
    Oeffnen([&](TDlgEinstellungen& d) {
        EXPECT_EQ(d.lAktuellerSPSTypInhalt->text().toStdString(), "312C (Intern)");
        const int iAlle = d.cbTypen->count();
        ASSERT_GT(iAlle, 1);
        for (int i = 0; i < iAlle; ++i) {
            const std::string s = d.cbTypen->itemText(i).toStdString();
            EXPECT_EQ(s.find("OHNENAME"), std::string::npos);
            EXPECT_EQ(s.find("KLAMMER"), std::string::npos);
        }
        d.aMaskeSPSTyp->setText("  315 ");
        ASSERT_GT(d.cbTypen->count(), 0);
        EXPECT_LT(d.cbTypen->count(), iAlle);
        for (int i = 0; i < d.cbTypen->count(); ++i)
            EXPECT_NE(d.cbTypen->itemText(i).toUpper().toStdString().find("315"), std::string::npos);
        const std::string sEintrag = d.cbTypen->currentText().toStdString();
        d.bSelTypEinstellenClick();
        EXPECT_EQ(cSPSTyp, sEintrag);
        EXPECT_FALSE(bInternerSPSTyp);
        std::string sPfad;
        SPSTypDaten Typ;
        bSPSTypDateiLesen(pcSPSTypDateiPfad(sEintrag, sPfad, true), Typ);
        EXPECT_EQ(d.lAktuellerSPSTypInhalt->text().toStdString(), sEintrag + "; " + Typ.cBestellNummer);
        // The technical data follow the new type.
        char cName[D7ED_TEXT_LAENGE] = {};
        D7ED_GetAGInfoDaten(cName, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
        EXPECT_EQ(d.sgTechnischeDaten->item(1, 1)->text().toStdString(), cName);

        // A type file that went away: text 1257, nothing changes.
        d.aMaskeSPSTyp->clear();
        d.cbTypen->setCurrentIndex(0);
        const std::string sWeg = d.cbTypen->currentText().toStdString();
        fs::remove(pcSPSTypDateiPfad(sWeg, sWegPfad, true));
        d.bSelTypEinstellenClick();
        d.bTypBearbeitenClick();
        EXPECT_EQ(cSPSTyp, sEintrag);
        d.aMaskeSPSTyp->setText("KEINTYPHEISSTSO");
        EXPECT_EQ(d.cbTypen->count(), 0);
        d.bSelTypEinstellenClick();   // nothing selected: nothing happens
        d.reject();
    });
    EXPECT_TRUE(pForm->bMaskeGeaendert);
    // Taken over; then the missing file for "set" and for "edit".
    ASSERT_EQ(u.Meldungen.size(), 3u) << Meldungen();
    EXPECT_EQ(u.Meldungen[0].sText, PoolText(1184));
    EXPECT_EQ(u.Meldungen[1].sText, PoolTextFormat(1257, "%s", sWegPfad.c_str()));
    EXPECT_EQ(u.Meldungen[2].sText, u.Meldungen[1].sText);
}

TEST_F(DlgTest, NetworkGroupSummaryAddressesAndPresetsButton)
{
    std::vector<std::string> adressen;
    bHostIPAdressenLesen(adressen);
    // A stand-in for the presets program; its start is recorded, not run.
    const fs::path pfNetzplan = fs::path(cExeVerzeichnis) / "__system/Netzplanung/Netzplan";
    fs::create_directories(pfNetzplan.parent_path());
    if (!fs::exists(pfNetzplan)) testhilfe::DateiSchreiben(pfNetzplan, "#!/bin/sh\n");
    ProzessStartsAufzeichnen(true);
    AufgezeichneteStartsLoeschen();
    IP_ADR = "10.11.12.13";   // no entry holds it
    Oeffnen([&](TDlgEinstellungen& d) {
        EXPECT_EQ(d.LabelLocalHostBemerkung->text().toStdString(),
                  "TCP/IP settings:\n\nTCP/IP Interface active: No");
        // Local host, the PC's addresses in their order, then 0.0.0.0.
        ASSERT_EQ(d.cbIPAdr->count(), static_cast<int>(adressen.size()) + 2);
        EXPECT_EQ(d.cbIPAdr->itemText(0).toStdString(), "127.0.0.1 (Local Host)");
        for (std::size_t i = 0; i < adressen.size(); ++i)
            EXPECT_EQ(d.cbIPAdr->itemText(static_cast<int>(i) + 1).toStdString(), adressen[i]);
        EXPECT_EQ(d.cbIPAdr->itemText(d.cbIPAdr->count() - 1).toStdString(), "0.0.0.0");
        EXPECT_EQ(d.cbIPAdr->currentIndex(), -1);
        const int iStarts = pForm->iVoreinstellStarts;
        d.bTCPIPConfigExternClick();
        EXPECT_EQ(pForm->iVoreinstellStarts, iStarts + 1);
        EXPECT_TRUE(pForm->bMaskeGeaendert);
        d.bOkClick();
    });
    ProzessStartsAufzeichnen(false);
    const std::vector<std::string> starts = AufgezeichneteStarts();
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].rfind("\"" + pfNetzplan.string() + "\"", 0), 0u) << starts[0];
    // An address no entry holds stays as it was, rather than becoming empty.
    EXPECT_EQ(IP_ADR, "10.11.12.13");
    EXPECT_TRUE(u.Meldungen.empty()) << Meldungen();
}

TEST_F(DlgTest, DiagnosisNewestFirstAndTechnicalDataFromTheEngine)
{
    std::string s(40, '\0');
    s[0] = s[1] = 'p';
    s[5] = D7ED_BST_FC;
    s[7] = 9;
    s[11] = 40;
    ASSERT_TRUE(D7ED_BstWrite(D7ED_BST_FC, 9, 40, 0, s.data(), nullptr));
    Oeffnen([&](TDlgEinstellungen& d) {
        const uint16_t n = D7ED_GetAnzahlEreignisse(nullptr);
        ASSERT_GE(n, 2);
        ASSERT_EQ(d.sg->rowCount(), n);
        EXPECT_EQ(d.sg->item(0, 0)->text().toInt(), n - 1);
        EXPECT_EQ(d.sg->item(n - 1, 0)->text().toInt(), 0);
        // The newest event is the stored block.
        EXPECT_EQ(d.sg->item(0, 1)->text().toInt(), D7ED_EREIGNIS_BAUSTEIN);
        EXPECT_EQ(d.sg->item(0, 3)->text().toStdString(), "FC9");
        // Before it the built-in type was set: no block, shown as "-".
        EXPECT_EQ(d.sg->item(1, 1)->text().toInt(), D7ED_EREIGNIS_AG_INTERN);
        EXPECT_EQ(d.sg->item(1, 3)->text().toStdString(), "-");
        char c[D7ED_TEXT_LAENGE + 1] = {};
        D7ED_GetEreignisString(static_cast<uint16_t>(n - 1), c);
        std::string sText, sZeit;
        DiagnoseTextZerlegen(c, sText, sZeit);
        EXPECT_EQ(d.sg->item(0, 4)->text().toStdString(), sText);
        EXPECT_EQ(d.sg->item(0, 2)->text().toStdString(), sZeit);
        EXPECT_EQ(sZeit.size(), 23u) << sZeit;   // dd.mm.yyyy hh:mm:ss:mmm

        uint32_t dwRam = 0;
        uint16_t w[14] = {};
        D7ED_GetAGInfoDaten(nullptr, &dwRam, &w[1], &w[2], &w[3], &w[4], &w[5], &w[6], &w[7], &w[8], &w[9], &w[10],
                            &w[11], &w[12], &w[13], nullptr);
        QTableWidget* t = d.sgTechnischeDaten;
        EXPECT_EQ(t->rowCount(), 29);
        EXPECT_EQ(t->item(2, 1)->text().toStdString(), std::to_string(dwRam));
        EXPECT_EQ(t->item(5, 1)->text().toStdString(), "FB 0 - FB " + std::to_string(w[3] - 1));
        EXPECT_EQ(t->item(11, 1)->text().toStdString(), PoolText(1171) + std::to_string(w[11] - 1));
        EXPECT_EQ(t->item(13, 1)->text().toStdString(), "MB 0 - MB " + std::to_string(w[8] - 1));
        EXPECT_EQ(t->item(17, 1)->text().toStdString(), "OB1,OB10, OB20, OB21,OB35,OB40,OB41,OB100,OB101");
        // The SFC list in two rows, every SFC once.
        const std::string sSFC = t->item(18, 1)->text().toStdString() + "," + t->item(19, 1)->text().toStdString();
        EXPECT_EQ(std::count(sSFC.begin(), sSFC.end(), ','), w[12] - 1);
        EXPECT_EQ(sSFC.rfind("SFC", 0), 0u);
        const std::string sSFB = t->item(20, 1)->text().toStdString();
        EXPECT_EQ(std::count(sSFB.begin(), sSFB.end(), ','), w[13] - 1);
        EXPECT_EQ(t->item(4, 0), nullptr);   // empty row 5
        EXPECT_EQ(Text(d, "Zyklus_GroessePAE_Edit"), std::to_string(w[11]));
        EXPECT_EQ(Text(d, "Zyklus_GroessePAA_Edit"), std::to_string(w[11]));
        d.reject();
    });
}

// Every page and every selection of the settings page, in German and in
// English; each fits its texts (the dialog is never below its layout's
// minimum).
TEST_F(DlgTest, ScreenshotsOfEveryPageInGermanAndEnglish)
{
    for (const char* pcSprache : {"D", "U"}) {
        ASSERT_TRUE(bRegWertSchreiben(cRegistrySchluessel, "SpracheInstall", pcSprache));
        StartVorbereiten(u.pfProgramm.string());
        // The main window's start sets the engine's own texts to the language.
        D7ED_SetEnglishLanguage(pcSprache[0] != 'D');
        const std::string sKuerzel = pcSprache[0] == 'D' ? "de" : "en";
        TDlgEinstellungen d(pForm);
        d.FormCreate();
        d.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(d.windowTitle().toStdString(), PoolText(1073));
        EXPECT_EQ(d.bTCPIPConfigExtern->text().toStdString(),
                  *pcSprache == 'D' ? "Veltrano TCP/IP-Einstellungen..." : "Veltrano TCP/IP Settings...");
        // Opened at the width of the widest selection; every caption whole
        // at that size and at the least size the layout allows.
        const QSize groesse = d.size();
        auto bild = [&](const std::string& sName) {
            QCoreApplication::processEvents();
            EXPECT_EQ(d.width(), groesse.width()) << sName;
            EXPECT_EQ(testhilfe::AbgeschnitteneBeschriftungen(&d), std::vector<std::string>{}) << sName;
            const fs::path pf = testhilfe::Artefaktordner() / ("spseinstellungen_" + sKuerzel + "_" + sName + ".png");
            EXPECT_TRUE(d.grab().save(QString::fromStdString(pf.string()), "PNG")) << pf;
            d.resize(1, 1);
            QCoreApplication::processEvents();
            EXPECT_EQ(testhilfe::AbgeschnitteneBeschriftungen(&d), std::vector<std::string>{}) << sName << " at least";
            d.resize(groesse);
        };
        const std::pair<QLabel*, const char*> auswahl[] = {
            {d.lAuswahl_SPSTyp, "spstyp"},         {d.lAuswahl_Netinterface, "netz"},
            {d.lAuswahl_Zyklus_Taktmerker, "zyklus"}, {d.lAuswahl_Remanenz, "remanenz"},
            {d.lAuswahl_Alarme, "alarme"},         {d.lAuswahl_Uhrzeitalarme, "uhrzeitalarme"},
            {d.lAuswahl_Weckalarme, "weckalarme"}};
        d.PageControl->setCurrentIndex(0);
        for (const auto& [pLabel, pcName] : auswahl) {
            d.LabelAuswahlOnClick(pLabel);
            bild(pcName);
        }
        d.PageControl->setCurrentIndex(1);
        QCoreApplication::processEvents();
        // The columns fit the view beside its vertical bar: nothing to
        // scroll sideways.
        EXPECT_GT(d.sg->verticalScrollBar()->maximum(), 0) << "enough events for the vertical bar";
        EXPECT_EQ(d.sg->horizontalScrollBar()->maximum(), 0)
            << sKuerzel << ": columns " << d.sg->horizontalHeader()->length() << ", view "
            << d.sg->viewport()->width();
        bild("diagnose");
        d.PageControl->setCurrentIndex(2);
        bild("technische_daten");
        d.reject();
    }
    ASSERT_TRUE(bRegWertSchreiben(cRegistrySchluessel, "SpracheInstall", "D"));
    StartVorbereiten(u.pfProgramm.string());
}

TEST(DlgHilfen, DiagnosisTextsListsAndRanges)
{
    std::string sText, sZeit;
    DiagnoseTextZerlegen(" //CPU-Typ eingestellt /05.03.2010 07:30:00:123\nRest", sText, sZeit);
    EXPECT_EQ(sText, "CPU-Typ eingestellt ");
    EXPECT_EQ(sZeit, "05.03.2010 07:30:00:123");
    DiagnoseTextZerlegen("/ab/cd/efgh", sText, sZeit);   // 10 characters after the slash
    EXPECT_EQ(sText, "ab/cd/efgh");
    EXPECT_EQ(sZeit, "");
    DiagnoseTextZerlegen("//", sText, sZeit);
    EXPECT_EQ(sText, "");

    std::string a, b;
    SFCListeTeilen("SFC0,SFC1,SFC46", a, b);
    EXPECT_EQ(a, "SFC0,SFC1");
    EXPECT_EQ(b, "SFC46");
    SFCListeTeilen("SFC0", a, b);
    EXPECT_EQ(a, "SFC0");
    EXPECT_EQ(b, "");
    EXPECT_EQ(BereichsEnde(0), "4294967295");
    EXPECT_EQ(BereichsEnde(256), "255");
    EXPECT_EQ(IPAusEintrag("127.0.0.1 (Local Host)"), "127.0.0.1");

    long long ll = 0;
    EXPECT_FALSE(bFeldZahlLesen("abc", 0, 255, ll));
    EXPECT_FALSE(bFeldZahlLesen("255xyz", 0, 255, ll));
    EXPECT_TRUE(bFeldZahlLesen(" 255 ", 0, 255, ll));
    EXPECT_EQ(ll, 255);
    EXPECT_TRUE(bFeldZahlLesen("", 0, 255, ll));
    EXPECT_EQ(ll, 0);
    EXPECT_FALSE(bFeldZahlLesen("256", 0, 255, ll));
    EXPECT_FALSE(bFeldZahlLesen("-1", 0, 255, ll));
    EXPECT_EQ(llZahlAnStelle("5", 3), 0);
}

} // namespace
