// The language file store: sections of key=value entries, read from and written to one
// Windows-1252 text file.
#pragma once

#include <QByteArray>
#include <QCollatorSortKey>
#include <QString>
#include <memory>
#include <vector>

// Names, keys and values are held to this many characters.
constexpr int kMaxIniText = 255;

// Holder of one value.
class tprcstring {
public:
    explicit tprcstring(const QString& text = QString());
    const QString& Text() const { return FText; }
    void SetText(const QString& text);

private:
    QString FText;
};

// One section: its name and its entries, sorted by key (case-insensitive, locale-aware).
class tsection {
public:
    explicit tsection(const QString& name);

    const QString& Name() const { return FName; }
    int Count() const { return int(FEntries.size()); }
    // Key and value at an index in sorted order; empty for an index out of range.
    QString Keys(int index) const;
    QString Values(int index) const;

private:
    friend class TBigInifile;
    struct tEntry {
        QString Key;
        QCollatorSortKey Order;
        tprcstring Value;
    };

    // Index of the key, or -1; `insertAt` receives the place where it would go.
    int Find(const QCollatorSortKey& order, int* insertAt = nullptr) const;
    void Set(const QString& key, const QString& value);
    // While a file is read: entries in file order, then sorted with repeats settled.
    void Append(const QString& key, const QString& value);
    void Settle();

    QString FName;
    QCollatorSortKey FOrder;
    std::vector<tEntry> FEntries;
};

class TBigInifile {
public:
    // Empty store for the file; reads the file when it exists. A file that cannot be read
    // gives an empty store that will not be saved over that file.
    explicit TBigInifile(const QString& fileName);
    ~TBigInifile();
    TBigInifile(const TBigInifile&) = delete;
    TBigInifile& operator=(const TBigInifile&) = delete;

    const QString& FileName() const { return FFileName; }

    // The stored value, even when empty; the default when the section or key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Sets the entry. An empty key removes the section; all three empty saves the file.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void EraseSection(const QString& section);

    // Save to the own file, or to another path: only on a local fixed disk, never into a
    // read-only file; a refused save is silent. True when the file was written.
    bool UpdateFile();
    bool SaveToFile(const QString& path);

    int SectionCount() const { return int(FSections.size()); }
    // The section at an index in sorted order; nullptr out of range.
    const tsection* Sections(int index) const;

    // The file's content without the file: replaces the store by what the bytes hold, and
    // the store as the bytes that a save writes.
    void LoadFromBytes(const QByteArray& bytes);
    QByteArray SaveToBytes() const;

private:
    int FindSection(const QCollatorSortKey& order, int* insertAt = nullptr) const;
    void LoadFromFile();
    void ReadLine(const QByteArray& line);
    void Settle();

    QString FFileName;
    bool FUnreadable = false; // the own file exists but could not be read
    std::vector<std::unique_ptr<tsection>> FSections;
};
