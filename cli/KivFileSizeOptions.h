// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The command line of kivfilesize: what it was asked for, read strictly.
#pragma once

#include "calc/KivUnits.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// One quantity given on the command line, with the option and the text it
// came from (for messages).
struct KivGiven
{
    QString option;
    QString text;
};

struct KivFileSizeRequest
{
    enum class Action
    {
        Calculate,
        Help,
        Version,
        ListFormats,
        ClipEvents
    };
    Action action = Action::Calculate;
    KivCardUnits units = KivCardUnits::Kiv;
    bool json = false;

    std::optional<double> bitrate; // Mbit/s, from --bitrate, --mbytes or --format
    std::optional<double> cardSize;
    std::optional<std::uint32_t> seconds;
    KivGiven bitrateGiven;
    KivGiven cardSizeGiven;
    KivGiven timeGiven;

    // Where a bitrate that was not typed comes from: --format with --frame,
    // --fps and --formats-file, or the paths of --clip; and the word of
    // --list-formats.
    QStringList clips;
    QString format;
    std::optional<QString> frame;
    std::optional<QString> fps;
    QStringList formatsFiles;
    QString listWord;

    // What answers add when the bitrate came from a source: a line before the
    // text answer and members of each JSON object. Lines for stderr that
    // refuse nothing (a faulty formats file).
    QString leadText;
    QString jsonMembers;
    QStringList warnings;

    // Whether a bitrate was given, typed or to come from a format or clips.
    bool hasBitrate() const { return bitrate || !format.isEmpty() || !clips.isEmpty(); }
    // The option and text the bitrate comes from.
    KivGiven bitrateSource() const;

    int count() const
    {
        return int(hasBitrate()) + int(cardSize.has_value()) + int(seconds.has_value());
    }
};

// Reads the arguments (without the program name) with Qt's parser into
// `request`. On a refusal returns false and sets `error` to a one-line
// message naming the option and its text; request.warnings holds what was
// found on the way all the same. --help and --version win over everything
// after them.
bool kivReadArguments(const QStringList &arguments, KivFileSizeRequest &request, QString &error);

// A non-negative finite number in the C locale, digits with an optional
// point and exponent; nothing else. `hint` gets advice for a near miss (a
// decimal comma).
std::optional<double> kivReadNumber(const QString &text, QString &hint);

// A time of the form S, M:S or H:M:S, digits only, each field after a larger
// one below 60, at most 4294967295 seconds in all.
std::optional<std::uint32_t> kivReadTime(const QString &text, QString &problem);
