// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const char INSTALLED_HERE[] = "kivTranslation";

bool install(const QLocale &locale, const QString &name, const QString &directory)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QLatin1String(INSTALLED_HERE));
    if (!translator->load(locale, name, QStringLiteral("_"), directory) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

QString kivTranslationsDirectory()
{
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/../share/kivfilesizecalculator/translations");
}

bool kivInstallTranslations(const QLocale &locale, const QString &directory)
{
    for (QTranslator *earlier : QCoreApplication::instance()->findChildren<QTranslator *>(
             QLatin1String(INSTALLED_HERE), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return install(locale, QStringLiteral("kivfilesizecalculator"), directory);
}
