// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Finding entries by what a user types: ids, former ids, names, the names a
// format is known by at a rate, and the words of all of these.
#include "catalogue/KivFormatCatalogue.h"

#include "calc/KivDisplay.h"

#include <QSet>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Longer typed names get no edit-distance suggestions (the cost grows with
// the product of the lengths).
constexpr qsizetype maxSuggestedLength = 128;
// A refusal lists at most this many entries.
constexpr qsizetype maxListed = 10;

// Levenshtein distance: insertions, deletions and substitutions.
qsizetype editDistance(const QString &a, const QString &b)
{
    std::vector<qsizetype> row(size_t(b.size()) + 1);
    for (qsizetype j = 0; j <= b.size(); ++j) {
        row[size_t(j)] = j;
    }
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype above = row[size_t(j)];
            const qsizetype substitution = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            row[size_t(j)] = std::min({above + 1, row[size_t(j - 1)] + 1, substitution});
            diagonal = above;
        }
    }
    return row[size_t(b.size())];
}

QString makerOf(const KivFormat &format)
{
    return format.family.section(QLatin1Char(' '), 0, 0);
}

// Whether `text`, alone or after the maker, has the words `typed`.
bool namedAs(const QString &text, const QString &maker, const QStringList &typed)
{
    return kivFormatWords(text) == typed ||
           kivFormatWords(maker + QLatin1Char(' ') + text) == typed;
}

// "a, b or c", the first maxListed and then "and N more".
QString listText(const QStringList &items)
{
    QString text;
    const qsizetype shown = std::min(items.size(), maxListed);
    for (qsizetype i = 0; i < shown; ++i) {
        if (i > 0) {
            text += i + 1 == items.size() ? QLatin1String(" or ") : QLatin1String(", ");
        }
        text += items[i];
    }
    if (items.size() > shown) {
        text += QStringLiteral(" and %1 more").arg(items.size() - shown);
    }
    return text;
}

// "1920x1080 at 29.97 fps, 1440x1080 at 29.97 fps or 1280x720 at 59.94 fps".
QString pointsText(const QList<KivFormatNamed> &points)
{
    QList<KivFrameSize> frames;
    QList<QList<double>> rates;
    for (const KivFormatNamed &point : points) {
        qsizetype i = frames.indexOf(point.frame);
        if (i < 0) {
            i = frames.size();
            frames << point.frame;
            rates.append(QList<double>());
        }
        if (!rates[i].contains(point.fps)) {
            rates[i] << point.fps;
        }
    }
    QStringList texts;
    for (qsizetype i = 0; i < frames.size(); ++i) {
        std::sort(rates[i].begin(), rates[i].end());
        texts << frames[i].text() + QLatin1String(" at ") +
                     kivRatesText(rates[i], QStringLiteral(" or ")) + QLatin1String(" fps");
    }
    return listText(texts);
}

// The one point of `points` that `frame` and `fps` leave, or a refusal.
std::optional<KivFormatNamed> choosePoint(QList<KivFormatNamed> points, const QString &name,
                                          std::optional<KivFrameSize> frame,
                                          std::optional<double> fps, QString &error)
{
    const QString start = kivQuoted(name, kivShownLength) + QLatin1String(" exists at ");
    if (frame) {
        QList<KivFormatNamed> kept;
        for (const KivFormatNamed &point : points) {
            if (point.frame == *frame) {
                kept << point;
            }
        }
        if (kept.isEmpty()) {
            error = start + pointsText(points) + QLatin1String(", not ") + frame->text();
            return std::nullopt;
        }
        points = kept;
    } else {
        for (const KivFormatNamed &point : points) {
            if (!(point.frame == points.first().frame)) {
                error = start + pointsText(points) + QLatin1String("; give the frame size");
                return std::nullopt;
            }
        }
    }
    if (fps) {
        QList<KivFormatNamed> kept;
        for (const KivFormatNamed &point : points) {
            if (kivIsListedRate(*fps, point.fps)) {
                kept << point;
            }
        }
        if (kept.isEmpty()) {
            error = start + pointsText(points) + QLatin1String(", not ") + kivFrameRateText(*fps);
            return std::nullopt;
        }
        points = kept;
    } else {
        for (const KivFormatNamed &point : points) {
            if (point.fps != points.first().fps) {
                error = start + pointsText(points) + QLatin1String("; give the frame rate");
                return std::nullopt;
            }
        }
    }
    return points.first();
}

} // namespace

std::optional<KivFormat> KivFormatCatalogue::find(const QString &name) const
{
    const QStringList typed = kivFormatWords(name);
    if (typed.isEmpty()) {
        return std::nullopt;
    }
    for (const KivFormat &format : formats_) {
        if (kivFormatWords(format.id) == typed) {
            return format;
        }
    }
    for (const KivFormat &format : formats_) {
        for (const QString &alias : format.aliases) {
            if (kivFormatWords(alias) == typed) {
                return format;
            }
        }
    }
    for (const KivFormat &format : formats_) {
        if (namedAs(format.name, makerOf(format), typed)) {
            return format;
        }
    }
    return std::nullopt;
}

