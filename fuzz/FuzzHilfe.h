// What every fuzz target shares: a private folder for the files it hands
// to a reader, a program folder and settings of its own, a Qt application
// on the offscreen platform, and a check that ends the run loudly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzhilfe {

// A private temporary folder of this process, with a trailing '/'.
const std::string& Ordner();
// Writes the input as the file sName in Ordner(); returns its path.
std::string AlsDatei(const uint8_t* pDaten, std::size_t nGroesse, const std::string& sName);
// The input as text.
inline std::string AlsText(const uint8_t* pDaten, std::size_t nGroesse)
{
    return std::string(reinterpret_cast<const char*>(pDaten), nGroesse);
}

// HOME and XDG folders below Ordner(), so that no target touches the
// user's settings; every box is answered with its first button at once.
void EigeneUmgebung();
// A QApplication on the offscreen platform (created once).
void QtStarten();
// EigeneUmgebung, QtStarten and a copy of the program folder (from
// VELTRANO_PROGRAMMORDNER, else the build's) with the texts loaded: what a
// target needs that runs code of the main program.
void ProgrammStarten();

// A property of the reader that does not hold: reported and the run ended
// as a crash, so that the fuzzer keeps the input.
[[noreturn]] void Verletzt(const char* pcWas, const std::string& sDetail = std::string());
inline void Pruefen(bool bGilt, const char* pcWas, const std::string& sDetail = std::string())
{
    if (!bGilt) Verletzt(pcWas, sDetail);
}

} // namespace fuzzhilfe
