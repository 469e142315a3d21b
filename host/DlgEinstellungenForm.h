// The PLC settings dialog: the CPU properties of the loaded panel (cycle,
// clock memory, process image, monitoring time, interrupts), the CPU type,
// block files and the network summary on the settings page, chosen by a
// column of selection labels; the engine's diagnosis events and technical
// data on two pages of their own. OK writes the properties to the engine
// and saves them in the panel's "PLC.DAT".
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "kolv_d7ed.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;
class QWidget;

class TDlgEinstellungen : public QDialog {
    Q_OBJECT
public:
    explicit TDlgEinstellungen(QWidget* pBesitzer);
    ~TDlgEinstellungen() override;

    // Values kept between openings while the program runs.
    static int32_t iLetzteSeite;
    static std::string cLetzteAuswahl;

    // --- Frame ---------------------------------------------------------
    QLabel* Banner = nullptr;
    QTabWidget* PageControl = nullptr;
    QWidget* tsEinstellungen = nullptr;
    QWidget* tsDiagnose = nullptr;
    QWidget* tsTechnischeDaten = nullptr;
    QPushButton* bOk = nullptr;
    QPushButton* bHilfe = nullptr;
    QTimer* Timer1 = nullptr;

    QLabel* lEinstellungenUeberschrift = nullptr;
    QGroupBox* gbEinstellungenAuswahl = nullptr;
    QLabel* lAuswahl_SPSTyp = nullptr;
    QLabel* lAuswahl_Netinterface = nullptr;
    QLabel* lAuswahl_Zyklus_Taktmerker = nullptr;
    QLabel* lAuswahl_Remanenz = nullptr;
    QLabel* lAuswahl_Alarme = nullptr;
    QLabel* lAuswahl_Uhrzeitalarme = nullptr;
    QLabel* lAuswahl_Weckalarme = nullptr;
    QLabel* pAuswahlLabel = nullptr;

    // --- Cycle and clock memory ---------------------------------------
    QGroupBox* Zyklus_GroupBox1 = nullptr;
    QCheckBox* Zyklus_PA_Aktualisieren = nullptr;
    QLineEdit* Zyklus_ZyklusUeberwachungsZeit = nullptr;
    QLineEdit* Zyklus_MindestZyklusZeit = nullptr;
    QLineEdit* Zyklus_MaxZyklusBelastung = nullptr;
    QComboBox* Zyklus_OB85Aufruf = nullptr;
    QLineEdit* Zyklus_GroessePAE_Edit = nullptr;
    QLineEdit* Zyklus_GroessePAA_Edit = nullptr;
    QCheckBox* cbNichtVorhandeneSFB_SFCIgnorieren = nullptr;
    QLineEdit* eAufrufinterval = nullptr;
    QLabel* Zyklus_LabelMindestZyklusZeit = nullptr;
    QLabel* Zyklus_LabelOB85Aufruf = nullptr;
    QGroupBox* Zyklus_GroupBox2 = nullptr;
    QCheckBox* Zyklus_TaktmerkerAktiv = nullptr;
    QLineEdit* Zyklus_TaktmerkerAdr = nullptr;
    QLabel* Zyklus_Label4 = nullptr;
    QLabel* lHinweisTaktmerkerbyte = nullptr;

    // --- Retentivity (layout only, never read or written) -------------
    QGroupBox* Remanenz_GroupBox1 = nullptr;
    QGroupBox* Remanenz_GroupBox2 = nullptr;
    std::vector<QLineEdit*> RemanenzEdits;

    // --- Interrupts (one table per column, in OB order) ---------------
    QGroupBox* gbUhrzeitalarme = nullptr;
    QGroupBox* gbWeckalarme = nullptr;
    QGroupBox* Alarme_GroupBox1 = nullptr;   // process interrupts
    QGroupBox* Alarme_GroupBox2 = nullptr;   // delay interrupts
    QGroupBox* Alarme_GroupBox3 = nullptr;   // communication interrupts
    QGroupBox* Alarme_GroupBox4 = nullptr;   // asynchronous error interrupts
    std::array<QLabel*, 8> UhrAlarm_Label{};
    std::array<QLineEdit*, 8> UhrAlarm_Prior{};
    std::array<QCheckBox*, 8> UhrAlarm_Aktiv{};
    std::array<QComboBox*, 8> UhrAlarm_Ausf{};
    std::array<QLineEdit*, 8> UhrAlarm_Datum{};
    std::array<QLineEdit*, 8> UhrAlarm_Zeit{};
    std::array<QLabel*, 9> WeckAlarm_Label{};
    std::array<QLineEdit*, 9> WeckAlarm_Prior{};
    std::array<QLineEdit*, 9> WeckAlarm_Ausf{};
    std::array<QLineEdit*, 9> WeckAlarm_Phase{};
    std::array<QLabel*, 4> Verzoegerung_Label{};
    std::array<QLineEdit*, 4> Alarme_Verzoegerung{};   // Alarme_OB20..23
    std::vector<QWidget*> AlarmeOhneWert;             // process, communication, errors

