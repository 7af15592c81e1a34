// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeAnswer.h"

#include "KivFileSizeClips.h"
#include "KivFileSizeFormat.h"
#include "KivJson.h"

#include "calc/KivDisplay.h"
#include "calc/KivUnits.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double CARD_SIZES[] = {8, 16, 32, 64, 128, 256, 512, 1024};
constexpr double BITRATES[] = {4, 8, 16, 25, 50, 100, 150, 200, 400};

QString unitsName(KivCardUnits units)
{
    return QLatin1String(kivCardUnit(units).name);
}

QString sizeUnit(KivCardUnits units)
{
    return QLatin1String(kivCardUnit(units).label);
}

QString unitsRule(KivCardUnits units)
{
    const KivCardUnit &unit = kivCardUnit(units);
    return QStringLiteral("%1 (%2)").arg(QLatin1String(unit.rule), QLatin1String(unit.name));
}

// One answer: all three quantities, one of them computed.
struct Answer
{
    double bitrate;
    double cardSize;
    std::uint32_t seconds;
    KivQuantity computed;
};

QString given(const KivGiven &g)
{
    return g.option + QLatin1Char(' ') + kivQuoted(g.text);
}

// The time `cardSize` lasts at `bitrate`, refused when it does not fit the
// count. `what()` names the inputs in a refusal; it is called only then.
template <typename What>
bool timeOf(Answer &answer, KivCardUnits units, const What &what, QString &err)
{
    if (answer.bitrate == 0.0) {
        err = QStringLiteral("%1: a bitrate of 0 cannot give a time").arg(what());
        return false;
    }
    const double q = kivSecondsQuotient(answer.cardSize, answer.bitrate, units);
    if (!kivIsCountable(q)) {
        err = QStringLiteral("%1: the recording lasts longer than %2, the longest time there is")
                  .arg(what(), kivTimeText(KIV_LONGEST_SECONDS));
        return false;
    }
    answer.seconds = static_cast<std::uint32_t>(q);
    answer.computed = KivQuantity::Time;
    return true;
}

template <typename What>
bool bitrateOf(Answer &answer, KivCardUnits units, const What &what, QString &err)
{
    if (answer.seconds == 0) {
        err = QStringLiteral("%1: a time of 0 cannot give a bitrate").arg(what());
        return false;
    }
    answer.bitrate = kivBitrate(answer.cardSize, answer.seconds, units);
    answer.computed = KivQuantity::Bitrate;
    if (!std::isfinite(answer.bitrate)) {
        err = QStringLiteral("%1: the bitrate is beyond the range of numbers").arg(what());
        return false;
    }
    return true;
}

template <typename What>
bool cardSizeOf(Answer &answer, KivCardUnits units, const What &what, QString &err)
{
    answer.cardSize = kivCardSize(answer.seconds, answer.bitrate, units);
    answer.computed = KivQuantity::CardSize;
    if (!std::isfinite(answer.cardSize)) {
        err = QStringLiteral("%1: the card size is beyond the range of numbers").arg(what());
        return false;
    }
    return true;
}

