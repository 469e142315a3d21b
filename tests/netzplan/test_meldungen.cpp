// Boxes of the presets program that must name the real cause: a port below
// 1024 refused for want of the right.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "DlgSim.h"
#include "Namensraum.h"
#include "NetzDienste.h"
#include "NetzTestHilfe.h"
#include "Netzplan.h"
#include "NetzplanDienste.h"
#include "NetzplanTestHilfe.h"
#include "kolv_d7ed.h"

using namespace netzplantest;

namespace {

std::unique_ptr<TDialogSimVoreinstellung> DialogMitLoopback(const std::string& sSprache, uint16_t wPort)
{
    std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf(sSprache)));
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

// Without the right to bind below 1024 (ordinary users; tests run as root,
// so the right is switched off) both the port test and the socket set-up
// say so, rather than blaming another program.
TEST(NetzplanMeldungen, PortUnter1024OhneRecht)
{
    IM_NAMENSRAUM_AUSFUEHREN();
    Umgebung u;
    ASSERT_TRUE(bPortRechtSetzen(false));
    auto d = DialogMitLoopback("2", 102);
    QTest::mouseClick(d->S7PortTestenButton, Qt::LeftButton);
    wSprache = 1;
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("127.0.0.1", 102, 0, 0, nullptr));
    ASSERT_TRUE(D7ED_IPDaten_2_InRegistryAbspeichern("", 0, 0, nullptr));
    ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(KommuID, nullptr));
    const int iErgebnis = CreateListenSockets(true);
    ASSERT_TRUE(bPortRechtSetzen(true));

    EXPECT_EQ(iErgebnis, int(SOCKET_FEHLER_BIND));
    ASSERT_EQ(u.Meldungen.size(), 2u) << testing::PrintToString(u.MeldungsTexte());
    const std::string& sTest = u.Meldungen[0].sText;
    EXPECT_EQ(u.Meldungen[0].uTyp & 0xF0, MB_ICONERROR);
    EXPECT_FALSE(bEnthaelt(sTest, "occupied")) << sTest;
    EXPECT_TRUE(bEnthaelt(sTest, "below 1024") && bEnthaelt(sTest, "CAP_NET_BIND_SERVICE")) << sTest;
    const std::string& sSocket = u.Meldungen[1].sText;
    EXPECT_EQ(sSocket.rfind("IP 127.0.0.1 Port 102:\nFehler beim Anlegen des Sockets!\n", 0), 0u) << sSocket;
    EXPECT_TRUE(bEnthaelt(sSocket, "unter 1024") && bEnthaelt(sSocket, "CAP_NET_BIND_SERVICE")) << sSocket;
}
