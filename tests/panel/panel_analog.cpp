// Analog scaling, the pixel setting, the change test and the measuring-range
// file (test files and the shipped one).
#include "PanelTestHilfe.h"

#include <cmath>

using paneltest::PanelTest;

namespace {

class Analog : public PanelTest {
protected:
    QWidget eltern;
    TMyObj ein{&eltern, AnalogEingang, 0, 0, 0, 0};
    TMyObj aus{&eltern, AnalogerAusgang, 0, 0, 0, 0};
    void SetUp() override
    {
        PanelTest::SetUp();
        ein.Op = 'E';
        ein.Adr = 64;
        aus.Op = 'A';
        aus.Adr = 64;
    }
    float Wert(TMyObj& o, int32_t iMessb, int32_t iRoh)
    {
        o.Messb = iMessb;
        float f = -999.0f;
        EXPECT_TRUE(o.GetAnalogWertVonStatus(f, iRoh));
        return f;
    }
    float Roh(TMyObj& o, int32_t iMessb, float fWert)
    {
        o.Messb = iMessb;
        float f = -999.0f;
        EXPECT_TRUE(o.GetStatusVonAnalogWert(f, fWert));
        return f;
    }
};

std::string Bereichszeilen(const char* pcPraefix, int iAnzahl)
{
    std::string s;
    for (int i = 0; i < iAnzahl; ++i)
        s += std::string(pcPraefix) + std::to_string(i) + "=" + std::to_string(i + 1) +
             ";0;27648;0;0;2;V;B" + std::to_string(i) + ";\n";
    return s;
}

} // namespace

TEST_F(Analog, RohwertZuMesswert)
{
    EXPECT_FLOAT_EQ(Wert(ein, 0, 13824), 5.0f);
    EXPECT_FLOAT_EQ(Wert(ein, 0, 27648), 10.0f);
    EXPECT_FLOAT_EQ(Wert(ein, 0, 0), 0.0f);
    // Live zero (condition B).
    EXPECT_FLOAT_EQ(Wert(ein, 1, 0), 4.0f);
    EXPECT_FLOAT_EQ(Wert(ein, 1, 27648), 20.0f);
    EXPECT_FLOAT_EQ(Wert(ein, 1, 13824), 12.0f);
    // Bipolar engineering range: neither A nor B.
    EXPECT_FLOAT_EQ(Wert(ein, 2, -27648), -10.0f);
    EXPECT_FLOAT_EQ(Wert(ein, 2, 27648), 10.0f);
    // Unipolar range on a bipolar raw range (condition A).
    EXPECT_NEAR(Wert(ein, 3, -27648), 0.0f, 1e-4f);
    EXPECT_NEAR(Wert(ein, 3, 0), 50.0f, 1e-4f);
    EXPECT_NEAR(Wert(ein, 3, 27648), 100.0f, 1e-4f);
    // The output table for outputs.
    EXPECT_FLOAT_EQ(Wert(aus, 1, 27648), 20.0f);
}

TEST_F(Analog, MesswertZuRohwert)
{
    EXPECT_FLOAT_EQ(Roh(ein, 0, 5.0f), 13824.0f);
    EXPECT_FLOAT_EQ(Roh(ein, 1, 4.0f), 0.0f);
    EXPECT_NEAR(Roh(ein, 1, 20.0f), 27648.0f, 0.01f);
    EXPECT_NEAR(Roh(ein, 3, 50.0f), 0.0f, 0.01f);
    EXPECT_NEAR(Roh(ein, 3, 0.0f), -27648.0f, 0.01f);
    EXPECT_NEAR(Roh(ein, 2, -10.0f), -27648.0f, 0.01f);
}

TEST_F(Analog, TabelleNachRichtung)
{
    paneltest::MessbereicheAus("[analogeingabe]\nEMB0=10;0;27648;0;0;2;V;ein;\n"
                               "[analogausgabe]\nAMB0=100;0;27648;0;0;2;V;aus;\n");
    EXPECT_FLOAT_EQ(Wert(ein, 0, 27648), 10.0f);
    EXPECT_FLOAT_EQ(Wert(aus, 0, 27648), 100.0f);
    ein.Op = 'I';
    aus.Op = 'Q';
    EXPECT_FLOAT_EQ(Wert(ein, 0, 27648), 10.0f);
    EXPECT_FLOAT_EQ(Wert(aus, 0, 27648), 100.0f);
}

