// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "formats/KivFrame.h"

#include "KivFormatsText.h"

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
        error = QLatin1String("frame size ") + kivQuoted(text) +
                QLatin1String(": write it as WIDTHxHEIGHT (1920x1080) or as hd, uhd or dci4k");
        return std::nullopt;
    }
    const KivFrameSize frame{sideValue(width), sideValue(height)};
    if (!frame.isValid()) {
        error = QLatin1String("frame size ") + kivQuoted(text) +
                QStringLiteral(": width and height must be 1 to %1 pixels").arg(kivMaxFrameSide);
        return std::nullopt;
    }
    return frame;
}

bool kivIsFrameRate(double fps)
{
    return fps >= kivMinFrameRate && fps <= kivMaxFrameRate;
}

QString kivFrameRateText(double fps)
{
    return QString::number(fps, 'g', 10);
}

std::optional<double> kivReadFrameRate(const QString &text, QString &error)
{
    const QString t = text.trimmed();
    const QString start = QLatin1String("frame rate ") + kivQuoted(text) + QLatin1String(": ");
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
    if (!kivIsFrameRate(fps)) {
        error =
            start + QStringLiteral("must be from %1 to %2 frames per second")
                        .arg(kivFrameRateText(kivMinFrameRate), kivFrameRateText(kivMaxFrameRate));
        return std::nullopt;
    }
    return fps;
}
