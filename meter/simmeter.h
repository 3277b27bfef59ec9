// tSimMeter: an in-process model of the four photometers. It takes one command line
// (without its LF) and gives back one reply line (ending in CR LF), so that the program
// can run and be demonstrated without a meter, and the serial path can be tested end to end.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

class tSimMeter {
public:
    // One stored reading: mantissa times ten to the exponent, in a unit code
    // (0 lux, 1 footcandle, 2 cd/m², 3 footlambert).
    struct tRecord {
        int32_t Mantissa = 0;
        int Exponent = 0;
        uint8_t Unit = 0;
        bool Overload = false; // above the selected range; replies show "OVL"
        float Value() const;
    };

    // model: 502, 503, 504 or 508 (anything else counts as 502).
    explicit tSimMeter(int model = 502, uint32_t seed = 1);

    // The reply to one command line, CR LF included. Unknown commands give "ERR".
    QByteArray Answer(const QByteArray& line);

    int Model() const { return FModel; }
    bool IsLuminanceMeter() const { return FModel == 504 || FModel == 508; }
    // Ten banks on the spot meter, one memory on the others.
    int BankCount() const { return FModel == 508 ? 10 : 1; }
    static constexpr int BankCapacity = 101;

    // Memory contents, bank 0 for the models with one memory.
    const std::vector<tRecord>& Bank(int bank) const;
    void SetBank(int bank, const std::vector<tRecord>& records);
    // Fills a bank with count plausible readings of the current quantity.
    void FillBank(int bank, int count);

    // Present state.
    uint8_t Unit() const { return FUnit; }
    int Range() const { return FRange; } // 0: automatic
    bool KeyMode() const { return FKeyMode; }
    bool NewReadingWaiting() const { return FNewReading; }

    // The next reading in the present unit and range, as the meter would send it.
    // Advances the drift.
    tRecord NextReading();
    // The plausible level of this model in a unit, before drift.
    double Level(uint8_t unit) const;

    // The text of a reading: "1234 E-1 LX", or "OVL LX" for an overload.
    static QByteArray ReadingText(const tRecord& r);
    static QByteArray UnitToken(uint8_t unit);

    // In key mode a new reading becomes ready at this status poll after the last fetch.
    static constexpr int PollsPerKeyReading = 5;

private:
    tRecord Reading(double value, uint8_t unit, int range) const;
    int RangeCount() const { return FModel == 503 ? 5 : 4; }
    int BaseExponent(uint8_t unit) const;
    int32_t MaxCounts() const { return FModel == 508 ? 9999 : 1999; }
    bool UnitAllowed(uint8_t unit) const;
    double Random(); // uniform in [0, 1)

    QByteArray Ack() const { return "OK\r\n"; }
    QByteArray Err() const { return "ERR\r\n"; }
    QByteArray Identification() const;
    QByteArray Version() const;
    QByteArray SetUnitCommand(const QByteArray& arg);
    QByteArray SetRangeCommand(const QByteArray& arg);
    QByteArray FillReply(const QByteArray& arg) const;
    QByteArray DumpReply(const QByteArray& arg) const;
    QByteArray ClearCommand(const QByteArray& arg);
    // -1: no bank given; -2: a bank that does not exist; else the bank.
    int BankArgument(const QByteArray& arg) const;
    void ResetState();

    int FModel;
    uint64_t FRandom;
    double FDrift = 0; // relative deviation from the model's level
    uint8_t FUnit = 0;
    int FRange = 0;
    bool FKeyMode = false;
    bool FNewReading = false;
    int FPolls = 0;
    std::vector<std::vector<tRecord>> FBanks;
};
