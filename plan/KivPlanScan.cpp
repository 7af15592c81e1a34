// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivPlanScan.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QList>
#include <QSet>

namespace {

// An object or array being walked, with the place it stands at.
struct Level
{
    bool object = false;
    KivPlanPlace place;
    QSet<QString> members;
    QString member;   // the member whose value comes next (objects)
    qsizetype at = 0; // the element that comes next (arrays)
    bool key = false; // a member's name comes next (objects)
};

// A string token's text, escapes decoded by Qt's own reader.
QString decoded(const QByteArray &token)
{
    return QJsonDocument::fromJson('[' + token + ']').array().at(0).toString();
}

// The place of the value that comes next in `level`.
KivPlanPlace valuePlace(const Level &level)
{
    return level.object ? level.place.child(level.member) : level.place.at(level.at);
}

} // namespace

std::optional<KivPlanPlace> kivPlanMemberTwice(const QByteArray &json)
{
    QList<Level> levels;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '"') {
            const qsizetype start = i;
            for (++i; i < json.size() && json[i] != '"'; ++i) {
                if (json[i] == '\\') {
                    ++i;
                }
            }
            if (!levels.isEmpty() && levels.last().key) {
                Level &level = levels.last();
                level.member = decoded(json.mid(start, i - start + 1));
                if (level.members.contains(level.member)) {
                    return level.place.child(level.member);
                }
                level.members.insert(level.member);
                level.key = false;
            }
        } else if (c == '{' || c == '[') {
            Level next;
            next.object = c == '{';
            next.key = next.object;
            next.place = levels.isEmpty() ? KivPlanPlace::ofPlan() : valuePlace(levels.last());
            levels.append(next);
        } else if ((c == '}' || c == ']') && !levels.isEmpty()) {
            levels.removeLast();
        } else if (c == ',' && !levels.isEmpty()) {
            Level &level = levels.last();
            level.key = level.object;
            ++level.at;
        }
    }
    return std::nullopt;
}
