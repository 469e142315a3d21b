// The project's IP data at the engine: listening sockets in slot order,
// accepted by the engine, the attach's special cases, nothing leaked over
// many attaches, and the presets program's launch and closing notice.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <filesystem>
#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <vector>
#include <unistd.h>

#include "Einstellungen.h"
#include "HauptForm.h"
#include "IPDaten.h"
#include "Maske.h"
#include "NetzHostHilfe.h"
#include "NetzTestHilfe.h"
#include "PoolText.h"
#include "Programm.h"
#include "SystemVariablen.h"
#include "WinFensterNachricht.h"
#include "WinIni.h"
#include "WinProzess.h"
#include "kolv_d7ed.h"

namespace fs = std::filesystem;
using namespace netztest;

namespace {

class Netz : public ::testing::Test {
protected:
    hosttest::Programmumgebung u;
    fs::path pfProjekt;
    std::string sIPDatei;

    void SetUp() override
    {
        static uint32_t s_uNr = 0;
        KommuID = 0x4E000000u + ++s_uNr;
        pfProjekt = u.pfOrdner / "Projects" / "Netz";
        fs::create_directories(pfProjekt);
        sIPDatei = (pfProjekt / "IPADR.DAT").string();
    }
    void TearDown() override
    {
        KommuBeenden(true);
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(*pListenSocket(i), UNGUELTIGER_SOCKET) << "slot " << i << " left open";
    }
    std::string Slot(int i) const { return Adresse(*pListenSocket(i)); }
};

} // namespace

TEST_F(Netz, VierSlotsInReihenfolgeVonDerEngineAngenommen)
{
    const uint16_t p1 = wFreierPort(), p2 = wFreierPort(), p3 = wFreierPort(), p4 = wFreierPort();
    IPDateiSchreiben(sIPDatei, {"127.0.0.1", p1, p2, "127.0.0.2", p3, p4});
    IP_ADR = "127.0.0.9";
    PortNr = 7;
    ASSERT_TRUE(bIPDatenAnmelden(sIPDatei));
    EXPECT_TRUE(u.Meldungen.empty()) << Texte(u);
    EXPECT_EQ(Slot(1), "127.0.0.1:" + std::to_string(p1));
    EXPECT_EQ(Slot(2), "127.0.0.1:" + std::to_string(p2));
    EXPECT_EQ(Slot(3), "127.0.0.2:" + std::to_string(p3));
    EXPECT_EQ(Slot(4), "127.0.0.2:" + std::to_string(p4));
    EXPECT_EQ(IP_ADR, "127.0.0.1");
    EXPECT_EQ(IPAdresseText(), "127.0.0.1") << "the panel shows the address taken over";
    EXPECT_EQ(PortNr, p1);
    EXPECT_EQ(iWsaReferenzen(), 4);

    // Each slot went to the engine: its next step accepts every client.
    int aiKunden[4];
    const std::string asIP[4] = {"127.0.0.1", "127.0.0.1", "127.0.0.2", "127.0.0.2"};
    const uint16_t aw[4] = {p1, p2, p3, p4};
    for (int i = 0; i < 4; ++i)
        ASSERT_GE(aiKunden[i] = iVerbinden(asIP[i], aw[i]), 0) << i;
    ::usleep(50000);
    D7ED_BSRoutine();
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(bWartetNochAufAnnahme(*pListenSocket(i))) << "slot " << i << " not served";
    EXPECT_TRUE(D7ED_TcpIpKommuAktiv());

    // A new attach closes everything of the old configuration: the dropped
    // ports no longer answer and the engine's connections are closed.
    IPDateiSchreiben(sIPDatei, {"127.0.0.1", p1, 0, "", 0, 0});
    ASSERT_TRUE(bIPDatenAnmelden(sIPDatei));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(bVonGegenseiteGeschlossen(aiKunden[i])) << "old connection " << i << " survived";
        ::close(aiKunden[i]);
    }
    EXPECT_EQ(Slot(1), "127.0.0.1:" + std::to_string(p1));
    for (int i = 2; i <= 4; ++i)
        EXPECT_EQ(*pListenSocket(i), UNGUELTIGER_SOCKET);
    EXPECT_LT(iVerbinden("127.0.0.1", p2), 0);
    EXPECT_LT(iVerbinden("127.0.0.2", p4), 0);
    EXPECT_EQ(iWsaReferenzen(), 1) << "the start-up count drifts with the attaches";
    const int iNeu = iVerbinden("127.0.0.1", p1);
    EXPECT_GE(iNeu, 0);
    ::close(iNeu);
}

