// Reading, lookup and writing of the language file store.
#include "i18n/biginifile.h"

#include "i18n/cp1252.h"
#include "i18n/filesave.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

QString Cut(const QString& text)
{
    return text.size() > kMaxIniText ? text.left(kMaxIniText) : text;
}

// One order for sections and keys: the user's collation, blind to letter case. Folding the
// case first keeps the sort keys blind to it under every locale, the plain "C" one included.
QCollatorSortKey OrderOf(const QString& text)
{
    static QCollator collation = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collation.sortKey(text.toCaseFolded());
}

bool Before(const QCollatorSortKey& a, const QCollatorSortKey& b)
{
    return a.compare(b) < 0;
}

// Splits text into lines at CR LF, LF or CR, up to a NUL, and hands each line on, cut to
// its first characters. Fed in pieces, it gives what it gives for the whole.
class tLineSplitter {
public:
    // False once the text has ended at a NUL.
    template <typename OnLine> bool Feed(const char* data, qsizetype size, OnLine&& onLine)
    {
        const char* p = data;
        const char* const end = data + size;
        while (p < end) {
            // The run up to the next line break or NUL.
            const char* q = p;
            while (q < end && *q != '\n' && *q != '\r' && *q != '\0')
                ++q;
            if (q > p) {
                FAfterCr = false;
                const qsizetype room = kMaxIniText - FLine.size();
                if (room > 0) FLine.append(p, std::min<qsizetype>(room, q - p));
            }
            if (q == end) break;
            if (*q == '\0') {
                Finish(onLine);
                return false;
            }
            const bool secondOfPair = *q == '\n' && FAfterCr;
            FAfterCr = *q == '\r';
            if (!secondOfPair) {
                onLine(FLine);
                FLine.resize(0); // keeps the buffer for the next line
            }
            p = q + 1;
        }
        return true;
    }
    template <typename OnLine> void Finish(OnLine&& onLine)
    {
        if (!FLine.isEmpty()) onLine(FLine);
        FLine.resize(0);
        FAfterCr = false;
    }

private:
    QByteArray FLine;
    bool FAfterCr = false;
};

} // namespace

// ---- tprcstring

tprcstring::tprcstring(const QString& text) : FText(Cut(text)) {}

void tprcstring::SetText(const QString& text)
{
    FText = Cut(text);
}

// ---- tsection

tsection::tsection(const QString& name) : FName(Cut(name)), FOrder(OrderOf(FName)) {}

QString tsection::Keys(int index) const
{
    return index >= 0 && index < Count() ? FEntries[index].Key : QString();
}

QString tsection::Values(int index) const
{
    return index >= 0 && index < Count() ? FEntries[index].Value.Text() : QString();
}

int tsection::Find(const QCollatorSortKey& order, int* insertAt) const
{
    const auto it = std::lower_bound(
        FEntries.begin(), FEntries.end(), order,
        [](const tEntry& e, const QCollatorSortKey& o) { return Before(e.Order, o); });
    if (insertAt) *insertAt = int(it - FEntries.begin());
    return it != FEntries.end() && it->Order.compare(order) == 0 ? int(it - FEntries.begin()) : -1;
}

void tsection::Set(const QString& key, const QString& value)
{
    const QString k = Cut(key);
    const QCollatorSortKey order = OrderOf(k);
    int at = 0;
    const int found = Find(order, &at);
    if (found >= 0) {
        FEntries[found].Value.SetText(value);
        return;
    }
    FEntries.insert(FEntries.begin() + at, tEntry{k, order, tprcstring(value)});
}

void tsection::Append(const QString& key, const QString& value)
{
    FEntries.push_back(tEntry{key, OrderOf(key), tprcstring(value)});
}

void tsection::Settle()
{
    std::stable_sort(FEntries.begin(), FEntries.end(),
                     [](const tEntry& a, const tEntry& b) { return Before(a.Order, b.Order); });
    // A repeated key keeps the spelling of its first occurrence and the value of its last.
    std::vector<tEntry> settled;
    settled.reserve(FEntries.size());
    for (tEntry& e : FEntries) {
        if (!settled.empty() && settled.back().Order.compare(e.Order) == 0)
            settled.back().Value = std::move(e.Value);
        else
            settled.push_back(std::move(e));
    }
    FEntries = std::move(settled);
}

// ---- TBigInifile

TBigInifile::TBigInifile(const QString& fileName) : FFileName(fileName)
{
    LoadFromFile();
}

TBigInifile::~TBigInifile() = default;

void TBigInifile::LoadFromFile()
{
    const QFileInfo info(FFileName);
    if (FFileName.isEmpty() || !info.exists()) return;
    FUnreadable = true;
    if (!info.isFile()) return; // a folder or a device is no language file
    QFile file(FFileName);
    if (!file.open(QIODevice::ReadOnly)) return;

    // Read in pieces: only the first characters of a line are kept, so even a huge file
    // costs no more memory than the entries it holds.
    tLineSplitter splitter;
    const auto onLine = [this](const QByteArray& line) { ReadLine(line); };
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0) { // a read error: nothing of a half-read file is kept
            FSections.clear();
            return;
        }
        if (got == 0) {
            splitter.Finish(onLine);
            break;
        }
        if (!splitter.Feed(chunk.constData(), got, onLine)) break;
    }
    FUnreadable = false;
    Settle();
}

