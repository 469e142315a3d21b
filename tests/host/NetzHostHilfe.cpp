#include "NetzHostHilfe.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace netztest {

void IPDateiSchreiben(const std::filesystem::path& pfDatei, const TIPDaten& d)
{
    std::ofstream f(pfDatei);
    const auto Port = [](unsigned u) { return u ? std::to_string(u) : std::string("0"); };
    f << "[D7ED_DATEN]\n"
      << "D7ED_IP_ADRESSE=" << d.sIP1 << "\n"
      << "D7ED_PORT_ADRESSE=" << Port(d.uPort1) << "\n"
      << "D7ED_INTERN_PORT_ADRESSE=" << Port(d.uPort2) << "\n"
      << "D7ED_IP_ADRESSE_2=" << d.sIP2 << "\n"
      << "D7ED_PORT_ADRESSE_3=" << Port(d.uPort3) << "\n"
      << "D7ED_PORT_ADRESSE_4=" << Port(d.uPort4) << "\n"
      << "D7ED_PG_EINGAENGE_UMLEITEN=0\n";
}

std::string Adresse(TSocket s)
{
    if (s == UNGUELTIGER_SOCKET)
        return "";
    sockaddr_in a{};
    socklen_t uLaenge = sizeof a;
    if (::getsockname(s, reinterpret_cast<sockaddr*>(&a), &uLaenge) != 0)
        return "?";
    char ac[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &a.sin_addr, ac, sizeof ac);
    return std::string(ac) + ":" + std::to_string(ntohs(a.sin_port));
}

bool bWartetNochAufAnnahme(TSocket s)
{
    pollfd p{s, POLLIN, 0};
    if (::poll(&p, 1, 200) <= 0)
        return false;
    const int i = ::accept(s, nullptr, nullptr);
    if (i < 0)
        return false;
    ::close(i);
    return true;
}

bool bVonGegenseiteGeschlossen(int iKunde)
{
    pollfd p{iKunde, POLLIN, 0};
    if (::poll(&p, 1, 1000) <= 0)
        return false;
    char c = 0;
    const ssize_t n = ::recv(iKunde, &c, 1, MSG_DONTWAIT);
    return n == 0 || (n < 0 && errno == ECONNRESET);
}

std::string Texte(const hosttest::Programmumgebung& u)
{
    std::string s;
    for (const TMeldung& m : u.Meldungen)
        s += m.sText + "\n";
    return s;
}

} // namespace netztest
