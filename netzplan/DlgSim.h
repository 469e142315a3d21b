// The presets dialog of Netzplan, its main window: the engine's TCP/IP
// presets, the network adapter and the port-102 waiting times.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

#include "kolv_v2_mpi.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

class TDialogSimVoreinstellung : public QDialog {
    Q_OBJECT
public:
    explicit TDialogSimVoreinstellung(QWidget* pOwner);
    ~TDialogSimVoreinstellung() override;

    // Components (object names equal to the member names).
    QTabWidget* SimVoreinstPageControl = nullptr;
    QWidget* tsTCPIP = nullptr;
    QFrame* PanelTCPIP = nullptr;
    QCheckBox* TCP_Ip_AktivierenCheckBox = nullptr;
    QPushButton* SetOptimalIPButton = nullptr;
    QGroupBox* BspZugriffD7EDGroupBox = nullptr;
    QLabel* BspIPBeschrLabel = nullptr;
    QLabel* BspIPNetAdapterBeschrLabel = nullptr;
    QLabel* BspPortBeschrLabel = nullptr;
    QLabel* BspIPLabel = nullptr;
    QLabel* BspIPNetAdapterLabel = nullptr;
    QLabel* BspPortLabel = nullptr;
    QPushButton* RefreshIPBspButton = nullptr;
    QGroupBox* NetzwerkKarteGroupBox = nullptr;
    QComboBox* NetAdapterComboBox = nullptr;
    QLineEdit* IPAdrNetzAdapterEdit = nullptr;
    QCheckBox* TcpExpertCheckBox = nullptr;
    QGroupBox* TCPGroupBox = nullptr;
    QCheckBox* ForceTCPRestartCheckBox = nullptr;
    QLabel* IPAdrLabel = nullptr;
    QComboBox* IpAdrComboBox = nullptr;
    QLabel* S7PortLabel = nullptr;
    QLineEdit* S7PortEdit = nullptr;
    QLabel* StdS7PortLabel = nullptr;
    QPushButton* S7PortTestenButton = nullptr;
    QLabel* InternPortLabel = nullptr;
    QLineEdit* InternPortEdit = nullptr;
    QLabel* StdLabelInternPort = nullptr;
    QPushButton* InternPortTestenButton = nullptr;
    QLabel* IPAdr_2_Label = nullptr;
    QComboBox* IpAdr_2_ComboBox = nullptr;
    QLabel* S7Port_3_Label = nullptr;
    QLineEdit* S7Port_3_Edit = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* S7Port_3_TestenButton = nullptr;
    QLabel* S7Port_4_Label = nullptr;
    QLineEdit* S7Port_4_Edit = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* S7Port_4_TestenButton = nullptr;
    QCheckBox* PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox = nullptr;
    QLabel* WaitAfterStopLabel1 = nullptr;
    QLineEdit* WaitAfterStopEdit = nullptr;
    QLabel* WaitRestartLabel = nullptr;
    QLineEdit* WaitRestartEdit = nullptr;
    QLabel* D7EDKommuIDLabel = nullptr;
    QLabel* SchreibSchutzLabel = nullptr;
    QLabel* StatusTextLabel = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonAbbruch = nullptr;
    QPushButton* HilfeButton = nullptr;

    // State besides the components.
    int32_t iMPIHandles[10];
    int32_t iAnzahlMPIHandles = 0;
    bool bLaden = false;
    int iWindowsVersion = 0;
    std::vector<std::string> HostAdressen;
    std::string sIP1;
    uint16_t wPortS7 = 0, wPortIntern = 0;
    std::string sIP2;
    uint16_t wPort3 = 0, wPort4 = 0;
    // A stored address this PC lacks, per list (empty when none): it stays
    // with its ports while its list stands on no entry.
    std::string sBehalteneIP1, sBehalteneIP2;
    int iIndexAlleAdressen = -1;   // entry "0.0.0.0"
    int iIndexLocalHost = -1;      // entry "127.0.0.1"
    std::vector<MPI_DLL_NETZWERK_ADAPTER_STRUCT> AdapterDaten;
    MPI_DLL_NETZWERK_ADAPTER_STRUCT AktuellerAdapter;
    bool bDienstGestoppt = false;

    // Start-up and end.
    void FormCreate();
    void FormPaint();
    void FormDestroy();
    // Port 102 at start: the status texts, and the helper service asked to
    // stop the PLC help service when that holds the port.
    void Port102BeimStart();

    // The form's size as its resource gives it (client area).
    static constexpr int FORM_BREITE = 633;
    static constexpr int FORM_HOEHE = 674;

    // Captions, values, address lists and the adapter list.
    void LoadCaptionsAndValues();
    bool ListHostAddresses(std::vector<std::string>& liste);
    void FillIpCombo(QComboBox* pListe, const std::string& sGespeichert);
    void EnableTcpControls(bool bAn);
    bool IsPort102HeldByService();
    void SetOptimalSettings();
    void FillAdapterList();
    bool ReadAdapterSetting(std::string& sName);
    bool WriteAdapterSetting(const std::string& sName);
    // The adapter record of an item of NetAdapterComboBox (null for none).
    MPI_DLL_NETZWERK_ADAPTER_STRUCT* pAdapterDesEintrags(int iEintrag);

    void TCP_Ip_AktivierenCheckBoxClick();
    void SetOptimalIPButtonClick();
    void RefreshIPBspButtonClick();
    void TcpExpertCheckBoxClick();
    void NetAdapterComboBoxChange();
    // The chosen adapter shown and handed to the adapter instance (the
    // local-host entry resets it); false when no adapter is chosen.
    bool bAdapterUebergeben();
    void HilfeButtonClick();

    // Validating, saving and applying.
    bool ApplySettings(bool bNurPruefen, bool bWarnen);
    static bool ParsePortEdit(uint16_t& wPort, const QLineEdit* pEdit);
    bool CheckPort102Rules(const std::string& sIP1_, const std::string& sIP2_, uint16_t w1,
                           uint16_t w2, uint16_t w3, uint16_t w4, std::string& sMeldung);
    void ClearExample();
    bool RefreshExample();
    // Whether the engine must take the saved presets over (they differ
    // from the data in effect, TCP/IP is not active, or the restart is
    // forced).
    bool bNeuEinstellenNoetig(uint16_t w1, uint16_t w2, uint16_t w3, uint16_t w4,
                              unsigned char byUmleiten);
    void ButtonOKClick();
    void ButtonAbbruchClick();
    // Restarts the PLC help service through the helper when the program had
    // it stopped at start.
    void DienstWiederStarten();

    // Port tests.
    void TestPort(QComboBox* pListe, QLineEdit* pEdit);
    void S7PortTestenButtonClick();
    void InternPortTestenButtonClick();
    void S7Port_3_TestenButtonClick();
    void S7Port_4_TestenButtonClick();

    // The end-to-end tests' scripted entry "<IP>;<port>" (see Netzplan.h).
    void TestEingabeAusfuehren(const std::string& sEingabe);

    // Esc: the cancel button.
    void reject() override;

signals:
    // The window has closed (OK, Cancel, or its own close); the program ends.
    void Beendet();

protected:
    void paintEvent(QPaintEvent* pEreignis) override;
    void closeEvent(QCloseEvent* pEreignis) override;

private:
    void KomponentenAnlegen();
    bool m_bDestroyGelaufen = false;
};

// The presets dialog while it exists (the status line and the help find it).
extern TDialogSimVoreinstellung* DialogSimVoreinstellung;
// Handle of the dialog's adapter instance (-1 without dialog or instance).
int32_t AdapterInstanzDesDialogs();
