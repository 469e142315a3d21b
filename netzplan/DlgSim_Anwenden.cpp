// Validating, saving and applying the presets; OK and Cancel; the port
// test buttons.
#include "DlgSim.h"

#include "NetzDienste.h"
#include "Netzplan.h"
#include "NetzplanDienste.h"
#include "kolv_d7ed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <arpa/inet.h>

namespace {

bool bGueltig(const std::string& sIP)
{
    in_addr a{};
    return inet_pton(AF_INET, sIP.c_str(), &a) == 1;
}

// A decimal number of the edit; false for anything else.
bool bZahlLesen(const QLineEdit* pEdit, long long& qWert)
{
    const QString s = pEdit->text().trimmed();
    if (s.isEmpty()) {
        qWert = 0;
        return true;
    }
    bool bOk = false;
    qWert = s.toLongLong(&bOk);
    return bOk;
}

// The box at OK when no port is 102: programming software looks for the
// engine at port 102, so another port reaches only software that can be
// pointed at it; a port below the first unprivileged one also needs the
// right to bind it.
std::string AndererPortHinweis(uint16_t wPort)
{
    std::string s = Formatiert(Sprachtext("Programmiersoftware verbindet sich mit Port 102. Der gewählte Port %u "
                                          "funktioniert nur mit Software, bei der sich ein anderer Port "
                                          "einstellen lässt.",
                                          "Programming software connects to port 102. The chosen port %u works "
                                          "only with software that can be told another port."),
                               unsigned(wPort));
    const unsigned uFrei = uErsterFreierPort();
    if (wPort < uFrei)
        s += Formatiert(Sprachtext("\nDer Port %u liegt unter %u, dem ersten freien Port dieses Systems: Ihn "
                                   "zu belegen braucht root oder das Recht CAP_NET_BIND_SERVICE.",
                                   "\nThe port %u is below %u, the first unprivileged port of this system: "
                                   "binding it needs root or the CAP_NET_BIND_SERVICE capability."),
                        unsigned(wPort), uFrei);
    return s;
}

} // namespace

bool TDialogSimVoreinstellung::ParsePortEdit(uint16_t& wPort, const QLineEdit* pEdit)
{
    long long q = 0;
    if (!bZahlLesen(pEdit, q) || q < 0 || q > 65535) {
        wPort = 0;
        return false;
    }
    wPort = uint16_t(q);
    return true;
}

bool TDialogSimVoreinstellung::CheckPort102Rules(const std::string& sA, const std::string& sB,
                                                 uint16_t w1, uint16_t w2, uint16_t w3, uint16_t w4,
                                                 std::string& sMeldung)
{
    sMeldung.clear();
    const bool bGehalten = IsPort102HeldByService();
    const bool bAdmin = IsUserAdmin();
    const bool bA = (w1 != 0 || w2 != 0) && bGueltig(sA);
    const bool bB = (w3 != 0 || w4 != 0) && bGueltig(sB);
    if ((!bA && !bB) || !bGehalten)
        return true;
    const bool bA102 = bA && (w1 == 102 || w2 == 102);
    const bool bB102 = bB && (w3 == 102 || w4 == 102);
    if (!bAdmin && (bA102 || bB102)) {
        sMeldung = Sprachtext("Der Port 102 darf nicht verwendet werden, da dieser von einem "
                              "Windows-Service belegt ist!\nDas Stoppen des Windows-Service ist nur "
                              "mit Admin-Rechten möglich.",
                              "The port address 102 cannot used. This address is occupied from a "
                              "windows service!\nYou need admin-rights, to stop the windows service.");
        return false;
    }
    if (iWindowsVersion <= 9 && bAdmin &&
        ((bA102 && sA == "0.0.0.0") || (bB102 && sB == "0.0.0.0"))) {
        sMeldung = Sprachtext("Windows XP:\nDer Port 102 darf nicht zusammen mit der Universal-IP-"
                              "Adresse 0.0.0.0 verwendet werden!\nVerwenden Sie eine explizite "
                              "IP-Adresse für den Port 102.",
                              "Windows XP:\nIt is not possible to use the port address 102 with the "
                              "universal IP address 0.0.0.0!\nPlease use a explicit IP address and "
                              "the port address 102.");
        return false;
    }
    return true;
}

void TDialogSimVoreinstellung::ClearExample()
{
    for (QLabel* p : {BspIPLabel, BspIPNetAdapterLabel, BspPortLabel})
        p->setText("----");
}

