// Boxes of the presets program that must name the real cause: a port below
// the system's first unprivileged port refused for want of the right, and a save of the port-102 waiting
// times that failed after the IP data were stored.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <fstream>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

#include "DlgSim.h"
#include "Namensraum.h"
#include "NetzDienste.h"
#include "NetzTestHilfe.h"
#include "Netzplan.h"
#include "NetzplanDienste.h"
#include "NetzplanTestHilfe.h"
#include "WinRegistry.h"
#include "kolv_d7ed.h"

using namespace netzplantest;

namespace {

std::unique_ptr<TDialogSimVoreinstellung> DialogMitLoopback(unsigned uTextSprache, uint16_t wPort)
{
    std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf(uTextSprache)));
    d->show();
    d->TCP_Ip_AktivierenCheckBox->setChecked(true);
    d->EnableTcpControls(true);
    d->IpAdrComboBox->setCurrentIndex(d->IpAdrComboBox->findText("127.0.0.1"));
    d->S7PortEdit->setText(QString::number(wPort));
    d->InternPortEdit->setText("0");
    d->IpAdr_2_ComboBox->setCurrentIndex(0);
    return d;
}

bool bEnthaelt(const std::string& s, const char* pcTeil) { return s.find(pcTeil) != std::string::npos; }

} // namespace

// Without the right to bind below the system's first unprivileged port
// (ordinary users; tests run as root, so the right is switched off) both
// the port test and the socket set-up say so, rather than blaming another
// program, in the window's language, naming the port the system gives.
TEST(NetzplanMeldungen, PortUnterDemErstenFreienOhneRecht)
{
    IM_NAMENSRAUM_AUSFUEHREN();
    Umgebung u;
    ASSERT_TRUE(bPortRechtSetzen(false));
    auto d = DialogMitLoopback(2, 102);
    QTest::mouseClick(d->S7PortTestenButton, Qt::LeftButton);
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("127.0.0.1", 102, 0, 0, nullptr));
    ASSERT_TRUE(D7ED_IPDaten_2_InRegistryAbspeichern("", 0, 0, nullptr));
    ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(KommuID, nullptr));
    const int iErgebnisEn = CreateListenSockets(true);
    wSprache = 1;
    const int iErgebnis = CreateListenSockets(true);
    ASSERT_TRUE(bPortRechtSetzen(true));

    EXPECT_EQ(iErgebnisEn, int(SOCKET_FEHLER_BIND));
    EXPECT_EQ(iErgebnis, int(SOCKET_FEHLER_BIND));
    ASSERT_EQ(u.Meldungen.size(), 3u) << testing::PrintToString(u.MeldungsTexte());
    const std::string& sTest = u.Meldungen[0].sText;
    EXPECT_EQ(u.Meldungen[0].uTyp & 0xF0, MB_ICONERROR);
    EXPECT_FALSE(bEnthaelt(sTest, "occupied")) << sTest;
    EXPECT_TRUE(bEnthaelt(sTest, "below 1024") && bEnthaelt(sTest, "CAP_NET_BIND_SERVICE")) << sTest;
    const std::string& sSocketEn = u.Meldungen[1].sText;
    EXPECT_EQ(sSocketEn.rfind("IP 127.0.0.1 Port 102:\nError while creating the socket!\n", 0), 0u) << sSocketEn;
    EXPECT_TRUE(bEnthaelt(sSocketEn, "below 1024") && !bEnthaelt(sSocketEn, "Fehler")) << sSocketEn;
    const std::string& sSocket = u.Meldungen[2].sText;
    EXPECT_EQ(sSocket.rfind("IP 127.0.0.1 Port 102:\nFehler beim Anlegen des Sockets!\n", 0), 0u) << sSocket;
    EXPECT_TRUE(bEnthaelt(sSocket, "unter 1024") && bEnthaelt(sSocket, "CAP_NET_BIND_SERVICE")) << sSocket;

    // A system that frees the ports from 2000 on: 1500 lacks the right as
    // well, and the text names 2000; one that frees them from 100 on lets
    // 102 pass without a word of rights.
    auto erster = [](const char* pcPort) {
        std::ofstream datei("/proc/sys/net/ipv4/ip_unprivileged_port_start");
        datei << pcPort << "\n";
        datei.close();
        return !datei.fail();
    };
    ASSERT_TRUE(erster("2000"));
    ASSERT_EQ(uErsterFreierPort(), 2000u);
    ASSERT_TRUE(bPortRechtSetzen(false));
    TSocket slot = UNGUELTIGER_SOCKET;
    EXPECT_EQ(OpenListenSocket(slot, "127.0.0.1", 1500), SOCKET_FEHLER_BIND);
    const std::string sUrsache = PortRechtUrsache(1500);
    ASSERT_TRUE(erster("100"));
    EXPECT_EQ(OpenListenSocket(slot, "127.0.0.1", 102), SOCKET_OK);
    CloseListenSocket(slot);
    ASSERT_TRUE(bPortRechtSetzen(true));
    EXPECT_TRUE(bEnthaelt(sUrsache, "Die Portadresse 1500 liegt unter 2000")) << sUrsache;
    EXPECT_EQ(PortRechtUrsache(102), "") << "bound: no cause to name";
}

