// Registered window messages as D-Bus signals on the session bus. The
// signal carries the message name, because each process numbers its names
// on its own.
#include "WinFensterNachricht.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QThread>

#include <map>
#include <mutex>
#include <string>

namespace {

const char* const kPfad = "/de/harlenz/Fensternachricht";
const char* const kSchnittstelle = "de.harlenz.Fensternachricht";
const char* const kSignal = "Nachricht";

std::mutex g_mutex;
std::map<std::string, uint32_t> g_nummern;
uint32_t g_dwNaechste = 0xC000;

bool bNameZuNummer(uint32_t uNachricht, std::string& sName)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    for (const auto& [sEiner, dwNummer] : g_nummern) {
        if (dwNummer == uNachricht) {
            sName = sEiner;
            return true;
        }
    }
    return false;
}

// Window message names compare ignoring case, as on Windows.
std::string Schluessel(const std::string& sName)
{
    std::string s = sName;
    for (char& c : s) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

// The bus handles a connection's messages in order: when the answer to a
// call arrives, everything sent before it has reached the bus.
void Rundreise(QDBusConnection& bus)
{
    bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                            QStringLiteral("/org/freedesktop/DBus"),
                                            QStringLiteral("org.freedesktop.DBus.Peer"),
                                            QStringLiteral("Ping")),
             QDBus::Block, 5000);
}

} // namespace

TFensterNachrichten::TFensterNachrichten(QObject* pEltern) : QObject(pEltern) {}

bool TFensterNachrichten::bBusVerbunden() const
{
    return QCoreApplication::instance() && QDBusConnection::sessionBus().isConnected();
}

void TFensterNachrichten::Abonnieren()
{
    if (m_bAbonniert || !QCoreApplication::instance())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    m_bAbonniert = bus.connect(QString(), QString::fromLatin1(kPfad),
                               QString::fromLatin1(kSchnittstelle), QString::fromLatin1(kSignal),
                               this, SLOT(NachrichtVomBus(QString)));
    // Once this round trip is answered the subscription is in force, so a
    // message posted by another program right after registering cannot
    // slip past.
    if (m_bAbonniert)
        Rundreise(bus);
}

void TFensterNachrichten::NachrichtVomBus(const QString& sName)
{
    uint32_t dwNummer = 0;
    {
        std::lock_guard<std::mutex> sperre(g_mutex);
        const auto it = g_nummern.find(Schluessel(sName.toStdString()));
        if (it == g_nummern.end())
            return;  // a name this process never registered
        dwNummer = it->second;
    }
    emit Empfangen(dwNummer);
}

TFensterNachrichten* FensterNachrichten()
{
    static TFensterNachrichten* s_pEmpfaenger = [] {
        auto* p = new TFensterNachrichten;
        // Lives on the GUI thread, so Empfangen arrives in its event loop.
        if (QCoreApplication::instance())
            p->moveToThread(QCoreApplication::instance()->thread());
        return p;
    }();
    bool bNamenDa;
    {
        std::lock_guard<std::mutex> sperre(g_mutex);
        bNamenDa = !g_nummern.empty();
    }
    // A name registered before the application existed is subscribed now.
    if (bNamenDa)
        s_pEmpfaenger->Abonnieren();
    return s_pEmpfaenger;
}

uint32_t RegisterWindowMessageA(const char* pcName)
{
    if (!pcName || !*pcName)
        return 0;
    uint32_t dwNummer;
    {
        std::lock_guard<std::mutex> sperre(g_mutex);
        auto [it, bNeu] = g_nummern.emplace(Schluessel(pcName), g_dwNaechste);
        if (bNeu)
            ++g_dwNaechste;
        dwNummer = it->second;
    }
    FensterNachrichten();  // subscribes the process
    return dwNummer;
}

bool PostMessageAnAlleFenster(uint32_t uNachricht)
{
    std::string sName;
    if (!bNameZuNummer(uNachricht, sName) || !QCoreApplication::instance())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(kPfad),
                                                     QString::fromLatin1(kSchnittstelle),
                                                     QString::fromLatin1(kSignal));
    signal << QString::fromStdString(sName);
    if (!bus.send(signal))
        return false;
    // The presets program posts and ends right away; without the round
    // trip the signal could still sit in the outgoing queue at exit.
    Rundreise(bus);
    return true;
}