bool TDialogSimVoreinstellung::RefreshExample()
{
    ClearExample();
    if (!TCP_Ip_AktivierenCheckBox->isChecked())
        return true;
    return ApplySettings(true, false);
}

bool TDialogSimVoreinstellung::ApplySettings(bool bNurPruefen, bool bWarnen)
{
    if (!D7ED_IstKommuIDKorrekt(KommuID) && !bNurPruefen)
        return false;
    auto fehler = [](const char* pcDe, const char* pcEn) {
        ShowError(Sprachtext(pcDe, pcEn));
        return false;
    };
    long long qNachStop = 0, qVorStart = 0;
    if (!bZahlLesen(WaitAfterStopEdit, qNachStop) || qNachStop < 1000 || qNachStop > 10000)
        return fehler("Wartezeit nach Service-Stop ist nicht im Bereich 1000 - 10000!",
                      "Waiting time after stopping the service is outside the permitted limits "
                      "(1000 - 10000)!");
    if (!bZahlLesen(WaitRestartEdit, qVorStart) || qVorStart < 1000 || qVorStart > 10000)
        return fehler("Wartezeit vor Service-Neustart ist nicht im Bereich 1000 - 10000!",
                      "Waiting time till restarting the service is outside the permitted limits "
                      "(1000 - 10000)!");
    uint16_t w1 = 0, w2 = 0, w3 = 0, w4 = 0;
    if (!ParsePortEdit(w1, S7PortEdit))
        return fehler("TCP/IP Einstellungen: Es ist keine gültige S7-Port-Adresse angegeben (0-65535)!",
                      "TCP/IP settings: The S7 port address is not valid (0-65535)!");
    if (!ParsePortEdit(w2, InternPortEdit))
        return fehler("TCP/IP Einstellungen: Es ist keine gültige interne Port-Adresse angegeben (0-65535)!",
                      "TCP/IP settings: The internal port address is not valid!");
    if (w1 != 0 && w1 == w2) {
        w2 = 0;
        InternPortEdit->setText("0");
    }
    // Entry 0 ("Deactivate") switches the address off with its ports; a
    // kept address on no entry stays with its ports.
    const auto Adresse = [](const QComboBox* p, const std::string& sBehalten, uint16_t& wA, uint16_t& wB) {
        if (p->currentIndex() < 0 && !sBehalten.empty())
            return sBehalten;
        if (p->currentIndex() <= 0) {
            wA = wB = 0;
            return std::string("0.0.0.0");
        }
        return p->currentText().toStdString();
    };
    sIP1 = Adresse(IpAdrComboBox, sBehalteneIP1, w1, w2);
    if (!ParsePortEdit(w3, S7Port_3_Edit))
        return fehler("TCP/IP Einstellungen: Es ist keine gültige S7-Port-Adresse für die zweite "
                      "IP-Adresse angegeben (0-65535)!",
                      "TCP/IP settings: The S7 port address of the second IP address is not valid "
                      "(0-65535)!");
    if (!ParsePortEdit(w4, S7Port_4_Edit))
        return fehler("TCP/IP Einstellungen: Es ist keine gültige zweite S7-Port-Adresse für die "
                      "zweite IP-Adresse angegeben (0-65535)!",
                      "TCP/IP settings: The second S7 port address of the second IP address is not "
                      "valid (0-65535)!");
    if (w3 != 0 && w3 == w4) {
        w4 = 0;
        S7Port_4_Edit->setText("0");
    }
    sIP2 = Adresse(IpAdr_2_ComboBox, sBehalteneIP2, w3, w4);
    const unsigned char byUmleiten =
        PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox->isChecked() ? 1 : 0;
    const bool bGleichePorts = (w1 != 0 && (w1 == w3 || w1 == w4)) || (w2 != 0 && (w2 == w3 || w2 == w4));
    if (sIP1 == sIP2 && bGleichePorts)
        return fehler("Fehler:\nDie beiden IP-Adressen sind identisch und nutzen die gleichen Portadressen!",
                      "Error:\nThe two IP addresses are identical and they use the same port address!");
    std::string sMeldung;
    if (!CheckPort102Rules(sIP1, sIP2, w1, w2, w3, w4, sMeldung)) {
        ShowError(sMeldung);
        return false;
    }
    std::string sAdresse, sKopie;
    uint16_t wPort = 0;
    if (ComputeExampleAccess(sIP1, sIP2, w1, w2, w3, w4, sAdresse, wPort, sKopie)) {
        BspIPLabel->setText(QString::fromStdString(sAdresse));
        BspIPNetAdapterLabel->setText(QString::fromStdString(sKopie));
        BspPortLabel->setText(QString::number(wPort));
        if (wPort != 102 && bWarnen)
            ShowInfo(AndererPortHinweis(wPort));
    } else {
        ClearExample();
    }
    if (bNurPruefen)
        return true;

    // Everything is validated: only now does anything reach the storage.
    if (const MPI_DLL_NETZWERK_ADAPTER_STRUCT* p = pAdapterDesEintrags(NetAdapterComboBox->currentIndex()))
        WriteAdapterSetting(p->Name);
    wPortS7 = w1;
    wPortIntern = w2;
    wPort3 = w3;
    wPort4 = w4;
    int iFehler = 0;
    if (!D7ED_IPDatenInRegistryAbspeichern(sIP1.c_str(), w1, w2, byUmleiten, &iFehler)) {
        ShowError(Formatiert(Sprachtext("TCP/IP Einstellungen: Fehler beim Speichern der Daten in der "
                                        "Registry.\nError %i",
                                        "TCP/IP settings: Error while saving the data into the "
                                        "registry.\nError %i"),
                             iFehler));
        return false;
    }
    if (!D7ED_IPDaten_2_InRegistryAbspeichern(sIP2.c_str(), w3, w4, &iFehler)) {
        ShowError(Formatiert(Sprachtext("TCP/IP Einstellungen 2: Fehler beim Speichern der Daten in "
                                        "der Registry.\nError %i",
                                        "TCP/IP settings 2: Error while saving the data into the "
                                        "registry.\nError %i"),
                             iFehler));
        return false;
    }
    int iFehler2 = 0;
    if (!D7ED_Port102TimeDaten_InRegistryAbspeichern(uint16_t(qNachStop), uint16_t(qVorStart), &iFehler2)) {
        // The IP data are stored already: say which part is missing, and
        // stay open so that OK can store the waiting times again.
        ShowError(Formatiert(Sprachtext("TCP/IP Einstellungen: Die IP-Daten wurden gespeichert, die "
                                        "Wartezeiten für Port 102 aber nicht (Fehler beim Speichern in "
                                        "der Registry).\nError %i",
                                        "TCP/IP settings: The IP data were saved, but the waiting times "
                                        "for port 102 were not (error while saving into the "
                                        "registry).\nError %i"),
                             iFehler2));
        return false;
    }

    if (!bNeuEinstellenNoetig(w1, w2, w3, w4, byUmleiten))
        return true;
    TGespeicherterCursor cursor = false;
    HourglassOn(&cursor);
    CloseListenSockets();
    iFehler = 0;
    if (D7ED_IPDatenAusRegistryEinstellen(KommuID, &iFehler)) {
        CreateListenSockets(true);
        HourglassOff(&cursor);
        return true;
    }
    HourglassOff(&cursor);
    ShowError(Formatiert(Sprachtext("TCP/IP Einstellungen: Fehler beim Einstellen der IP-Daten in der "
                                    "RavoDAV.\nError %i",
                                    "TCP/IP settings: Error while setting the IP data in the "
                                    "V7-UrerURO.\nError %i"),
                         iFehler));
    return false;
}

