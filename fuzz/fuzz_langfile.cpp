// Any bytes make a store; saving it and reading the saved bytes gives the same store, and
// saving that again gives the same bytes.
#include "i18n/biginifile.h"

#include <cstdlib>

namespace {

bool SameStore(const TBigInifile& a, const TBigInifile& b)
{
    if (a.SectionCount() != b.SectionCount()) return false;
    for (int s = 0; s < a.SectionCount(); ++s) {
        const tsection* x = a.Sections(s);
        const tsection* y = b.Sections(s);
        if (x->Name() != y->Name() || x->Count() != y->Count()) return false;
        for (int k = 0; k < x->Count(); ++k)
            if (x->Keys(k) != y->Keys(k) || x->Values(k) != y->Values(k)) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TBigInifile first{QString()};
    first.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (int s = 0; s < first.SectionCount(); ++s) {
        const tsection* sec = first.Sections(s);
        if (sec->Name().isEmpty() || sec->Name().size() > kMaxIniText) std::abort();
        for (int k = 0; k < sec->Count(); ++k)
            if (sec->Keys(k).size() + 1 + sec->Values(k).size() > kMaxIniText) std::abort();
    }
    const QByteArray saved = first.SaveToBytes();
    TBigInifile second{QString()};
    second.LoadFromBytes(saved);
    if (!SameStore(first, second)) std::abort();
    if (second.SaveToBytes() != saved) std::abort();
    return 0;
}