TEST_F(Netz, AnmeldenOhneDateiLeereSchluesselFremdeKennungUndFehler)
{
    // Without a file: created with the "Default" section before the engine
    // gets the paths; nothing to listen on.
    ASSERT_TRUE(bIPDatenAnmelden(sIPDatei));
    EXPECT_EQ(ProfilStringLesen(sIPDatei, "Default", "Default", "fehlt"), "0");
    EXPECT_TRUE(u.Meldungen.empty()) << Texte(u);

    // Empty keys keep IP-ADR and PortNr; the second address still counts.
    const uint16_t p3 = wFreierPort();
    IPDateiSchreiben(sIPDatei, {"", 0, 0, "127.0.0.1", p3, 0});
    {
        std::string sText = testhilfe::DateiLesen(sIPDatei);
        sText.replace(sText.find("D7ED_PORT_ADRESSE=0"), 19, "D7ED_PORT_ADRESSE=");
        testhilfe::DateiSchreiben(sIPDatei, sText);
    }
    IP_ADR = "10.0.0.5";
    PortNr = 4711;
    ASSERT_TRUE(bIPDatenAnmelden(sIPDatei));
    EXPECT_EQ(IP_ADR, "10.0.0.5");
    EXPECT_EQ(PortNr, 4711);
    EXPECT_EQ(*pListenSocket(1), UNGUELTIGER_SOCKET);
    EXPECT_EQ(Slot(3), "127.0.0.1:" + std::to_string(p3));

    // Another identifier owns the communication: the paths are handed over,
    // nothing else (our sockets are not ours to close either).
    const uint32_t uFremd = KommuID + 1000;
    int iF1 = 0, iF2 = 0;
    ASSERT_TRUE(D7ED_D7ED_Kommu_Exit(KommuID, &iF1, &iF2));
    CloseListenSockets();
    ASSERT_TRUE(D7ED_IstKommuIDKorrekt(uFremd));
    const std::string sAnderer = (pfProjekt / "Anderer" / "IPADR.DAT").string();
    fs::create_directories(pfProjekt / "Anderer");
    IPDateiSchreiben(sAnderer, {"127.0.0.1", wFreierPort(), 0, "", 0, 0});
    EXPECT_TRUE(bIPDatenAnmelden(sAnderer));
    EXPECT_EQ(IP_ADR, "10.0.0.5");
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(*pListenSocket(i), UNGUELTIGER_SOCKET);
    ASSERT_TRUE(D7ED_D7ED_Kommu_Exit(uFremd, &iF1, &iF2));
    EXPECT_TRUE(u.Meldungen.empty()) << Texte(u);

    // Refused paths end the attach with their box.
    EXPECT_FALSE(bIPDatenAnmelden((pfProjekt / "fehlt" / "IPADR.DAT").string()));
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, "Fehler bei der Übergabe der Pfad an Veltrano!");
    // Damaged values are named in a box and count as missing keys, here as
    // in the engine: IP-ADR and PortNr keep their values; the attach goes on
    // and marks the file as not to be overwritten unasked.
    int iBoxen = 1;
    for (const char* pc : {"D7ED_IP_ADRESSE=063.\nD7ED_PORT_ADRESSE=70000\n", "D7ED_PORT_ADRESSE=Port\n"}) {
        std::ofstream(sIPDatei) << "[D7ED_DATEN]\n" << pc;
        EXPECT_TRUE(bIPDatenAnmelden(sIPDatei)) << pc;
        EXPECT_TRUE(bIPDateiUngelesen());
        ASSERT_EQ(u.Meldungen.size(), static_cast<size_t>(++iBoxen));
        EXPECT_EQ(u.Meldungen.back().sText, PoolTextFormat(6730, "%s", sIPDatei.c_str()));
        EXPECT_EQ(IP_ADR, "10.0.0.5") << pc;
        EXPECT_EQ(PortNr, 4711) << pc;
    }
    IPDateiSchreiben(sIPDatei, {"", 0, 0, "", 0, 0});
    EXPECT_TRUE(bIPDatenAnmelden(sIPDatei));
    EXPECT_FALSE(bIPDateiUngelesen());
}