// The answers a request asks for: one for two quantities, a table for one.
bool answersOf(const KivFileSizeRequest &r, const std::optional<KivBitrateSource> &source,
               std::vector<Answer> &answers, QString &err)
{
    const KivCardUnits units = r.units;
    const double mbps = source ? source->mbps : 0.0;
    const KivGiven bitrateGiven = source ? source->given : KivGiven();
    const auto onCard = [units](const KivGiven &g, double size) {
        return [&g, size, units] {
            return QStringLiteral("%1 on a %2 %3 card")
                .arg(given(g), kivNumberText(size), sizeUnit(units));
        };
    };
    const auto both = [](const KivGiven &a, const char *word, const KivGiven &b) {
        return [&a, word, &b] { return given(a) + QLatin1String(word) + given(b); };
    };
    if (r.count() == 2) {
        Answer a{mbps, r.cardSize.value_or(0.0), r.seconds.value_or(0u), KivQuantity::None};
        bool ok = false;
        if (!r.seconds) {
            ok = timeOf(a, units, both(bitrateGiven, " with ", r.cardSizeGiven), err);
        } else if (!source) {
            ok = bitrateOf(a, units, both(r.cardSizeGiven, " in ", r.timeGiven), err);
        } else {
            ok = cardSizeOf(a, units, both(bitrateGiven, " for ", r.timeGiven), err);
        }
        answers.push_back(a);
        return ok;
    }
    if (source) {
        for (const double size : CARD_SIZES) {
            Answer a{mbps, size, 0, KivQuantity::None};
            if (!timeOf(a, units, onCard(bitrateGiven, size), err)) {
                return false;
            }
            answers.push_back(a);
        }
    } else if (r.seconds) {
        for (const double size : CARD_SIZES) {
            Answer a{0.0, size, *r.seconds, KivQuantity::None};
            if (!bitrateOf(a, units, onCard(r.timeGiven, size), err)) {
                return false;
            }
            answers.push_back(a);
        }
    } else {
        for (const double bitrate : BITRATES) {
            Answer a{bitrate, *r.cardSize, 0, KivQuantity::None};
            const auto what = [&r, bitrate] {
                return given(r.cardSizeGiven) +
                       QStringLiteral(" at %1 Mbit/s").arg(kivNumberText(bitrate));
            };
            if (!timeOf(a, units, what, err)) {
                return false;
            }
            answers.push_back(a);
        }
    }
    return true;
}

QString computedName(KivQuantity q)
{
    switch (q) {
    case KivQuantity::Bitrate:
        return QStringLiteral("bitrate");
    case KivQuantity::CardSize:
        return QStringLiteral("card_size");
    case KivQuantity::Time:
        break;
    case KivQuantity::None:
        break;
    }
    return QStringLiteral("time");
}

// One answer as a JSON object, with `more`, the members the bitrate's source
// adds.
QString jsonOf(const Answer &a, const KivFileSizeRequest &r, const QString &more)
{
    return QStringLiteral("{\"units\": \"%1\", \"computed\": \"%2\", \"bitrate_mbit_s\": %3, "
                          "\"bitrate_mbyte_s\": %4, \"card_size\": %5, \"card_size_unit\": "
                          "\"%6\", \"time\": \"%7\", \"seconds\": %8%9}")
        .arg(unitsName(r.units), computedName(a.computed), kivJsonNumber(a.bitrate),
             kivJsonNumber(kivMbytesPerSec(a.bitrate)), kivJsonNumber(a.cardSize),
             sizeUnit(r.units), kivTimeText(a.seconds), QString::number(a.seconds), more);
}

// Columns right-aligned under their headers, two spaces apart.
QString table(const QStringList &headers, const std::vector<QStringList> &rows)
{
    std::vector<qsizetype> widths;
    for (const QString &header : headers) {
        widths.push_back(header.size());
    }
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    QString out;
    const auto line = [&](const QStringList &cells) {
        for (qsizetype i = 0; i < cells.size(); ++i) {
            out += (i > 0 ? QStringLiteral("  ") : QString()) + cells[i].rightJustified(widths[i]);
        }
        out += QLatin1Char('\n');
    };
    line(headers);
    for (const QStringList &row : rows) {
        line(row);
    }
    return out;
}