bool TDialogSimVoreinstellung::bNeuEinstellenNoetig(uint16_t w1, uint16_t w2, uint16_t w3,
                                                    uint16_t w4, unsigned char byUmleiten)
{
    char acIP[255] = {};
    uint16_t wA = 0, wB = 0;
    D7ED_GetEingestellteIPDaten(acIP, &wA, &wB);
    if (sIP1 != acIP || wA != w1 || wB != w2 || !D7ED_TcpIpKommuAktiv())
        return true;
    char acIP2[255] = {};
    wA = wB = 0;
    D7ED_GetEingestellteIPDaten_2(acIP2, &wA, &wB);
    if (sIP2 != acIP2 || wA != w3 || wB != w4)
        return true;
    if (D7ED_GetPGZugriffAufEingaengeAufPeripherieUmleiten() != byUmleiten || !D7ED_TcpIpKommuAktiv())
        return true;
    return ForceTCPRestartCheckBox->isChecked();
}

void TDialogSimVoreinstellung::DienstWiederStarten()
{
    if (!bDienstGestoppt)
        return;
    bool bNichtInstalliert = false;
    if (SendServiceControl(HELFERDIENST_NAME, HELFERDIENST_PORT102_ZURUECKGEBEN, bNichtInstalliert, false)) {
        bDienstGestoppt = false;
    } else {
        SetStatusText("Error while starting S-service!");
        if (bNichtInstalliert)
            SetStatusText("HARLENZ-Service is not present on the machine!");
    }
}

