// The presets dialog driven through its named controls: loading, the range
// checks of every number field, the port-102 rules, the example, the re-apply
// decision, the adapter choice and the port tests.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <arpa/inet.h>
#include <dlfcn.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "DlgSim.h"
#include "Namensraum.h"
#include "NetzDienste.h"
#include "Netzplan.h"
#include "NetzplanDienste.h"
#include "NetzplanTestHilfe.h"
#include "WinDienste.h"
#include "WinProzess.h"
#include "WinRegistry.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

using namespace netzplantest;

static bool g_bAdressenFehlen = false;   // the PC's addresses cannot be listed

extern "C" int getifaddrs(ifaddrs** ppListe)
{
    static auto echt = reinterpret_cast<int (*)(ifaddrs**)>(dlsym(RTLD_NEXT, "getifaddrs"));
    return g_bAdressenFehlen ? -1 : echt(ppListe);
}

namespace {

template <typename T>
T* Kind(QWidget* p, const char* pcName)
{
    T* k = p->findChild<T*>(pcName);
    EXPECT_NE(k, nullptr) << pcName;
    return k;
}

void Eingeben(QWidget* d, const char* pcFeld, const QString& s)
{
    auto* p = Kind<QLineEdit>(d, pcFeld);
    p->clear();
    QTest::keyClicks(p, s);
}

void Waehlen(QWidget* d, const char* pcListe, const QString& s)
{
    auto* p = Kind<QComboBox>(d, pcListe);
    const int i = p->findText(s, Qt::MatchExactly);
    ASSERT_GE(i, 0) << s.toStdString();
    p->setCurrentIndex(i);
}

// A listening socket of the test on a free loopback port; its port.
struct Belegt {
    int iFd = -1;
    uint16_t wPort = 0;
    explicit Belegt(uint16_t wWunsch = 0, uint32_t dwAdresse = INADDR_LOOPBACK)
    {
        iFd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(wWunsch);
        a.sin_addr.s_addr = htonl(dwAdresse);
        EXPECT_EQ(bind(iFd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
        EXPECT_EQ(listen(iFd, 4), 0);
        socklen_t n = sizeof a;
        getsockname(iFd, reinterpret_cast<sockaddr*>(&a), &n);
        wPort = ntohs(a.sin_port);
    }
    ~Belegt() { close(iFd); }
};

uint16_t FreierPort()
{
    Belegt b;
    return b.wPort;
}

ino_t Inode(int iFd)
{
    struct stat st {};
    return fstat(iFd, &st) == 0 ? st.st_ino : 0;
}

bool bRegistryLeer()
{
    std::string s;
    return !bRegWertLesen(D7ED_REGISTRY_SCHLUESSEL, "PORT_S7", s) &&
           !bRegWertLesen(D7ED_REGISTRY_SCHLUESSEL, "PORT_3", s);
}

// The dialog with TCP/IP switched on by the user and the expert view open.
std::unique_ptr<TDialogSimVoreinstellung> OffenerDialog(unsigned uTextSprache)
{
    std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf(uTextSprache)));
    d->show();
    // On from data an earlier test left in effect: off and on again, so that
    // the dialog holds what switching on proposes.
    auto* pSchalter = Kind<QCheckBox>(d.get(), "TCP_Ip_AktivierenCheckBox");
    if (pSchalter->isChecked())
        QTest::mouseClick(pSchalter, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseClick(pSchalter, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseClick(Kind<QCheckBox>(d.get(), "TcpExpertCheckBox"), Qt::LeftButton, {}, QPoint(5, 8));
    return d;
}

} // namespace

TEST(NetzplanDialog, LadenAusDerEngineUndSchalter)
{
    Umgebung u;
    {
        // Nothing in effect: TCP/IP off, both lists on "Deaktivieren".
        std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf()));
        EXPECT_FALSE(d->TCP_Ip_AktivierenCheckBox->isChecked());
        EXPECT_FALSE(d->TCPGroupBox->isEnabled());
        EXPECT_FALSE(d->TCPGroupBox->isVisibleTo(d.get()));
        EXPECT_EQ(d->IpAdrComboBox->currentIndex(), 0);
        EXPECT_EQ(d->IpAdr_2_ComboBox->currentText(), "Deaktivieren");
        EXPECT_EQ(d->IpAdrComboBox->itemText(1), "0.0.0.0");
        EXPECT_EQ(d->IpAdrComboBox->itemText(2), "127.0.0.1");
        EXPECT_EQ(d->BspPortLabel->text(), "----");
        EXPECT_EQ(d->WaitAfterStopEdit->text(), "4000");
        EXPECT_EQ(d->WaitRestartEdit->text(), "2000");
        EXPECT_FALSE(d->SchreibSchutzLabel->isVisibleTo(d.get()));
        // Switching on brings the optimal values; off clears; on again
        // brings the optimal values back, not the earlier ones.
        d->show();
        QTest::mouseClick(d->TCP_Ip_AktivierenCheckBox, Qt::LeftButton, {}, QPoint(5, 8));
        EXPECT_EQ(d->IpAdrComboBox->currentText(), "0.0.0.0");
        EXPECT_EQ(d->S7PortEdit->text(), "102");
        EXPECT_EQ(d->InternPortEdit->text(), "7777");
        EXPECT_EQ(d->BspPortLabel->text(), "102");
        d->InternPortEdit->setText("8123");
        QTest::mouseClick(d->TCP_Ip_AktivierenCheckBox, Qt::LeftButton, {}, QPoint(5, 8));
        EXPECT_EQ(d->IpAdrComboBox->currentIndex(), 0);
        EXPECT_EQ(d->InternPortEdit->text(), "0");
        EXPECT_FALSE(d->S7PortEdit->isEnabled());
        EXPECT_EQ(d->BspIPLabel->text(), "----");
        QTest::mouseClick(d->TCP_Ip_AktivierenCheckBox, Qt::LeftButton, {}, QPoint(5, 8));
        EXPECT_EQ(d->InternPortEdit->text(), "7777");
    }
    // An address the PC does not have: a box per list names it, the list stands on no entry, OK keeps it and its ports.
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("10.254.254.254", 7777, 0, 1, nullptr));
    ASSERT_TRUE(D7ED_IPDaten_2_InRegistryAbspeichern("0.0.0.0", 9000, 0, nullptr));
    ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(KommuID, nullptr));
    u.Meldungen.clear();
    std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf(2)));
    ASSERT_EQ(u.Meldungen.size(), 1u) << testing::PrintToString(u.MeldungsTexte());
    EXPECT_EQ(u.Meldungen[0].sText, "The IP address '10.254.254.254' is not valid on this PC!\nOK keeps it with its "
                                    "ports unless you choose an entry of this list or switch TCP/IP off.");
    EXPECT_EQ(d->IpAdrComboBox->itemText(0), "Deactivate");
    EXPECT_EQ(d->IpAdrComboBox->currentIndex(), -1);
    EXPECT_TRUE(d->TCP_Ip_AktivierenCheckBox->isChecked());
    EXPECT_TRUE(d->PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox->isChecked());
    d->ButtonOKClick();
    std::string sIP, sPort;
    EXPECT_TRUE(bRegWertLesen(D7ED_REGISTRY_SCHLUESSEL, "IP_ADRESSE_1", sIP) &&
                bRegWertLesen(D7ED_REGISTRY_SCHLUESSEL, "PORT_S7", sPort));
    EXPECT_EQ(sIP + " " + sPort, "10.254.254.254 7777");
    // No address list at all: both stored addresses stay with their ports.
    g_bAdressenFehlen = true;
    d.reset(DialogStarten(Aufruf(2)));
    g_bAdressenFehlen = false;
    EXPECT_EQ(d->IpAdrComboBox->currentIndex() + d->IpAdr_2_ComboBox->currentIndex(), -2);
    d->ButtonOKClick();
    std::string sIP2, sPort3;
    for (auto [pcName, ps] : {std::pair{"IP_ADRESSE_1", &sIP}, {"IP_ADRESSE_2", &sIP2}, {"PORT_3", &sPort3}})
        bRegWertLesen(D7ED_REGISTRY_SCHLUESSEL, pcName, *ps);
    EXPECT_EQ(sIP + " " + sIP2 + " " + sPort3, "10.254.254.254 0.0.0.0 9000");
    // Another process owns the communication: read-only with the notice.
    auto fremd = Aufruf(1);
    fremd[1] = "1234";
    std::unique_ptr<TDialogSimVoreinstellung> r(DialogStarten(fremd));
    EXPECT_FALSE(r->TCP_Ip_AktivierenCheckBox->isEnabled());
    EXPECT_FALSE(r->S7PortEdit->isEnabled());
    EXPECT_EQ(r->SchreibSchutzLabel->text(), "Die Daten sind durch eine andere Applikation gesperrt.");
}

