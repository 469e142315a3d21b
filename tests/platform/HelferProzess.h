// Runs the platform helper program as a second process.
#pragma once

#include <QProcess>
#include <QStringList>

#include <memory>
#include <string>

// Starts the helper with the arguments; nullptr when it does not start.
std::unique_ptr<QProcess> HelferStarten(const QStringList& argumente);
// Next line of its output without the line end ("" after the timeout).
std::string HelferZeile(QProcess& prozess, int iMs = 10000);
// Runs the helper to its end; its exit code (-1 on a crash or timeout) and
// its whole output.
int HelferLaufenLassen(const QStringList& argumente, std::string& sAusgabe, int iMs = 10000);
