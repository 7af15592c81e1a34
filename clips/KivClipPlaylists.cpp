// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Which files one recording spans: AVCHD playlists and P2 clip definitions.
#include "KivClipLayouts.h"

#include "calc/KivFileName.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

namespace {

// A playlist is a few kilobytes; a larger file is not one.
constexpr qint64 LONGEST_PLAYLIST = 1 << 20;
// The play item's connection condition that continues the item before it.
constexpr int CONTINUES = 6;

quint32 bigEndian(const QByteArray &data, qsizetype at, int bytes)
{
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = (value << 8) | static_cast<unsigned char>(data[at + i]);
    }
    return value;
}

// Reads one .MPL: each play item's clip name in `runs`, with the name of the
// item its run starts with and its place in that run.
void readPlaylist(const QByteArray &data, QHash<QString, std::pair<QString, int>> &runs)
{
    if (data.size() < 12 || !data.startsWith("MPLS")) {
        return;
    }
    const qsizetype list = bigEndian(data, 8, 4);
    if (list + 10 > data.size()) {
        return;
    }
    const int items = static_cast<int>(bigEndian(data, list + 6, 2));
    qsizetype at = list + 10;
    QString first;
    int order = 0;
    for (int i = 0; i < items && at + 13 <= data.size(); ++i) {
        const qsizetype length = bigEndian(data, at, 2);
        const QString name = QString::fromLatin1(data.mid(at + 2, 5));
        if (i == 0 || (static_cast<unsigned char>(data[at + 12]) & 0x0F) != CONTINUES) {
            first = name;
            order = 0;
        }
        // A clip a playlist names twice keeps its first place.
        if (!runs.contains(name)) {
            runs.insert(name, {first, order});
        }
        ++order;
        at += 2 + length;
    }
}

} // namespace

QHash<QString, std::pair<QString, int>> kivAvchdRuns(const QString &bdmv)
{
    QHash<QString, std::pair<QString, int>> runs;
    const QDir playlists(bdmv + QStringLiteral("/PLAYLIST"));
    const QStringList names = playlists.entryList(
        {QStringLiteral("*.MPL"), QStringLiteral("*.mpl")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile file(playlists.filePath(name));
        if (file.size() <= LONGEST_PLAYLIST && file.open(QIODevice::ReadOnly)) {
            readPlaylist(file.readAll(), runs);
        }
    }
    return runs;
}

std::optional<std::pair<QString, qint64>> kivP2Shot(const QString &clipXml)
{
    QFile file(clipXml);
    if (file.size() > LONGEST_PLAYLIST || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QXmlStreamReader xml(&file);
    QStringList open;
    QString shot;
    qint64 offset = 0;
    while (!xml.atEnd() && !xml.hasError()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            open << xml.name().toString();
        } else if (token == QXmlStreamReader::EndElement && !open.isEmpty()) {
            open.removeLast();
        } else if (token == QXmlStreamReader::Characters && open.size() >= 2 &&
                   open[open.size() - 2] == QLatin1String("Relation")) {
            if (open.last() == QLatin1String("GlobalShotID")) {
                shot = xml.text().toString().trimmed();
            } else if (open.last() == QLatin1String("OffsetInShot")) {
                offset = xml.text().toLongLong();
            }
        }
    }
    if (xml.hasError() || shot.isEmpty()) {
        return std::nullopt;
    }
    return std::pair<QString, qint64>{shot, offset};
}
