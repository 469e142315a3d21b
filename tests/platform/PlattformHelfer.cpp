// A second process for the platform tests: it opens shared memory, takes
// mutexes and sends or waits for window messages, so the tests can see what
// one process makes of another's state. Talks on stdout, one line a step.
#include "WinFensterNachricht.h"
#include "WinMeldung.h"
#include "WinMutex.h"
#include "WinSharedMemory.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {

void AufZeileWarten()
{
    std::string s;
    std::getline(std::cin, s);
}

// shm NAME SIZE [halten]: prints "neu=N text=<first bytes>", writes
// "HELFER" at offset 16; with "halten" waits for a line before closing.
int SpeicherPruefen(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    TGeteilterSpeicher sp;
    if (!bGeteiltenSpeicherOeffnen(argv[2], std::strtoul(argv[3], nullptr, 10), sp)) {
        std::printf("fehler\n");
        return 1;
    }
    const char* pc = static_cast<const char*>(sp.pBasis);
    std::printf("neu=%d text=%.15s\n", sp.bNeuAngelegt ? 1 : 0, pc);
    std::memcpy(static_cast<char*>(sp.pBasis) + 16, "HELFER", 7);
    std::fflush(stdout);
    if (argc > 4 && std::strcmp(argv[4], "halten") == 0)
        AufZeileWarten();
    GeteiltenSpeicherSchliessen(sp);
    return 0;
}

// mutex NAME [halten]: prints "besitzt=N"; with "halten" keeps it until a
// line arrives.
int MutexPruefen(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    TBenannterMutex mutex(argv[2]);
    std::printf("besitzt=%d\n", mutex.bBesitzt() ? 1 : 0);
    std::fflush(stdout);
    if (argc > 3 && std::strcmp(argv[3], "halten") == 0)
        AufZeileWarten();
    return 0;
}

// senden NAME: registers and posts the message once; exit 0 on success.
int NachrichtSenden(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    QCoreApplication app(argc, argv);
    const uint32_t u = RegisterWindowMessageA(argv[2]);
    return PostMessageAnAlleFenster(u) ? 0 : 1;
}

// warten NAME MS: registers, prints "bereit", exits 0 when the message
// arrives, 1 after MS milliseconds without it.
int NachrichtWarten(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    QCoreApplication app(argc, argv);
    const uint32_t u = RegisterWindowMessageA(argv[2]);
    int iErgebnis = 1;
    QObject::connect(FensterNachrichten(), &TFensterNachrichten::Empfangen, &app,
                     [&](quint32 uEmpfangen) {
                         if (uEmpfangen == u) {
                             iErgebnis = 0;
                             app.quit();
                         }
                     });
    QTimer::singleShot(std::atoi(argv[3]), &app, &QCoreApplication::quit);
    // "bereit" only once the subscription is on the bus.
    QTimer::singleShot(0, &app, [] {
        std::printf("bereit\n");
        std::fflush(stdout);
    });
    app.exec();
    return iErgebnis;
}

// meldung TYPE: a box without any application; prints the result.
int MeldungOhneApp(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const int iErgebnis =
        MessageBoxA(nullptr, "Text ohne Anwendung", "Titel", std::strtoul(argv[2], nullptr, 0));
    std::printf("ergebnis=%d gezeigt=%zu\n", iErgebnis, GezeigteMeldungen().size());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string sArt = argv[1];
    if (sArt == "shm")
        return SpeicherPruefen(argc, argv);
    if (sArt == "mutex")
        return MutexPruefen(argc, argv);
    if (sArt == "senden")
        return NachrichtSenden(argc, argv);
    if (sArt == "warten")
        return NachrichtWarten(argc, argv);
    if (sArt == "meldung")
        return MeldungOhneApp(argc, argv);
    return 2;
}
