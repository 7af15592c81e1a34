// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "cli/KivFileSize.h"

#include "KivFileSizeAnswer.h"
#include "KivFileSizeClips.h"
#include "KivFileSizeFormat.h"
#include "KivFileSizeHelp.h"
#include "KivFileSizePlanAnswer.h"
#include "KivFileSizeRead.h"
#include "KivFileSizeResolve.h"

int kivFileSize(const QStringList &arguments, QString &out, QString &err, const KivLineSink &lines)
{
    using Action = KivFileSizeRequest::Action;
    out.clear();
    err.clear();
    const auto refuse = [&](const QString &warnings, const QString &error) {
        out.clear();
        err = warnings + QStringLiteral("kivfilesize: ") + error + QLatin1Char('\n');
        return 2;
    };

    KivFileSizeRequest request;
    QString error;
    if (!kivReadArguments(arguments, request, error)) {
        return refuse(QString(), error);
    }
    if (request.action == Action::Help) {
        out = kivFileSizeHelp();
        return 0;
    }
    if (request.action == Action::Version) {
        out = QStringLiteral("kivfilesize " KIV_VERSION "\n");
        return 0;
    }

    // The lines of --clip-events go out as they come, where the caller takes
    // lines.
    const KivLineSink sink =
        lines ? lines : [&out](const QString &line) { out += line + QLatin1Char('\n'); };
    KivClipEventLines events(sink);
    KivResolved resolved;
    bool ok = kivResolve(request, resolved, error,
                         request.action == Action::ClipEvents ? &events : nullptr);
    QString answer;
    if (ok && request.action == Action::Calculate) {
        ok = kivAnswer(request, resolved.bitrate, answer, error, resolved.volume);
    } else if (ok && request.action == Action::Plan) {
        ok = kivAnswerPlan(resolved, request.json, answer, error);
    }
    // Faults of formats files come first, whatever the answer.
    QString warnings;
    for (const QString &warning : resolved.warnings) {
        warnings += QStringLiteral("kivfilesize: warning: ") + warning + QLatin1Char('\n');
    }
    // The lines of --clip-events stay whatever the outcome.
    const QString eventLines = request.action == Action::ClipEvents ? out : QString();
    if (!ok) {
        const int status = refuse(warnings, error);
        out = eventLines;
        return status;
    }
    err = warnings;
    switch (request.action) {
    case Action::ListFormats:
        out = kivFormatList(resolved.listed, request.json, kivTerminalColumns());
        break;
    case Action::ClipEvents: {
        const KivClipReport &report = std::get<KivClipReport>(resolved.bitrate->from);
        sink(kivClipTotalEvent(report));
        if (report.totals.recordings == 0) {
            // Nothing measured: refused as the command would be, after the events.
            QString why = QStringLiteral("no clip measured");
            for (const KivClipSkip &skip : report.skipped) {
                if (skip.refused) {
                    why = skip.message();
                    break;
                }
            }
            err += QStringLiteral("kivfilesize: ") + why + QLatin1Char('\n');
            return 2;
        }
        break;
    }
    case Action::Calculate:
    case Action::Plan:
    case Action::Help:
    case Action::Version:
        out += answer;
        break;
    }
    return 0;
}
