// The device catalogue. The device table and the quantity table are separate texts and
// differ on purpose ("199900" against "199000"): each handler shows its own list.
#include "ui/devicecatalogue.h"

namespace {

const tDeviceRow kDevices[kModelCount] = {
    {1,
     false,
     {QStringLiteral("Auto"), QStringLiteral("  0.1.. 199.9 lx"), QStringLiteral("  1  .. 1999 lx"),
      QStringLiteral(" 10  .. 19900 lx"), QStringLiteral("100  .. 199900 lx")},
     0},
    {1,
     false,
     {QStringLiteral("Auto"), QStringLiteral("  0.01.. 19.9 lx"), QStringLiteral("  0.1 .. 199 lx"),
      QStringLiteral("  1   .. 1999 lx"), QStringLiteral(" 10   .. 19900 lx"),
      QStringLiteral("100   ..199900 lx")},
     0},
    {2,
     true,
     {QStringLiteral("Auto"), QStringLiteral("  0.01.. 19.9  cd/m²"),
      QStringLiteral("  0.1 .. 199   cd/m²"), QStringLiteral("  1   .. 1999  cd/m²"),
      QStringLiteral(" 10   .. 19900 cd/m²")},
     2},
    {4,
     true,
     {QStringLiteral("Auto"), QStringLiteral("  0.01.. 99.99 cd/m²"),
      QStringLiteral("  0.1 .. 999.9 cd/m²"), QStringLiteral("  1   .. 9999  cd/m²"),
      QStringLiteral(" 10   .. 99990 cd/m²")},
     2},
};

struct tQuantityCell {
    QStringList Ranges;
    uint8_t UnitCode;
};

const tQuantityCell kQuantities[kModelCount][kQuantityCount] = {
    {{{QStringLiteral("Auto"), QStringLiteral("  0.1.. 199.9 lx"),
       QStringLiteral("  1  .. 1999 lx"), QStringLiteral(" 10  .. 19900 lx"),
       QStringLiteral("100  .. 199000 lx")},
      0},
     {{QStringLiteral("Auto"), QStringLiteral(" 0.01.. 19.99 fc"),
       QStringLiteral(" 0.1 .. 199.9 fc"), QStringLiteral(" 1   .. 1999  fc"),
       QStringLiteral("10   .. 19990 fc")},
      1}},
    {{{QStringLiteral("Auto"), QStringLiteral("  0.01.. 19.99 lx"),
       QStringLiteral("  0.1 .. 199.9 lx"), QStringLiteral("  1   .. 1999  lx"),
       QStringLiteral(" 10   .. 19900 lx"), QStringLiteral("100   ..199000 lx")},
      0},
     {{QStringLiteral("Auto"), QStringLiteral(" 0.001.. 1.999 fc"),
       QStringLiteral(" 0.01 .. 19.99 fc"), QStringLiteral(" 0.1  .. 199.9 fc"),
       QStringLiteral(" 1    .. 1999  fc"), QStringLiteral("10    ..19990  fc")},
      1}},
    {{{QStringLiteral("Auto"), QStringLiteral("  0.01.. 19.99 cd/m²"),
       QStringLiteral("  0.1 .. 199.9 cd/m²"), QStringLiteral("  1   .. 1999  cd/m²"),
       QStringLiteral(" 10   .. 19990 cd/m²")},
      2},
     {{QStringLiteral("Auto"), QStringLiteral("  0.001.. 1.999 fL"),
       QStringLiteral("  0.01 .. 19.99 fL"), QStringLiteral("  0.1  .. 199.9 fL"),
       QStringLiteral("  1    .. 1999  fL")},
      3}},
    {{{QStringLiteral("Auto"), QStringLiteral("  0.01.. 99.99 cd/m²"),
       QStringLiteral("  0.1 .. 999.9 cd/m²"), QStringLiteral("  1   .. 9999  cd/m²"),
       QStringLiteral(" 10   .. 99990 cd/m²")},
      2},
     {{QStringLiteral("Auto"), QStringLiteral("  0.001.. 9.999 fL"),
       QStringLiteral("  0.01 .. 99.99 fL"), QStringLiteral("  0.1  .. 999.9 fL"),
       QStringLiteral("  1    .. 9999  fL")},
      3}},
};

// [unit code][language]
const char16_t* const kAxisTitles[4][4] = {
    {u"Beleuchtungsstärke / lx", u"illuminance / lx", u"intensité lumineuse / lx",
     u"iluminación / lx"},
    {u"Beleuchtungsstärke / fc", u"illuminance / fc", u"intensité lumineuse / fc",
     u"iluminación / fc"},
    {u"Leuchtdichte / cd/m²", u"luminance / cd/m²", u"luminance / cd/m²", u"luminiscencia / cd/m²"},
    {u"Leuchtdichte / fL", u"luminance / fL", u"luminance / fL", u"luminiscencia / fL"},
};

} // namespace

const tDeviceRow* DeviceRow(int item)
{
    return item >= 0 && item < kModelCount ? &kDevices[item] : nullptr;
}

bool QuantityRanges(int model, int quantity, QStringList& ranges, uint8_t& unitCode)
{
    ranges.clear();
    if (model < 0 || model >= kModelCount || quantity < 0 || quantity >= kQuantityCount)
        return false;
    const tQuantityCell& cell = kQuantities[model][quantity];
    ranges = cell.Ranges;
    unitCode = cell.UnitCode;
    return true;
}

QString AxisTitle(uint8_t unitCode, int language)
{
    if (unitCode > 3) return QString();
    if (language < 0 || language > 3) language = 0;
    return QString::fromUtf16(kAxisTitles[unitCode][language]);
}
