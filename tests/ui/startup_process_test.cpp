// The program's start-up as a separate process, in an empty folder: offscreen it reaches its
// main window, leaves through "&Arquivos" → "&Saída" and leaves Quenvor.cfg behind (a build of
// the same start-up that uses the menu once the main window is up); without any graphical
// display the real program says so in one Portuguese line and ends with 1.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Runs the start-up probe in `folder` with `argument` given as the bytes it is (QProcess would
// pass it as UTF-8) and the environment changed by `set` ("NAME=value"; "NAME" alone unsets
// it). The exit status, or -1 when it had not ended within 30 s (then it is killed).
int runProbe(const QString& folder, const QByteArray& argument, const QByteArrayList& set) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        for (const QByteArray& entry : set) {
            const qsizetype equals = entry.indexOf('=');
            if (equals < 0)
                ::unsetenv(entry.constData());
            else
                ::setenv(entry.left(equals).constData(), entry.mid(equals + 1).constData(), 1);
        }
        if (::chdir(QFile::encodeName(folder).constData()) != 0)
            ::_exit(120);
        QByteArray probe(LAJES_STARTUP_PROBE);
        char* arguments[] = {probe.data(),
                             argument.isEmpty() ? nullptr : const_cast<char*>(argument.constData()),
                             nullptr};
        ::execv(probe.constData(), arguments);
        ::_exit(121);
    }
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        if (std::chrono::steady_clock::now() > giveUp) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class StartupProcessTest : public QObject {
    Q_OBJECT

private slots:
    void programEndsThroughSaidaAndWritesTheConfiguration_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QByteArray>("after");
        const QByteArray defaults("4\r\n1\r\n2\r\n2\r\n1:50\r\n"
                                  " 1.50000000000000E-0001\r\n"
                                  " 1.00000000000000E+0000\r\n"
                                  " 2.00000000000000E+0000\r\n"
                                  "EOF\r\n");
        QTest::newRow("no file, comma locale") << QByteArray() << "pt_BR.UTF-8" << defaults;
        QTest::newRow("no file, point locale") << QByteArray() << "C.UTF-8" << defaults;
        QTest::newRow("existing file kept, comma locale")
            << QByteArray("7\r\n7\r\n7\r\n7\r\n1:100\r\n 2.00000000000000E-0001\r\n"
                          " 2.50000000000000E+0000\r\n 1.80000000000000E+0000\r\nEOF\r\n")
            << "pt_BR.UTF-8"
            << QByteArray("7\r\n7\r\n7\r\n7\r\n1:100\r\n 2.00000000000000E-0001\r\n"
                          " 2.50000000000000E+0000\r\n 1.80000000000000E+0000\r\nEOF\r\n");
    }
    void programEndsThroughSaidaAndWritesTheConfiguration() {
        QFETCH(QByteArray, before);
        QFETCH(QString, lang);
        QTemporaryDir folder;
        const QString config = folder.filePath(QStringLiteral("Quenvor.cfg"));
        if (!before.isNull()) {
            QFile file(config);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
        }
        QProcess lajes;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LANG"), lang);
        environment.insert(QStringLiteral("LC_ALL"), lang);
        lajes.setProcessEnvironment(environment);
        lajes.setWorkingDirectory(folder.path());
        lajes.start(QStringLiteral(LAJES_STARTUP_PROBE), {});
        QVERIFY2(lajes.waitForFinished(30000), "the program did not end");
        QCOMPARE(lajes.exitStatus(), QProcess::NormalExit);
        QCOMPARE(lajes.exitCode(), 0);
        QFile file(config);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        QCOMPARE(written.count("\r\n"), 9);
        QTEST(written, "after");
    }

    // `lajes FILE.laje`: the file is opened after the start-up sequence (it joins the recent
    // files in the program's own settings); Quenvor.cfg keeps its nine lines.
    void programOpensTheFileOnItsCommandLine() {
        QTemporaryDir folder;
        const QString slab = QStringLiteral(LAJES_EXAMPLES_DIR "/L3-caso3.laje");
        QProcess lajes;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
        lajes.setProcessEnvironment(environment);
        lajes.setWorkingDirectory(folder.path());
        lajes.start(QStringLiteral(LAJES_STARTUP_PROBE), {slab});
        QVERIFY2(lajes.waitForFinished(30000), "the program did not end");
        QCOMPARE(lajes.exitCode(), 0);
        QFile recent(folder.filePath(QStringLiteral("Lajes/Lajes.conf")));
        QVERIFY(recent.open(QIODevice::ReadOnly));
        QVERIFY(recent.readAll().contains(slab.toUtf8()));
        QFile config(folder.filePath(QStringLiteral("Quenvor.cfg")));
        QVERIFY(config.open(QIODevice::ReadOnly));
        QCOMPARE(config.readAll().count("\r\n"), 9);

        lajes.start(QStringLiteral(LAJES_EXECUTABLE), {slab, slab});
        QVERIFY(lajes.waitForFinished(30000));
        QCOMPARE(lajes.exitCode(), 2);
        QVERIFY(lajes.readAllStandardError().endsWith("Uso: lajes [ARQUIVO.laje]\n"));
    }

    // The recent list where the user cannot mean it to be, and a file name that is not UTF-8:
    // the program comes up, opens the file and ends; nothing is created where it must not be.
    void programKeepsItsRecentListWhereItBelongs_data() {
        QTest::addColumn<QByteArray>("fileName"); // in the test's folder, a copy of L3-caso3
        QTest::addColumn<bool>("listIsAPipe");
        QTest::addColumn<bool>("listed"); // the file is in the recent list afterwards
        QTest::newRow("recent list a named pipe") << QByteArray("L3.laje") << true << false;
        QTest::newRow("name from an old disk, not UTF-8")
            << QByteArray("laje\xe7\xe3o.laje") << false << true;
    }
    void programKeepsItsRecentListWhereItBelongs() {
        QFETCH(QByteArray, fileName);
        QFETCH(bool, listIsAPipe);
        QFETCH(bool, listed);
        QTemporaryDir folder;
        const QByteArray root = QFile::encodeName(folder.path());
        const QByteArray file = root + '/' + fileName;
        const QByteArray slab = contents(QStringLiteral(LAJES_EXAMPLES_DIR "/L3-caso3.laje"));
        FILE* out = std::fopen(file.constData(), "wb");
        QVERIFY(out);
        QCOMPARE(std::fwrite(slab.constData(), 1, static_cast<std::size_t>(slab.size()), out),
                 static_cast<std::size_t>(slab.size()));
        std::fclose(out);
        const QByteArray list = root + "/cfg/Lajes/Lajes.conf";
        if (listIsAPipe) {
            QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("cfg/Lajes"))));
            QCOMPARE(::mkfifo(list.constData(), 0600), 0);
        }
        QCOMPARE(runProbe(folder.path(), file, {"XDG_CONFIG_HOME=" + root + "/cfg"}), 0);
        struct stat info {};
        QCOMPARE(::stat(list.constData(), &info), 0);
        QCOMPARE(S_ISFIFO(info.st_mode), listIsAPipe);
        if (!listIsAPipe)
            QCOMPARE(contents(QFile::decodeName(list)).contains(file), listed);
    }

    void noDisplayIsOnePortugueseLineAndExitOne_data() {
        QTest::addColumn<QString>("platform"); // empty: not set
        QTest::newRow("platform not set") << QString();
        QTest::newRow("xcb") << QStringLiteral("xcb");
        QTest::newRow("wayland") << QStringLiteral("wayland");
        QTest::newRow("unknown platform") << QStringLiteral("nenhuma");
    }
    void noDisplayIsOnePortugueseLineAndExitOne() {
        QFETCH(QString, platform);
        QTemporaryDir folder;
        QProcess lajes;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        lajes.setProcessEnvironment(environment);
        lajes.setWorkingDirectory(folder.path());
        lajes.start(QStringLiteral(LAJES_EXECUTABLE), {});
        QVERIFY2(lajes.waitForFinished(30000), "the program did not end");
        QCOMPARE(lajes.exitStatus(), QProcess::NormalExit);
        QCOMPARE(lajes.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(lajes.readAllStandardError()),
                 QStringLiteral("lajes: nenhuma tela gráfica foi encontrada; o programa precisa "
                                "de uma sessão gráfica (DISPLAY ou WAYLAND_DISPLAY).\n"));
        QCOMPARE(lajes.readAllStandardOutput(), QByteArray());
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("Quenvor.cfg"))));
    }
};

QTEST_MAIN(StartupProcessTest)
#include "startup_process_test.moc"
