// Runs the built command-line tool and collects what it printed.
#pragma once

#include <QString>
#include <QStringList>

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
    QStringList outLines() const;
};

CliRun runCli(const QStringList &arguments);
