// The simulated photometer: command parsing, drifting readings, ranges and memory banks.
#include "meter/simmeter.h"

#include <algorithm>
#include <cmath>

namespace {

// Plausible levels: an office desk for the illuminance meters, a monitor and a lit
// surface for the luminance meters.
constexpr double LuxPerFootcandle = 10.7639;
constexpr double CandelaPerFootlambert = 3.42626;
constexpr double MaxDrift = 0.03; // readings wander at most 3 % from the level
constexpr double DriftStep = 0.004;

enum : uint8_t { UnitLux = 0, UnitFootcandle = 1, UnitCandela = 2, UnitFootlambert = 3 };

int NormalModel(int model)
{
    return (model == 503 || model == 504 || model == 508) ? model : 502;
}

} // namespace

float tSimMeter::tRecord::Value() const
{
    const float mantissa = static_cast<float>(Mantissa);
    return static_cast<float>(mantissa * std::pow(10.0, Exponent));
}

tSimMeter::tSimMeter(int model, uint32_t seed)
    : FModel(NormalModel(model)), FRandom(seed ^ (uint64_t(FModel) << 32)), FBanks(BankCount())
{
    ResetState();
    // A few readings that were stored on the meter before it was connected.
    if (FModel == 508) {
        FillBank(0, 4);
        FillBank(1, 2);
        FillBank(4, 3);
    } else {
        FillBank(0, 5);
    }
}

void tSimMeter::ResetState()
{
    FUnit = IsLuminanceMeter() ? UnitCandela : UnitLux;
    FRange = 0;
    FKeyMode = false;
    FNewReading = false;
    FPolls = 0;
}

