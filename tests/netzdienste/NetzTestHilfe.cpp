#include "NetzTestHilfe.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <dirent.h>
#include <linux/capability.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kMerker = "VELTRANO_IM_NETZNAMENSRAUM";

std::vector<std::string> UnshareAufruf()
{
    if (::geteuid() == 0)
        return {"unshare", "-n"};
    return {"unshare", "-c", "-n", "--keep-caps"};
}

int iAusfuehren(const std::vector<std::string>& argumente, bool bStill)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (bStill) {
            ::close(1);
            ::close(2);
        }
        std::vector<char*> argv;
        for (const std::string& s : argumente)
            argv.push_back(const_cast<char*>(s.c_str()));
        argv.push_back(nullptr);
        ::setenv(kMerker, "1", 1);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int iStatus = 0;
    if (::waitpid(pid, &iStatus, 0) != pid || !WIFEXITED(iStatus))
        return 126;
    return WEXITSTATUS(iStatus);
}

} // namespace

bool bImNetzNamensraum()
{
    const char* pc = std::getenv(kMerker);
    return pc && std::string(pc) == "1";
}

int iImNetzNamensraumWiederholen(const std::string& sVorbereitung)
{
    std::vector<std::string> probe = UnshareAufruf();
    probe.insert(probe.end(), {"ip", "link", "set", "lo", "up"});
    if (iAusfuehren(probe, true) != 0)
        return -1;

    char acProgramm[4096];
    const ssize_t n = ::readlink("/proc/self/exe", acProgramm, sizeof acProgramm - 1);
    if (n <= 0)
        return -1;
    acProgramm[n] = '\0';
    const ::testing::TestInfo* pTest = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string sFilter =
        std::string("--gtest_filter=") + pTest->test_suite_name() + "." + pTest->name();

    std::vector<std::string> aufruf = UnshareAufruf();
    std::string sSkript = "ip link set lo up";
    // A preparation the namespace refuses (no dummy interfaces, say) skips.
    if (!sVorbereitung.empty())
        sSkript += " && { " + sVorbereitung + " || exit 125; }";
    sSkript += " && exec \"$0\" \"$@\"";
    aufruf.insert(aufruf.end(), {"sh", "-c", sSkript, acProgramm, sFilter});
    const int iErgebnis = iAusfuehren(aufruf, false);
    return iErgebnis == 125 ? -1 : iErgebnis;
}

uint16_t wFreierPort()
{
    const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t uLaenge = sizeof a;
    uint16_t wPort = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &uLaenge) == 0)
        wPort = ntohs(a.sin_port);
    ::close(s);
    return wPort;
}

int iVerbinden(const std::string& sIP, uint16_t wPort)
{
    const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(wPort);
    ::inet_pton(AF_INET, sIP.c_str(), &a.sin_addr);
    if (::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(s);
        return -1;
    }
    return s;
}

int iOffeneDeskriptoren()
{
    int iAnzahl = 0;
    DIR* p = ::opendir("/proc/self/fd");
    while (const dirent* e = ::readdir(p))
        if (e->d_name[0] != '.')
            ++iAnzahl;
    ::closedir(p);
    return iAnzahl - 1;  // the folder's own descriptor
}

bool bPortRechtSetzen(bool bAn)
{
    __user_cap_header_struct kopf{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct daten[2]{};
    if (::syscall(SYS_capget, &kopf, daten) != 0)
        return false;
    if (bAn)
        daten[0].effective |= 1u << CAP_NET_BIND_SERVICE;
    else
        daten[0].effective &= ~(1u << CAP_NET_BIND_SERVICE);
    return ::syscall(SYS_capset, &kopf, daten) == 0;
}
