#include "BenchUmgebung.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path Wurzel() { return fs::temp_directory_path() / ("veltrano_bench_" + std::to_string(getpid())); }

std::string Ordner(const char* pcName)
{
    const fs::path pf = Wurzel() / pcName;
    fs::create_directories(pf);
    return pf.string();
}

} // namespace

std::string BenchUmgebungEinrichten()
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("HOME", Ordner("home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", Ordner("config").c_str(), 1);
    setenv("XDG_DATA_HOME", Ordner("data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", Ordner("run").c_str(), 1);
    const fs::path pfProgramm = Ordner("Veltrano");
    fs::copy(fs::path(VELTRANO_PROGRAMMORDNER) / "__system", pfProgramm / "__system",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return pfProgramm.string();
}

void BenchUmgebungAufraeumen()
{
    std::error_code ec;
    fs::remove_all(Wurzel(), ec);
}