// With TCP/IP active the dialog opens with what is stored (addresses,
// ports, example) and OK stores that again; the stored adapter still goes to
// the adapter instance. A proposal comes only when the user asks for one:
// the button, another adapter, or TCP/IP switched on.
TEST(NetzplanDialog, OeffnenZeigtDasGespeicherteUndSchlaegtNurAufWunschVor)
{
    Umgebung u;
    const uint16_t w1 = FreierPort(), w2 = FreierPort(), w3 = FreierPort();
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("127.0.0.1", w1, w2, 0, nullptr));
    ASSERT_TRUE(D7ED_IPDaten_2_InRegistryAbspeichern("0.0.0.0", w3, 0, nullptr));
    ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(KommuID, nullptr));
    ASSERT_TRUE(bRegWertSchreiben("Software\\Harlenz-Software\\HARLENZ-D7ED-TCP-IP", "D7ED_NetworkAdapter",
                                  MPI_V2_LOCAL_HOST_NAME));
    const auto Gezeigt = [](TDialogSimVoreinstellung* p) {
        return (QStringList{p->IpAdrComboBox->currentText(), p->S7PortEdit->text(), p->InternPortEdit->text(),
                            p->IpAdr_2_ComboBox->currentText(), p->S7Port_3_Edit->text(),
                            p->S7Port_4_Edit->text(), p->BspIPLabel->text(), p->BspPortLabel->text()})
            .join(" ")
            .toStdString();
    };
    const std::string sGespeichert = "127.0.0.1 " + std::to_string(w1) + " " + std::to_string(w2) + " 0.0.0.0 " +
                                     std::to_string(w3) + " 0 127.0.0.1 " + std::to_string(w1);
    {
        std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf()));
        EXPECT_TRUE(u.Meldungen.empty()) << testing::PrintToString(u.MeldungsTexte());
        ASSERT_TRUE(d->TCP_Ip_AktivierenCheckBox->isChecked());
        EXPECT_EQ(Gezeigt(d.get()), sGespeichert);
        // The stored local-host choice reached the instance (the constructor
        // had set the first adapter with an address).
        char acIP[MPI_V2_IP_PUFFER_LAENGE] = "x";
        MPI_V2_GetIPAdresseNetzwerkkartePC(d->iMPIHandles[0], acIP);
        EXPECT_STREQ(acIP, "");
        ASSERT_TRUE(d->ApplySettings(false, false)) << testing::PrintToString(u.MeldungsTexte());
        std::string s;
        EXPECT_TRUE(bRegWertLesen(D7ED_REGISTRY_SCHLUESSEL, "PORT_INTERN", s));
        EXPECT_EQ(s, std::to_string(w2));
        EXPECT_TRUE(bRegWertLesen(D7ED_REGISTRY_SCHLUESSEL, "PORT_3", s));
        EXPECT_EQ(s, std::to_string(w3));

        d->show();
        QTest::mouseClick(Kind<QPushButton>(d.get(), "SetOptimalIPButton"), Qt::LeftButton);
        EXPECT_EQ(d->InternPortEdit->text(), "7777");
        EXPECT_EQ(d->IpAdr_2_ComboBox->currentText(), "Deaktivieren");
    }
    {
        // Choosing an adapter proposes too.
        std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf()));
        EXPECT_EQ(Gezeigt(d.get()), sGespeichert);
        emit d->NetAdapterComboBox->activated(d->NetAdapterComboBox->currentIndex());
        EXPECT_EQ(d->S7PortEdit->text(), "102");
        EXPECT_EQ(d->InternPortEdit->text(), "7777");
    }
}

