// The presets dialog's captions, values, address lists, TCP/IP switch,
// optimal settings, adapter list and help.
#include "DlgSim.h"

#include "NetzDienste.h"
#include "Netzplan.h"
#include "NetzplanDienste.h"
#include "WinRegistry.h"
#include "kolv_d7ed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>

#include <cstring>

namespace {

// Dotted text -> address in network order; a text that is no address
// counts as 0 (the original conversion's answer).
uint32_t dwAdresse(const std::string& sIP)
{
    in_addr a{};
    return inet_pton(AF_INET, sIP.c_str(), &a) == 1 ? a.s_addr : 0;
}

bool bGueltig(const std::string& sIP)
{
    in_addr a{};
    return inet_pton(AF_INET, sIP.c_str(), &a) == 1;
}

void Beschriften(QWidget* p, const char* pcDeutsch, const char* pcEnglisch)
{
    const QString s = QString::fromUtf8(Sprachtext(pcDeutsch, pcEnglisch));
    if (auto* pKnopf = qobject_cast<QAbstractButton*>(p))
        pKnopf->setText(s);
    else if (auto* pLabel = qobject_cast<QLabel*>(p))
        pLabel->setText(s);
    else if (auto* pGruppe = qobject_cast<QGroupBox*>(p))
        pGruppe->setTitle(s);
}

constexpr const char* ADAPTER_SCHLUESSEL = "Software\\Harlenz-Software\\HARLENZ-D7ED-TCP-IP";
constexpr const char* ADAPTER_WERT = "D7ED_NetworkAdapter";

} // namespace

