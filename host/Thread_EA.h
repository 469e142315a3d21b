// The pacing thread: wakes every RavoDAVInterval milliseconds (an atomic
// value it reads before each sleep) and hands one cycle step to the
// graphical thread, waiting until it has run.
#pragma once

#include <QObject>
#include <QThread>

#include <atomic>

class EAThread final : public QThread {
    Q_OBJECT

public:
    // Created running, both flags clear. Must be made on the graphical
    // thread: the steps are delivered to that thread.
    EAThread();
    // Sets the stop flag and waits until the loop has ended, handing back a
    // step that is still queued meanwhile.
    ~EAThread() override;

    // True while the thread sleeps and while its cycle step runs.
    std::atomic<bool> bBeschaeftigt{false};
    // Set by the main window to end the loop; once set, no further step is
    // handed over and a step still queued is dropped.
    std::atomic<bool> bStop{false};
    // True while a step runs on the graphical thread.
    std::atomic<bool> bSchrittLaeuft{false};
    // Cycle steps run so far (for diagnostics and tests).
    std::atomic<unsigned> uiSchritte{0};

    // Graphical thread: delivers a step that waits in the queue now (after
    // the stop flag it returns at once), so that the thread can go on.
    void AnstehendenSchrittAbarbeiten();

protected:
    void run() override { Execute(); }

private:
    void Execute();
    // Lives on the graphical thread; the steps are queued to it alone, so
    // that handing one back touches no other queued work of the window.
    QObject Empfaenger;
};
