// Registered window messages between processes over the session bus.
#include "WinFensterNachricht.h"

#include "HelferProzess.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <unistd.h>
#include <vector>

namespace {

std::string EinmaligerName(const char* pc)
{
    return std::string(pc) + "_" + std::to_string(::getpid());
}

// Collects the messages that arrive while the event loop runs for iMs, or
// until uErwartet arrives.
std::vector<quint32> Empfangene(int iMs, quint32 uErwartet = 0)
{
    std::vector<quint32> empfangen;
    QEventLoop schleife;
    const auto verbindung = QObject::connect(FensterNachrichten(), &TFensterNachrichten::Empfangen,
                                             &schleife, [&](quint32 u) {
                                                 empfangen.push_back(u);
                                                 if (u == uErwartet)
                                                     schleife.quit();
                                             });
    QTimer::singleShot(iMs, &schleife, &QEventLoop::quit);
    schleife.exec();
    QObject::disconnect(verbindung);
    return empfangen;
}

} // namespace

TEST(WinFensterNachricht, NummernSindStabilUndEigen)
{
    const uint32_t a = RegisterWindowMessageA("TRELVO_SIMULATOR_VOREINSTELL_DLG_GESCHLOSSEN");
    const uint32_t b = RegisterWindowMessageA("ANDERE_NACHRICHT");
    EXPECT_GE(a, 0xC000u);
    EXPECT_GE(b, 0xC000u);
    EXPECT_NE(a, b);
    EXPECT_EQ(RegisterWindowMessageA("TRELVO_SIMULATOR_VOREINSTELL_DLG_GESCHLOSSEN"), a);
    EXPECT_EQ(RegisterWindowMessageA("trelvo_simulator_voreinstell_dlg_geschlossen"), a);
    EXPECT_EQ(RegisterWindowMessageA(""), 0u);
    EXPECT_EQ(RegisterWindowMessageA(nullptr), 0u);
    // Only registered numbers can be posted.
    EXPECT_FALSE(PostMessageAnAlleFenster(0x1234));
    EXPECT_FALSE(PostMessageAnAlleFenster(0xFFFF));
}

TEST(WinFensterNachricht, AndererProzessSendetUndWirEmpfangen)
{
    ASSERT_TRUE(FensterNachrichten()->bBusVerbunden()) << "no session bus";
    const std::string sName = EinmaligerName("GESCHLOSSEN");
    const std::string sFremd = EinmaligerName("NIE_REGISTRIERT");
    const uint32_t u = RegisterWindowMessageA(sName.c_str());

    std::string sAusgabe;
    // A name this process never registered is not passed on ...
    ASSERT_EQ(HelferLaufenLassen({"senden", QString::fromStdString(sFremd)}, sAusgabe), 0);
    // ... the registered one arrives with this process's number.
    ASSERT_EQ(HelferLaufenLassen({"senden", QString::fromStdString(sName)}, sAusgabe), 0);
    const std::vector<quint32> empfangen = Empfangene(10000, u);
    EXPECT_EQ(empfangen, std::vector<quint32>{u});
}

TEST(WinFensterNachricht, WirSendenUndAndererProzessEmpfaengt)
{
    const std::string sName = EinmaligerName("AN_ALLE");
    auto helfer = HelferStarten({"warten", QString::fromStdString(sName), "10000"});
    ASSERT_TRUE(helfer);
    ASSERT_EQ(HelferZeile(*helfer), "bereit");
    const uint32_t u = RegisterWindowMessageA(sName.c_str());
    ASSERT_TRUE(PostMessageAnAlleFenster(u));
    ASSERT_TRUE(helfer->waitForFinished(15000));
    EXPECT_EQ(helfer->exitCode(), 0) << "the helper did not receive the message";
    // Like a broadcast to all top-level windows, the sender's own windows
    // get it too.
    EXPECT_EQ(Empfangene(5000, u), std::vector<quint32>{u});
}

TEST(WinFensterNachricht, OhneEmpfaengerKommtNichtsAn)
{
    const std::string sName = EinmaligerName("OHNE_WARTENDEN");
    auto helfer = HelferStarten({"warten", QString::fromStdString(sName), "700"});
    ASSERT_TRUE(helfer);
    ASSERT_EQ(HelferZeile(*helfer), "bereit");
    // A different name reaches the bus but not the waiting helper.
    const uint32_t u = RegisterWindowMessageA(EinmaligerName("ANDERER_NAME").c_str());
    ASSERT_TRUE(PostMessageAnAlleFenster(u));
    ASSERT_TRUE(helfer->waitForFinished(10000));
    EXPECT_EQ(helfer->exitCode(), 1);
    Empfangene(200);  // drain our own copy
}