void TDialogSimVoreinstellung::LoadCaptionsAndValues()
{
    Beschriften(ButtonOK, "OK", "OK");
    Beschriften(ButtonAbbruch, "Abbruch", "Cancel");
    Beschriften(HilfeButton, "Hilfe", "Help");
    Beschriften(IPAdrLabel, "IP-Adresse S7-RavoDAV:", "IP-Address V7-UrerURO:");
    Beschriften(S7PortLabel, "Port-Adresse S7-Kommunikation:", "Port-Address S7 communication:");
    Beschriften(InternPortLabel, "Port-Adresse interne Kommunikation:", "Port-Address internal communication:");
    Beschriften(S7PortTestenButton, "S7-Port-Adresse testen", "Test the S7-port-address");
    Beschriften(S7Port_3_TestenButton, "S7-Port-Adresse testen", "Test the S7-port-address");
    Beschriften(InternPortTestenButton, "Interne Port-Adresse testen", "Test the internal port address");
    Beschriften(S7Port_4_TestenButton, "Interne Port-Adresse testen", "Test the internal port address");
    Beschriften(IPAdr_2_Label, "IP-Adresse 2 S7-RavoDAV", "IP-Address 2 V7-UrerURO");
    Beschriften(S7Port_3_Label, "Port-Adresse S7-Kommunikation:", "Port-Address S7-communication:");
    Beschriften(S7Port_4_Label, "Port-Adresse interne Kommunikation:", "Port-Address internal communication:");
    Beschriften(TCP_Ip_AktivierenCheckBox, "Kommunikation über TCP/IP aktivieren", "Activate communication via TCP/IP");
    Beschriften(TcpExpertCheckBox, "Experteneinstellung anzeigen", "Show expert settings");
    Beschriften(ForceTCPRestartCheckBox, "TCP/IP-Neustart der RavoDAV erzwingen!", "Force TCP/IP-restart of the SoftPLC!");
    Beschriften(PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox,
                "PG Steuerzugriffe von Eingängen auf Peripherie umleiten",
                "Forcing of inputs from the PG will converted to imnput periphery");
    Beschriften(WaitAfterStopLabel1, "Wartezeit nach beenden des Service (ms):",
                "Waiting time after stopping the service (ms):");
    Beschriften(WaitRestartLabel, "Wartezeit vor dem Neustart des Service (ms):",
                "Waiting time till restarting the service (ms):");
    Beschriften(SetOptimalIPButton, "Optimale TCP/IP-Einstellungen setzen", "Find the best TCP/IP-settings");
    Beschriften(RefreshIPBspButton, "Daten für Beispielzugriff neu ermitteln",
                "Refresh TCP/IP-data for connection example");
    Beschriften(BspZugriffD7EDGroupBox, "TCP/IP-Daten für Zugriff auf S7-RavoDAV",
                "TCP/IP data for connection to V7-UrerURO");
    Beschriften(BspIPBeschrLabel, "IP-Adresse S7-RavoDAV:", "IP address V7-UrerURO:");
    Beschriften(BspIPNetAdapterBeschrLabel, "IP-Adresse Netzwerkkarte:", "IP address network adapter:");
    Beschriften(BspPortBeschrLabel, "Port-Nummer:", "Port address:");
    Beschriften(NetzwerkKarteGroupBox, "Verwendete Netzwerkkarte des PCs", "Selected network adapter of the PC");
    SimVoreinstPageControl->setTabText(0, Sprachtext("TCP/IP Einstellungen", "TCP/IP settings"));

    ForceTCPRestartCheckBox->setChecked(false);

    char acIP1[256] = {}, acIP2[256] = {};
    D7ED_GetEingestellteIPDaten(acIP1, &wPortS7, &wPortIntern);
    D7ED_GetEingestellteIPDaten_2(acIP2, &wPort3, &wPort4);
    sIP1 = acIP1;
    sIP2 = acIP2;

    IpAdrComboBox->clear();
    HostAdressen.clear();
    sBehalteneIP1.clear();
    sBehalteneIP2.clear();
    if (ListHostAddresses(HostAdressen) && !HostAdressen.empty()) {
        FillIpCombo(IpAdrComboBox, sIP1);
        FillIpCombo(IpAdr_2_ComboBox, sIP2);
    } else {
        ShowError(Sprachtext("Fehler beim Ermitteln der IP-Adresse des PCs!",
                             "Error while determining the IP address of the PC!"));
        // Nothing to choose from: a stored address stays with its ports, as
        // one this PC lacks does; OK would otherwise wipe it.
        const auto Liste = [&](QComboBox* p, const std::string& sIP, bool bPorts, std::string& sBehalten) {
            p->clear();
            p->addItem(Sprachtext("Deaktivieren", "Deactivate"));
            if (!sIP.empty() && (sIP != "0.0.0.0" || bPorts))
                sBehalten = sIP;
            p->setCurrentIndex(sBehalten.empty() ? 0 : -1);
        };
        Liste(IpAdrComboBox, sIP1, wPortS7 != 0 || wPortIntern != 0, sBehalteneIP1);
        Liste(IpAdr_2_ComboBox, sIP2, wPort3 != 0 || wPort4 != 0, sBehalteneIP2);
    }
    // A kept address stays on no entry also without ports: OK stores it
    // back as it was.
    if (wPortS7 == 0 && wPortIntern == 0 && sBehalteneIP1.empty())
        IpAdrComboBox->setCurrentIndex(0);
    if (wPort3 == 0 && wPort4 == 0 && sBehalteneIP2.empty())
        IpAdr_2_ComboBox->setCurrentIndex(0);

    S7PortEdit->setText(QString::number(wPortS7));
    InternPortEdit->setText(QString::number(wPortIntern));
    S7Port_3_Edit->setText(QString::number(wPort3));
    S7Port_4_Edit->setText(QString::number(wPort4));

    PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox->setChecked(false);
    if (D7ED_GetPGZugriffAufEingaengeAufPeripherieUmleiten() == 1)
        PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox->setChecked(true);

    if (wPortS7 != 0 || wPortIntern != 0 || wPort3 != 0 || wPort4 != 0) {
        TCP_Ip_AktivierenCheckBox->setChecked(true);
    } else {
        TCPGroupBox->setEnabled(false);
        TCP_Ip_AktivierenCheckBox->setChecked(false);
    }

    if (D7ED_IstKommuIDKorrekt(KommuID)) {
        SchreibSchutzLabel->setEnabled(false);
        SchreibSchutzLabel->setVisible(false);
    } else {
        EnableTcpControls(false);
        TCP_Ip_AktivierenCheckBox->setEnabled(false);
        Beschriften(SchreibSchutzLabel, "Die Daten sind durch eine andere Applikation gesperrt.",
                    "The data are locked from another application.");
    }

    uint16_t wNachStop = 0, wVorStart = 0;
    int iFehler = 0;
    D7ED_Port102TimeDaten_AusRegistryAuslesen(&wNachStop, &wVorStart, &iFehler);
    WaitAfterStopEdit->setText(QString::number(wNachStop));
    WaitRestartEdit->setText(QString::number(wVorStart));

    TcpExpertCheckBox->setChecked(false);
    TCPGroupBox->setVisible(TcpExpertCheckBox->isChecked());
}

