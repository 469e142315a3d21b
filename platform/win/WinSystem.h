#pragma once
// Small system queries.
#include <string>

// True when the process runs with effective user id 0.
bool bIstAdministrator();
// Always false: there is no 32-bit-on-64-bit layer to detect.
bool bIstWow64();
// The user's documents folder with a trailing '/'.
std::string PersoenlicherOrdner();
// ~/Veltrano-User-Files/ (not created here).
std::string VeltranoUserFilesOrdner();