TEST_F(Netz, ZweihundertAnmeldungenLassenNichtsOffen)
{
    // Failing and succeeding slots alike: the same port twice on one address
    // (104), a port held by the test (104), one that works.
    const uint16_t pFrei = wFreierPort(), pBelegt = wFreierPort();
    TSocket belegt = UNGUELTIGER_SOCKET;
    ASSERT_EQ(OpenListenSocket(belegt, "127.0.0.2", pBelegt), SOCKET_OK);
    IPDateiSchreiben(sIPDatei, {"127.0.0.1", pFrei, pFrei, "127.0.0.2", pBelegt, 0});
    // Warm up once (the first attach creates the engine's storage files).
    ASSERT_TRUE(bIPDatenAnmelden(sIPDatei));
    KommuBeenden(true);
    const int iVorher = iOffeneDeskriptoren();
    for (int i = 0; i < 200; ++i)
        bIPDatenAnmelden(sIPDatei);
    EXPECT_EQ(Slot(1), "127.0.0.1:" + std::to_string(pFrei));
    EXPECT_EQ(*pListenSocket(2), UNGUELTIGER_SOCKET);
    KommuBeenden(true);
    EXPECT_EQ(iOffeneDeskriptoren(), iVorher);
    EXPECT_EQ(iWsaReferenzen(), 1) << "only the test's own socket";
    CloseListenSocket(belegt);
    ASSERT_EQ(u.Meldungen.size(), 2u * 201u);
    EXPECT_EQ(u.Meldungen[0].sText,
              "Socket konnte nicht angelegt werden. IP=127.0.0.1, Port=" + std::to_string(pFrei));
    EXPECT_EQ(u.Meldungen[0].sTitel, "Veltrano");
    EXPECT_EQ(u.Meldungen[1].sText,
              "Socket konnte nicht angelegt werden. IP=127.0.0.2, Port=" + std::to_string(pBelegt));
}

namespace {

unsigned long ulInode(TSocket s)
{
    struct stat st {};
    return s != UNGUELTIGER_SOCKET && ::fstat(s, &st) == 0 ? st.st_ino : 0;
}

std::vector<std::string> ProtokollZeilen(const fs::path& pf)
{
    std::vector<std::string> zeilen;
    std::ifstream f(pf);
    for (std::string s; std::getline(f, s);)
        zeilen.push_back(s);
    return zeilen;
}

} // namespace

