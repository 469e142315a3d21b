#include "Namensraum.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <cstdlib>
#include <unistd.h>

namespace netzplantest {

namespace {
constexpr const char* kMerker = "NETZPLAN_TEST_IM_NAMENSRAUM";
}

bool bImNamensraum()
{
    const char* pc = std::getenv(kMerker);
    return pc && *pc == '1';
}

NamensraumLauf AktuellenFallImNamensraumAusfuehren()
{
    NamensraumLauf lauf;
    const auto* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString sFilter =
        QString("--gtest_filter=%1.%2").arg(pInfo->test_suite_name(), pInfo->name());
    char acSelbst[4096] = {};
    const ssize_t n = ::readlink("/proc/self/exe", acSelbst, sizeof acSelbst - 1);
    if (n <= 0) {
        lauf.bUebersprungen = true;
        lauf.sAusgabe = "own program file unknown";
        return lauf;
    }
    QStringList argumente;
    if (::geteuid() == 0)
        argumente << "-n";
    else
        argumente << "-c" << "-n" << "--keep-caps";
    argumente << "--" << "sh" << "-c" << "ip link set lo up && exec \"$0\" \"$1\""
              << QString::fromLocal8Bit(acSelbst) << sFilter;
    QProcess prozess;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(kMerker, "1");
    prozess.setProcessEnvironment(umgebung);
    prozess.setProcessChannelMode(QProcess::MergedChannels);
    prozess.start("unshare", argumente);
    if (!prozess.waitForStarted(10000) || !prozess.waitForFinished(90000)) {
        prozess.kill();
        prozess.waitForFinished(2000);
        lauf.bUebersprungen = !prozess.readAll().contains("[ RUN      ]");
        lauf.sAusgabe = "unshare did not start or did not end";
        return lauf;
    }
    const QByteArray ausgabe = prozess.readAll();
    lauf.sAusgabe = ausgabe.toStdString();
    if (!ausgabe.contains("[ RUN      ]") || ausgabe.contains("[  SKIPPED ]")) {
        lauf.bUebersprungen = true;
        return lauf;
    }
    lauf.bBestanden = prozess.exitStatus() == QProcess::NormalExit && prozess.exitCode() == 0 &&
                      ausgabe.contains("[  PASSED  ] 1 test");
    return lauf;
}

} // namespace netzplantest