// Each number field below, at and above each of its bounds: a value outside
// gets exactly one error box and the dialog stays open with nothing stored;
// a bound itself passes the same checks (run through the example refresh,
// which saves nothing). Every field names its own fault, in the dialog's
// language.
TEST(NetzplanDialog, BereichsgrenzenJedesZahlenfelds)
{
    struct Feld {
        const char* pcName;
        long long llMin, llMax;
        const char* pcGut;
    };
    // Both addresses the same with the internal port equal to the S7 port,
    // so the internal one gives way in the dialog before a later field fails.
    const Feld felder[] = {{"WaitAfterStopEdit", 1000, 10000, "4000"}, {"WaitRestartEdit", 1000, 10000, "2000"},
                           {"S7PortEdit", 0, 65535, "7777"},           {"InternPortEdit", 0, 65535, "7777"},
                           {"S7Port_3_Edit", 0, 65535, "8000"},        {"S7Port_4_Edit", 0, 65535, "0"}};
    std::map<std::string, std::string> Texte[2];
    for (int iSprache = 0; iSprache < 2; ++iSprache) {
        Umgebung u;
        auto d = OffenerDialog(iSprache == 0 ? 1u : 2u);
        Waehlen(d.get(), "IpAdrComboBox", "127.0.0.1");
        Waehlen(d.get(), "IpAdr_2_ComboBox", "127.0.0.1");
        bool bBeendet = false;
        QObject::connect(d.get(), &TDialogSimVoreinstellung::Beendet, [&] { bBeendet = true; });
        for (const Feld& f : felder) {
            for (const long long llGrenze : {f.llMin, f.llMax}) {
                for (const long long llWert : {llGrenze - 1, llGrenze, llGrenze + 1}) {
                    // The fields take digits only, so "-1" comes only by a
                    // direct set; the check must refuse it all the same.
                    for (const Feld& g : felder) Kind<QLineEdit>(d.get(), g.pcName)->setText(g.pcGut);
                    Kind<QLineEdit>(d.get(), f.pcName)->setText(QString::number(llWert));
                    SCOPED_TRACE(std::string(f.pcName) + " " + std::to_string(llWert) + " language " +
                                 std::to_string(iSprache + 1));
                    u.Meldungen.clear();
                    if (llWert >= f.llMin && llWert <= f.llMax) {
                        QTest::mouseClick(Kind<QPushButton>(d.get(), "RefreshIPBspButton"), Qt::LeftButton);
                        EXPECT_TRUE(u.Meldungen.empty()) << testing::PrintToString(u.MeldungsTexte());
                        continue;
                    }
                    QTest::mouseClick(Kind<QPushButton>(d.get(), "ButtonOK"), Qt::LeftButton);
                    ASSERT_EQ(u.Meldungen.size(), 1u) << testing::PrintToString(u.MeldungsTexte());
                    EXPECT_EQ(u.Meldungen[0].uTyp & 0xF0, MB_ICONERROR);
                    EXPECT_FALSE(bBeendet) << "the dialog stays open";
                    EXPECT_TRUE(bRegistryLeer());
                    std::string& sText = Texte[iSprache][f.pcName];
                    if (sText.empty()) sText = u.Meldungen[0].sText;
                    EXPECT_EQ(u.Meldungen[0].sText, sText) << "one text per field";
                    if (std::string(f.pcName).find("Port_") != std::string::npos) {
                        EXPECT_EQ(d->InternPortEdit->text(), "0") << "same port twice: the internal one gives way";
                    }
                }
            }
        }
    }
    for (int iSprache = 0; iSprache < 2; ++iSprache) {
        std::set<std::string> Verschieden;
        for (const auto& [sFeld, sText] : Texte[iSprache]) Verschieden.insert(sText);
        EXPECT_EQ(Verschieden.size(), std::size(felder)) << "each field names its own fault";
    }
    for (const Feld& f : felder)
        EXPECT_NE(Texte[0][f.pcName], Texte[1][f.pcName]) << f.pcName << ": German and English differ";
    // An empty port reads as 0 and passes.
    Umgebung u;
    auto d = OffenerDialog(1);
    Eingeben(d.get(), "InternPortEdit", "");
    Waehlen(d.get(), "IpAdrComboBox", "127.0.0.1");
    u.Meldungen.clear();
    QTest::mouseClick(Kind<QPushButton>(d.get(), "RefreshIPBspButton"), Qt::LeftButton);
    EXPECT_TRUE(u.Meldungen.empty()) << testing::PrintToString(u.MeldungsTexte());
    EXPECT_EQ(d->BspIPLabel->text(), "127.0.0.1");
    EXPECT_EQ(d->BspPortLabel->text(), "102");
}