TEST_F(Analog, KeinBereichUndNullSpannen)
{
    // Outside the valid entries, or a letter without a range: 0.
    for (int32_t iMessb : {6, 29, 30, -1, 1000000}) {
        EXPECT_EQ(Wert(ein, iMessb, 12345), 0.0f) << iMessb;
        EXPECT_EQ(Roh(ein, iMessb, 3.0f), 0.0f) << iMessb;
    }
    ein.Op = 'M';
    EXPECT_EQ(Wert(ein, 0, 27648), 0.0f);
    EXPECT_EQ(Roh(ein, 0, 10.0f), 0.0f);
    ein.Op = 'E';
    // Equal raw values: the lower end, never a division by zero.
    EXPECT_EQ(Wert(ein, 4, 500), 0.0f);
    EXPECT_EQ(Wert(ein, 4, 20000), 0.0f);
    EXPECT_EQ(Roh(ein, 4, 7.0f), 500.0f);
    // Equal engineering values: forward gives that value, backward the
    // lower raw value.
    EXPECT_FLOAT_EQ(Wert(ein, 5, 1000), 5.0f);
    EXPECT_EQ(Roh(ein, 5, 5.0f), 0.0f);
    EXPECT_TRUE(std::isfinite(Roh(ein, 5, 1.0f)));
}

TEST_F(Analog, PixelAufDemBalken)
{
    uint8_t* pPE = D7ED_GetPeriEPtr();
    ein.Messb = 0;
    ein.AnalogwertEinstellenPixel(0, 100);
    EXPECT_EQ(Wort(pPE, 64), 0);
    ein.AnalogwertEinstellenPixel(50, 100);
    EXPECT_EQ(Wort(pPE, 64), 13824);
    ein.AnalogwertEinstellenPixel(33, 100);
    EXPECT_EQ(Wort(pPE, 64), 9123);   // 27648 * 0.33 = 9123.84, cut toward zero
    ein.AnalogwertEinstellenPixel(250, 100);
    EXPECT_EQ(Wort(pPE, 64), 27648);
    // Below 0 the pixel is held at 0.
    ein.AnalogwertEinstellenPixel(-30, 100);
    EXPECT_EQ(Wort(pPE, 64), 0);
    ein.Messb = 2;
    ein.AnalogwertEinstellenPixel(-1, 100);
    EXPECT_EQ(Wort(pPE, 64), uint16_t(-27648));
    ein.AnalogwertEinstellenPixel(100, 100);
    EXPECT_EQ(Wort(pPE, 64), 27648);
    // A bar without length sets the lower end.
    ein.AnalogwertEinstellenPixel(5, 0);
    EXPECT_EQ(Wort(pPE, 64), uint16_t(-27648));

    // Outputs, other letters and missing ranges are not set.
    Wort(pPE, 64, 0x1111);
    aus.Messb = 0;
    aus.AnalogwertEinstellenPixel(50, 100);
    ein.Messb = 29;
    ein.AnalogwertEinstellenPixel(50, 100);
    ein.Op = 'M';
    ein.Messb = 0;
    ein.AnalogwertEinstellenPixel(50, 100);
    EXPECT_EQ(Wort(pPE, 64), 0x1111);
    EXPECT_EQ(Wort(D7ED_GetPeriAPtr(), 64), 0);
    EXPECT_EQ(Wort(D7ED_GetMPtr(), 64), 0);
}

