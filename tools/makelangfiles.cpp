// quirrel2-makelangfiles: writes the eight shipped language files from their table.
//
//   quirrel2-makelangfiles <table.tsv> <output folder>
//
// Run by hand after the table has been edited, never by the build; the files it writes are
// the ones kept in resources/lang.
#include "tools/langtable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: quirrel2-makelangfiles <table.tsv> <output folder>\n");
        return 2;
    }
    QFile table(QString::fromLocal8Bit(argv[1]));
    if (!table.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    QList<tLangRow> rows;
    QString error;
    if (!ReadLangTable(table.readAll(), rows, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(error));
        return 1;
    }

    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (int language = 0; language < kLangTableLanguages; ++language) {
        for (const bool messages : {false, true}) {
            const QString path = out.filePath(LangFileName(language, messages));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                file.write(LangFileBytes(rows, language, messages)) < 0 || !file.flush()) {
                std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
                return 1;
            }
            std::printf("%s\n", qPrintable(path));
        }
    }
    return 0;
}
