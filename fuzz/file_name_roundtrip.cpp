// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// File names on arbitrary bytes: decoded and encoded again they are the same
// bytes; where Qt's own UTF-8 decoder takes them whole, the name is Qt's;
// every byte it does not take is one lone U+DC80..U+DCFF; and shown escaped
// the name holds no control character and no lone surrogate.
#include "FuzzSupport.h"

#include "calc/KivDisplay.h"
#include "calc/KivFileName.h"

#include <QByteArray>
#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString name = kivDecodeFileName(bytes);
    FUZZ_CHECK(kivEncodeFileName(name) == bytes);

    // Qt replaces what is not UTF-8, so only valid bytes come back from it.
    const QString qt = QString::fromUtf8(bytes);
    const bool valid = qt.toUtf8() == bytes;
    FUZZ_CHECK(kivHasRawBytes(name) == !valid);
    if (valid) {
        FUZZ_CHECK(name == qt);
    }

    const QString shown = kivEscaped(name);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QChar c = shown[i];
        FUZZ_CHECK(!kivIsControl(c));
        if (c.isHighSurrogate()) {
            FUZZ_CHECK(i + 1 < shown.size() && shown[i + 1].isLowSurrogate());
            ++i;
        } else {
            FUZZ_CHECK(!c.isSurrogate());
        }
    }
    return 0;
}