TEST(NetzplanDialog, GleicheAdresseGleichePorts)
{
    Umgebung u;
    auto d = OffenerDialog(2);
    Waehlen(d.get(), "IpAdrComboBox", "127.0.0.1");
    Waehlen(d.get(), "IpAdr_2_ComboBox", "127.0.0.1");
    Eingeben(d.get(), "S7PortEdit", "102");
    Eingeben(d.get(), "InternPortEdit", "7777");
    Eingeben(d.get(), "S7Port_3_Edit", "7777");
    Eingeben(d.get(), "S7Port_4_Edit", "0");
    u.Meldungen.clear();
    EXPECT_FALSE(d->ApplySettings(true, false));
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText,
              "Error:\nThe two IP addresses are identical and they use the same port address!");
    Eingeben(d.get(), "S7Port_3_Edit", "8000");
    u.Meldungen.clear();
    EXPECT_TRUE(d->ApplySettings(true, false));
    EXPECT_TRUE(u.Meldungen.empty());
    // Both lists off: both addresses "0.0.0.0" with every port 0.
    d->IpAdrComboBox->setCurrentIndex(0);
    d->IpAdr_2_ComboBox->setCurrentIndex(0);
    EXPECT_TRUE(d->ApplySettings(true, false));
    EXPECT_EQ(d->sIP1, "0.0.0.0");
    EXPECT_EQ(d->sIP2, "0.0.0.0");
    EXPECT_EQ(d->BspPortLabel->text(), "----");
    // A port other than 102 below the first unprivileged one: the information at OK adds the right it needs.
    Waehlen(d.get(), "IpAdrComboBox", "127.0.0.1");
    Eingeben(d.get(), "S7PortEdit", "50");
    u.Meldungen.clear();
    EXPECT_TRUE(d->ApplySettings(true, true));
    ASSERT_EQ(u.Meldungen.size(), 1u) << testing::PrintToString(u.MeldungsTexte());
    const std::string sRecht = "\nThe port 50 is below " + std::to_string(uErsterFreierPort()) +
                               ", the first unprivileged port of this system: binding it needs root or the "
                               "CAP_NET_BIND_SERVICE capability.";
    EXPECT_EQ(u.Meldungen[0].sText, "Programming software connects to port 102. The chosen port 50 works only with "
                                    "software that can be told another port." +
                                        (uErsterFreierPort() > 50 ? sRecht : ""));
}