TEST_F(Netz, VoreinstellprogrammStartenUndSchliessmeldung)
{
    const fs::path pfProgramm = u.pfOrdner / "__system" / "Netzplanung" / "Netzplan";
    fs::create_directories(pfProgramm.parent_path());
    fs::copy_file(NETZPLAN_ATTRAPPE, pfProgramm, fs::copy_options::overwrite_existing);
    const fs::path pfProtokoll = u.pfOrdner / "attrappe.txt";
    const uint16_t p1 = wFreierPort(), p2 = wFreierPort();
    ::setenv("VELTRANO_ATTRAPPE_PROTOKOLL", pfProtokoll.c_str(), 1);
    ::setenv("VELTRANO_ATTRAPPE_PORT", std::to_string(p1).c_str(), 1);
    ::setenv("VELTRANO_ATTRAPPE_NEUER_PORT", std::to_string(p2).c_str(), 1);

    // Opening the panel attaches its IP data.
    IPDateiSchreiben(sIPDatei, {"127.0.0.1", p1, 0, "", 0, 0});
    fs::copy_file(u.pfOrdner / "Projects" / "Beispiel" / "Beispiel.maske_ini",
                  pfProjekt / "Netz.maske_ini");
    THauptformular* f = hosttest::FensterStarten();
    // After the delayed start, which would open the last panel once more.
    ASSERT_TRUE(hosttest::WarteBis([] { return dwStartZeitpunkt == 0; }, 5000));
    ASSERT_TRUE(f->bMaskeLesen((pfProjekt / "Netz.maske_ini").string()));
    ASSERT_EQ(Slot(1), "127.0.0.1:" + std::to_string(p1)) << Texte(u);
    const uint32_t uKennung = KommuID;

    // Launch: the sockets close first, the program gets the exact arguments
    // (the last one its language: English in the English window), finds the
    // port free, stores new presets and posts its notice; the notice writes
    // them into the project and listens on the new port.
    f->MenuSprachenEnglish->trigger();
    VoreinstellDialogStarten();
    ++f->iVoreinstellStarts;  // as the launching dialog does
    EXPECT_EQ(*pListenSocket(1), UNGUELTIGER_SOCKET);
    ASSERT_TRUE(hosttest::WarteBis([&] { return f->iVoreinstellStarts == 0; }, 20000))
        << "no closing notice handled";
    const QRect r = f->frameGeometry();
    const std::vector<std::string> erwartet{
        "arg=" + pfProgramm.string(), "arg=" + std::to_string(uKennung),
        "arg=" + std::to_string(r.left()), "arg=" + std::to_string(r.top()),
        "arg=" + std::to_string(r.width()), "arg=" + std::to_string(r.height()),
        "arg=2", "portfrei=1", "gespeichert=1"};
    EXPECT_EQ(ProtokollZeilen(pfProtokoll), erwartet);
    EXPECT_EQ(VoreinstellDlgAufruf, "\"" + pfProgramm.string() + "\" \"" + std::to_string(uKennung) +
                                        "\" " + std::to_string(r.left()) + " " +
                                        std::to_string(r.top()) + " " + std::to_string(r.width()) +
                                        " " + std::to_string(r.height()) + " 2");
    EXPECT_EQ(ProfilStringLesen(sIPDatei, "D7ED_DATEN", "D7ED_PORT_ADRESSE", ""), std::to_string(p2));
    EXPECT_EQ(Slot(1), "127.0.0.1:" + std::to_string(p2));
    EXPECT_LT(iVerbinden("127.0.0.1", p1), 0);

    // A second notice is taken but changes nothing; other messages pass.
    const unsigned long ulVorher = ulInode(*pListenSocket(1));
    ASSERT_TRUE(PostMessageAnAlleFenster(f->uiVoreinstellMeldung));
    hosttest::Warte(500);
    bool bBehandelt = false;
    f->ApplicationEvents1Message(f->uiVoreinstellMeldung, bBehandelt);
    EXPECT_TRUE(bBehandelt);
    bBehandelt = false;
    f->ApplicationEvents1Message(f->uiVoreinstellMeldung + 1, bBehandelt);
    EXPECT_FALSE(bBehandelt);
    EXPECT_EQ(f->iVoreinstellStarts, 0);
    EXPECT_EQ(ulInode(*pListenSocket(1)), ulVorher) << "the sockets were recreated";

    // Without the program file: its box with the path, the sockets stay.
    fs::remove(pfProgramm);
    VoreinstellDialogStarten();
    ASSERT_FALSE(u.Meldungen.empty());
    EXPECT_EQ(u.Meldungen.back().sText,
              "Dialog Simulator-Voreinstellung:\n" + pfProgramm.string() + "\nist nicht vorhanden!");
    EXPECT_EQ(ulInode(*pListenSocket(1)), ulVorher);
    // The German window starts it in German.
    fs::copy_file(NETZPLAN_ATTRAPPE, pfProgramm, fs::copy_options::overwrite_existing);
    ProzessStartsAufzeichnen(true);
    AufgezeichneteStartsLoeschen();
    f->MenuSprachenDeutsch->trigger();
    VoreinstellDialogStarten();
    ProzessStartsAufzeichnen(false);
    EXPECT_EQ(AufgezeichneteStarts(), std::vector<std::string>{VoreinstellDlgAufruf});
    EXPECT_EQ(KommandozeileZerlegen(VoreinstellDlgAufruf).back(), "1") << VoreinstellDlgAufruf;
    // Closing the program ends the communication and closes the sockets.
    hosttest::FensterBeenden(f);
    EXPECT_EQ(*pListenSocket(1), UNGUELTIGER_SOCKET);
    EXPECT_LT(iVerbinden("127.0.0.1", p2), 0);
}

TEST(NetzAdressen, HostAdressenOhneLoopbackInSchnittstellenfolge)
{
    IM_NETZNAMENSRAUM_AUSFUEHREN(
        "{ ip link add veltr0 type dummy 2>/dev/null ||"
        "  ip link add veltr0 type veth peer name veltr1; } && "
        "ip addr add 10.1.2.3/24 dev veltr0 && ip addr add 192.168.77.5/24 dev veltr0 && "
        "ip addr add 127.0.0.5/8 dev veltr0");
    std::vector<std::string> liste{"vorher"};
    ASSERT_TRUE(bHostIPAdressenLesen(liste));
    EXPECT_EQ(liste, (std::vector<std::string>{"vorher", "10.1.2.3", "192.168.77.5"}));
}
