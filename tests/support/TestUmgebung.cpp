#include "TestUmgebung.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testhilfe {

namespace {

fs::path UmgebungsPfad(const char* pcName, const fs::path& pfErsatz)
{
    const char* pc = std::getenv(pcName);
    return (pc && *pc) ? fs::path(pc) : pfErsatz;
}

fs::path TestWurzel()
{
    static const fs::path pf = [] {
        fs::path p = UmgebungsPfad("VELTRANO_TESTTMP", {});
        if (p.empty()) {
            p = fs::temp_directory_path() / ("veltrano-test-" + std::to_string(::getpid()));
        }
        fs::create_directories(p);
        return p;
    }();
    return pf;
}

const char* const UmgebungsNamen[6] = {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR",
                                        "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_DOCUMENTS_DIR"};

} // namespace

fs::path NeuerOrdner(const std::string& sName)
{
    static std::atomic<int> iZaehler{0};
    fs::path pf = TestWurzel() / (sName + "-" + std::to_string(++iZaehler));
    fs::remove_all(pf);
    fs::create_directories(pf);
    return pf;
}

fs::path Programmordner()
{
    fs::path pf = UmgebungsPfad("VELTRANO_PROGRAMMORDNER", {});
    if (pf.empty()) throw std::runtime_error("VELTRANO_PROGRAMMORDNER is not set");
    return pf;
}

fs::path ProgrammordnerKopieren()
{
    fs::path pfZiel = NeuerOrdner("programm") / "Veltrano";
    fs::copy(Programmordner(), pfZiel, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    return pfZiel;
}

fs::path Quellordner()
{
    fs::path pf = UmgebungsPfad("VELTRANO_QUELLEN", {});
    if (pf.empty()) throw std::runtime_error("VELTRANO_QUELLEN is not set");
    return pf;
}

fs::path Artefaktordner()
{
    fs::path pf = UmgebungsPfad("VELTRANO_ARTEFAKTE", TestWurzel() / "artefakte");
    fs::create_directories(pf);
    return pf;
}

EigeneUmgebung::EigeneUmgebung()
{
    pfWurzel = NeuerOrdner("umgebung");
    const char* const unter[6] = {"home", "config", "runtime", "data", "cache", "home/Documents"};
    for (int i = 0; i < 6; ++i) {
        const char* pc = std::getenv(UmgebungsNamen[i]);
        alte[i] = {UmgebungsNamen[i], pc ? pc : "", pc != nullptr};
        fs::path p = pfWurzel / unter[i];
        fs::create_directories(p);
        if (i == 2) fs::permissions(p, fs::perms::owner_all, fs::perm_options::replace);
        ::setenv(UmgebungsNamen[i], p.c_str(), 1);
    }
}

EigeneUmgebung::~EigeneUmgebung()
{
    for (const auto& a : alte) {
        if (a.bGesetzt) ::setenv(a.sName.c_str(), a.sWert.c_str(), 1);
        else ::unsetenv(a.sName.c_str());
    }
}

std::string DateiLesen(const fs::path& pfDatei)
{
    std::ifstream f(pfDatei, std::ios::binary);
    std::ostringstream os;
    os << f.rdbuf();
    return os.str();
}

void DateiSchreiben(const fs::path& pfDatei, const std::string& sInhalt)
{
    if (pfDatei.has_parent_path()) fs::create_directories(pfDatei.parent_path());
    std::ofstream f(pfDatei, std::ios::binary | std::ios::trunc);
    f << sInhalt;
}

int iImNurLeseOrdner(const std::filesystem::path& pf, const std::function<int()>& fTest)
{
    const pid_t pid = ::fork();
    if (pid < 0) return iNamensraumVerweigert;
    if (pid == 0) {
        // The child of fork has one thread, as unshare of a user namespace needs.
        const int iArten = ::geteuid() == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS;
        const char* pc = pf.c_str();
        if (::unshare(iArten) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(pc, pc, nullptr, MS_BIND, nullptr) != 0 ||
            ::mount(nullptr, pc, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            ::_exit(iNamensraumVerweigert);
        ::_exit(fTest());
    }
    int iStatus = 0;
    while (::waitpid(pid, &iStatus, 0) < 0) {
    }
    return WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : 128 + WTERMSIG(iStatus);
}

} // namespace testhilfe
