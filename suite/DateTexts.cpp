#include "suite/DateTexts.h"

#include <QTimeZone>
#include <QtGlobal>

namespace vxw {

namespace {

// Removes the time-zone fields ("t") of a time format together with the blanks before them;
// quoted literal text is kept as it stands.
QString WithoutTimeZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result.append(c);
        } else if (!quoted && c == QLatin1Char('t')) {
            while (result.endsWith(QLatin1Char(' '))) {
                result.chop(1);
            }
        } else {
            result.append(c);
        }
    }
    while (result.endsWith(QLatin1Char(' '))) {
        result.chop(1);
    }
    return result;
}

struct Now {
    QDateTime when;
    QLocale locale;
};

Now CurrentInstant() {
    if (const auto fixed = SourceDateEpoch()) {
        return {*fixed, QLocale::c()};
    }
    return {QDateTime::currentDateTime(), QLocale::system()};
}

} // namespace

std::optional<QDateTime> ParseSourceDateEpoch(const QByteArray& value) {
    if (value.isEmpty() || value.size() > 20) {
        return std::nullopt;
    }
    qsizetype i = value.startsWith('-') ? 1 : 0;
    if (i == value.size()) {
        return std::nullopt;
    }
    for (qsizetype j = i; j < value.size(); ++j) {
        if (value[j] < '0' || value[j] > '9') {
            return std::nullopt;
        }
    }
    bool ok = false;
    const qint64 seconds = value.toLongLong(&ok);
    // Years 1 to 9999 in UTC.
    constexpr qint64 kFirst = -62135596800LL;
    constexpr qint64 kLast = 253402300799LL;
    if (!ok || seconds < kFirst || seconds > kLast) {
        return std::nullopt;
    }
    return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
}

std::optional<QDateTime> SourceDateEpoch() {
    if (!qEnvironmentVariableIsSet("SOURCE_DATE_EPOCH")) {
        return std::nullopt;
    }
    return ParseSourceDateEpoch(qgetenv("SOURCE_DATE_EPOCH"));
}

QString ShortDateText(const QDateTime& when, const QLocale& locale) {
    return locale.toString(when.date(), QLocale::ShortFormat);
}

QString GeneralDateText(const QDateTime& when, const QLocale& locale) {
    const QString timeFormat = WithoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    return ShortDateText(when, locale) + QLatin1Char(' ') + locale.toString(when.time(), timeFormat);
}

QString ShortDate() {
    const Now now = CurrentInstant();
    return ShortDateText(now.when, now.locale);
}

QString GeneralDate() {
    const Now now = CurrentInstant();
    return GeneralDateText(now.when, now.locale);
}

} // namespace vxw