QString textOf(const KivFileSizeRequest &r, const KivBitrateSource *source,
               const std::vector<Answer> &answers)
{
    const QString unit = sizeUnit(r.units);
    const QString rule = unitsRule(r.units);
    if (r.count() == 2) {
        const Answer &a = answers.front();
        return QStringLiteral("Bitrate:    %1 Mbit/s = %2 MB/s\nCard size:  %3 %4\n"
                              "Time:       %5\nUnits:      %6\n")
            .arg(kivNumberText(a.bitrate), kivNumberText(kivMbytesPerSec(a.bitrate)),
                 kivNumberText(a.cardSize), unit, kivTimeText(a.seconds), rule);
    }
    std::vector<QStringList> rows;
    QStringList headers;
    QString title;
    if (source) {
        title = QStringLiteral("Recording time at %1 Mbit/s = %2 MB/s")
                    .arg(kivNumberText(source->mbps), kivNumberText(kivMbytesPerSec(source->mbps)));
        headers = {QStringLiteral("Card size (%1)").arg(unit), QStringLiteral("Time")};
        for (const Answer &a : answers) {
            rows.push_back({kivNumberText(a.cardSize), kivTimeText(a.seconds)});
        }
    } else if (r.seconds) {
        title = QStringLiteral("Bitrate that fills the card in %1").arg(kivTimeText(*r.seconds));
        headers = {QStringLiteral("Card size (%1)").arg(unit), QStringLiteral("Mbit/s"),
                   QStringLiteral("MB/s")};
        for (const Answer &a : answers) {
            rows.push_back({kivNumberText(a.cardSize), kivNumberText(a.bitrate),
                            kivNumberText(kivMbytesPerSec(a.bitrate))});
        }
    } else {
        title = QStringLiteral("Recording time on %1 %2").arg(kivNumberText(*r.cardSize), unit);
        headers = {QStringLiteral("Mbit/s"), QStringLiteral("MB/s"), QStringLiteral("Time")};
        for (const Answer &a : answers) {
            rows.push_back({kivNumberText(a.bitrate), kivNumberText(kivMbytesPerSec(a.bitrate)),
                            kivTimeText(a.seconds)});
        }
    }
    return title + QStringLiteral("; ") + rule + QLatin1Char('\n') + table(headers, rows);
}

// What the bitrate's source adds: a line before the text answer, and
// members of each JSON object.
struct SourceText
{
    QString line;
    QString members;
};

SourceText sourceText(const KivBitrateSource &source, KivCardUnits units)
{
    SourceText text;
    if (const auto *format = std::get_if<KivFormatChoice>(&source.from)) {
        text = {kivFormatLine(*format), kivFormatJson(*format)};
    } else if (const auto *clips = std::get_if<KivClipReport>(&source.from)) {
        text = {kivClipsLine(*clips, units), kivClipsJson(*clips)};
    }
    if (source.audio) {
        text.line += kivAudioLine(*source.audio, source.mbps);
        text.members += (text.members.isEmpty() ? QString() : QStringLiteral(", ")) +
                        kivAudioJson(*source.audio);
    }
    return text;
}

} // namespace

bool kivAnswer(const KivFileSizeRequest &asked, const std::optional<KivBitrateSource> &source,
               QString &out, QString &error, const std::optional<KivVolume> &volume)
{
    KivFileSizeRequest request = asked;
    if (volume) {
        request.cardSize = kivGigabytes(volume->bytesFree, request.units);
    }
    std::vector<Answer> answers;
    if (!answersOf(request, source, answers, error)) {
        return false;
    }
    SourceText added = source ? sourceText(*source, request.units) : SourceText();
    if (volume) {
        const QString named =
            volume->name == volume->root ? QString() : kivQuoted(volume->name) + QLatin1Char(' ');
        added.line += QStringLiteral("Free space: %1 %2 on the volume %3at %4\n")
                          .arg(kivNumberText(*request.cardSize), sizeUnit(request.units), named,
                               kivEscaped(volume->root));
        added.members += (added.members.isEmpty() ? QString() : QStringLiteral(", ")) +
                         QStringLiteral("\"free_gb\": %1, \"volume\": %2, \"mount\": %3")
                             .arg(kivJsonNumber(*request.cardSize), kivJsonString(volume->name),
                                  kivJsonString(volume->root));
    }
    if (!request.json) {
        out = added.line + textOf(request, source ? &*source : nullptr, answers);
        return true;
    }
    const QString more = added.members.isEmpty() ? QString() : QStringLiteral(", ") + added.members;
    if (request.count() == 2) {
        out = jsonOf(answers.front(), request, more) + QLatin1Char('\n');
        return true;
    }
    QStringList objects;
    for (const Answer &a : answers) {
        objects << QStringLiteral("  ") + jsonOf(a, request, more);
    }
    out = QStringLiteral("[\n") + objects.join(QStringLiteral(",\n")) + QStringLiteral("\n]\n");
    return true;
}
