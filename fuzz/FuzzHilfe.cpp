#include "FuzzHilfe.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "WinMeldung.h"

namespace fs = std::filesystem;

namespace fuzzhilfe {

const std::string& Ordner()
{
    // Made once and never destroyed: the exit handler below still needs it
    // after the static objects are gone.
    static const std::string& sOrdner = *new std::string([] {
        const char* pcTest = std::getenv("VELTRANO_TESTTMP");
        const fs::path pfBasis = pcTest && *pcTest ? fs::path(pcTest) : fs::temp_directory_path();
        std::string s = (pfBasis / "veltrano-fuzz-XXXXXX").string();
        if (!::mkdtemp(s.data())) Verletzt("no temporary folder");
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(Ordner(), ec);
        });
        return s + "/";
    }());
    return sOrdner;
}

std::string AlsDatei(const uint8_t* pDaten, std::size_t nGroesse, const std::string& sName)
{
    const std::string sPfad = Ordner() + sName;
    std::ofstream(sPfad, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(pDaten), static_cast<std::streamsize>(nGroesse));
    return sPfad;
}

void EigeneUmgebung()
{
    static bool bFertig = false;
    if (bFertig) return;
    bFertig = true;
    for (const char* pc : {"home", "config", "data", "cache", "runtime"}) {
        fs::create_directories(Ordner() + pc);
        fs::permissions(Ordner() + pc, fs::perms::owner_all);
    }
    ::setenv("HOME", (Ordner() + "home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (Ordner() + "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (Ordner() + "data").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (Ordner() + "cache").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (Ordner() + "runtime").c_str(), 1);
    // The box module keeps every box shown; a long run would only grow.
    MeldungsAntworterSetzen([](const TMeldung&) {
        GezeigteMeldungenLoeschen();
        return 1;
    });
}

void QtStarten()
{
    static QApplication* pApp = nullptr;
    if (pApp) return;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char acName[] = "veltrano-fuzz";
    static char* argv[] = {acName, nullptr};
    pApp = new QApplication(argc, argv);
}

void Verletzt(const char* pcWas, const std::string& sDetail)
{
    std::fprintf(stderr, "\n*** property does not hold: %s\n%s\n", pcWas, sDetail.c_str());
    std::fflush(stderr);
    std::abort();
}

} // namespace fuzzhilfe
