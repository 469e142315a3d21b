// Shared set-up of the object dialog tests: the main window on a program
// folder of its own with a project folder, recorded boxes, the text and
// mnemonic language, and the scripting of a dialog that runs modally.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ProjektTestHilfe.h"

class THauptformular;
class TMyObj;

namespace dlgtest {

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Text language 1 German, 2 English; syntax 1 German, 0 international.
    static void SprachenSetzen(unsigned char ucText, unsigned char ucSyntax);
    // A new object of the kind on the main window's panel.
    TMyObj* NeuesObjekt(int32_t iArt);
    // An object read from its text line, as a loaded panel holds it.
    TMyObj* ObjektAusZeile(const std::string& sZeile);
    // The texts of the boxes shown since the last call.
    std::vector<std::string> Meldungen();

    projekttest::Umgebung u;
    THauptformular* pForm = nullptr;
    std::filesystem::path pfProjekt;   // the panel's folder
};

// The next dialog run through the modal hook is handed to fAntwort, which
// fills and clicks it; the dialog's result is the run's result.
void DialogBeantworten(std::function<void(QDialog&)> fAntwort);

// The dialog's pages side by side in one picture, saved as name.png in the
// artefact folder; false when it could not be written.
bool DialogFotografieren(QDialog& dlg, const std::string& sName);

} // namespace dlgtest