TEST_F(Analog, AenderungsTest)
{
    uint8_t* pPE = D7ED_GetPeriEPtr();
    uint8_t* pPA = D7ED_GetPeriAPtr();
    EXPECT_FALSE(ein.bAnalogWertGeaendert());   // 0 as at the start
    Wort(pPE, 64, 0x8001);
    EXPECT_TRUE(ein.bAnalogWertGeaendert());
    EXPECT_EQ(ein.sLetzterAnalogwert, int16_t(0x8001));
    EXPECT_FALSE(ein.bAnalogWertGeaendert());
    // The output object watches the output bytes.
    Wort(pPE, 64, 5);
    EXPECT_FALSE(aus.bAnalogWertGeaendert());
    Wort(pPA, 64, 5);
    EXPECT_TRUE(aus.bAnalogWertGeaendert());
    EXPECT_FALSE(aus.bAnalogWertGeaendert());
    // A letter without an area: no change, remembered value 0.
    ein.Op = 'M';
    EXPECT_FALSE(ein.bAnalogWertGeaendert());
    EXPECT_EQ(ein.sLetzterAnalogwert, 0);
}

// --- Measuring-range file --------------------------------------------------------

TEST_F(PanelTest, MessbereichFelderUndEinheiten)
{
    Messbereich m;
    ASSERT_TRUE(MessbereichZeileAuswerten("850;-200;8500;-2000;1.5;1;°C;Pt100;Rest", m));
    EXPECT_FLOAT_EQ(m.fOberwert, 850.0f);
    EXPECT_FLOAT_EQ(m.fUnterwert, -200.0f);
    EXPECT_EQ(m.iRohOberwert, 8500);
    EXPECT_EQ(m.iRohUnterwert, -2000);
    EXPECT_FLOAT_EQ(m.fReserve, 1.5f);
    EXPECT_EQ(m.iNachkommastellen, 1);
    EXPECT_EQ(m.cEinheit, "°C");   // two characters, three bytes: kept whole
    EXPECT_EQ(m.cName, "Pt100");
    ASSERT_TRUE(MessbereichZeileAuswerten("1;0;1;0;0;0;mbar;Druck;", m));
    EXPECT_EQ(m.cEinheit, "mb");
    ASSERT_TRUE(MessbereichZeileAuswerten("1;0;1;0;0;0;V;;", m));
    EXPECT_EQ(m.cEinheit, "V");
    EXPECT_EQ(m.cName, "");

    EXPECT_FALSE(MessbereichZeileAuswerten("", m));
    Messbereich teil;
    EXPECT_FALSE(MessbereichZeileAuswerten("7;2;100;-100;0;3;V;ohne Ende", teil));
    // The fields before the refusal stay in the record.
    EXPECT_FLOAT_EQ(teil.fOberwert, 7.0f);
    EXPECT_EQ(teil.iRohUnterwert, -100);
    EXPECT_EQ(teil.cEinheit, "V");
}

TEST_F(PanelTest, MessbereichDateiGrenzfaelle)
{
    // Keys 0, 1 and 3: the gap ends the section.
    paneltest::MessbereicheAus("[analogeingabe]\nEMB0=1;0;10;0;0;1;V;a;\nEMB1=2;0;10;0;0;1;V;b;\n"
                               "EMB3=3;0;10;0;0;1;V;c;\n");
    EXPECT_EQ(iAnzahlMessbereicheEingabe, 2);
    EXPECT_EQ(iAnzahlMessbereicheAusgabe, 0);
    EXPECT_EQ(MessbereicheEingabe[1].cName, "b");

    // A value without its closing ";" ends the section; its fields stay in
    // the entry outside the count.
    paneltest::MessbereicheAus("[analogeingabe]\nEMB0=1;0;10;0;0;1;V;a;\nEMB1=9;0;10;0;0;1;V;b\n"
                               "EMB2=3;0;10;0;0;1;V;c;\n");
    EXPECT_EQ(iAnzahlMessbereicheEingabe, 1);
    EXPECT_FLOAT_EQ(MessbereicheEingabe[1].fOberwert, 9.0f);
    EXPECT_EQ(pGetMessbereich(true, 1), nullptr);
    ASSERT_NE(pGetMessbereich(true, 0), nullptr);

    // 35 keys give 30 ranges.
    paneltest::MessbereicheAus("[analogeingabe]\n" + Bereichszeilen("EMB", 35));
    EXPECT_EQ(iAnzahlMessbereicheEingabe, 30);
    EXPECT_EQ(MessbereicheEingabe[29].cName, "B29");

    // Outputs without an input section; section names ignore case.
    paneltest::MessbereicheAus("[AnalogAusgabe]\n" + Bereichszeilen("AMB", 3));
    EXPECT_EQ(iAnzahlMessbereicheEingabe, 0);
    EXPECT_EQ(iAnzahlMessbereicheAusgabe, 3);

    // An empty value ends the section like a missing key.
    paneltest::MessbereicheAus("[analogausgabe]\nAMB0=1;0;1;0;0;0;V;x;\nAMB1=\nAMB2=1;0;1;0;0;0;V;y;\n");
    EXPECT_EQ(iAnzahlMessbereicheAusgabe, 1);

    // A missing file empties both tables without a message.
    EXPECT_TRUE(MessbereicheEinlesen((testhilfe::NeuerOrdner("leer") / "MESSB.TXT").string()));
    EXPECT_EQ(iAnzahlMessbereicheEingabe, 0);
    EXPECT_EQ(iAnzahlMessbereicheAusgabe, 0);
    EXPECT_TRUE(GezeigteMeldungen().empty());
}

