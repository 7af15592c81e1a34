// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "calc/KivTyped.h"

#include "calc/KivDisplay.h"
#include "calc/KivUnits.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

struct NamedFrame
{
    const char *name;
    KivFrameSize frame;
};

constexpr NamedFrame namedFrames[] = {
    {"hd", {1920, 1080}},
    {"uhd", {3840, 2160}},
    {"dci4k", {4096, 2160}},
};

// Digits to a side, saturating past the limit (so no overflow on long runs).
int sideValue(QStringView digits)
{
    int n = 0;
    for (QChar c : digits) {
        n = n * 10 + (c.unicode() - '0');
        if (n > kivMaxFrameSide) {
            return kivMaxFrameSide + 1;
        }
    }
    return n;
}

} // namespace

bool kivIsDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

std::optional<double> kivReadNumber(const QString &text, QString &error)
{
    const QByteArray bytes = text.toLatin1();
    double value = 0.0;
    const char *first = bytes.constData();
    const char *last = first + bytes.size();
    const auto [end, read] = std::from_chars(first, last, value);
    if (read == std::errc::result_out_of_range) {
        error = QStringLiteral("beyond the range of numbers");
        return std::nullopt;
    }
    if (text.isEmpty() || read != std::errc() || end != last) {
        error = text.contains(QLatin1Char(','))
                    ? QStringLiteral("not a number; write decimals with a point, as in 1.5")
                    : QStringLiteral("not a number");
        return std::nullopt;
    }
    if (!std::isfinite(value)) {
        error = QStringLiteral("not a finite number");
        return std::nullopt;
    }
    if (value < 0.0) {
        error = QStringLiteral("negative");
        return std::nullopt;
    }
    return value + 0.0; // -0 reads as 0
}

std::optional<std::uint32_t> kivReadTime(const QString &text, QString &error)
{
    const QStringList fields = text.split(QLatin1Char(':'));
    bool digitsOnly = fields.size() <= 3;
    for (const QString &field : fields) {
        digitsOnly = digitsOnly && kivIsDigits(field);
    }
    if (!digitsOnly) {
        error = QStringLiteral("not a time; write S, M:S or H:M:S with digits only");
        return std::nullopt;
    }
    // From the right: seconds, minutes, hours.
    static constexpr std::uint64_t UNITS[] = {1, 60, 3600};
    std::uint64_t total = 0;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString &field = fields[fields.size() - 1 - i];
        const bool first = i == fields.size() - 1;
        // Leading zeros aside, more than ten digits is beyond any count.
        QStringView digits = field;
        while (digits.size() > 1 && digits.startsWith(QLatin1Char('0'))) {
            digits = digits.mid(1);
        }
        const std::uint64_t value = digits.size() > 10 ? UINT64_MAX : digits.toULongLong();
        if (!first && value >= 60) {
            error = QStringLiteral("not a time; minutes and seconds after hours or minutes "
                                   "must be below 60");
            return std::nullopt;
        }
        if (value > KIV_LONGEST_SECONDS || value * UNITS[i] > KIV_LONGEST_SECONDS - total) {
            error = QStringLiteral("longer than %1, the longest time there is")
                        .arg(kivTimeText(KIV_LONGEST_SECONDS));
            return std::nullopt;
        }
        total += value * UNITS[i];
    }
    return static_cast<std::uint32_t>(total);
}

QString KivFrameSize::text() const
{
    return QString::number(width) + QLatin1Char('x') + QString::number(height);
}

