// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// File names as the system gives them, bytes, held in a QString without
// loss. Bytes that are valid UTF-8 decode as UTF-8; each byte that is not
// becomes the lone surrogate U+DC80..U+DCFF (U+DC00 plus the byte), which no
// valid UTF-8 can decode to, so that encoding gives the same bytes back. A
// path read from a folder, an argument or a list thus reaches open() as the
// bytes the system gave. kivEscaped shows such a byte as \xHH; JSON carries
// it as \udcHH, which Python's surrogateescape reads back as the byte.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// `bytes` as a name: UTF-8, with every byte that is not part of a valid,
// shortest-form sequence (surrogates and code points beyond U+10FFFF are not
// valid) as U+DC00 + byte.
QString kivDecodeFileName(QByteArrayView bytes);

// The bytes of `name`: UTF-8, and U+DC80..U+DCFF not paired with a high
// surrogate as the byte it stands for. Any other lone surrogate, which no
// decoded name holds, is written as U+FFFD.
QByteArray kivEncodeFileName(QStringView name);

// Whether `name` holds a byte that is not valid UTF-8, that is a lone
// U+DC80..U+DCFF.
bool kivHasRawBytes(QStringView name);

// Whether `path` is written as a URL: a scheme of two or more characters, a
// letter then letters, digits, '+', '-' or '.', before a ':'. One letter
// before a colon is a drive ("C:"), not a scheme.
bool kivIsUrl(QStringView path);
