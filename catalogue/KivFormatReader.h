// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Reading a formats file (the structure is in KivFormatLoad.h): the entries
// and their common members here, the figures of each kind in
// KivFormatFigures.cpp.
#pragma once

#include "catalogue/KivFormat.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The valid entries of `json`, in file order and with distinct ids, each
// with `origin` as its file. Each fault adds one line naming `origin` to
// `warnings`.
QList<KivFormat> kivReadFormats(const QByteArray &json, const QString &origin,
                                QStringList &warnings);

namespace KivFormatReading {

// The most rates, sizes, names or aliases an entry lists.
inline constexpr qsizetype maxListed = 64;

// "\"key\"", as messages name a member.
QString member(const char *key);
// `x` as a message shows it.
QString number(double x);
// A number within lo..hi (so finite), or nothing.
std::optional<double> figure(const QJsonValue &value, double lo, double hi);
// "a number from lo to hi".
QString rangeText(double lo, double hi);
// A one-line text member, trimmed; required ones must not be blank. Returns
// the problem, or an empty text.
QString readText(const QJsonObject &entry, const char *key, bool required, QString &out);

// The members of `format.kind` that an entry may have, and whether `key` is
// one of any kind's.
bool isKindMember(KivFormatKind kind, const QString &key);
bool isAnyKindMember(const QString &key);
// Reads the figures of `format.kind` into `format`. Returns the problem, or
// an empty text.
QString readFigures(const QJsonObject &entry, KivFormat &format);

} // namespace KivFormatReading
