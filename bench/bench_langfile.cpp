// bench_langfile: loading, looking up and saving language files, for a file of the real
// size (a few kilobytes) and for one of 1 MB.
//
//   bench_langfile [benchmark options]
#include "i18n/biginifile.h"
#include "i18n/msgmanager.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

QTemporaryDir& Dir()
{
    static QTemporaryDir dir;
    return dir;
}

struct tFixture {
    QString Path;
    std::vector<std::pair<QString, QString>> Keys; // section, key of every entry
};

// A forms-file-like text: sections named like windows, keys like controls, German values,
// in no particular order, until the file reaches `bytes`.
const tFixture& FileOf(qsizetype bytes)
{
    static std::map<qsizetype, tFixture> made;
    auto it = made.find(bytes);
    if (it != made.end()) return it->second;
    tFixture f;
    f.Path = Dir().filePath(QStringLiteral("bench%1.LCG").arg(bytes));
    QByteArray text;
    uint32_t seed = 12345;
    for (int s = 0; text.size() < bytes; ++s) {
        const QString section = QStringLiteral("TForm%1").arg(s);
        text += "[" + section.toLatin1() + "]\r\n";
        for (int k = 0; k < 200 && text.size() < bytes; ++k) {
            seed = seed * 1103515245u + 12345u;
            const QString key = QStringLiteral("Control%1Btn%2").arg(seed % 100000).arg(k);
            text += key.toLatin1() + "=Me\xDFwert anzeigen und Beleuchtungsst\xE4rke speichern\r\n";
            f.Keys.emplace_back(section, key);
        }
    }
    QFile out(f.Path);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size()) std::abort();
    return made.emplace(bytes, std::move(f)).first->second;
}

void BM_Load(benchmark::State& state)
{
    const tFixture& f = FileOf(state.range(0));
    for (auto _ : state) {
        TBigInifile ini(f.Path);
        benchmark::DoNotOptimize(ini.SectionCount());
    }
    state.counters["entries"] = double(f.Keys.size());
}

// 10,000 lookups of present keys in a mixed order.
void BM_Lookup10000(benchmark::State& state)
{
    const tFixture& f = FileOf(state.range(0));
    const TBigInifile ini(f.Path);
    std::vector<const std::pair<QString, QString>*> probes;
    for (size_t i = 0; probes.size() < 10000; ++i)
        probes.push_back(&f.Keys[(i * 7919) % f.Keys.size()]);
    for (auto _ : state) {
        for (const auto* p : probes)
            benchmark::DoNotOptimize(ini.ReadString(p->first, p->second, QString()));
    }
}

void BM_Save(benchmark::State& state)
{
    const tFixture& f = FileOf(state.range(0));
    TBigInifile ini(f.Path);
    const QString target = Dir().filePath(QStringLiteral("saved.LCG"));
    for (auto _ : state)
        if (!ini.SaveToFile(target)) state.SkipWithError("save refused");
}

// Serialising alone, without the file system.
void BM_SaveToBytes(benchmark::State& state)
{
    const tFixture& f = FileOf(state.range(0));
    TBigInifile ini(f.Path);
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.SaveToBytes());
}

// The first lookup of a message: one entry more and the file saved.
void BM_ReadMsgNewEntry(benchmark::State& state)
{
    const tFixture& f = FileOf(state.range(0));
    const QString path = Dir().filePath(QStringLiteral("messages.LMG"));
    QFile::remove(path);
    QFile::copy(f.Path, path);
    TMsgManager messages(path);
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(messages.ReadMsg("general", QStringLiteral("msg%1").arg(n++),
                                                  "Bitte zunächst Messung beenden"));
}

constexpr int64_t kSmall = 4 << 10;
constexpr int64_t kLarge = 1 << 20;

BENCHMARK(BM_Load)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lookup10000)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToBytes)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadMsgNewEntry)->Arg(kSmall)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