bool TDialogSimVoreinstellung::ListHostAddresses(std::vector<std::string>& liste)
{
    // The PC's own IPv4 addresses in interface order. Loopback addresses are
    // left out, as the host lookup of a networked PC leaves them out (the
    // list has its own "127.0.0.1" entry); a PC without any other address
    // answers with 127.0.0.1 like that lookup does.
    ifaddrs* pListe = nullptr;
    if (getifaddrs(&pListe) != 0)
        return false;
    for (const ifaddrs* p = pListe; p; p = p->ifa_next) {
        if (!p->ifa_addr || p->ifa_addr->sa_family != AF_INET || (p->ifa_flags & IFF_LOOPBACK))
            continue;
        char ac[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(p->ifa_addr)->sin_addr, ac, sizeof ac);
        liste.emplace_back(ac);
    }
    freeifaddrs(pListe);
    if (liste.empty())
        liste.emplace_back("127.0.0.1");
    return true;
}

void TDialogSimVoreinstellung::FillIpCombo(QComboBox* pListe, const std::string& sGespeichert)
{
    pListe->clear();
    int iAuswahl = -1;
    pListe->addItem(Sprachtext("Deaktivieren", "Deactivate"));
    if (sGespeichert.empty())
        iAuswahl = 0;
    const uint32_t dwGespeichert = dwAdresse(sGespeichert);
    pListe->addItem("0.0.0.0");
    iIndexAlleAdressen = pListe->count() - 1;
    if (dwGespeichert == 0)
        iAuswahl = iIndexAlleAdressen;
    pListe->addItem("127.0.0.1");
    iIndexLocalHost = pListe->count() - 1;
    if (dwGespeichert == htonl(INADDR_LOOPBACK))
        iAuswahl = iIndexLocalHost;
    for (const std::string& s : HostAdressen) {
        if (!bGueltig(s) || dwAdresse(s) == 0)
            continue;
        pListe->addItem(QString::fromStdString(s));
        if (dwAdresse(s) == dwGespeichert)
            iAuswahl = pListe->count() - 1;
    }
    if (iAuswahl == -1) {
        // A project made on another PC: its address and ports are the
        // user's and are not lost by OK, as in Veltrano's PLC settings.
        (pListe == IpAdrComboBox ? sBehalteneIP1 : sBehalteneIP2) = sGespeichert;
        ShowInfo(Formatiert(Sprachtext("Die IP-Adresse '%s' ist auf dem PC nicht gültig!\nOK behält sie "
                                       "mit ihren Ports, solange Sie in dieser Liste keinen Eintrag "
                                       "wählen und TCP/IP nicht ausschalten.",
                                       "The IP address '%s' is not valid on this PC!\nOK keeps it with "
                                       "its ports unless you choose an entry of this list or switch "
                                       "TCP/IP off."),
                            sGespeichert.c_str()));
        pListe->setCurrentIndex(-1);
    } else {
        pListe->setCurrentIndex(iAuswahl);
    }
}

void TDialogSimVoreinstellung::EnableTcpControls(bool bAn)
{
    for (QWidget* p : std::initializer_list<QWidget*>{
             TCPGroupBox, IpAdrComboBox, IpAdr_2_ComboBox, S7PortEdit, S7Port_3_Edit, S7Port_4_Edit,
             InternPortEdit, S7PortTestenButton, S7Port_3_TestenButton, S7Port_4_TestenButton,
             InternPortTestenButton, PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox,
             SetOptimalIPButton, IPAdrLabel, S7PortLabel, StdS7PortLabel, StdLabelInternPort,
             InternPortLabel, IPAdr_2_Label, S7Port_3_Label, Label3, S7Port_4_Label, Label4,
             WaitAfterStopLabel1, WaitRestartLabel, WaitAfterStopEdit, WaitRestartEdit,
             ForceTCPRestartCheckBox})
        p->setEnabled(bAn);
}

void TDialogSimVoreinstellung::TCP_Ip_AktivierenCheckBoxClick()
{
    if (bLaden)
        return;
    if (TCP_Ip_AktivierenCheckBox->isChecked()) {
        EnableTcpControls(true);
        SetOptimalSettings();
        RefreshExample();
    } else {
        IpAdrComboBox->setCurrentIndex(0);
        IpAdr_2_ComboBox->setCurrentIndex(0);
        for (QLineEdit* p : {S7PortEdit, S7Port_3_Edit, S7Port_4_Edit, InternPortEdit})
            p->setText("0");
        EnableTcpControls(false);
        ClearExample();
    }
}

