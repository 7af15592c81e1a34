// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The dialog in the user's language.
#pragma once

#include <QLocale>
#include <QString>

// Where the program finds its translations: share/kivfilesizecalculator/
// translations beside its bin folder, in an installation and in the build
// tree alike.
QString kivTranslationsDirectory();

// Installs, for `locale`, the calculator's translation from `directory` and
// the toolkit's own for its standard texts, where each exists, in place of
// any installed by an earlier call. Returns whether the calculator's was
// found; without it every text stays the form's own. Only words change:
// numbers are read and written with a '.' in every language.
bool kivInstallTranslations(const QLocale &locale, const QString &directory);
