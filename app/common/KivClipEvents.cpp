// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivClipEvents.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {

// Counts beyond these are no card's.
constexpr double MOST_COUNT = 2147483647.0;
constexpr double MOST_BYTES = 9007199254740992.0; // 2^53, exact in a double

std::optional<qint64> whole(const QJsonValue &value, double most)
{
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double x = value.toDouble();
    if (!(x >= 0 && x <= most) || std::floor(x) != x) {
        return std::nullopt;
    }
    return static_cast<qint64>(x);
}

std::optional<double> positive(const QJsonValue &value)
{
    const double x = value.isDouble() ? value.toDouble() : 0;
    return std::isfinite(x) && x > 0 ? std::optional<double>(x) : std::nullopt;
}

QString text(const QJsonObject &event, const char *member)
{
    return event.value(QLatin1String(member)).toString();
}

} // namespace

KivClipEvents::KivClipEvents(const QStringList &named) : named_(named.cbegin(), named.cend()) {}

bool KivClipEvents::take(const QByteArray &bytes)
{
    if (overlong_) {
        return false;
    }
    qsizetype start = 0;
    qsizetype end = 0;
    while ((end = bytes.indexOf('\n', start)) >= 0) {
        if (partial_.size() + (end - start) > LONGEST_LINE) {
            overlong_ = true;
            partial_.clear();
            return false;
        }
        partial_.append(bytes.constData() + start, end - start);
        line(partial_);
        partial_.clear();
        start = end + 1;
    }
    if (partial_.size() + (bytes.size() - start) > LONGEST_LINE) {
        overlong_ = true;
        partial_.clear();
        return false;
    }
    partial_.append(bytes.constData() + start, bytes.size() - start);
    return true;
}

void KivClipEvents::line(const QByteArray &line)
{
    namespace E = KivClipEvent;
    namespace M = KivClipMember;
    const QJsonObject event = QJsonDocument::fromJson(line).object();
    const QString kind = text(event, M::event);
    const QJsonValue path = event.value(QLatin1String(M::path));
    if (kind == QLatin1String(E::reading) && path.isString()) {
        open_ << path.toString();
        if (open_.size() > MOST_OPEN) {
            open_.removeFirst();
        }
    } else if ((kind == QLatin1String(E::read) || kind == QLatin1String(E::skipped)) &&
               path.isString()) {
        open_.removeOne(path.toString());
        ++filesDone_;
        if (kind == QLatin1String(E::skipped)) {
            const KivClipSkipped skip{path.toString(), kivClipReasonOfCode(text(event, M::code)),
                                      event.value(QLatin1String(M::refused)).toBool()};
            if (!firstSkipped_) {
                firstSkipped_ = skip;
            }
            if (skip.refused && !firstRefused_) {
                firstRefused_ = skip;
            }
            if (skip.refused && named_.contains(skip.path)) {
                refused_.insert(skip.path);
            }
        }
    } else if (kind == QLatin1String(E::failed)) {
        failed_ = true;
        failure_ = kivClipReasonOfCode(text(event, M::code));
    } else if (kind == QLatin1String(E::clip)) {
        // Its figures are in the total.
    } else if (kind != QLatin1String(E::total)) {
        garbled_ = true;
    } else {
        sentTotal_ = true;
        total_.reset();
        const auto member = [&event](const char *name) { return event.value(QLatin1String(name)); };
        // A count the total leaves out takes its default; one it gives must be whole.
        const auto count = [&member](const char *name, double most,
                                     qint64 otherwise) -> std::optional<qint64> {
            const QJsonValue value = member(name);
            return value.isUndefined() ? std::optional<qint64>(otherwise) : whole(value, most);
        };
        const std::optional<qint64> recordings = whole(member(M::recordings), MOST_COUNT);
        const std::optional<double> seconds = positive(member(M::seconds));
        const std::optional<double> mbps = positive(member(M::mbps));
        nothing_ = recordings == 0;
        if (!recordings || *recordings < 1 || !seconds || !mbps) {
            return;
        }
        // What the rate over the time fills, where the total does not say.
        const double implied = std::min(*mbps * *seconds * 1e6 / 8, MOST_BYTES);
        const std::optional<qint64> files = count(M::clips, MOST_COUNT, *recordings);
        const std::optional<qint64> skipped = count(M::skippedCount, MOST_COUNT, 0);
        const std::optional<qint64> bytes =
            count(M::bytes, MOST_BYTES, static_cast<qint64>(std::llround(implied)));
        if (!files || *files < *recordings || !skipped || !bytes) {
            return;
        }
        total_ = KivClipTotal{*recordings, *files, *skipped, *bytes, *seconds, *mbps};
    }
}

std::optional<KivClipTotal> KivClipEvents::total() const
{
    return total_;
}

std::optional<KivClipSkipped> KivClipEvents::firstSkip() const
{
    return firstRefused_ ? firstRefused_ : firstSkipped_;
}