void TDialogSimVoreinstellung::SetOptimalIPButtonClick()
{
    SetOptimalSettings();
    RefreshExample();
}

void TDialogSimVoreinstellung::RefreshIPBspButtonClick()
{
    RefreshExample();
}

void TDialogSimVoreinstellung::TcpExpertCheckBoxClick()
{
    TCPGroupBox->setVisible(TcpExpertCheckBox->isChecked());
}

bool TDialogSimVoreinstellung::IsPort102HeldByService()
{
    bool bLaeuft = false, bNichtInstalliert = false;
    uint32_t dwFehler = 0;
    if (!QueryServiceState(PlcServiceName(), bLaeuft, bNichtInstalliert, dwFehler) || !bLaeuft ||
        bNichtInstalliert)
        return false;
    const uint32_t dwHalter = Port102OwnerPid();
    if (dwHalter == 0)
        return false;
    const uint32_t dwDienst = QueryServicePid(dwFehler);
    if (dwFehler != 0) {
        SetStatusText("Error while determining PID from S-service!");
        return false;
    }
    return dwDienst == dwHalter;
}

void TDialogSimVoreinstellung::SetOptimalSettings()
{
    const bool bGehalten = IsPort102HeldByService();
    const bool bAdmin = IsUserAdmin();
    const bool bXP = iWindowsVersion <= 9;
    auto waehlen = [](QComboBox* p, int iIndex) {
        if (iIndex != -1)
            p->setCurrentIndex(iIndex);
    };
    int iAdapterEintrag = -1;
    char acIP[MPI_V2_IP_PUFFER_LAENGE] = {};
    MPI_V2_GetIPAdresseNetzwerkkartePC(iMPIHandles[0], acIP);
    if (*acIP && std::strcmp(acIP, "127.0.0.1") != 0)
        iAdapterEintrag = IpAdrComboBox->findText(QString::fromLatin1(acIP), Qt::MatchExactly);

    const char* pcPorts[4];
    if (bXP && bGehalten && bAdmin) {
        waehlen(IpAdrComboBox, iAdapterEintrag != -1 ? iAdapterEintrag : iIndexLocalHost);
        waehlen(IpAdr_2_ComboBox, iIndexAlleAdressen);
        pcPorts[0] = "102"; pcPorts[1] = "0"; pcPorts[2] = "7777"; pcPorts[3] = "0";
    } else {
        waehlen(IpAdrComboBox, iIndexAlleAdressen);
        IpAdr_2_ComboBox->setCurrentIndex(0);
        const bool bMit102 = bXP ? !bGehalten : (!bGehalten || bAdmin);
        pcPorts[0] = bMit102 ? "102" : "7777";
        pcPorts[1] = bMit102 ? "7777" : "0";
        pcPorts[2] = "0";
        pcPorts[3] = "0";
    }
    S7PortEdit->setText(pcPorts[0]);
    InternPortEdit->setText(pcPorts[1]);
    S7Port_3_Edit->setText(pcPorts[2]);
    S7Port_4_Edit->setText(pcPorts[3]);
}

