#pragma once
// A print system of the test's own: CUPS's daemon (Debian package
// cups-daemon) run in the foreground as whoever runs the test, listening
// only on the socket CUPS_SERVER names, with its configuration, spool,
// logs and state in that socket's folder.  Its one queue, kQueue (the
// default), is a raw queue whose backend, a shell script in the daemon's
// own program folder, copies each job's document to out/job-N.pdf.  The
// test program sets CUPS_SERVER before anything asks the print system, so
// that neither this daemon nor a test without it reaches the machine's
// printers.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <signal.h>
#include <sys/prctl.h>

class PrivateCups {
public:
    static constexpr const char* kQueue = "AlmucanTest";

    PrivateCups() : socket_(qEnvironmentVariable("CUPS_SERVER")) {
        const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/usr/local/sbin"});
        if (cupsd.isEmpty() || !socket_.startsWith('/')) {
            why_ = cupsd.isEmpty() ? "cupsd is not installed (Debian package cups-daemon)"
                                   : "CUPS_SERVER names no socket: " + socket_;
            return;
        }
        dir_ = QFileInfo(socket_).absolutePath() + "/cups";
        QFile::remove(socket_);
        QDir(dir_).removeRecursively();
        for (const char* sub : {"conf", "spool/temp", "log", "cache", "state", "bin/backend", "out"})
            QDir(dir_).mkpath(sub);
        QFile::link("/usr/lib/cups/daemon", path("bin/daemon"));  // cups-exec, which starts the backend
        // Mode 0700: the daemon runs it as its own user, root included.
        write("bin/backend/almucantest",
              "#!/bin/sh\n[ $# -eq 0 ] && exit 0  # asked for its devices: none\n"
              "out=${DEVICE_URI#almucantest:}\n"
              "cat \"${6:--}\" > \"$out/job-$1.part\" && mv \"$out/job-$1.part\" \"$out/job-$1.pdf\"\n");
        QFile::setPermissions(path("bin/backend/almucantest"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        write("cupsd.conf", "Listen " + socket_ + "\nBrowsing No\nLogLevel info\n"
                            "<Policy default>\n<Limit All>\nOrder Allow,Deny\n</Limit>\n</Policy>\n");
        QString files;
        for (const auto& [key, sub] : {std::pair{"ServerRoot", "conf"}, {"ServerBin", "bin"}, {"RequestRoot", "spool"},
                                       {"TempDir", "spool/temp"}, {"CacheDir", "cache"}, {"StateDir", "state"},
                                       {"AccessLog", "log/access_log"}, {"ErrorLog", "log/error_log"},
                                       {"PageLog", "log/page_log"}, {"Printcap", "printcap"}})
            files += QString(key) + ' ' + path(sub) + '\n';
        write("cups-files.conf", files);
        write("conf/printers.conf", QString("<DefaultPrinter %1>\nDeviceURI almucantest:%2\nState Idle\nAccepting Yes\n"
                                            "Shared No\n</DefaultPrinter>\n").arg(kQueue, path("out")));
        // No message bus either (colour profiles): nothing outside the folder.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + path("no-bus"));
        cupsd_.setProcessEnvironment(env);
        // The daemon ends with the test, however the test ends.
        cupsd_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        cupsd_.start(cupsd, {"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
        const QDeadlineTimer deadline(10000);
        for (; cupsd_.state() != QProcess::NotRunning && !deadline.hasExpired(); QThread::msleep(50))
            if (listening()) return;
        why_ = "cupsd did not start: " + QString::fromLocal8Bit(cupsd_.readAllStandardError()) + log();
    }
    // The daemon is asked to stop first; one that still runs (or never
    // listened) is killed when its QProcess is destroyed.
    ~PrivateCups() {
        cupsd_.terminate();
        cupsd_.waitForFinished(5000);
        if (dir_.isEmpty()) return;
        QDir(dir_).removeRecursively();
        QFile::remove(socket_);
    }
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    bool started() const { return why_.isEmpty(); }
    const QString& why() const { return why_; }
    // The documents the daemon has taken (its spool) and those its backend wrote.
    QStringList documents() const {
        return QDir(path("spool")).entryList({"d*"}, QDir::Files) + QDir(path("out")).entryList(QDir::Files);
    }
    // The first job's document once the backend has written it (empty
    // after `ms` without one).
    QString waitForJob(int ms = 20000) const {
        for (const QDeadlineTimer deadline(ms); !deadline.hasExpired(); QThread::msleep(50))
            if (QFile::exists(path("out/job-1.pdf"))) return path("out/job-1.pdf");
        return {};
    }
    // The daemon's error log, to say why something failed.
    QString log() const {
        QFile f(path("log/error_log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
    }

private:
    QString path(const QString& sub) const { return dir_ + '/' + sub; }
    void write(const QString& sub, const QString& text) const {
        QFile f(path(sub));
        if (f.open(QIODevice::WriteOnly)) f.write(text.toLocal8Bit());
    }
    // Whether the daemon takes connections on the socket (a name that
    // begins with '/' is the socket's path).
    bool listening() const {
        QLocalSocket s;
        s.connectToServer(socket_);
        return s.waitForConnected(1000);
    }

    QString socket_;
    QString dir_;  // the daemon's folder; empty when it was never made
    QString why_;
    QProcess cupsd_;
};
