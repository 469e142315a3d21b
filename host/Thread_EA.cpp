// The pacing thread. It touches no field of the window and calls nothing
// of the engine: it sleeps and then runs the cycle step on the graphical
// thread through a blocking queued call.
#include "Thread_EA.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

#include "HauptForm.h"
#include "Programm.h"
#include "WinZeit.h"

EAThread::EAThread()
{
    setObjectName("EAThread");
    start();
}

EAThread::~EAThread()
{
    bStop = true;
    requestInterruption();
    // The thread may be waiting in its hand-over right now; the graphical
    // thread (which runs this) must let that step through or it would wait
    // for a thread that waits for it.
    while (!wait(5)) AnstehendenSchrittAbarbeiten();
}

void EAThread::AnstehendenSchrittAbarbeiten()
{
    QCoreApplication::sendPostedEvents(&Empfaenger, QEvent::MetaCall);
}

void EAThread::Execute()
{
    while (!bStop && !isInterruptionRequested()) {
        bBeschaeftigt = true;
        // Read afresh before each sleep: a new interval from the settings
        // takes effect at the next pass without restarting the thread.
        Sleep(RavoDAVInterval.load(std::memory_order_relaxed));
        // The stop flag is looked at again right before the hand-over, so
        // that no step is queued after the window asked the thread to end.
        if (!bStop && !isInterruptionRequested()) {
            QMetaObject::invokeMethod(
                &Empfaenger,
                [this] {
                    if (bStop || !Hauptformular) return;
                    bSchrittLaeuft = true;
                    Hauptformular->SPSZyklusSchritt();
                    bSchrittLaeuft = false;
                    ++uiSchritte;
                },
                Qt::BlockingQueuedConnection);
        }
        bBeschaeftigt = false;
    }
}
