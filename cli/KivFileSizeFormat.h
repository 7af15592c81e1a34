// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize's recording formats: the bitrate of --format, and the listing
// of --list-formats. The catalogue is read only here, so only when asked.
#pragma once

#include "KivFileSizeOptions.h"

#include <QString>

// Reads the catalogue (the built-in one, the user's file and each
// --formats-file), finds request.format and sets the bitrate it gives at
// --frame and --fps, with the line and JSON members that name it. Faults of
// formats files go to request.warnings. On a refusal returns false with
// `error` set to one line.
bool kivResolveFormat(KivFileSizeRequest &request, QString &error);

// The formats whose id, name or family holds request.listWord (every format
// for none): a text table, or a JSON array with --json. Refused when none
// matches.
bool kivListFormats(KivFileSizeRequest &request, QString &out, QString &error);
