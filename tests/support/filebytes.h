// Whole files as bytes, for tests that look at what the program wrote.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}
