#pragma once
// Runs the built velmora-cli as a user runs it and keeps what it printed.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryFile>

#include <spawn.h>
#include <sys/wait.h>

#include <vector>

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline const QString kCliProgram = QStringLiteral(VELMORA_BIN_DIR "/velmora-cli");

// `program`: the companion, or a copy of it in another program folder.
inline CliRun runCli(const QStringList& args, const QString& program = kCliProgram) {
    QProcess p;
    p.start(program, args);
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

// The same with arguments and an environment of bytes, as a shell passes
// them: a file name that is not UTF-8 reaches the companion unchanged.
// `outputTo`: a file the standard output goes to instead of being kept, as
// with "> file" on a shell's line.
inline CliRun runCliBytes(const QList<QByteArray>& args, const QList<QByteArray>& environment,
                          const QByteArray& outputTo = {}) {
    CliRun r;
    QTemporaryFile out, err;
    if (!out.open() || !err.open()) return r;
    QFile redirected(QFile::decodeName(outputTo));
    if (!outputTo.isEmpty() && !redirected.open(QIODevice::WriteOnly)) return r;
    const QByteArray program = QFile::encodeName(kCliProgram);
    std::vector<char*> argv{const_cast<char*>(program.constData())};
    for (const QByteArray& a : args)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const QByteArray& e : environment)
        envp.push_back(const_cast<char*>(e.constData()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions,
                                     outputTo.isEmpty() ? out.handle() : redirected.handle(), 1);
    posix_spawn_file_actions_adddup2(&actions, err.handle(), 2);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return r;
    r.exitCode = WEXITSTATUS(status);
    out.seek(0);
    err.seek(0);
    r.out = out.readAll();
    r.err = err.readAll();
    return r;
}

inline QList<QByteArray> lines(const QByteArray& out) {
    QList<QByteArray> result = out.split('\n');
    if (!result.isEmpty() && result.last().isEmpty()) result.removeLast();
    return result;
}
