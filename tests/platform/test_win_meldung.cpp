// Message boxes: recorded always, answered by a test when asked, the real
// box with its buttons and its close result, and no crash without an
// application.
#include "WinMeldung.h"

#include "HelferProzess.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <QElapsedTimer>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

class WinMeldung : public ::testing::Test {
protected:
    void SetUp() override { GezeigteMeldungenLoeschen(); }
    void TearDown() override
    {
        MeldungsAntworterSetzen(nullptr);
        MeldungenImOffscreenZeigen(false);
        GezeigteMeldungenLoeschen();
    }
};

// Waits in the event loop for the real box and lets aktion act on it.
void BoxBehandeln(std::function<void(QMessageBox*)> aktion)
{
    auto* pTimer = new QTimer;
    QObject::connect(pTimer, &QTimer::timeout, [pTimer, aktion] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox)
            return;
        pTimer->stop();
        pTimer->deleteLater();
        aktion(pBox);
    });
    pTimer->start(10);
}

QAbstractButton* pKnopf(QMessageBox* pBox, const QString& sText)
{
    for (QAbstractButton* p : pBox->buttons()) {
        if (p->isVisible() && p->text().remove('&') == sText)
            return p;
    }
    return nullptr;
}

} // namespace

TEST_F(WinMeldung, AntworterBekommtAllesUndEntscheidet)
{
    std::vector<TMeldung> gesehen;
    MeldungsAntworterSetzen([&](const TMeldung& m) {
        gesehen.push_back(m);
        return gesehen.size() == 1 ? IDNO : 42;
    });
    EXPECT_EQ(MessageBoxA(nullptr, "Speichern?", "Veltrano", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MeldungMitKnoepfen(nullptr, "Frage", "Titel", MB_ICONWARNING,
                                 {{"Ja", IDYES}, {"Nein", IDNO}, {"Abbrechen", IDCANCEL}}, IDCANCEL),
              42);
    ASSERT_EQ(gesehen.size(), 2u);
    EXPECT_EQ(gesehen[0].sText, "Speichern?");
    EXPECT_EQ(gesehen[0].sTitel, "Veltrano");
    EXPECT_EQ(gesehen[0].uTyp, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(gesehen[0].knoepfe, (std::vector<std::string>{"Yes", "No", "Cancel"}));
    EXPECT_EQ(gesehen[1].knoepfe, (std::vector<std::string>{"Ja", "Nein", "Abbrechen"}));
    EXPECT_EQ(gesehen[1].uTyp, MB_ICONWARNING);

    const auto gezeigt = GezeigteMeldungen();
    ASSERT_EQ(gezeigt.size(), 2u);
    EXPECT_EQ(gezeigt[1].sText, "Frage");
    GezeigteMeldungenLoeschen();
    EXPECT_TRUE(GezeigteMeldungen().empty());
}

TEST_F(WinMeldung, OhneAntworterImOffscreenDerVorgabeknopf)
{
    EXPECT_EQ(MessageBoxA(nullptr, "Info", "T", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "Frage", "T", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "Frage", "T", MB_OKCANCEL), IDOK);
    EXPECT_EQ(MeldungMitKnoepfen(nullptr, "x", "T", 0, {{"Nein", IDNO}, {"Ja", IDYES}}, IDCANCEL),
              IDNO);
    EXPECT_EQ(MeldungMitKnoepfen(nullptr, "x", "T", 0, {}, IDCANCEL), IDOK);
    EXPECT_EQ(GezeigteMeldungen().size(), 5u);
}

TEST_F(WinMeldung, EchteBoxMitEigenenKnoepfen)
{
    MeldungenImOffscreenZeigen(true);
    QString sTitel, sText;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    BoxBehandeln([&](QMessageBox* pBox) {
        sTitel = pBox->windowTitle();
        sText = pBox->text();
        symbol = pBox->icon();
        pKnopf(pBox, "Nein")->click();
    });
    EXPECT_EQ(MeldungMitKnoepfen(nullptr, "Maske speichern?", "Frage", MB_ICONQUESTION,
                                 {{"Ja", IDYES}, {"Nein", IDNO}, {"Abbrechen", IDCANCEL}}, IDCANCEL),
              IDNO);
    EXPECT_EQ(sTitel, "Frage");
    EXPECT_EQ(sText, "Maske speichern?");
    EXPECT_EQ(symbol, QMessageBox::Question);
    // The real box is recorded as well.
    ASSERT_EQ(GezeigteMeldungen().size(), 1u);
}

TEST_F(WinMeldung, SchliessenDerEchtenBoxGibtDasVereinbarteErgebnis)
{
    MeldungenImOffscreenZeigen(true);
    BoxBehandeln([](QMessageBox* pBox) { pBox->close(); });
    EXPECT_EQ(MeldungMitKnoepfen(nullptr, "x", "T", MB_ICONERROR, {{"Ja", IDYES}, {"Nein", IDNO}}, 99),
              99);
    BoxBehandeln([](QMessageBox* pBox) { pBox->close(); });
    EXPECT_EQ(MessageBoxA(nullptr, "x", "T", MB_YESNOCANCEL), IDCANCEL);
    BoxBehandeln([](QMessageBox* pBox) { pBox->close(); });
    EXPECT_EQ(MessageBoxA(nullptr, "x", "T", MB_YESNO), IDNO);
    BoxBehandeln([](QMessageBox* pBox) { pKnopf(pBox, "Yes")->click(); });
    EXPECT_EQ(MessageBoxA(nullptr, "x", "T", MB_YESNO), IDYES);
}

TEST_F(WinMeldung, BoxAusEinemAnderenThreadErscheintImGuiThread)
{
    MeldungenImOffscreenZeigen(true);
    BoxBehandeln([](QMessageBox* pBox) {
        EXPECT_EQ(pBox->thread(), QApplication::instance()->thread());
        pKnopf(pBox, "Cancel")->click();
    });
    int iErgebnis = 0;
    std::atomic<bool> bFertig{false};
    std::thread arbeiter([&] {
        iErgebnis = MessageBoxA(nullptr, "aus dem Takt", "T", MB_OKCANCEL);
        bFertig = true;
    });
    QElapsedTimer uhr;
    uhr.start();
    while (!bFertig && uhr.elapsed() < 20000) {
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (!bFertig) {
        arbeiter.detach();
        FAIL() << "the box of the worker thread never came";
    }
    arbeiter.join();
    EXPECT_EQ(iErgebnis, IDCANCEL);
}

TEST_F(WinMeldung, OhneAnwendungKeinAbsturz)
{
    std::string sAusgabe;
    ASSERT_EQ(HelferLaufenLassen({"meldung", QString::number(MB_YESNO | MB_ICONERROR)}, sAusgabe), 0);
    EXPECT_EQ(sAusgabe, "ergebnis=6 gezeigt=1\n");
}
