#include "shell/Units.h"

#include "suite/NumberFormat.h"
#include "suite/SuiteServices.h"
#include "suite/TextRules.h"

#include <cmath>

namespace vxw {

namespace {

int& CurrentUnitValue() {
    static int unit = kUnitInch;
    return unit;
}

QString Format(double databaseUnits, double unitScale, int unit, QString LengthUnit::*format) {
    const LengthUnit& table = UnitTable(unit);
    return TrimBlanks(FormatNumber(table.*format, LengthInUnit(databaseUnits, unitScale, unit)) + table.mark);
}

} // namespace

const LengthUnit& UnitTable(int unit) {
    static const LengthUnit inch{QStringLiteral("\""), QStringLiteral("inch"), 1.0 / 25.4,
                                 QStringLiteral("#0.0000#"), QStringLiteral("#0.000")};
    static const LengthUnit millimetre{QStringLiteral("mm"), QStringLiteral("mm"), 1.0,
                                       QStringLiteral("###0.000#"), QStringLiteral("###0.0")};
    return unit == kUnitMillimetre ? millimetre : inch;
}

int OtherUnit(int unit) {
    return unit == kUnitMillimetre ? kUnitInch : kUnitMillimetre;
}

int CurrentUnit() {
    return CurrentUnitValue();
}

void SetCurrentUnit(int unit) {
    CurrentUnitValue() = unit == kUnitMillimetre ? kUnitMillimetre : kUnitInch;
}

double LengthInUnit(double databaseUnits, double unitScale, int unit) {
    if (!(unitScale > 0.0) || !std::isfinite(unitScale)) {
        unitScale = kDefaultUnitScale;
    }
    return databaseUnits / unitScale * UnitTable(unit).factor;
}

QString FormatLength(double databaseUnits, double unitScale, int unit) {
    return Format(databaseUnits, unitScale, unit, &LengthUnit::preciseFormat);
}

QString FormatShortLength(double databaseUnits, double unitScale, int unit) {
    return Format(databaseUnits, unitScale, unit, &LengthUnit::shortFormat);
}

QString FormatLength(double databaseUnits) {
    return FormatLength(databaseUnits, Suite().UnitScale(), CurrentUnit());
}

} // namespace vxw
