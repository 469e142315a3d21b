#pragma once
// Small system queries.
#include <cstdint>
#include <string>

// True when the process runs with effective user id 0.
bool bIstAdministrator();
// Always false: there is no 32-bit-on-64-bit layer to detect.
bool bIstWow64();
// The user's documents folder with a trailing '/'.
std::string PersoenlicherOrdner();
// ~/Veltrano-User-Files/ (not created here).
std::string VeltranoUserFilesOrdner();

// The version record of the Windows version query.
constexpr uint32_t VER_PLATFORM_WIN32s = 0;
constexpr uint32_t VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr uint32_t VER_PLATFORM_WIN32_NT = 2;
constexpr uint32_t OSVERSIONINFO_GROESSE = 148;     // plain record
constexpr uint32_t OSVERSIONINFOEX_GROESSE = 156;   // extended record
struct TWindowsVersion {
    uint32_t dwPlattform = 0;
    uint32_t dwMajor = 0;
    uint32_t dwMinor = 0;
    std::string sServicePack;
};
// Answers what the newest Windows reports to a program that declares no
// newer version of its own: NT 6.2 without service pack. False (record
// untouched) for a record size other than the plain or the extended one.
bool GetVersionExA(TWindowsVersion& version, uint32_t dwGroesse);
