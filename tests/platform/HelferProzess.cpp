#include "HelferProzess.h"

std::unique_ptr<QProcess> HelferStarten(const QStringList& argumente)
{
    auto p = std::make_unique<QProcess>();
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QStringLiteral(PLATTFORM_HELFER), argumente);
    if (!p->waitForStarted(10000))
        return nullptr;
    return p;
}

std::string HelferZeile(QProcess& prozess, int iMs)
{
    while (!prozess.canReadLine()) {
        if (!prozess.waitForReadyRead(iMs))
            return "";
    }
    return prozess.readLine().trimmed().toStdString();
}

int HelferLaufenLassen(const QStringList& argumente, std::string& sAusgabe, int iMs)
{
    auto p = HelferStarten(argumente);
    if (!p)
        return -1;
    if (!p->waitForFinished(iMs)) {
        p->kill();
        p->waitForFinished();
        return -1;
    }
    sAusgabe = p->readAllStandardOutput().toStdString();
    return p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
}
