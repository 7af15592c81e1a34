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
        Version
    };
    Action action = Action::Calculate;
    KivCardUnits units = KivCardUnits::Kiv;
    bool json = false;

    std::optional<double> bitrate; // Mbit/s, from --bitrate or --mbytes
    std::optional<double> cardSize;
    std::optional<std::uint32_t> seconds;
    KivGiven bitrateGiven;
    KivGiven cardSizeGiven;
    KivGiven timeGiven;

    int count() const
    {
        return int(bitrate.has_value()) + int(cardSize.has_value()) + int(seconds.has_value());
    }
};

// Reads the arguments (without the program name) with Qt's parser. On a
// refusal returns nothing and sets `error` to a one-line message naming the
// option and its text. --help and --version win over everything after them.
std::optional<KivFileSizeRequest> kivReadArguments(const QStringList &arguments, QString &error);

// A non-negative finite number in the C locale, digits with an optional
// point and exponent; nothing else. `hint` gets advice for a near miss (a
// decimal comma).
std::optional<double> kivReadNumber(const QString &text, QString &hint);

// A time of the form S, M:S or H:M:S, digits only, each field after a larger
// one below 60, at most 4294967295 seconds in all.
std::optional<std::uint32_t> kivReadTime(const QString &text, QString &problem);
