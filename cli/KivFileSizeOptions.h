// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize's options, one row each: the parser, the help and the checks of
// what goes together are made from these rows.
#pragma once

#include <QString>
#include <QStringView>

#include <span>

struct KivOptionRow
{
    const char *name;        // without dashes
    char letter;             // its one-letter name, or 0
    const char *valueName;   // shown in the help; null for none
    bool takesValue;         // the parser takes the next argument as its value
    const char *description; // the help's words; "%1" stands for the units
    // What it gives, which is given once ("card size"); null where it may be
    // repeated. Options that pool (the clips) may follow each other.
    const char *gives;
    bool pools;
    // Options of which one must be given with it, and the refusal without
    // them; an option that must not be given with it, and that refusal. Each
    // refusal takes the option and its quoted text.
    const char *needs;
    const char *needsWhy;
    const char *excludes;
    const char *excludesWhy;
    bool withPlan; // goes with --plan
};

// Every option, in the order the help shows them; help and version last.
std::span<const KivOptionRow> kivOptionRows();

// The row of an option by its name or letter, or null.
const KivOptionRow *kivFindOption(QStringView name);

// Whether the space-separated names of `list` hold `name`.
bool kivOptionListHas(const char *list, QStringView name);

// The refusal of a second option that gives what an earlier one gave.
QString kivGivenTwice(const QString &first, const QString &firstText, const QString &second,
                      const QString &secondText, const char *what);