double tSimMeter::Random()
{
    // splitmix64: small, seedable, the same sequence on every platform.
    uint64_t z = (FRandom += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / 9007199254740992.0; // 2^53
}

double tSimMeter::Level(uint8_t unit) const
{
    double base = 0; // in lux or cd/m²
    switch (FModel) {
    case 502:
        base = 520;
        break;
    case 503:
        base = 340;
        break;
    case 504:
        base = 118;
        break;
    case 508:
        base = 245;
        break;
    }
    switch (unit) {
    case UnitFootcandle:
        return base / LuxPerFootcandle;
    case UnitFootlambert:
        return base / CandelaPerFootlambert;
    default:
        return base;
    }
}

bool tSimMeter::UnitAllowed(uint8_t unit) const
{
    if (IsLuminanceMeter()) return unit == UnitCandela || unit == UnitFootlambert;
    return unit == UnitLux || unit == UnitFootcandle;
}

int tSimMeter::BaseExponent(uint8_t unit) const
{
    // Exponent of the lowest range's last digit; each range above adds a decade.
    const bool imperial = unit == UnitFootcandle || unit == UnitFootlambert;
    switch (FModel) {
    case 502:
        return imperial ? -2 : -1;
    default:
        return imperial ? -3 : -2;
    }
}

tSimMeter::tRecord tSimMeter::Reading(double value, uint8_t unit, int range) const
{
    tRecord r;
    r.Unit = unit;
    const int first = range == 0 ? 1 : range;
    const int last = range == 0 ? RangeCount() : range;
    for (int n = first; n <= last; ++n) {
        const int exponent = BaseExponent(unit) + n - 1;
        const double counts = std::round(value / std::pow(10.0, exponent));
        if (counts <= MaxCounts()) {
            r.Mantissa = static_cast<int32_t>(counts);
            r.Exponent = exponent;
            return r;
        }
    }
    r.Overload = true;
    return r;
}

tSimMeter::tRecord tSimMeter::NextReading()
{
    FDrift += (Random() * 2 - 1) * DriftStep;
    FDrift = std::clamp(FDrift, -MaxDrift, MaxDrift);
    return Reading(Level(FUnit) * (1 + FDrift), FUnit, FRange);
}

QByteArray tSimMeter::UnitToken(uint8_t unit)
{
    switch (unit) {
    case UnitFootcandle:
        return "FC";
    case UnitCandela:
        return "CD/M2";
    case UnitFootlambert:
        return "FL";
    default:
        return "LX";
    }
}

QByteArray tSimMeter::ReadingText(const tRecord& r)
{
    if (r.Overload) return "OVL " + UnitToken(r.Unit);
    return QByteArray::number(r.Mantissa) + " E" + QByteArray::number(r.Exponent) + ' ' +
           UnitToken(r.Unit);
}

const std::vector<tSimMeter::tRecord>& tSimMeter::Bank(int bank) const
{
    static const std::vector<tRecord> none;
    return (bank >= 0 && bank < BankCount()) ? FBanks[bank] : none;
}

void tSimMeter::SetBank(int bank, const std::vector<tRecord>& records)
{
    if (bank < 0 || bank >= BankCount()) return;
    FBanks[bank].assign(records.begin(),
                        records.begin() + std::min<size_t>(records.size(), BankCapacity));
}

void tSimMeter::FillBank(int bank, int count)
{
    if (bank < 0 || bank >= BankCount()) return;
    std::vector<tRecord> records;
    count = std::clamp(count, 0, BankCapacity);
    for (int i = 0; i < count; ++i) {
        // Stored readings come from different places: spread them wider than the drift.
        const double value = Level(FUnit) * (0.7 + 0.6 * Random());
        records.push_back(Reading(value, FUnit, 0));
    }
    FBanks[bank] = records;
}

QByteArray tSimMeter::Identification() const
{
    switch (FModel) {
    case 503:
        return "KESTROM ORBITEL 7718 B / USB,503\r\n";
    case 504:
        return "KESTROM ZENTA-MONITOR,504\r\n";
    case 508:
        return "KESTROM ZENTA-SPOT 2 USB,508\r\n";
    default:
        return "KESTROM ORBITEL 7718 C / USB,502\r\n";
    }
}

QByteArray tSimMeter::Version() const
{
    // No model code may appear here: identification also searches this line.
    return IsLuminanceMeter() ? "VER 1.40\r\n" : "VER 2.31\r\n";
}

QByteArray tSimMeter::SetUnitCommand(const QByteArray& arg)
{
    uint8_t unit;
    if (arg == "LX")
        unit = UnitLux;
    else if (arg == "FC")
        unit = UnitFootcandle;
    else if (arg == "CD_M2" || arg == "CD/M2")
        unit = UnitCandela;
    else if (arg == "FL")
        unit = UnitFootlambert;
    else
        return Err();
    // An illuminance meter cannot show luminance and the other way round.
    if (!UnitAllowed(unit)) return Err();
    FUnit = unit;
    return Ack();
}

QByteArray tSimMeter::SetRangeCommand(const QByteArray& arg)
{
    bool ok = false;
    const int range = arg.toInt(&ok);
    if (!ok || range < 0 || range > RangeCount()) return Err();
    FRange = range; // 0 selects automatic ranging
    return Ack();
}

int tSimMeter::BankArgument(const QByteArray& arg) const
{
    if (arg.isEmpty()) return -1;
    if (arg.size() != 1 || arg[0] < '0' || arg[0] > '9') return -2;
    const int bank = arg[0] - '0';
    // Only the spot meter has banks.
    return (BankCount() > 1 && bank < BankCount()) ? bank : -2;
}

QByteArray tSimMeter::FillReply(const QByteArray& arg) const
{
    const int bank = BankArgument(arg);
    if (bank == -2) return Err();
    int used = 0, capacity = 0;
    for (int b = 0; b < BankCount(); ++b) {
        if (bank >= 0 && b != bank) continue;
        used += static_cast<int>(FBanks[b].size());
        capacity += BankCapacity;
    }
    // Free places first, then the capacity: readings are there when free < capacity.
    QByteArray reply = "FREE ";
    if (bank >= 0) reply += QByteArray::number(bank) + ' ';
    return reply + QByteArray::number(capacity - used) + ',' + QByteArray::number(capacity) +
           "\r\n";
}

QByteArray tSimMeter::DumpReply(const QByteArray& arg) const
{
    const int bank = BankArgument(arg);
    if (bank == -2) return Err();
    // "MEM:DAT " (8 characters), or "MEM:DAT n " (10) for a bank, then the records.
    QByteArray reply = "MEM:DAT ";
    if (bank >= 0) reply += QByteArray::number(bank) + ' ';
    int number = 0;
    for (int b = 0; b < BankCount(); ++b) {
        if (bank >= 0 && b != bank) continue;
        for (const tRecord& r : FBanks[b]) {
            if (number > 0) reply += ';';
            reply += QByteArray::number(++number) + ':' + ReadingText(r);
        }
    }
    return reply + "\r\n";
}

QByteArray tSimMeter::ClearCommand(const QByteArray& arg)
{
    const int bank = BankArgument(arg);
    if (bank == -2) return Err();
    for (int b = 0; b < BankCount(); ++b)
        if (bank < 0 || b == bank) FBanks[b].clear();
    return Ack();
}

QByteArray tSimMeter::Answer(const QByteArray& line)
{
    // Commands are read without regard to case, as the meter does.
    const QByteArray text = line.trimmed().toUpper();
    const int space = text.indexOf(' ');
    const QByteArray head = space < 0 ? text : text.left(space);
    const QByteArray arg = space < 0 ? QByteArray() : text.mid(space + 1).trimmed();

    if (head == "*IDN?" && arg.isEmpty()) return Identification();
    if (head == "VER?" && arg.isEmpty()) return Version();
    if (head == "*RST" && arg.isEmpty()) {
        ResetState();
        return Ack();
    }
    if (head == "UNIT:PHOT" || head == "UNIT:PHO") return SetUnitCommand(arg);
    if (head == "SENSE:PHOTRANGE:AUTO" || head == "RANGE:AUTO") {
        if (arg == "ON")
            FRange = 0;
        else if (arg != "OFF")
            return Err();
        return Ack();
    }
    if (head == "RANGE") return SetRangeCommand(arg);
    if (head == "KEY") {
        if (arg != "0" && arg != "1") return Err();
        FKeyMode = arg == "1";
        FNewReading = false;
        FPolls = 0;
        return Ack();
    }
    if (head == "MEASURE:PHOT?" && arg.isEmpty())
        return "PHOT " + ReadingText(NextReading()) + "\r\n";
    if (head == "?" && arg.isEmpty()) {
        FNewReading = false;
        FPolls = 0;
        return ReadingText(NextReading()) + "\r\n";
    }
    if (head == "RMS?" && arg.isEmpty()) {
        // In key mode the meter takes a new reading now and then (counted in polls since the
        // last one was fetched); bit 6 announces it.
        if (FKeyMode && ++FPolls % PollsPerKeyReading == 0) FNewReading = true;
        return FNewReading ? "RMS 40\r\n" : "RMS 00\r\n";
    }
    if (head == "MEM:FREE?") return FillReply(arg);
    if (head == "MEM:DAT?") return DumpReply(arg);
    if (head == "MEM:CLE") return ClearCommand(arg);
    return Err();
}
