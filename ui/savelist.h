// "Liste speichern": the reading list as a text file for spreadsheets, written so that a
// failure never leaves a damaged file behind and is always reported.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class QIODevice;
class QWidget;
class tMeasList;

// One line of the file.
struct tSavedReading {
    float Value = 0;
    uint8_t UnitCode = 0;
    QDateTime Stamp;
};

// "lx", "fC", "cd/m²", "fL"; empty for an unknown code.
QString SavedUnitName(uint8_t unitCode);

// value;unit;hh:nn:ss and CR LF, as Windows-1252 bytes. The value has 2 decimals and the
// given decimal separator.
QByteArray ReadingLine(const tSavedReading& reading, QChar decimalPoint);

// The whole file: one line per reading, in list order, nothing else.
QByteArray ReadingListBytes(int count, const std::function<tSavedReading(int index)>& at,
                            QChar decimalPoint);
QByteArray ReadingListBytes(const std::vector<tSavedReading>& readings, QChar decimalPoint);

// A snapshot of the window's list; saving works on it and never changes the list.
std::vector<tSavedReading> SavedReadingsOf(const tMeasList& list);

// Writes the bytes to the device; returns the number of bytes written, or -1.
using tWriteBytes = std::function<qint64(QIODevice& device, const QByteArray& bytes)>;

// Writes the file through a temporary file in the target's folder and renames it over the
// target only when every byte was written. On failure an existing file stays as it was and
// no temporary file remains. A target that is a folder or a read-only file is refused. Tests
// pass their own writer to simulate a full disk.
bool SaveReadingList(const QString& path, const QByteArray& bytes,
                     const tWriteBytes& write = tWriteBytes());

// The save dialog: "Text-Dateien" (*.txt), ".txt" added to a name without an extension, no
// question before replacing a file, proposing the name chosen last in this run. The chosen
// path, or empty when cancelled.
QString SDlg(QWidget* parent);
// The name SDlg proposes; tests start from a known state.
QString& SDlgFileName();

// The text of the box shown when saving failed.
QString SaveErrorText();

// The whole of "Liste speichern": nothing for an empty list; otherwise the dialog, the file,
// and the information box when the file could not be written. True when a file was saved.
using tChooseFile = std::function<QString(QWidget* parent)>;
bool SaveListWithDialog(QWidget* parent, const std::vector<tSavedReading>& readings,
                        const tChooseFile& choose = SDlg);
