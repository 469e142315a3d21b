// Helpers that every test program shares: fresh folders, a copy of the
// assembled program folder, the source tree, and the artefact folder.
#pragma once

#include <filesystem>
#include <string>

namespace testhilfe {

// A fresh, empty folder below the test run's own temporary folder.
std::filesystem::path NeuerOrdner(const std::string& sName);

// A fresh copy of the assembled program folder (programs, libraries, data
// tree), so a test may write beside the program as the real one does.
std::filesystem::path ProgrammordnerKopieren();

// The assembled program folder of the build itself (read only for tests).
std::filesystem::path Programmordner();

// The root of the source tree.
std::filesystem::path Quellordner();

// Where tests leave screenshots and other artefacts for a human to look at.
std::filesystem::path Artefaktordner();

// Gives the current test case its own HOME and XDG folders; the previous
// environment comes back when the object goes out of scope.
class EigeneUmgebung {
public:
    EigeneUmgebung();
    ~EigeneUmgebung();
    EigeneUmgebung(const EigeneUmgebung&) = delete;
    EigeneUmgebung& operator=(const EigeneUmgebung&) = delete;
    const std::filesystem::path& Wurzel() const { return pfWurzel; }

private:
    std::filesystem::path pfWurzel;
    struct Gespeichert { std::string sName; std::string sWert; bool bGesetzt; };
    Gespeichert alte[6];
};

// Reads a whole file as bytes (empty when missing).
std::string DateiLesen(const std::filesystem::path& pfDatei);
// Writes a whole file.
void DateiSchreiben(const std::filesystem::path& pfDatei, const std::string& sInhalt);

} // namespace testhilfe