std::optional<KivFrameSize> kivReadFrameSize(const QString &text, QString &error)
{
    const QString t = text.trimmed();
    for (const NamedFrame &named : namedFrames) {
        if (t.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) {
            return named.frame;
        }
    }
    const qsizetype x = t.indexOf(QLatin1Char('x'), 0, Qt::CaseInsensitive);
    const QStringView width = QStringView(t).left(x);
    const QStringView height = QStringView(t).mid(x + 1);
    if (x < 0 || !kivIsDigits(width) || !kivIsDigits(height)) {
        error = QLatin1String("frame size ") + kivQuoted(text, kivShownLength) +
                QLatin1String(": write it as WIDTHxHEIGHT (1920x1080) or as hd, uhd or dci4k");
        return std::nullopt;
    }
    const KivFrameSize frame{sideValue(width), sideValue(height)};
    if (!frame.isValid()) {
        error = QLatin1String("frame size ") + kivQuoted(text, kivShownLength) +
                QStringLiteral(": width and height must be 1 to %1 pixels").arg(kivMaxFrameSide);
        return std::nullopt;
    }
    return frame;
}

bool kivIsFrameRate(double fps)
{
    return fps >= kivMinFrameRate && fps <= kivMaxFrameRate;
}

std::optional<double> kivReadFrameRate(const QString &text, QString &error, bool checkRange)
{
    // Fields per second, as interlaced video is named ("50i"), are two a frame.
    QString t = text.trimmed();
    const bool fields =
        t.size() > 1 && (t.endsWith(QLatin1Char('i')) || t.endsWith(QLatin1Char('I')));
    if (fields) {
        t.chop(1);
    }
    const QString start =
        QLatin1String("frame rate ") + kivQuoted(text, kivShownLength) + QLatin1String(": ");
    double fps = 0;
    const qsizetype slash = t.indexOf(QLatin1Char('/'));
    if (slash >= 0) {
        const QStringView over = QStringView(t).left(slash);
        const QStringView under = QStringView(t).mid(slash + 1);
        if (!kivIsDigits(over) || !kivIsDigits(under)) {
            error = start + QLatin1String("a fraction is two whole numbers (30000/1001)");
            return std::nullopt;
        }
        // Whole numbers in the C locale; a run too long for a double is infinite.
        const double divisor = under.toDouble();
        if (divisor == 0) {
            error = start + QLatin1String("the divisor is 0");
            return std::nullopt;
        }
        fps = over.toDouble() / divisor;
    } else {
        const qsizetype dot = t.indexOf(QLatin1Char('.'));
        const bool plain = dot < 0 ? kivIsDigits(t)
                                   : kivIsDigits(QStringView(t).left(dot)) &&
                                         kivIsDigits(QStringView(t).mid(dot + 1));
        if (!plain) {
            error = start + QLatin1String("write it as a number with a '.' (29.97) or as a "
                                          "fraction (30000/1001)");
            return std::nullopt;
        }
        fps = t.toDouble();
    }
    if (fields) {
        fps /= 2;
    }
    if (checkRange && !kivIsFrameRate(fps)) {
        error =
            start + QStringLiteral("must be from %1 to %2 frames per second")
                        .arg(kivFrameRateText(kivMinFrameRate), kivFrameRateText(kivMaxFrameRate));
        return std::nullopt;
    }
    return fps;
}

KivLocalNumbers::KivLocalNumbers(const QLocale &locale) : locale_(locale)
{
    const QString point = locale.decimalPoint();
    if (point != QLatin1String(".")) {
        point_ = point;
    }
}

QString KivLocalNumbers::text(double x) const
{
    QString text = kivNumberText(x);
    return point_.isEmpty() ? text : text.replace(QLatin1Char('.'), point_);
}

QString KivLocalNumbers::figure(double x) const
{
    return kivFigureText(x, locale_);
}

double KivLocalNumbers::read(const QString &text) const
{
    bool ok = false;
    double value = text.toDouble(&ok);
    if (!ok && !point_.isEmpty()) {
        value = locale_.toDouble(text, &ok);
        if (!ok) {
            value = QString(text).replace(point_, QLatin1String(".")).toDouble(&ok);
        }
    }
    return ok ? value : 0.0;
}

std::optional<double> KivLocalNumbers::frameRate(const QString &text) const
{
    QString error;
    std::optional<double> fps = kivReadFrameRate(text, error);
    if (!fps && !point_.isEmpty()) {
        fps = kivReadFrameRate(QString(text).replace(point_, QLatin1String(".")), error);
    }
    return fps;
}
