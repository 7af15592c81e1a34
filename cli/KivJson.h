// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// How kivfilesize writes values into its JSON.
#pragma once

#include <QString>

// `text` as a JSON string, quotes included; a lone surrogate (a byte of a
// file name that is not UTF-8, see KivFileName.h) as its \u escape.
QString kivJsonString(const QString &text);

// `x` as the shortest JSON number that reads back as the same double.
QString kivJsonNumber(double x);

// "\"name\": value", one member of a JSON object, `value` written already.
QString kivJsonMember(const char *name, const QString &value);
