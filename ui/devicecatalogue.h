// The device catalogue: per model and quantity, the range list, the unit code, the device
// picture and whether the test picture is offered; and the value axis titles. Fixed texts in
// every language.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// Models, as the items of the device group.
constexpr int kModelCount = 4;
// Quantities, as the items of the quantity list: 0 lux or cd/m², 1 footcandle or footlambert.
constexpr int kQuantityCount = 2;

// What a click on a device item applies.
struct tDeviceRow {
    int PictureId;
    bool TestPicture; // the "Testbild" button is offered
    QStringList Ranges;
    uint8_t UnitCode;
};

// The row of a device item; nullptr for an item outside 0 to 3 (none chosen).
const tDeviceRow* DeviceRow(int item);

// The range list and unit code of an identified model and a quantity item. False for a
// model or quantity outside the table (no model identified): the list is then empty and
// unitCode is left as it was.
bool QuantityRanges(int model, int quantity, QStringList& ranges, uint8_t& unitCode);

// Title of the chart's value axis for a unit code in a language (0 German, 1 English,
// 2 French, 3 Spanish; any other counts as German). Empty for an unknown unit code.
QString AxisTitle(uint8_t unitCode, int language);
