// A meter memory for scripted converters: answers "mem:free?", "mem:dat?" and "MEM:CLE",
// with or without a bank number.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QMap>

struct tMemoryMeter {
    QMap<int, QByteArrayList> Banks; // dump records by bank; bank -1: the whole memory
    int FailClearAt = -2;            // the bank whose clear gets no answer (-1 the whole)

    // The reply to a memory command; empty (silence) for any other line.
    QByteArray MemoryReply(const QByteArray& line) const
    {
        const QList<QByteArray> words = line.split(' ');
        const int bank = words.size() > 1 ? words[1].toInt() : -1;
        const QByteArray suffix = bank >= 0 ? " " + QByteArray::number(bank) : QByteArray();
        if (words[0] == "mem:free?")
            return "FREE" + suffix + (Banks.value(bank).isEmpty() ? " 0,0" : " 1,99") + "\r\n";
        if (words[0] == "mem:dat?")
            return "MEM:DAT" + suffix + " " + Banks.value(bank).join(';') + "\r\n";
        if (words[0] == "MEM:CLE") return bank == FailClearAt ? QByteArray() : "OK\r\n";
        return QByteArray();
    }
};
