// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "catalogue/KivFormatLoad.h"

#include "KivFormatReader.h"
#include "calc/KivDisplay.h"
#include "calc/KivFileOpen.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

namespace {

const char builtInPath[] = ":/kivfilesizecalculator/formats.json";

struct BuiltIn
{
    KivFormatCatalogue catalogue;
    QStringList warnings;
};

const BuiltIn &builtInData()
{
    static const BuiltIn data = [] {
        BuiltIn read;
        const QString path = QLatin1String(builtInPath);
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            QList<KivFormat> formats = kivReadFormats(file.readAll(), path, read.warnings);
            for (KivFormat &format : formats) {
                format.file.clear();
            }
            read.catalogue.add(formats);
        } else {
            read.warnings << QLatin1String("the built-in formats are missing from this program (") +
                                 path + QLatin1Char(')');
        }
        return read;
    }();
    return data;
}

} // namespace

const KivFormatCatalogue &kivBuiltInFormats()
{
    return builtInData().catalogue;
}

int kivAddFormatsJson(KivFormatCatalogue &catalogue, const QByteArray &json, const QString &origin,
                      QStringList &warnings)
{
    const QList<KivFormat> formats = kivReadFormats(json, origin, warnings);
    QSet<QString> builtIn;
    for (const KivFormat &present : catalogue.formats()) {
        if (present.file.isEmpty()) {
            builtIn.insert(present.id);
        }
    }
    for (const KivFormat &format : formats) {
        if (builtIn.contains(format.id)) {
            warnings << kivEscaped(origin) + QLatin1String(": ") + format.id +
                            QLatin1String(" replaces the built-in entry of that id");
        }
    }
    return catalogue.add(formats);
}

int kivAddFormatsFile(KivFormatCatalogue &catalogue, const QString &path, QStringList &warnings)
{
    const QString where = kivEscaped(path);
    QFile file;
    QString reason;
    switch (kivOpenRegularFile(path, file, reason)) {
    case KivFileOpened::Regular:
        break;
    case KivFileOpened::Folder:
        warnings << where + QLatin1String(": a folder, not a formats file");
        return 0;
    case KivFileOpened::NotRegular:
        warnings << where + QLatin1String(": not a regular file; not read");
        return 0;
    case KivFileOpened::Unopened:
        warnings << where + QLatin1String(": cannot be read (") + reason + QLatin1Char(')');
        return 0;
    }
    // One byte more than allowed tells a file that is too large, also where
    // the size is unknown beforehand (pipes, devices).
    const QByteArray json = file.read(kivMaxFormatsFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        warnings << where + QLatin1String(": cannot be read (") + file.errorString() +
                        QLatin1Char(')');
        return 0;
    }
    if (json.size() > kivMaxFormatsFileBytes) {
        warnings << where + QLatin1String(": larger than 1 MiB; not read");
        return 0;
    }
    return kivAddFormatsJson(catalogue, json, path, warnings);
}

QString kivUserFormatsPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty()) {
        return QString();
    }
    return config + QLatin1String("/kivfilesizecalculator/formats.json");
}

KivFormatLoad kivLoadFormats(const QStringList &extraFiles)
{
    KivFormatLoad load{builtInData().catalogue, builtInData().warnings};
    // The user's file is read without being asked for, where it exists; any
    // but a regular file is refused without waiting on it.
    const QString user = kivUserFormatsPath();
    if (!user.isEmpty() && QFileInfo::exists(user)) {
        kivAddFormatsFile(load.catalogue, user, load.warnings);
    }
    for (const QString &path : extraFiles) {
        kivAddFormatsFile(load.catalogue, path, load.warnings);
    }
    return load;
}
