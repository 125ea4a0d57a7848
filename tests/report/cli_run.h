#pragma once

// Runs lajes-cli as its own process, without a platform or a display in its environment.

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace lajes::report::testing {

// The end-to-end slab: case 1, solid, Lx = Ly = 4 m, h = 10 cm, g = 250 typed (500 with the
// self-weight), q = 200, fck 20, CA-50A, cover 1 cm, wall 0.15 m, phi_inf 2.
inline constexpr const char* endToEndJson =
    R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200,"fck":20,"SteelGrade":"CA-50A",)"
    R"("settings":{"wallWidth":0.15,"cover":1,"phiInfinity":2}})";

struct CliResult {
    bool finished = false;
    int status = -1;
    QString errors;
};

#ifdef LAJES_CLI_PATH
inline CliResult runCli(const QString& workingDirectory, const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LAJES_CLI_PATH), arguments);
    CliResult result;
    result.finished =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    result.status = process.exitCode();
    result.errors = QString::fromUtf8(process.readAllStandardError());
    return result;
}
#endif

inline bool writeText(const QString& path, const char* text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) >= 0;
}

} // namespace lajes::report::testing
