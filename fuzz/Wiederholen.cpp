// The fuzz target as a plain program of the normal build: runs every file
// it is given (folders are walked) through the target once, so that the
// seed corpus and every saved regression input guard each build. Without
// libFuzzer a failed property or a crash ends the program non-zero.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* piArgc, char*** pppArgv);

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    std::vector<fs::path> dateien;
    for (int i = 1; i < argc; ++i) {
        const fs::path pf = argv[i];
        if (fs::is_directory(pf)) {
            for (const auto& e : fs::recursive_directory_iterator(pf))
                if (e.is_regular_file()) dateien.push_back(e.path());
        } else if (fs::is_regular_file(pf)) {
            dateien.push_back(pf);
        } else {
            std::fprintf(stderr, "missing: %s\n", argv[i]);
            return 2;
        }
    }
    std::sort(dateien.begin(), dateien.end());
    for (const fs::path& pf : dateien) {
        std::ifstream f(pf, std::ios::binary);
        const std::vector<char> daten{std::istreambuf_iterator<char>(f), {}};
        std::printf("%s\n", pf.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(daten.data()), daten.size());
    }
    std::printf("%zu inputs replayed\n", dateien.size());
    return dateien.empty() ? 1 : 0;
}