    // --- CPU type and block file --------------------------------------
    QGroupBox* gbAGTyp = nullptr;
    QLabel* lAktuellerSPSTyp = nullptr;
    QLabel* lAktuellerSPSTypInhalt = nullptr;
    QLabel* lFilterSPSTyp = nullptr;
    QLineEdit* aMaskeSPSTyp = nullptr;
    QComboBox* cbTypen = nullptr;
    QPushButton* bSelTypEinstellen = nullptr;
    QPushButton* bTypBearbeiten = nullptr;
    QCheckBox* cbSPSBausteineRestaurieren = nullptr;
    QLabel* lWLDLaden = nullptr;
    QPushButton* bWLDLaden = nullptr;
    QLabel* lCntBlockWriteInfo = nullptr;

    // --- Network -------------------------------------------------------
    QGroupBox* gbNetinterface = nullptr;
    QLabel* LabelLocalHostBemerkung = nullptr;
    QPushButton* bTCPIPConfigExtern = nullptr;
    QComboBox* cbIPAdr = nullptr;   // filled, never shown; OK reads it

    // --- Diagnosis and technical data ----------------------------------
    QTableWidget* sg = nullptr;
    QTableWidget* sgTechnischeDaten = nullptr;

    // --- State -----------------------------------------------------------
    uint32_t dwSDBStempel = 0;
    std::string cSPSDatPfad;
    bool bWLDGeladen = false;

    // --- Handlers ----------------------------------------------------------
    void FormCreate();
    // Runs once for every way of closing (OK, Esc, title bar, watch timer).
    void FormClose();
    void FormKeyDown(int iTaste);
    void FormKeyPress(int iZeichen);
    void FormMouseMove();
    // Checks every number field; a refused one shows its range (text 6500)
    // and keeps the dialog open with nothing written. Otherwise writes the
    // engine, saves "PLC.DAT" and closes with 1; a failed save says so
    // (text 6501) and keeps the dialog open.
    void bOkClick();
    void bHilfeClick();
    void LabelAuswahlOnClick(QLabel* pLabel);
    void LabelAuswahlOnMouseMove(QLabel* pLabel);
    void PageControlChange();
    void PageControlChanging();
    void Timer1Timer();
    void bSelTypEinstellenClick();
    void bTypBearbeitenClick();
    void aMaskeSPSTypChange();
    void bWLDLadenClick();
    void bTCPIPConfigExternClick();

    // --- Plain operations -------------------------------------------------
    void AuswahlAnzeigen(bool bGruppenUmschalten);
    void ZyklusAnzeigen();
    void UhrzeitalarmeAnzeigen();
    void WeckalarmeAnzeigen();
    void AlarmeAnzeigen();
    void DiagnoseAnzeigen();
    void TechnischeDatenAnzeigen();
    void SFCSFBListenHolen(std::string& sSFC, std::string& sSFB);
    void SPSTypAnzeigen();
    void SPSTypListeFuellen(const std::string& sFilter);
    void IPAdressListeFuellen();
    void TCPIPZusammenfassungAnzeigen();
    // Index of the first entry equal to the text ignoring letter case, -1.
    static int iPeriodeSuchen(QComboBox* pListe, const std::string& sText);
    // The colour a selection label shows (0x00BBGGRR).
    static uint32_t dwLabelFarbe(const QLabel* pLabel);

    void done(int iErgebnis) override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* pZiel, QEvent* e) override;

private:
    // The checked values of the number fields.
    struct TEingaben {
        uint16_t wAufrufintervall = 2;
        uint16_t wTaktmerkerByte = 0;
        uint16_t wUeberwachungszeit = 0;
        std::array<TUhrzeitAlarm, 8> Uhrzeit{};
        std::array<uint16_t, 9> wWeckIntervall{};
        std::array<uint8_t, 9> byWeckPrioritaet{};
        std::array<uint32_t, 4> dwVerzoegerung{};
    };
    // Reads and checks every number field; false after the box of the first
    // refused one.
    bool bEingabenLesen(TEingaben& e);
    void UhrzeitalarmeUebernehmen(const TEingaben& e);
    void WeckalarmeUebernehmen(const TEingaben& e);
    void VerzoegerungsalarmeUebernehmen(const TEingaben& e);

    void SeiteEinstellungenBauen();
    void ZyklusGruppenBauen();
    void RemanenzGruppenBauen();
    void AlarmGruppenBauen();
    void SPSTypGruppeBauen();
    void NetzGruppeBauen();
    void LabelFarbeSetzen(QLabel* pLabel, uint32_t dwFarbe);
    std::vector<QGroupBox*> GruppenVon(const QLabel* pLabel) const;
    std::array<QLabel*, 7> AuswahlLabels() const;

    QWidget* pGruppenFlaeche = nullptr;
    QGridLayout* pGruppenRaster = nullptr;
    bool bGeschlossen = false;
};
