// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Reading a formats file (the structure is in KivFormatLoad.h).
#pragma once

#include "catalogue/KivFormat.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The valid entries of `json`, in file order and with distinct ids. Each
// fault adds one line naming `origin` to `warnings`.
QList<KivFormat> kivReadFormats(const QByteArray &json, const QString &origin,
                                QStringList &warnings);
