// Veltrano launches the real presets program as its PLC settings do; the
// program, driven by its test entry, stores 127.0.0.1 with a new port and
// closes; Veltrano then listens there and has written the project's IP data.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "HauptForm.h"
#include "IPDaten.h"
#include "NetzHostHilfe.h"
#include "NetzTestHilfe.h"
#include "Netzplan.h"
#include "Programm.h"
#include "WinIni.h"
#include "kolv_d7ed.h"

namespace fs = std::filesystem;

TEST(NetzplanEndeZuEnde, VeltranoUebernimmtDieNeuenVoreinstellungen)
{
    hosttest::Programmumgebung u;
    KommuID = 0x4E500001u;
    const fs::path pfProjekt = u.pfOrdner / "Projects" / "Netz";
    fs::create_directories(pfProjekt);
    const std::string sIPDatei = (pfProjekt / "IPADR.DAT").string();
    ASSERT_TRUE(fs::exists(u.pfOrdner / "__system/Netzplanung/Netzplan"));
    const uint16_t wAlt = wFreierPort(), wNeu = wFreierPort();
    netztest::IPDateiSchreiben(sIPDatei, {"127.0.0.1", wAlt, 0, "", 0, 0});
    fs::copy_file(u.pfOrdner / "Projects" / "Beispiel" / "Beispiel.maske_ini", pfProjekt / "Netz.maske_ini");
    THauptformular* f = hosttest::FensterStarten();
    ASSERT_TRUE(hosttest::WarteBis([] { return dwStartZeitpunkt == 0; }, 5000));
    ASSERT_TRUE(f->bMaskeLesen((pfProjekt / "Netz.maske_ini").string()));
    ASSERT_EQ(netztest::Adresse(*pListenSocket(1)), "127.0.0.1:" + std::to_string(wAlt));

    ::setenv(cTestEingabeVariable, ("127.0.0.1;" + std::to_string(wNeu)).c_str(), 1);
    VoreinstellDialogStarten();
    ++f->iVoreinstellStarts;  // as the PLC settings dialog's button does
    const bool bGemeldet = hosttest::WarteBis([&] { return f->iVoreinstellStarts == 0; }, 30000);
    ::unsetenv(cTestEingabeVariable);
    ASSERT_TRUE(bGemeldet) << "no closing notice handled; boxes:\n" << netztest::Texte(u);

    // Veltrano listens on the new port and its engine accepts a client.
    EXPECT_EQ(netztest::Adresse(*pListenSocket(1)), "127.0.0.1:" + std::to_string(wNeu)) << netztest::Texte(u);
    const int iKunde = iVerbinden("127.0.0.1", wNeu);
    ASSERT_GE(iKunde, 0);
    ::usleep(50000);
    D7ED_BSRoutine();
    EXPECT_FALSE(netztest::bWartetNochAufAnnahme(*pListenSocket(1))) << "accepted by the engine";
    ::close(iKunde);
    EXPECT_LT(iVerbinden("127.0.0.1", wAlt), 0);
    // The project's IP data hold the new presets.
    EXPECT_EQ(ProfilStringLesen(sIPDatei, "D7ED_DATEN", "D7ED_IP_ADRESSE", ""), "127.0.0.1");
    EXPECT_EQ(ProfilStringLesen(sIPDatei, "D7ED_DATEN", "D7ED_PORT_ADRESSE", ""), std::to_string(wNeu));
    hosttest::FensterBeenden(f);
}
