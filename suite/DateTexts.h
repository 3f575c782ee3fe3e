#pragma once
// The dates printed in list headings. With SOURCE_DATE_EPOCH set to a whole number of seconds,
// that instant is "now", shown in UTC with the C locale, so outputs can be reproduced.

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

namespace vxw {

// The instant named by SOURCE_DATE_EPOCH: decimal digits only (an optional leading "-" for
// dates before 1970), within the years 1..9999. Anything else is ignored (nullopt), so a
// broken variable falls back to the real clock instead of stopping the list.
std::optional<QDateTime> SourceDateEpoch();
std::optional<QDateTime> ParseSourceDateEpoch(const QByteArray& value);

// "The current date (system short date form)".
QString ShortDate();
// "The system's general date format": short date, a blank and the long time (without the
// time-zone name).
QString GeneralDate();

// The same texts for a given instant and locale.
QString ShortDateText(const QDateTime& when, const QLocale& locale);
QString GeneralDateText(const QDateTime& when, const QLocale& locale);

} // namespace vxw
