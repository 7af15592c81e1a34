// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize's last step: what a calculation asks for computed from the
// request and its resolved bitrate, then shown as text or JSON.
#pragma once

#include "KivFileSizeRequest.h"

#include <QString>

#include <optional>

// Computes the answer to `request` (one for two quantities, a table for one)
// with the bitrate of `source` where one was given, and renders it into
// `out`: text, with the line that the source adds first, or JSON, with the
// members it adds. On a refusal (a result beyond what can be counted)
// returns false with `error` set to one line. With the `volume` of --free its
// free space is the card size: the answer is the time left on it, with a line
// before the text naming the volume, and the members free_gb, volume and
// mount in JSON.
bool kivAnswer(const KivFileSizeRequest &request, const std::optional<KivBitrateSource> &source,
               QString &out, QString &error, const std::optional<KivVolume> &volume = std::nullopt);