QList<KivFormat> KivFormatCatalogue::withWords(const QString &name) const
{
    const QStringList typedWords = kivFormatWords(name);
    if (typedWords.isEmpty()) {
        return {};
    }
    const QSet<QString> typed(typedWords.begin(), typedWords.end());
    const QString normalized = kivNormalizeFormatName(name);
    struct Fit
    {
        qsizetype extra;
        qsizetype distance;
        qsizetype index;
    };
    std::vector<Fit> fits;
    for (qsizetype i = 0; i < formats_.size(); ++i) {
        const KivFormat &format = formats_[i];
        QStringList words = kivFormatWords(format.id) + kivFormatWords(format.name) +
                            kivFormatWords(makerOf(format));
        for (const QString &alias : format.aliases) {
            words += kivFormatWords(alias);
        }
        const QSet<QString> own(words.begin(), words.end());
        if (own.contains(typed)) {
            const qsizetype distance =
                normalized.size() <= maxSuggestedLength ? editDistance(normalized, format.id) : 0;
            fits.push_back({own.size() - typed.size(), distance, i});
        }
    }
    std::stable_sort(fits.begin(), fits.end(), [](const Fit &a, const Fit &b) {
        return std::pair(a.extra, a.distance) < std::pair(b.extra, b.distance);
    });
    QList<KivFormat> found;
    for (const Fit &fit : fits) {
        found << formats_[fit.index];
    }
    return found;
}

QList<KivFormatNamed> KivFormatCatalogue::named(const QString &name) const
{
    const QStringList typed = kivFormatWords(name);
    QList<KivFormatNamed> points;
    if (typed.isEmpty()) {
        return points;
    }
    for (const KivFormat &format : formats_) {
        for (const KivFormatName &known : format.names) {
            if (namedAs(known.name, makerOf(format), typed)) {
                for (const KivFormatSize &size : format.sizes) {
                    points.append({format, size.frame, known.fps});
                }
            }
        }
    }
    return points;
}

std::optional<KivFormat> KivFormatCatalogue::lookup(const QString &name, QString &error) const
{
    std::optional<KivFormat> format = find(name);
    if (format) {
        return format;
    }
    const QList<KivFormat> fits = withWords(name);
    if (fits.size() == 1) {
        return fits.first();
    }
    if (!fits.isEmpty()) {
        QStringList ids;
        for (const KivFormat &fit : fits) {
            ids << fit.id;
        }
        error = QStringLiteral("format %1 fits %2 entries: ")
                    .arg(kivQuoted(name, kivShownLength))
                    .arg(fits.size()) +
                listText(ids);
        return std::nullopt;
    }
    error = QLatin1String("unknown format ") + kivQuoted(name, kivShownLength);
    const QStringList near = suggestions(name);
    if (!near.isEmpty()) {
        error += QLatin1String("; did you mean ") + listText(near) + QLatin1Char('?');
    }
    return std::nullopt;
}

QStringList KivFormatCatalogue::suggestions(const QString &name, int count) const
{
    const QString typed = kivNormalizeFormatName(name);
    QStringList ids;
    if (typed.isEmpty() || count <= 0) {
        return ids;
    }
    if (typed.size() <= maxSuggestedLength) {
        const qsizetype limit = std::max<qsizetype>(3, typed.size() / 2);
        std::vector<std::pair<qsizetype, qsizetype>> near; // distance, index
        for (qsizetype i = 0; i < formats_.size(); ++i) {
            // A suggestion shares something with what was typed: "xyz" is not "dv".
            const qsizetype distance = editDistance(typed, formats_[i].id);
            if (distance <= limit && distance < std::max(typed.size(), formats_[i].id.size())) {
                near.emplace_back(distance, i);
            }
        }
        std::stable_sort(near.begin(), near.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &[distance, index] : near) {
            if (ids.size() < count) {
                ids << formats_[index].id;
            }
        }
    }
    if (ids.isEmpty()) {
        for (const KivFormat &format : filter(typed)) {
            if (ids.size() < count) {
                ids << format.id;
            }
        }
    }
    return ids;
}

std::optional<KivFormatChoice> kivChooseFormat(const KivFormatCatalogue &catalogue,
                                               const QString &name,
                                               std::optional<KivFrameSize> frame,
                                               std::optional<double> fps, QString &error,
                                               std::optional<KivAudio> audio)
{
    std::optional<KivFormat> format = catalogue.find(name);
    if (!format) {
        const QList<KivFormatNamed> points = catalogue.named(name);
        if (!points.isEmpty()) {
            const std::optional<KivFormatNamed> point =
                choosePoint(points, name, frame, fps, error);
            if (!point) {
                return std::nullopt;
            }
            format = point->format;
            frame = point->frame;
            fps = fps.value_or(point->fps);
        } else if (!(format = catalogue.lookup(name, error))) {
            return std::nullopt;
        }
    }
    const std::optional<KivFormatRate> rate = kivFormatRate(*format, frame, fps, error);
    if (!rate) {
        return std::nullopt;
    }
    if (audio && format->audio) {
        error = format->id +
                QLatin1String(": its figure includes the recorded audio; no audio can be added");
        return std::nullopt;
    }
    return KivFormatChoice{*format, frame, fps, *rate, audio};
}
