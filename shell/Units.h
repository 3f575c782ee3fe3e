#pragma once
// Length units and number formats of the lists. Design lengths are database units; shown in a
// unit they are divided by the unit scale (database units per millimetre, SuiteServices) and
// multiplied by the unit's factor.

#include <QString>

namespace vxw {

struct LengthUnit {
    QString mark; // written behind a value
    QString name;
    double factor;         // units per millimetre
    QString preciseFormat; // the unit's format of lengths
    QString shortFormat;
};

inline constexpr int kUnitInch = 0;
inline constexpr int kUnitMillimetre = 1;
inline constexpr char kGeneralFormat[] = "##0.0#";

// Unit 0: mark '"', name "inch", factor 1/25.4, formats "#0.0000#" and "#0.000".
// Unit 1: mark "mm", name "mm", factor 1, formats "###0.000#" and "###0.0".
// Any other number gives unit 0.
const LengthUnit& UnitTable(int unit);
int OtherUnit(int unit);

// The component-wide current unit; it starts as 0 (inch).
int CurrentUnit();
void SetCurrentUnit(int unit);

// A length of database units in `unit`. A scale that is not a positive finite number counts as
// the default scale.
double LengthInUnit(double databaseUnits, double unitScale, int unit);
// The length formatted with the unit's precise format, followed by the unit's mark, trimmed of
// blanks (1 mm at 10000 units per mm in unit 0 gives 0.03937").
QString FormatLength(double databaseUnits, double unitScale, int unit);
// The same with the unit's short format.
QString FormatShortLength(double databaseUnits, double unitScale, int unit);
// In the current unit with the suite's unit scale.
QString FormatLength(double databaseUnits);

} // namespace vxw