// Saving and the decision whether the engine takes the presets over again.
TEST(NetzplanDialog, UebernahmeNurWennNoetig)
{
    Umgebung u;
    auto d = OffenerDialog(1);
    const uint16_t wPort = FreierPort();
    Waehlen(d.get(), "IpAdrComboBox", "127.0.0.1");
    Eingeben(d.get(), "S7PortEdit", QString::number(wPort));
    Eingeben(d.get(), "InternPortEdit", "0");
    d->IpAdr_2_ComboBox->setCurrentIndex(0);
    u.Meldungen.clear();
    // Not 102: the information comes before saving; a port any program may bind needs no word on rights.
    ASSERT_TRUE(d->ApplySettings(false, true));
    ASSERT_EQ(u.Meldungen.size(), 1u) << testing::PrintToString(u.MeldungsTexte());
    EXPECT_EQ(u.Meldungen[0].sText, "Programmiersoftware verbindet sich mit Port 102. Der gewählte Port " +
                                        std::to_string(wPort) + " funktioniert nur mit Software, bei der sich ein "
                                        "anderer Port einstellen lässt.");
    EXPECT_EQ(u.Meldungen[0].uTyp & 0xF0, MB_ICONINFORMATION);
    char acIP[255] = {};
    uint16_t w1 = 0, w2 = 1;
    D7ED_GetEingestellteIPDaten(acIP, &w1, &w2);
    EXPECT_STREQ(acIP, "127.0.0.1");
    EXPECT_EQ(w1, wPort);
    EXPECT_EQ(w2, 0);
    ASSERT_NE(*pListenSocket(1), UNGUELTIGER_SOCKET);
    EXPECT_TRUE(D7ED_TcpIpKommuAktiv());
    std::string s;
    EXPECT_TRUE(bRegWertLesen(D7ED_REGISTRY_SCHLUESSEL, "PORT_S7", s));
    EXPECT_EQ(s, std::to_string(wPort));
    const ino_t inoErst = Inode(*pListenSocket(1));

    // Unchanged: saved again, sockets and engine untouched.
    ASSERT_TRUE(d->ApplySettings(false, false));
    EXPECT_EQ(Inode(*pListenSocket(1)), inoErst);
    // Forced, a changed redirection, a changed port of the second address:
    // each makes the engine take them over and the sockets new.
    ino_t inoVorher = inoErst;
    const uint16_t wPort3 = FreierPort();
    for (const char* pcAenderung : {"erzwungen", "umleiten", "port3"}) {
        SCOPED_TRACE(pcAenderung);
        const std::string sA = pcAenderung;
        d->ForceTCPRestartCheckBox->setChecked(sA == "erzwungen");
        QCheckBox* pUmleiten = d->PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox;
        if (sA == "umleiten")
            pUmleiten->setChecked(!pUmleiten->isChecked());
        if (sA == "port3") {
            Waehlen(d.get(), "IpAdr_2_ComboBox", "0.0.0.0");
            Eingeben(d.get(), "S7Port_3_Edit", QString::number(wPort3));
        }
        ASSERT_TRUE(d->ApplySettings(false, false)) << testing::PrintToString(u.MeldungsTexte());
        const ino_t ino = Inode(*pListenSocket(1));
        EXPECT_NE(ino, inoVorher);
        inoVorher = ino;
    }
    EXPECT_EQ(D7ED_GetPGZugriffAufEingaengeAufPeripherieUmleiten(),
              d->PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox->isChecked() ? 1 : 0);
    uint16_t w3 = 0;
    D7ED_GetEingestellteIPDaten_2(acIP, &w3, nullptr);
    EXPECT_STREQ(acIP, "0.0.0.0");
    EXPECT_EQ(w3, wPort3);
    EXPECT_NE(*pListenSocket(3), UNGUELTIGER_SOCKET);
    // The waiting times were stored.
    uint16_t wNach = 0, wVor = 0;
    EXPECT_TRUE(D7ED_Port102TimeDaten_AusRegistryAuslesen(&wNach, &wVor, nullptr));
    EXPECT_EQ(wNach, 4000);
}

