// The reading list file: Windows-1252 text, one "value;unit;time" line per reading.
#include "ui/savelist.h"

#include "common/valuetext.h"
#include "i18n/cp1252.h"
#include "i18n/filesave.h"
#include "i18n/msgboxes.h"
#include "i18n/msgmanager.h"
#include "ui/measlist.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QTime>

namespace {

QString TimeText(const QDateTime& stamp)
{
    const QTime t = stamp.time();
    if (!t.isValid()) return QStringLiteral("00:00:00");
    return QString::asprintf("%02d:%02d:%02d", t.hour(), t.minute(), t.second());
}

qint64 WriteAll(QIODevice& device, const QByteArray& bytes)
{
    return device.write(bytes);
}

} // namespace

QString SavedUnitName(uint8_t unitCode)
{
    switch (unitCode) {
    case UnitLux:
        return QStringLiteral("lx");
    case UnitFootcandle:
        return QStringLiteral("fC");
    case UnitCandela:
        return QStringLiteral("cd/m\u00b2");
    case UnitFootlambert:
        return QStringLiteral("fL");
    default:
        return QString();
    }
}

QByteArray ReadingLine(const tSavedReading& reading, QChar decimalPoint)
{
    QByteArray line;
    AppendCp1252(line, ValueNumber(reading.Value, 2, decimalPoint));
    line.append(';');
    AppendCp1252(line, SavedUnitName(reading.UnitCode));
    line.append(';');
    AppendCp1252(line, TimeText(reading.Stamp));
    line.append("\r\n");
    return line;
}

QByteArray ReadingListBytes(int count, const std::function<tSavedReading(int index)>& at,
                            QChar decimalPoint)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(ReadingLine(at(i), decimalPoint));
    return bytes;
}

QByteArray ReadingListBytes(const std::vector<tSavedReading>& readings, QChar decimalPoint)
{
    return ReadingListBytes(
        int(readings.size()), [&readings](int i) { return readings[size_t(i)]; }, decimalPoint);
}

std::vector<tSavedReading> SavedReadingsOf(const tMeasList& list)
{
    std::vector<tSavedReading> readings;
    readings.reserve(size_t(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        const tMeasRec rec = list.Get(i);
        readings.push_back({rec.Value, rec.UnitCode, rec.Stamp});
    }
    return readings;
}

bool SaveReadingList(const QString& path, const QByteArray& bytes, const tWriteBytes& write)
{
    if (path.isEmpty()) return false;
    QFileInfo target(path);
    if (target.exists()) {
        // A file the user marked read-only is not replaced behind his back, and a folder
        // cannot take the list.
        if (!target.isFile() || IsReadOnly(path)) return false;
        const QString real = target.canonicalFilePath(); // through a link to where it leads
        if (!real.isEmpty()) target = QFileInfo(real);
    }
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir() || IsReadOnly(folder)) return false;

    // The temporary file lies beside the target and replaces it only at commit().
    QSaveFile out(target.absoluteFilePath());
    if (!out.open(QIODevice::WriteOnly)) return false;
    const qint64 written = write ? write(out, bytes) : WriteAll(out, bytes);
    if (written != bytes.size() || out.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

QString& SDlgFileName()
{
    static QString name;
    return name;
}

QString SDlg(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Text-Dateien (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setSizeGripEnabled(true);
    if (!SDlgFileName().isEmpty()) dialog.selectFile(SDlgFileName());
    if (dialog.exec() != QDialog::Accepted) return QString();
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return QString();
    SDlgFileName() = chosen.first();
    return chosen.first();
}

QString SaveErrorText()
{
    const QString def = QStringLiteral("Die Liste konnte nicht gespeichert werden");
    return MsgManager
               ? MsgManager->ReadMsg(QStringLiteral("general"), QStringLiteral("saveErrMsg"), def)
               : def;
}

bool SaveListWithDialog(QWidget* parent, const std::vector<tSavedReading>& readings,
                        const tChooseFile& choose)
{
    if (readings.empty()) return false;
    const QString path = choose(parent);
    if (path.isEmpty()) return false;
    if (SaveReadingList(path, ReadingListBytes(readings, LocaleDecimalPoint()))) return true;
    InfoBox(SaveErrorText());
    return false;
}