void TDialogSimVoreinstellung::FillAdapterList()
{
    NetAdapterComboBox->clear();
    IPAdrNetzAdapterEdit->clear();
    std::string sGespeichert;
    if (!ReadAdapterSetting(sGespeichert))
        sGespeichert.clear();
    AdapterDaten.assign(100, MPI_DLL_NETZWERK_ADAPTER_STRUCT{});
    int32_t iAnzahl = 0;
    if (!MPI_V2_MAC_GetNetAdapterImPC(iMPIHandles[0], AdapterDaten.data(), &iAnzahl) || iAnzahl <= 0)
        return;
    iAnzahl = std::min<int32_t>(iAnzahl, int32_t(AdapterDaten.size()));
    if (iAnzahl + 1 < 100) {
        MPI_DLL_NETZWERK_ADAPTER_STRUCT& r = AdapterDaten[size_t(iAnzahl - 1)];
        TextKopieren(r.Name, sizeof r.Name, MPI_V2_LOCAL_HOST_NAME);
        TextKopieren(r.Beschreibung, sizeof r.Beschreibung, "Veltrano local host communication");
        TextKopieren(r.IPAdresse, sizeof r.IPAdresse, "127.0.0.1");
    }
    int iAuswahl = -1;
    for (int32_t i = 0; i < iAnzahl; ++i) {
        MPI_DLL_NETZWERK_ADAPTER_STRUCT& r = AdapterDaten[size_t(i)];
        if (!bGueltig(r.IPAdresse) || dwAdresse(r.IPAdresse) == 0)
            continue;
        if (!sGespeichert.empty() && sGespeichert == r.Name) {
            TextKopieren(AktuellerAdapter.Name, sizeof AktuellerAdapter.Name, r.Name);
            TextKopieren(AktuellerAdapter.IPAdresse, sizeof AktuellerAdapter.IPAdresse, r.IPAdresse);
        }
        NetAdapterComboBox->addItem(QString::fromUtf8(r.Beschreibung), QVariant::fromValue(int(i)));
        if (*AktuellerAdapter.Name && std::strcmp(AktuellerAdapter.Name, r.Name) == 0 &&
            std::strcmp(AktuellerAdapter.IPAdresse, r.IPAdresse) == 0)
            iAuswahl = NetAdapterComboBox->count() - 1;
    }
    const int n = NetAdapterComboBox->count();
    if (n > 1) {
        if (iAuswahl == -1)
            iAuswahl = 0;
        NetAdapterComboBox->setCurrentIndex(iAuswahl);
        IPAdrNetzAdapterEdit->setText(QString::fromLatin1(pAdapterDesEintrags(iAuswahl)->IPAdresse));
    } else if (n == 1) {
        NetAdapterComboBox->setEnabled(false);
        NetAdapterComboBox->setCurrentIndex(0);
        IPAdrNetzAdapterEdit->setText(QString::fromLatin1(pAdapterDesEintrags(0)->IPAdresse));
    } else {
        NetAdapterComboBox->setEnabled(false);
    }
}

MPI_DLL_NETZWERK_ADAPTER_STRUCT* TDialogSimVoreinstellung::pAdapterDesEintrags(int iEintrag)
{
    if (iEintrag < 0 || iEintrag >= NetAdapterComboBox->count())
        return nullptr;
    const QVariant v = NetAdapterComboBox->itemData(iEintrag);
    if (!v.isValid())
        return nullptr;
    const int i = v.toInt();
    return i >= 0 && size_t(i) < AdapterDaten.size() ? &AdapterDaten[size_t(i)] : nullptr;
}

void TDialogSimVoreinstellung::NetAdapterComboBoxChange()
{
    // The user chose an adapter: the values that suit it are proposed.
    if (!bAdapterUebergeben())
        return;
    SetOptimalSettings();
    RefreshExample();
}

bool TDialogSimVoreinstellung::bAdapterUebergeben()
{
    const int iEintrag = NetAdapterComboBox->currentIndex();
    if (iEintrag < 0 || !pAdapterDesEintrags(0))
        return false;
    const MPI_DLL_NETZWERK_ADAPTER_STRUCT* p = pAdapterDesEintrags(iEintrag);
    if (!p)
        return false;
    IPAdrNetzAdapterEdit->setText(QString::fromLatin1(p->IPAdresse));
    TextKopieren(AktuellerAdapter.Name, sizeof AktuellerAdapter.Name, p->Name);
    TextKopieren(AktuellerAdapter.IPAdresse, sizeof AktuellerAdapter.IPAdresse, p->IPAdresse);
    if (*AktuellerAdapter.Name && std::strcmp(AktuellerAdapter.Name, MPI_V2_LOCAL_HOST_NAME) != 0)
        MPI_V2_SetIPAdresseNetzwerkkartePC(iMPIHandles[0], AktuellerAdapter.IPAdresse);
    else
        MPI_V2_ResetIPAdresseNetzwerkkartePC(iMPIHandles[0]);
    return true;
}

bool TDialogSimVoreinstellung::ReadAdapterSetting(std::string& sName)
{
    if (!bRegSchluesselVorhanden(ADAPTER_SCHLUESSEL))
        return false;
    std::string sWert;
    sName = bRegWertLesen(ADAPTER_SCHLUESSEL, ADAPTER_WERT, sWert) ? sWert.substr(0, 499) : "";
    return true;
}

bool TDialogSimVoreinstellung::WriteAdapterSetting(const std::string& sName)
{
    if (!bRegSchluesselVorhanden(ADAPTER_SCHLUESSEL))
        return false;
    return bRegWertSchreiben(ADAPTER_SCHLUESSEL, ADAPTER_WERT, sName);
}

void TDialogSimVoreinstellung::HilfeButtonClick()
{
    ShowHelp(wSprache == 1 ? "Dialog_Software_SPS_einstellen.htm" : "Dialog_Software_SPS_einstellen_E.htm");
}