TEST(NetzplanDialog, AdapterWahlUndIhreSpeicherung)
{
    Umgebung u;
    // Key missing (nothing saved by the engine yet): nothing is read or
    // written, and no key is made.
    {
        std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf()));
        std::string s = "x";
        EXPECT_FALSE(d->ReadAdapterSetting(s));
        EXPECT_FALSE(d->WriteAdapterSetting("eth0"));
        EXPECT_FALSE(bRegSchluesselVorhanden("Software\\Harlenz-Software\\HARLENZ-D7ED-TCP-IP"));
    }
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("", 0, 0, 0, nullptr));
    ASSERT_TRUE(bRegSchluesselVorhanden("Software\\Harlenz-Software\\HARLENZ-D7ED-TCP-IP"));
    ASSERT_TRUE(bRegWertSchreiben("Software\\Harlenz-Software\\HARLENZ-D7ED-TCP-IP", "D7ED_NetworkAdapter",
                                  MPI_V2_LOCAL_HOST_NAME));
    std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf()));
    // The local-host entry stands in the last place and is the stored one.
    const int n = d->NetAdapterComboBox->count();
    ASSERT_GE(n, 1);
    EXPECT_EQ(d->NetAdapterComboBox->itemText(n - 1), "Veltrano local host communication");
    EXPECT_EQ(d->NetAdapterComboBox->currentIndex(), n - 1);
    EXPECT_EQ(d->IPAdrNetzAdapterEdit->text(), "127.0.0.1");
    EXPECT_EQ(d->NetAdapterComboBox->isEnabled(), n > 1) << "one entry: shown, not choosable";
    if (n > 1) {
        // Choosing a real adapter makes the instance work with it and the
        // choice is stored at OK's save.
        d->NetAdapterComboBox->setCurrentIndex(0);
        emit d->NetAdapterComboBox->activated(0);
        const MPI_DLL_NETZWERK_ADAPTER_STRUCT* p = d->pAdapterDesEintrags(0);
        ASSERT_NE(p, nullptr);
        char acIP[MPI_V2_IP_PUFFER_LAENGE] = {};
        MPI_V2_GetIPAdresseNetzwerkkartePC(d->iMPIHandles[0], acIP);
        EXPECT_STREQ(acIP, p->IPAdresse);
        EXPECT_EQ(d->IPAdrNetzAdapterEdit->text(), p->IPAdresse);
        d->IpAdrComboBox->setCurrentIndex(0);
        d->IpAdr_2_ComboBox->setCurrentIndex(0);
        ASSERT_TRUE(d->ApplySettings(false, false));
        std::string s;
        ASSERT_TRUE(d->ReadAdapterSetting(s));
        EXPECT_EQ(s, p->Name);
    }
}

TEST(NetzplanDialog, PortTestsAufLoopback)
{
    Umgebung u;
    auto d = OffenerDialog(2);
    Waehlen(d.get(), "IpAdrComboBox", "127.0.0.1");
    const uint16_t wFrei = FreierPort();
    Belegt belegt;
    Eingeben(d.get(), "S7PortEdit", QString::number(wFrei));
    Eingeben(d.get(), "InternPortEdit", QString::number(belegt.wPort));
    d->IpAdr_2_ComboBox->setCurrentIndex(0);
    Eingeben(d.get(), "S7Port_3_Edit", "5000");
    Eingeben(d.get(), "S7Port_4_Edit", "");
    const int iVorher = iWsaReferenzen();
    for (const char* pcKnopf : {"S7PortTestenButton", "InternPortTestenButton", "S7Port_3_TestenButton"})
        QTest::mouseClick(Kind<QPushButton>(d.get(), pcKnopf), Qt::LeftButton);
    Waehlen(d.get(), "IpAdr_2_ComboBox", "0.0.0.0");
    QTest::mouseClick(Kind<QPushButton>(d.get(), "S7Port_4_TestenButton"), Qt::LeftButton);
    ASSERT_EQ(u.Meldungen.size(), 4u) << testing::PrintToString(u.MeldungsTexte());
    EXPECT_EQ(u.Meldungen[0].sText, "The port with the address " + std::to_string(wFrei) + " can be used!");
    EXPECT_EQ(u.Meldungen[0].uTyp & 0xF0, MB_ICONINFORMATION);
    EXPECT_EQ(u.Meldungen[1].sText,
              "The port with the address " + std::to_string(belegt.wPort) + " is occupied from another application!");
    EXPECT_EQ(u.Meldungen[1].uTyp & 0xF0, MB_ICONERROR);
    EXPECT_EQ(u.Meldungen[2].sText, "No valid IP address is selected!");
    EXPECT_EQ(u.Meldungen[3].sText, "The S7 port address is not valid (1-65535)!");
    // The tested socket is closed again.
    EXPECT_EQ(iWsaReferenzen(), iVorher);
    Belegt wieder(wFrei);
    EXPECT_EQ(wieder.wPort, wFrei);
}