void TDialogSimVoreinstellung::ButtonOKClick()
{
    setResult(0);
    if (D7ED_IstKommuIDKorrekt(KommuID) && !ApplySettings(false, true))
        return;
    DienstWiederStarten();
    done(IDOK);
    emit Beendet();
}

void TDialogSimVoreinstellung::ButtonAbbruchClick()
{
    DienstWiederStarten();
    done(IDCANCEL);
    emit Beendet();
}

void TDialogSimVoreinstellung::reject()
{
    ButtonAbbruchClick();
}

void TDialogSimVoreinstellung::TestPort(QComboBox* pListe, QLineEdit* pEdit)
{
    const int iEintrag = pListe->currentIndex();
    if (iEintrag <= 0) {
        ShowError(Sprachtext("Es ist keine gültige IP-Adresse selektiert!", "No valid IP address is selected!"));
        return;
    }
    const std::string sIP = pListe->currentText().toStdString();
    uint16_t wPort = 0;
    if (!ParsePortEdit(wPort, pEdit) || wPort == 0) {
        ShowError(Sprachtext("Es ist keine gültige S7-Port-Adresse angegeben (1-65535)!",
                             "The S7 port address is not valid (1-65535)!"));
        return;
    }
    // Only port 102 is the service's: any other port is tested.
    if (wPort == 102 && IsPort102HeldByService()) {
        if (IsUserAdmin())
            ShowInfo(Formatiert(Sprachtext("Die Portadresse %u kann verwendet werden!",
                                           "The port with the address %u can be used!"),
                                unsigned(wPort)));
        else
            ShowInfo(Sprachtext(
                "Die Portadresse 102 kann nicht verwendet werden, da diese von einem Windows-Dienst "
                "belegt ist\nBitte starten Sie Pelmora mit Administrator-Rechten um den Port verwenden "
                "zu können!\nFür weitere Infos lesen Sie bitte die Hilfe-Seite zum Thema 'Port 102'",
                "The port 102 can not be used. This port is occupied from a windows service.\nPlease "
                "start the application with admin-rights for using this port!\nFor additional "
                "information please read the help."));
        return;
    }
    TSocket slot = UNGUELTIGER_SOCKET;
    TGespeicherterCursor cursor = false;
    HourglassOn(&cursor);
    const unsigned uCode = OpenListenSocket(slot, sIP, wPort);
    HourglassOff(&cursor);
    const std::string sUrsache = uCode != SOCKET_OK ? PortRechtUrsache(wPort) : std::string();
    if (!sUrsache.empty())
        ShowError(sUrsache);
    else if (uCode != SOCKET_OK)
        ShowError(Formatiert(Sprachtext("Die Portadresse %u wird bereits von einer anderen Applikation belegt!",
                                        "The port with the address %u is occupied from another application!"),
                             unsigned(wPort)));
    else
        ShowInfo(Formatiert(Sprachtext("Die Portadresse %u kann verwendet werden!",
                                       "The port with the address %u can be used!"),
                            unsigned(wPort)));
    HourglassOn(&cursor);
    CloseListenSocket(slot);
    HourglassOff(&cursor);
}

void TDialogSimVoreinstellung::S7PortTestenButtonClick() { TestPort(IpAdrComboBox, S7PortEdit); }
void TDialogSimVoreinstellung::InternPortTestenButtonClick() { TestPort(IpAdrComboBox, InternPortEdit); }
void TDialogSimVoreinstellung::S7Port_3_TestenButtonClick() { TestPort(IpAdr_2_ComboBox, S7Port_3_Edit); }
void TDialogSimVoreinstellung::S7Port_4_TestenButtonClick() { TestPort(IpAdr_2_ComboBox, S7Port_4_Edit); }

void TDialogSimVoreinstellung::TestEingabeAusfuehren(const std::string& sEingabe)
{
    const std::size_t uTrenner = sEingabe.find(';');
    if (uTrenner == std::string::npos)
        return;
    TCP_Ip_AktivierenCheckBox->setChecked(true);
    EnableTcpControls(true);
    const int iEintrag =
        IpAdrComboBox->findText(QString::fromStdString(sEingabe.substr(0, uTrenner)), Qt::MatchExactly);
    if (iEintrag > 0)
        IpAdrComboBox->setCurrentIndex(iEintrag);
    S7PortEdit->setText(QString::fromStdString(sEingabe.substr(uTrenner + 1)));
    InternPortEdit->setText("0");
    IpAdr_2_ComboBox->setCurrentIndex(0);
    ButtonOKClick();
}