void TBigInifile::LoadFromBytes(const QByteArray& bytes)
{
    FSections.clear();
    tLineSplitter splitter;
    const auto onLine = [this](const QByteArray& line) { ReadLine(line); };
    if (splitter.Feed(bytes.constData(), bytes.size(), onLine)) splitter.Finish(onLine);
    Settle();
}

void TBigInifile::ReadLine(const QByteArray& line)
{
    if (line.isEmpty()) return;
    if (line[0] == '[') {
        // A header holds something other than brackets; its name is the first run of such
        // characters. A line of brackets only is nothing.
        qsizetype b = 0;
        while (b < line.size() && (line[b] == '[' || line[b] == ']'))
            ++b;
        if (b < line.size()) {
            qsizetype e = b;
            while (e < line.size() && line[e] != '[' && line[e] != ']')
                ++e;
            FSections.push_back(
                std::make_unique<tsection>(DecodeCp1252(line.constData() + b, e - b)));
            return;
        }
    }
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || FSections.empty()) return; // comments, stray text, lines before any header
    FSections.back()->Append(DecodeCp1252(line.constData(), eq),
                             DecodeCp1252(line.constData() + eq + 1, line.size() - eq - 1));
}

void TBigInifile::Settle()
{
    using tPtr = std::unique_ptr<tsection>;
    std::stable_sort(FSections.begin(), FSections.end(),
                     [](const tPtr& a, const tPtr& b) { return Before(a->FOrder, b->FOrder); });
    // A repeated section replaces the earlier one as a whole, name spelling included.
    std::vector<tPtr> settled;
    settled.reserve(FSections.size());
    for (tPtr& s : FSections) {
        if (!settled.empty() && settled.back()->FOrder.compare(s->FOrder) == 0)
            settled.back() = std::move(s);
        else
            settled.push_back(std::move(s));
    }
    for (tPtr& s : settled)
        s->Settle();
    FSections = std::move(settled);
}

QByteArray TBigInifile::SaveToBytes() const
{
    qsizetype size = 0;
    for (const auto& s : FSections) {
        size += s->FName.size() + 4;
        for (const auto& e : s->FEntries)
            size += e.Key.size() + e.Value.Text().size() + 3;
    }
    QByteArray out;
    out.reserve(size);
    for (const auto& s : FSections) {
        out.append('[');
        AppendCp1252(out, s->FName);
        out.append("]\r\n");
        for (const auto& e : s->FEntries) {
            AppendCp1252(out, e.Key);
            out.append('=');
            AppendCp1252(out, e.Value.Text());
            out.append("\r\n");
        }
    }
    return out;
}

int TBigInifile::FindSection(const QCollatorSortKey& order, int* insertAt) const
{
    const auto it =
        std::lower_bound(FSections.begin(), FSections.end(), order,
                         [](const std::unique_ptr<tsection>& s, const QCollatorSortKey& o) {
                             return Before(s->FOrder, o);
                         });
    if (insertAt) *insertAt = int(it - FSections.begin());
    return it != FSections.end() && (*it)->FOrder.compare(order) == 0 ? int(it - FSections.begin())
                                                                      : -1;
}

const tsection* TBigInifile::Sections(int index) const
{
    return index >= 0 && index < SectionCount() ? FSections[index].get() : nullptr;
}

QString TBigInifile::ReadString(const QString& section, const QString& key,
                                const QString& def) const
{
    const int s = FindSection(OrderOf(Cut(section)));
    if (s < 0) return def;
    const tsection& sec = *FSections[s];
    const int k = sec.Find(OrderOf(Cut(key)));
    return k < 0 ? def : sec.FEntries[k].Value.Text();
}

void TBigInifile::WriteString(const QString& section, const QString& key, const QString& value)
{
    if (key.isEmpty()) {
        if (section.isEmpty() && value.isEmpty())
            UpdateFile();
        else
            EraseSection(section);
        return;
    }
    const QString name = Cut(section);
    const QCollatorSortKey order = OrderOf(name);
    int at = 0;
    int s = FindSection(order, &at);
    if (s < 0) {
        FSections.insert(FSections.begin() + at, std::make_unique<tsection>(name));
        s = at;
    }
    FSections[s]->Set(key, value);
}

void TBigInifile::EraseSection(const QString& section)
{
    const int s = FindSection(OrderOf(Cut(section)));
    if (s >= 0) FSections.erase(FSections.begin() + s);
}

bool TBigInifile::UpdateFile()
{
    return SaveToFile(FFileName);
}

bool TBigInifile::SaveToFile(const QString& path)
{
    if (path.isEmpty() || !OnFixedDisk(path)) return false;
    // A file we could not read is not overwritten with what little we know of it.
    if (FUnreadable) {
        const QFileInfo own(FFileName), target(path);
        if (own.absoluteFilePath() == target.absoluteFilePath() ||
            (own.exists() && own.canonicalFilePath() == target.canonicalFilePath()))
            return false;
    }
    return ReplaceFile(path, SaveToBytes());
}