// Port 102 held by the PLC help service of the table (a socket of this
// process in a namespace of its own): the rules, the optimal settings and
// the port test.
TEST(NetzplanDialog, Port102DesDienstes)
{
    IM_NAMENSRAUM_AUSFUEHREN();
    Umgebung u;
    Belegt port102(102, INADDR_ANY);
    DiensteTabelleSetzen({{"s7oiehsx", TTestDienst(DIENST_LAEUFT, uint32_t(getpid()))}});
    auto d = OffenerDialog(1);
    ASSERT_TRUE(d->IsPort102HeldByService());
    std::string sMeldung;
    IsUserAdminTestAntwortSetzen(0);
    EXPECT_FALSE(d->CheckPort102Rules("127.0.0.1", "0.0.0.0", 102, 0, 0, 0, sMeldung));
    EXPECT_EQ(sMeldung.rfind("Der Port 102 darf nicht verwendet werden", 0), 0u);
    EXPECT_FALSE(d->CheckPort102Rules("0.0.0.0", "127.0.0.1", 0, 0, 7777, 102, sMeldung));
    EXPECT_TRUE(d->CheckPort102Rules("127.0.0.1", "0.0.0.0", 7777, 0, 0, 0, sMeldung));
    EXPECT_EQ(sMeldung, "");
    EXPECT_TRUE(d->CheckPort102Rules("", "", 102, 0, 0, 0, sMeldung)) << "no address used";
    IsUserAdminTestAntwortSetzen(1);
    EXPECT_TRUE(d->CheckPort102Rules("0.0.0.0", "", 102, 0, 0, 0, sMeldung));
    d->iWindowsVersion = 9;
    EXPECT_FALSE(d->CheckPort102Rules("0.0.0.0", "", 102, 0, 0, 0, sMeldung));
    EXPECT_EQ(sMeldung.rfind("Windows XP:\nDer Port 102 darf nicht zusammen", 0), 0u);
    EXPECT_TRUE(d->CheckPort102Rules("127.0.0.1", "", 102, 0, 0, 0, sMeldung));

    // Optimal settings by case (first list, second list, four ports).
    struct Fall {
        int iKlasse, iAdmin;
        const char *pcIP1, *pcIP2, *pcP1, *pcP2, *pcP3, *pcP4;
    };
    const Fall faelle[] = {
        {9, 1, "127.0.0.1", "0.0.0.0", "102", "0", "7777", "0"},
        {9, 0, "0.0.0.0", "Deaktivieren", "7777", "0", "0", "0"},
        {12, 1, "0.0.0.0", "Deaktivieren", "102", "7777", "0", "0"},
        {12, 0, "0.0.0.0", "Deaktivieren", "7777", "0", "0", "0"},
    };
    MPI_V2_ResetIPAdresseNetzwerkkartePC(d->iMPIHandles[0]);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.iKlasse) + "/" + std::to_string(f.iAdmin));
        d->iWindowsVersion = f.iKlasse;
        IsUserAdminTestAntwortSetzen(f.iAdmin);
        d->SetOptimalSettings();
        EXPECT_EQ(d->IpAdrComboBox->currentText(), f.pcIP1);
        EXPECT_EQ(d->IpAdr_2_ComboBox->currentText(), f.pcIP2);
        EXPECT_EQ(d->S7PortEdit->text(), f.pcP1);
        EXPECT_EQ(d->InternPortEdit->text(), f.pcP2);
        EXPECT_EQ(d->S7Port_3_Edit->text(), f.pcP3);
        EXPECT_EQ(d->S7Port_4_Edit->text(), f.pcP4);
    }
    // The port test of 102 opens no socket while the service holds it;
    // another port is still tested.
    Waehlen(d.get(), "IpAdrComboBox", "127.0.0.1");
    Eingeben(d.get(), "S7PortEdit", "102");
    Eingeben(d.get(), "InternPortEdit", "7777");
    for (int iAdmin : {0, 1}) {
        IsUserAdminTestAntwortSetzen(iAdmin);
        u.Meldungen.clear();
        QTest::mouseClick(Kind<QPushButton>(d.get(), "S7PortTestenButton"), Qt::LeftButton);
        ASSERT_EQ(u.Meldungen.size(), 1u);
        EXPECT_EQ(u.Meldungen[0].uTyp & 0xF0, MB_ICONINFORMATION);
        EXPECT_EQ(u.Meldungen[0].sText.rfind(iAdmin ? "Die Portadresse 102 kann verwendet werden!"
                                                    : "Die Portadresse 102 kann nicht verwendet werden",
                                             0),
                  0u)
            << u.Meldungen[0].sText;
    }
    u.Meldungen.clear();
    QTest::mouseClick(Kind<QPushButton>(d.get(), "InternPortTestenButton"), Qt::LeftButton);
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, "Die Portadresse 7777 kann verwendet werden!");
}

