// Starts quirrel2-metersim as a child process and reads the pseudo-terminal path it prints,
// for the end-to-end test and the benchmark.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

class tMeterSimProcess {
public:
    ~tMeterSimProcess() { Stop(); }

    // False with a reason when the tool did not come up (no pseudo-terminals, say).
    bool Start(const QString& program, const QStringList& arguments, QString& error)
    {
        Process.setProgram(program);
        Process.setArguments(arguments);
        Process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        Process.start();
        if (!Process.waitForStarted(5000)) {
            error = Process.errorString();
            return false;
        }
        while (!Process.canReadLine()) {
            if (!Process.waitForReadyRead(5000)) {
                error = QStringLiteral("no device path from %1").arg(program);
                Stop();
                return false;
            }
        }
        Path = QString::fromLocal8Bit(Process.readLine()).trimmed();
        return !Path.isEmpty();
    }

    void Stop()
    {
        if (Process.state() == QProcess::NotRunning) return;
        Process.closeWriteChannel(); // the tool ends with its standard input
        if (!Process.waitForFinished(2000)) {
            Process.kill();
            Process.waitForFinished(2000);
        }
    }

    QString Path;
    QProcess Process;
};
