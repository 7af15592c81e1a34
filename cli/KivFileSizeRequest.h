// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// What passes between kivfilesize's three steps: reading turns the arguments
// into a request (plain data, no file touched); resolving turns the request's
// bitrate into a typed source (the only step that reads catalogues and
// clips); answering computes and renders.
#pragma once

#include "calc/KivAudio.h"
#include "calc/KivUnits.h"
#include "catalogue/KivFormatCatalogue.h"
#include "clips/KivClips.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <variant>

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
        ClipEvents,
        Plan
    };
    Action action = Action::Calculate;
    KivCardUnits units = KivCardUnits::Kiv;
    bool json = false;

    std::optional<double> bitrate; // Mbit/s typed with --bitrate or --mbytes
    std::optional<double> cardSize;
    std::optional<std::uint32_t> seconds;
    KivGiven bitrateGiven;
    KivGiven cardSizeGiven;
    KivGiven timeGiven;

    // Where a bitrate that was not typed comes from: --format with --frame
    // and --fps as typed, or the paths of --clip and the lists of paths of
    // --clip-list ("-": standard input), read when resolving.
    QString format;
    std::optional<QString> frame;
    std::optional<QString> fps;
    QStringList clips;
    // PCM audio of --audio, to add to a typed rate or a format's figure of
    // video only.
    std::optional<KivAudio> audio;
    KivGiven audioGiven;
    QStringList clipLists;
    // Formats files to add to the catalogue, and the word of --list-formats.
    QStringList formatsFiles;
    QString listWord;
    // The plan file of --plan ('-' for standard input).
    std::optional<QString> plan;
    // The path of --free, whose volume's free space is the card size.
    std::optional<QString> free;

    // Whether a bitrate was given, typed or to come from a format or clips.
    bool hasBitrate() const { return bitrate || !format.isEmpty() || hasClips(); }
    bool hasClips() const { return !clips.isEmpty() || !clipLists.isEmpty(); }
    // The option and text the bitrate comes from, as typed.
    KivGiven bitrateSource() const;

    int count() const
    {
        return int(hasBitrate()) + int(cardSize || free) + int(seconds.has_value());
    }
};

// The volume holding the path of --free, as resolving found it.
struct KivVolume
{
    qint64 bytesFree = 0; // available to the user
    QString name;         // its label, or where it is mounted when it has none
    QString root;         // where it is mounted
};

// The bitrate, resolved: typed (nothing more to say), a format's, or measured
// from clips.
struct KivBitrateSource
{
    std::variant<std::monostate, KivFormatChoice, KivClipReport> from;
    double mbps = 0; // with the audio
    // What names the bitrate in a message: --bitrate "4", --format
    // "prores-422-hq", --clip "a.mp4 b.mp4", --clip-list "-".
    KivGiven given;
    std::optional<KivAudio> audio =
        std::nullopt; // added on top of a typed rate or a format's figure
};
