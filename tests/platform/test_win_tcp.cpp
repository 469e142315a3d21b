// Owner of a listening port, found through the kernel's socket tables.
#include "WinTcpTabelle.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Binds a socket of the family to the loopback address on an ephemeral
// port; returns the descriptor and the port.
int iGebunden(int iFamilie, uint16_t& wPort)
{
    const int s = ::socket(iFamilie, SOCK_STREAM, 0);
    if (s < 0)
        return -1;
    sockaddr_storage adr{};
    socklen_t uLaenge;
    if (iFamilie == AF_INET) {
        auto* p = reinterpret_cast<sockaddr_in*>(&adr);
        p->sin_family = AF_INET;
        p->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        uLaenge = sizeof *p;
    } else {
        auto* p = reinterpret_cast<sockaddr_in6*>(&adr);
        p->sin6_family = AF_INET6;
        p->sin6_addr = in6addr_loopback;
        uLaenge = sizeof *p;
    }
    if (::bind(s, reinterpret_cast<sockaddr*>(&adr), uLaenge) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&adr), &uLaenge) != 0) {
        ::close(s);
        return -1;
    }
    wPort = ntohs(iFamilie == AF_INET ? reinterpret_cast<sockaddr_in*>(&adr)->sin_port
                                      : reinterpret_cast<sockaddr_in6*>(&adr)->sin6_port);
    return s;
}

} // namespace

TEST(WinTcpTabelle, EigenerLauschenderSocketGehoertUns)
{
    uint16_t wPort = 0;
    const int s = iGebunden(AF_INET, wPort);
    ASSERT_GE(s, 0);
    // Bound but not listening: not in the table of listeners.
    EXPECT_EQ(dwPidVonLokalemTcpPort(wPort), 0u);
    ASSERT_EQ(::listen(s, 4), 0);
    EXPECT_EQ(dwPidVonLokalemTcpPort(wPort), static_cast<uint32_t>(::getpid()));

    // A connected client's local port is no listening port.
    const int c = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in ziel{};
    ziel.sin_family = AF_INET;
    ziel.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ziel.sin_port = htons(wPort);
    ASSERT_EQ(::connect(c, reinterpret_cast<sockaddr*>(&ziel), sizeof ziel), 0);
    sockaddr_in lokal{};
    socklen_t uLaenge = sizeof lokal;
    ASSERT_EQ(::getsockname(c, reinterpret_cast<sockaddr*>(&lokal), &uLaenge), 0);
    EXPECT_EQ(dwPidVonLokalemTcpPort(ntohs(lokal.sin_port)), 0u);
    ::close(c);

    ::close(s);
    EXPECT_EQ(dwPidVonLokalemTcpPort(wPort), 0u);
}

TEST(WinTcpTabelle, AuchIPv6)
{
    uint16_t wPort = 0;
    const int s = iGebunden(AF_INET6, wPort);
    if (s < 0)
        GTEST_SKIP() << "no IPv6 loopback here";
    ASSERT_EQ(::listen(s, 4), 0);
    EXPECT_EQ(dwPidVonLokalemTcpPort(wPort), static_cast<uint32_t>(::getpid()));
    ::close(s);
}

TEST(WinTcpTabelle, AlleZustaendeZaehlenVerbundeneSockets)
{
    uint16_t wPort = 0;
    const int s = iGebunden(AF_INET, wPort);
    ASSERT_GE(s, 0);
    ASSERT_EQ(::listen(s, 4), 0);
    const int c = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in ziel{};
    ziel.sin_family = AF_INET;
    ziel.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ziel.sin_port = htons(wPort);
    ASSERT_EQ(::connect(c, reinterpret_cast<sockaddr*>(&ziel), sizeof ziel), 0);
    sockaddr_in eigen{};
    socklen_t n = sizeof eigen;
    ASSERT_EQ(::getsockname(c, reinterpret_cast<sockaddr*>(&eigen), &n), 0);
    const uint16_t wKunde = ntohs(eigen.sin_port);
    // The client's connected socket counts in every state, not for listeners.
    EXPECT_EQ(dwPidVonLokalemTcpPortAlleZustaende(wKunde), static_cast<uint32_t>(::getpid()));
    EXPECT_EQ(dwPidVonLokalemTcpPort(wKunde), 0u);
    ::close(c);
    ::close(s);
}
