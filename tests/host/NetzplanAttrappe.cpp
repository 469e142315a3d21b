// Stands in for the presets program in tests: records its arguments, checks
// that it can take over the port the main program had open, stores new
// presets for the engine as the real program would, and posts the closing
// notice. Paths and values come from the environment the test set.
#include <QCoreApplication>

#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

#include "WinFensterNachricht.h"
#include "kolv_d7ed.h"

namespace {

bool bPortFrei(uint16_t wPort)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(wPort);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool bFrei = ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && ::listen(s, 1) == 0;
    ::close(s);
    return bFrei;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const char* pcProtokoll = std::getenv("VELTRANO_ATTRAPPE_PROTOKOLL");
    if (!pcProtokoll)
        return 2;
    std::ofstream protokoll(std::string(pcProtokoll) + ".tmp");
    for (int i = 0; i < argc; ++i)
        protokoll << "arg=" << argv[i] << "\n";
    if (const char* pc = std::getenv("VELTRANO_ATTRAPPE_PORT"))
        protokoll << "portfrei=" << bPortFrei(static_cast<uint16_t>(std::atoi(pc))) << "\n";
    if (const char* pc = std::getenv("VELTRANO_ATTRAPPE_NEUER_PORT")) {
        int iFehler = 0;
        const bool bOk = D7ED_IPDatenInRegistryAbspeichern(
            "127.0.0.1", static_cast<uint16_t>(std::atoi(pc)), 0, 0, &iFehler);
        protokoll << "gespeichert=" << bOk << "\n";
    }
    protokoll.close();
    std::rename((std::string(pcProtokoll) + ".tmp").c_str(), pcProtokoll);
    const uint32_t uNachricht =
        RegisterWindowMessageA("TRELVO_SIMULATOR_VOREINSTELL_DLG_GESCHLOSSEN");
    return PostMessageAnAlleFenster(uNachricht) ? 0 : 1;
}