// The IP data are stored, the waiting times are not (the registry file may
// not grow by their two lines): the user is told so and the dialog stays
// open, rather than closing as if all was stored.
TEST(NetzplanMeldungen, WartezeitenNichtGespeichert)
{
    Umgebung u;
    const uint16_t wPort = wFreierPort();
    auto d = DialogMitLoopback(2, wPort);
    ASSERT_TRUE(d->ApplySettings(false, false)) << testing::PrintToString(u.MeldungsTexte());
    const std::string sDatei = RegSchluesselDatei(D7ED_REGISTRY_SCHLUESSEL);
    ASSERT_TRUE(bRegWertLoeschen(D7ED_REGISTRY_SCHLUESSEL, "PORT102_WARTEN_NACH_STOP"));
    ASSERT_TRUE(bRegWertLoeschen(D7ED_REGISTRY_SCHLUESSEL, "PORT102_WARTEN_VOR_START"));
    struct stat st {};
    ASSERT_EQ(::stat(sDatei.c_str(), &st), 0);
    u.Meldungen.clear();
    QSignalSpy beendet(d.get(), &TDialogSimVoreinstellung::Beendet);

    // Rewriting the same IP data keeps the file's size; the waiting times
    // would make it longer, and the write fails (EFBIG, even for root).
    rlimit alt {};
    ::getrlimit(RLIMIT_FSIZE, &alt);
    const rlimit grenze{rlim_t(st.st_size), alt.rlim_max};
    const auto vorherSignal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &grenze), 0);
    QTest::mouseClick(d->ButtonOK, Qt::LeftButton);
    ::setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, vorherSignal);

    std::string s;
    EXPECT_TRUE(bRegWertLesen(D7ED_REGISTRY_SCHLUESSEL, "PORT_S7", s));
    EXPECT_EQ(s, std::to_string(wPort)) << "the IP data were stored";
    EXPECT_FALSE(D7ED_SindPort102TimeDatenInRegistryVorhanden());
    ASSERT_FALSE(u.Meldungen.empty()) << testing::PrintToString(u.MeldungsTexte());
    const TMeldung& m = u.Meldungen.back();
    EXPECT_EQ(m.uTyp & 0xF0, MB_ICONERROR) << m.sText;
    EXPECT_TRUE(bEnthaelt(m.sText, "IP data") && bEnthaelt(m.sText, "waiting times")) << m.sText;
    EXPECT_TRUE(d->isVisible()) << "the dialog stays open";
    EXPECT_EQ(beendet.count(), 0);
}