// The program's own socket set-up with port 102 held by the PLC help
// service (a socket of this process, in a namespace of its own): the helper
// frees it, or the service is stopped directly with progress windows and
// started again, or port 102 is left out without administrator rights.
TEST(NetzplanDialog, SocketsMitPort102DesDienstes)
{
    IM_NAMENSRAUM_AUSFUEHREN();
    struct Fall {
        const char* pcName;
        bool bHelfer;
        int iAdmin;
        int iErgebnis;
        bool bMit102;
    };
    const Fall faelle[] = {
        {"Helfer gibt frei", true, 0, 0, true},
        {"direkt gestoppt", false, 1, 0, true},
        {"ohne Rechte", false, 0, 108, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.pcName);
        Umgebung u;
        TestSchlafUeberUhr(true);
        TestUhrSetzen(0);
        IsUserAdminTestAntwortSetzen(f.iAdmin);
        auto pHalter = std::make_unique<Belegt>(102, INADDR_ANY);
        std::map<std::string, TTestDienst> tabelle;
        TTestDienst dienst(DIENST_LAEUFT, uint32_t(getpid()));
        dienst.beimStoppen = [&] { pHalter.reset(); };
        if (!f.bHelfer)
            dienst.startSchritte = {{DIENST_STARTET, 1, 2000}, {DIENST_LAEUFT, 0, 0}};
        tabelle.emplace("s7oiehsx", dienst);
        if (f.bHelfer) {
            TTestDienst helfer(DIENST_LAEUFT);
            helfer.steuercodeAktionen[150] = [] { DienstStoppen("s7oiehsx"); };
            helfer.steuercodeAktionen[151] = [] { DienstStarten("s7oiehsx"); };
            tabelle.emplace("HarlenzService", helfer);
        }
        DiensteTabelleSetzen(tabelle);
        const uint16_t wAnderer = FreierPort();
        ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("127.0.0.1", 102, wAnderer, 0, nullptr));
        ASSERT_TRUE(D7ED_IPDaten_2_InRegistryAbspeichern("", 0, 0, nullptr));
        ASSERT_TRUE(D7ED_Port102TimeDaten_InRegistryAbspeichern(1500, 1000, nullptr));
        ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(KommuID, nullptr));

        EXPECT_EQ(CreateListenSockets(true), f.iErgebnis) << testing::PrintToString(u.MeldungsTexte());
        EXPECT_EQ(*pListenSocket(1) != UNGUELTIGER_SOCKET, f.bMit102);
        EXPECT_NE(*pListenSocket(2), UNGUELTIGER_SOCKET) << "the other port is made in every case";
        const auto texte = GezeigteStatusTexte();
        const auto codes = GesendeteSteuercodes();
        uint32_t dwZustand = 0;
        DienstStatusAbfragen("s7oiehsx", dwZustand);
        EXPECT_EQ(dwZustand, DIENST_LAEUFT) << "nothing stays stopped";
        if (f.bHelfer) {
            ASSERT_EQ(codes.size(), 2u);
            EXPECT_EQ(codes[1].second, 151u);
            EXPECT_EQ(texte.at(0), "S-service was stopped!");
            EXPECT_EQ(GetTickCount(), 0u) << "no wait around the helper";
        } else if (f.iAdmin) {
            // 1500 ms after the stop (16 passes), 1000 before the start
            // (11 passes), one wait of the start-pending service.
            EXPECT_EQ(GetTickCount(), 1600u + 1100u + 1000u);
            EXPECT_NE(std::find(texte.begin(), texte.end(), "Waiting releasing port 102 ..."), texte.end());
            EXPECT_TRUE(u.Meldungen.empty()) << testing::PrintToString(u.MeldungsTexte());
        } else {
            ASSERT_EQ(u.Meldungen.size(), 1u);
            EXPECT_EQ(u.Meldungen[0].sText.rfind("Andere Applikationen belegen bereits den Port 102", 0), 0u);
            EXPECT_EQ(GetTickCount(), 0u) << "no stop attempted";
        }
        EXPECT_EQ(texte.back(), "") << "status cleared";
        CloseListenSockets();
    }
}

TEST(NetzplanDialog, HilfeKnopfZeigtDieSeiteDerSprache)
{
    Umgebung u;
    ProzessStartsAufzeichnen(true);
    for (const unsigned uSprache : {1u, 2u}) {
        AufgezeichneteStartsLoeschen();
        std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf(uSprache)));
        QTest::mouseClick(Kind<QPushButton>(d.get(), "HilfeButton"), Qt::LeftButton);
        const auto starts = AufgezeichneteStarts();
        ASSERT_EQ(starts.size(), 1u);
        const std::string sSeite = uSprache == 1 ? "Dialog_Software_SPS_einstellen.htm"
                                                   : "Dialog_Software_SPS_einstellen_E.htm";
        EXPECT_EQ(starts[0].rfind("/opt/Veltrano/harlenzhelp ", 0), 0u) << starts[0];
        EXPECT_NE(starts[0].find(" /Lang=DE /App=Quendra V4# /Show=/opt/Veltrano/__system/Netzplanung/"
                                 "HtmHelpFiles/" + sSeite),
                  std::string::npos)
            << starts[0];
    }
    ProzessStartsAufzeichnen(false);
}
