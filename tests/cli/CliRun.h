#pragma once
// Runs the built velmora-cli as a user runs it and keeps what it printed.

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QStringList>

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline CliRun runCli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VELMORA_BIN_DIR "/velmora-cli"), args);
    CliRun r;
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

inline QList<QByteArray> lines(const QByteArray& out) {
    QList<QByteArray> result = out.split('\n');
    if (!result.isEmpty() && result.last().isEmpty()) result.removeLast();
    return result;
}
