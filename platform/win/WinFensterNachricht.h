#pragma once
// Registered window messages between programs, carried on the D-Bus session
// bus.
//
// A message is known to the bus by its NAME; the number is only valid inside
// one process. Registering a name gives a stable number >= 0xC000 and
// subscribes the process to that name: when any process (this one included)
// posts it, FensterNachrichten() emits Empfangen(number) in the receiving
// process's event loop.
#include <QObject>
#include <cstdint>

// Number of the message sName (same name - compared ignoring ASCII case as
// on Windows - same number within the process).
// 0 for a null or empty name.
uint32_t RegisterWindowMessageA(const char* pcName);
// Broadcasts the registered message uNachricht to all processes on the
// session bus. False when the number is not registered or no bus is
// reachable.
bool PostMessageAnAlleFenster(uint32_t uNachricht);

class TFensterNachrichten : public QObject {
    Q_OBJECT
public:
    explicit TFensterNachrichten(QObject* pEltern = nullptr);
    // True when this process is connected to the session bus.
    bool bBusVerbunden() const;
    // Subscribes to the bus signal once the application exists; done by
    // RegisterWindowMessageA and FensterNachrichten() themselves.
    void Abonnieren();
signals:
    void Empfangen(quint32 uNachricht);
private slots:
    void NachrichtVomBus(const QString& sName);
private:
    bool m_bAbonniert = false;
};

// The process-wide receiver (made on first use).
TFensterNachrichten* FensterNachrichten();
