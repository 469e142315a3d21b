// Helpers that every test program shares: fresh folders, a copy of the
// assembled program folder, the source tree, and the artefact folder.
#pragma once

#include <filesystem>
#include <functional>
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

// Runs fTest in a child process in which the folder pf is a read-only bind
// mount of itself (a private mount namespace; a user namespace as well when
// not run as root), and returns the child's exit code. Root ignores
// permission bits, so only a read-only mount shows what a read-only folder
// does to a program run as root. Returns iNamensraumVerweigert when the
// system refuses the namespace or the mount.
inline constexpr int iNamensraumVerweigert = 77;
int iImNurLeseOrdner(const std::filesystem::path& pf, const std::function<int()>& fTest);

} // namespace testhilfe