TEST_F(Analog, RohgrenzenAmRandDes32BitBereichs)
{
    // A range file may give the raw ends any 32-bit values: the span is
    // 2^32 - 1, not the -1 an int difference wraps to.
    paneltest::MessbereicheAus(
        "[analogeingabe]\nEMB0=10;0;2147483647;-2147483648;0;2;V;extrem;\n");
    ASSERT_EQ(iAnzahlMessbereicheEingabe, 1);
    EXPECT_NEAR(Wert(ein, 0, 0), 5.0f, 1e-3f);
    EXPECT_NEAR(Wert(ein, 0, 2147483647), 10.0f, 1e-3f);
    // The end of the bar sets the upper raw end (its low word).
    ein.AnalogwertEinstellenPixel(100, 100);
    const uint8_t* p = D7ED_GetPeriEPtr();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ((p[64] << 8) | p[65], 0xFFFF);
}

TEST_F(PanelTest, MitgelieferteMessbereiche)
{
    ASSERT_TRUE(MessbereicheEinlesen());
    EXPECT_GE(iAnzahlMessbereicheEingabe, 7);
    EXPECT_GE(iAnzahlMessbereicheAusgabe, 5);
    QWidget eltern;
    TMyObj o(&eltern, AnalogEingang, 0, 0, 0, 0);
    bool bVierZwanzig = false;
    for (bool bEingabe : {true, false}) {
        o.Op = bEingabe ? 'E' : 'A';
        const int n = bEingabe ? iAnzahlMessbereicheEingabe : iAnzahlMessbereicheAusgabe;
        for (int i = 0; i < n; ++i) {
            const Messbereich& m = *pGetMessbereich(bEingabe, i);
            SCOPED_TRACE(m.cName);
            EXPECT_FALSE(m.cName.empty());
            EXPECT_FALSE(m.cEinheit.empty());
            EXPECT_GT(m.iRohOberwert, m.iRohUnterwert);
            EXPECT_GT(m.fOberwert, m.fUnterwert);
            EXPECT_LE(m.iRohOberwert - m.iRohUnterwert, 65535);
            EXPECT_GE(m.iRohUnterwert, -32768);
            EXPECT_LE(m.iRohOberwert, 32767);
            // Each range's raw ends show its engineering ends.
            o.Messb = i;
            float f = 0;
            o.GetAnalogWertVonStatus(f, m.iRohUnterwert);
            EXPECT_NEAR(f, m.fUnterwert, 0.01f * (m.fOberwert - m.fUnterwert));
            o.GetAnalogWertVonStatus(f, m.iRohOberwert);
            EXPECT_NEAR(f, m.fOberwert, 0.01f * (m.fOberwert - m.fUnterwert));
            if (m.fUnterwert == 4.0f && m.fOberwert == 20.0f && m.iRohOberwert == 27648)
                bVierZwanzig = true;
        }
    }
    EXPECT_TRUE(bVierZwanzig);
}
