// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivAppOptions.h"

#include "calc/KivDisplay.h"

namespace {

const char HELP[] = R"(Usage: kivfilesizecalculator [OPTION]...
Opens the Kiv File Size Calculator, a dialog that relates the bitrate, the card
size and the recording time of a recording on a memory card: type two of them
and press Calculate (or Return) to get the third. A second group converts a
bitrate between Mbit/s and MB/s as you type.

Units: 1 GB = 1024 MB and 1 MB = 8 Mbit, so a card of S GB lasts
S x 8192 / B seconds at B Mbit/s.

  --plan [FILE]    open "Plan a Shoot", the planner of a whole shoot, instead,
                   with the plan file FILE ('-' reads standard input; the
                   format is in kivfilesize(1), PLAN FILE)
  -h, --help       print this help and exit
  -v, --version    print the version and exit

The toolkit's own options, such as -platform NAME, -style NAME and -reverse,
are passed on to it. For the same arithmetic without a window, see
kivfilesize(1).
)";

// The toolkit's options that take the next argument as their value.
const char *const TOOLKIT_WITH_VALUE[] = {"platform",        "platformpluginpath",
                                          "platformtheme",   "plugin",
                                          "qwindowgeometry", "qwindowicon",
                                          "qwindowtitle",    "geometry",
                                          "title",           "icon",
                                          "display",         "name",
                                          "session",         "style",
                                          "stylesheet"};
const char *const TOOLKIT_FLAGS[] = {"reverse", "testability", "widgetcount", "sync",
                                     "nograb",  "dograb",      "qdevel",      "qdebug"};
// Options the toolkit reads with their value after '=' (or, for -psn_, a
// macOS process serial number).
const char *const TOOLKIT_PREFIXES[] = {"style=", "stylesheet=", "qmljsdebugger=", "psn_"};

bool isOneOf(const QString &name, const char *const *names, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (name == QLatin1String(names[i])) {
            return true;
        }
    }
    return false;
}

} // namespace

KivAppOptions kivReadAppOptions(const QStringList &arguments)
{
    KivAppOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            options.action = KivAppOptions::Action::Help;
            options.text = QString::fromLatin1(HELP);
            return options;
        }
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            options.action = KivAppOptions::Action::Version;
            options.text = QStringLiteral("kivfilesizecalculator " KIV_VERSION "\n");
            return options;
        }
        if (argument == QLatin1String("--plan") || argument == QLatin1String("-plan")) {
            options.plan = true;
            options.planFile.reset();
            const QString next = arguments.value(i + 1);
            if (i + 1 < arguments.size() &&
                (!next.startsWith(QLatin1Char('-')) || next == QLatin1String("-"))) {
                options.planFile = next;
                ++i;
            }
            continue;
        }
        if (argument.startsWith(QLatin1String("--plan="))) {
            options.plan = true;
            options.planFile = argument.mid(7);
            if (options.planFile->isEmpty()) {
                options.action = KivAppOptions::Action::Refuse;
                options.text = QStringLiteral("kivfilesizecalculator: --plan= names no plan file "
                                              "(see kivfilesizecalculator --help)\n");
                return options;
            }
            continue;
        }
        if (!argument.startsWith(QLatin1Char('-')) || argument.size() < 2) {
            continue;
        }
        // The toolkit takes its options with one dash or two.
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        if (isOneOf(name, TOOLKIT_WITH_VALUE, std::size(TOOLKIT_WITH_VALUE))) {
            ++i;
            continue;
        }
        if (isOneOf(name, TOOLKIT_FLAGS, std::size(TOOLKIT_FLAGS))) {
            continue;
        }
        bool prefixed = false;
        for (const char *prefix : TOOLKIT_PREFIXES) {
            prefixed = prefixed || name.startsWith(QLatin1String(prefix));
        }
        if (!prefixed) {
            options.action = KivAppOptions::Action::Refuse;
            options.text = QStringLiteral("kivfilesizecalculator: unknown option %1 (see "
                                          "kivfilesizecalculator --help)\n")
                               .arg(kivQuoted(argument));
            return options;
        }
    }
    return options;
}
