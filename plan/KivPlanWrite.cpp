// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "calc/KivDisplay.h"
#include "plan/KivPlanFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace {

// A value as Qt's JSON writer writes it: strings escaped, numbers as the
// shortest text that reads back as the same double.
QString json(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString member(const char *key, const QJsonValue &value)
{
    return QLatin1Char('"') + QLatin1String(key) + QLatin1String("\": ") + json(value);
}

// The members of a source, comma-separated.
QStringList sourceMembers(const KivPlanSource &source)
{
    QStringList members;
    if (const auto *rate = std::get_if<KivPlanBitrate>(&source.from)) {
        members << member("bitrate", rate->mbps);
    } else if (const auto *mbytes = std::get_if<KivPlanMbytes>(&source.from)) {
        members << member("mbytes", mbytes->mbytesPerSec);
    } else if (const auto *format = std::get_if<KivPlanFormat>(&source.from)) {
        members << member("format", format->name);
        if (format->frame) {
            members << member("frame", format->frame->text());
        }
        if (format->fps) {
            members << member("fps", *format->fps);
        }
    } else if (const auto *clips = std::get_if<KivPlanClips>(&source.from)) {
        members << member("clips", QJsonArray::fromStringList(clips->paths));
    }
    if (source.audio) {
        members << member("audio", source.audio->typed());
    }
    return members;
}

QString object(const QStringList &members)
{
    return QLatin1Char('{') + members.join(QStringLiteral(", ")) + QLatin1Char('}');
}

} // namespace

QByteArray kivWritePlan(const KivPlan &plan)
{
    QStringList lines;
    if (!plan.title.isEmpty()) {
        lines << member("title", plan.title);
    }
    lines << member("units", QLatin1String(kivCardUnit(plan.units).name))
          << member("days", plan.days) << member("copies", plan.copies);
    const struct
    {
        const char *key;
        const std::optional<double> &value;
    } figures[] = {
        {"card_size", plan.cardSize},
        {"drive_size", plan.driveSize},
        {"offload_mbyte_s", plan.offloadMbytesPerSec},
    };
    for (const auto &figure : figures) {
        if (figure.value) {
            lines << member(figure.key, *figure.value);
        }
    }
    // The day's members with a day length, else those not at their default.
    const bool day = plan.dayLength.has_value();
    if (day) {
        lines << member("day_length", kivTimeText(*plan.dayLength));
    }
    if (day || plan.handoffSeconds != 0) {
        lines << member("handoff", kivTimeText(plan.handoffSeconds));
    }
    if (day || plan.readers != 1) {
        lines << member("readers", plan.readers);
    }
    if (day || plan.verify) {
        lines << member("verify", plan.verify);
    }
    if (plan.proxy) {
        lines << QStringLiteral("\"proxy\": ") + object(sourceMembers(*plan.proxy));
    }
    QStringList cameras;
    for (const KivPlanCamera &camera : plan.cameras) {
        QStringList members = {member("name", camera.name), member("count", camera.count)};
        if (camera.secondsPerDay) {
            members << member("time_per_day", kivTimeText(*camera.secondsPerDay));
        }
        members << sourceMembers(camera.source);
        cameras << QStringLiteral("    ") + object(members);
    }
    lines << QStringLiteral("\"cameras\": [\n") + cameras.join(QStringLiteral(",\n")) +
                 QStringLiteral("\n  ]");
    return (QStringLiteral("{\n  ") + lines.join(QStringLiteral(",\n  ")) + QStringLiteral("\n}\n"))
        .toUtf8();
}
