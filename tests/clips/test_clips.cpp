// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The clip-measuring library against the fixtures that
// scripts/make-clip-fixtures.sh made; sizes and durations in the tables are
// the files' own and FFprobe's format.duration.
#include "clips/KivClips.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <link.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

const QString fixtures = QStringLiteral(KIV_CLIP_FIXTURES);
QString fixture(const char *name)
{
    return fixtures + u'/' + QLatin1String(name);
}

bool mediaInfoLoaded()
{
    return dl_iterate_phdr(
               [](dl_phdr_info *info, size_t, void *) {
                   return strstr(info->dlpi_name, "libmediainfo") != nullptr ? 1 : 0;
               },
               nullptr) != 0;
}

// Table rows name their tests and show as their names.
const auto rowName = [](const auto &info) { return std::string(info.param.name); };

struct FixtureRow
{
    const char *name;
    const char *path;
    qint64 bytes;
    double ffprobeSeconds;
    const char *videoFormat;     // nullptr: no video
    double frameRate;            // 0: MediaInfo gives none
    std::optional<double> audio; // constant audio rates the fixture script chose
};

void PrintTo(const FixtureRow &row, std::ostream *out)
{
    *out << row.name;
}

class Fixture : public testing::TestWithParam<FixtureRow>
{
};

TEST_P(Fixture, MeasuresBytesDurationAndRate)
{
    const FixtureRow &row = GetParam();
    const KivClipReport report = kivMeasureClips({fixture(row.path)});
    ASSERT_TRUE(report.ok()) << (report.skipped.isEmpty()
                                     ? ""
                                     : qPrintable(report.skipped[0].message()));
    ASSERT_EQ(report.clips.size(), 1);
    const KivClip &clip = report.clips[0];
    EXPECT_EQ(clip.bytes, row.bytes);
    EXPECT_NEAR(clip.seconds, row.ffprobeSeconds, 0.1);
    const double ffprobeMbps = row.bytes * 8 / row.ffprobeSeconds / 1e6;
    EXPECT_NEAR(clip.mbps(), ffprobeMbps, ffprobeMbps * 0.1 / row.ffprobeSeconds);
    EXPECT_EQ(clip.videoFormat.value_or(QString()), QString::fromLatin1(row.videoFormat));
    if (row.videoFormat != nullptr) {
        EXPECT_EQ(clip.frameSize, QSize(64, 36));
    }
    EXPECT_EQ(clip.frameRate.value_or(0), row.frameRate);
    if (row.audio) {
        EXPECT_NEAR(clip.audioMbps.value_or(0), *row.audio, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clips, Fixture,
    testing::Values(
        FixtureRow{"mp4_h264_aac", "h264-aac.mp4", 24347, 2.0, "AVC", 25, std::nullopt},
        FixtureRow{"mov_prores_pcm", "prores-pcm.mov", 209359, 1.0, "ProRes", 25, 1.536},
        FixtureRow{"mkv_h264_opus", "h264-opus.mkv", 22512, 2.008, "AVC", 30, std::nullopt},
        FixtureRow{"ts_h264_aac", "h264-aac.ts", 37224, 2.021333, "AVC", 0, std::nullopt},
        FixtureRow{"mts_avchd_ac3", "avchd.MTS", 43008, 1.005333, "AVC", 0, 0.192},
        FixtureRow{"wav_pcm", "tone.wav", 192044, 1.0, nullptr, 0, 1.536},
        FixtureRow{"card_clip", "card/PRIVATE/M4ROOT/CLIP/C0001.MP4", 33990, 2.0, "AVC", 25,
                   0.096}),
    rowName);

struct RefusalRow
{
    const char *name;
    QString argument;
    const char *reason;
};

void PrintTo(const RefusalRow &row, std::ostream *out)
{
    *out << row.name;
}

class Refusal : public testing::TestWithParam<RefusalRow>
{
};

// Named paths that are not clips fail the request, each with a line that
// names it.
TEST_P(Refusal, NamesThePathAndWhy)
{
    const RefusalRow &row = GetParam();
    const KivClipReport report = kivMeasureClips({row.argument});
    EXPECT_FALSE(report.ok());
    EXPECT_TRUE(report.clips.isEmpty());
    ASSERT_FALSE(report.skipped.isEmpty());
    const KivClipSkip &last = report.skipped.last();
    EXPECT_TRUE(last.refused);
    EXPECT_EQ(last.message(), row.argument + QStringLiteral(": ") + QLatin1String(row.reason));
}

INSTANTIATE_TEST_SUITE_P(
    Clips, Refusal,
    testing::Values(
        RefusalRow{"text_named_mp4", fixture("bad/notes.MP4"),
                   "not a clip: no audio or video with a duration"},
        RefusalRow{"empty_file", fixture("bad/empty.MP4"),
                   "not a clip: no audio or video with a duration"},
        RefusalRow{"cut_before_index", fixture("bad/no-index.mp4"), "not a clip: cut short"},
        RefusalRow{"index_without_data", fixture("bad/cut-data.mp4"), "not a clip: cut short"},
        RefusalRow{"sidecar_named", fixture("card/PRIVATE/M4ROOT/CLIP/C0001M01.XML"),
                   "not a clip: describes media kept in another file"},
        RefusalRow{"thumbnail_named", fixture("card/PRIVATE/M4ROOT/THMBNL/C0001T01.JPG"),
                   "not a clip: no audio or video with a duration"},
        RefusalRow{"missing", fixture("nothing-here.mp4"), "no such file or folder"},
        RefusalRow{"folder_without_clip", fixture("bad"), "no clip in this folder"},
        RefusalRow{"http_url", "http://example.invalid/C0001.MP4",
                   "not a local file: only paths and file:// URLs of this machine can be measured"},
        RefusalRow{"smb_url", "smb://nas/card/C0001.MP4",
                   "not a local file: only paths and file:// URLs of this machine can be measured"},
        RefusalRow{"remote_file_url", "file://nas/card/C0001.MP4",
                   "not a local file: only paths and file:// URLs of this machine can be measured"},
        RefusalRow{"empty_argument", "", "empty path"}),
    rowName);

TEST(ClipPath, TurnsArgumentsIntoLocalPaths)
{
    const struct
    {
        QString argument;
        QString path;
    } rows[] = {
        {"file:///tmp/a%20b.MP4", "/tmp/a b.MP4"},
        {"FILE://localhost/tmp/x.mov", "/tmp/x.mov"},
        {"/card//CLIP/../CLIP/C0001.MP4", "/card/CLIP/C0001.MP4"},
        {"./take:1.mp4", QDir::currentPath() + "/take:1.mp4"},
        {"C:/x.mp4", QDir::currentPath() + "/C:/x.mp4"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(kivClipLocalPath(row.argument).value_or("refused"), row.path)
            << qPrintable(row.argument);
    }
    EXPECT_FALSE(kivClipLocalPath("take:1.mp4"));
}

TEST(ClipPool, SumsBytesOverSeconds)
{
    KivClip video{"v", 2000000, 2.0, 1, 1, "AVC", {}, {}, 4.0, 2.0};
    KivClip audioOnly{"a", 1000000, 2.0, 0, 1, {}, {}, {}, {}, 4.0};
    KivClip unknownVideo{"u", 1000000, 4.0, 1, 0, "HEVC", {}, {}, {}, {}};
    const KivClipTotals both = kivPoolClips({video, audioOnly});
    EXPECT_EQ(both.clips, 2);
    EXPECT_EQ(both.bytes, 3000000);
    EXPECT_DOUBLE_EQ(both.mbps(), 3e6 * 8 / 4.0 / 1e6);
    // The audio file adds seconds but no video bits.
    EXPECT_DOUBLE_EQ(both.videoMbps.value_or(-1), 4.0 * 2 / 4.0);
    EXPECT_DOUBLE_EQ(both.audioMbps.value_or(-1), (2.0 * 2 + 4.0 * 2) / 4.0);
    EXPECT_FALSE(kivPoolClips({video, unknownVideo}).videoMbps);
    EXPECT_FALSE(kivPoolClips({audioOnly}).videoMbps);
    const KivClipTotals none = kivPoolClips({});
    EXPECT_EQ(none.mbps(), 0);
    EXPECT_FALSE(none.audioMbps);
    KivClip huge = video;
    huge.bytes = std::numeric_limits<qint64>::max() - 1;
    EXPECT_EQ(kivPoolClips({huge, huge}).bytes, std::numeric_limits<qint64>::max());
}

// The fixture folder whole, as a card: clips in path order whatever the
// threads, every other file skipped without refusing the request.
TEST(ClipFolder, CountsClipsAndSkipsTheRest)
{
    for (const int threads : {1, 2}) {
        KivClipOptions options;
        options.threads = threads;
        const KivClipReport report = kivMeasureClips({fixtures}, options);
        EXPECT_TRUE(report.ok());
        QStringList clips;
        for (const KivClip &clip : report.clips) {
            clips << QDir(fixtures).relativeFilePath(clip.path);
        }
        EXPECT_EQ(clips,
                  QStringList({"avchd.MTS", "card/PRIVATE/M4ROOT/CLIP/C0001.MP4", "h264-aac.mp4",
                               "h264-aac.ts", "h264-opus.mkv", "prores-pcm.mov", "tone.wav"}));
        QStringList skipped;
        for (const KivClipSkip &skip : report.skipped) {
            skipped << QDir(fixtures).relativeFilePath(skip.path);
            EXPECT_FALSE(skip.refused);
        }
        EXPECT_EQ(skipped, QStringList({"bad/cut-data.mp4", "bad/empty.MP4", "bad/no-index.mp4",
                                        "bad/notes.MP4", "card/PRIVATE/M4ROOT/CLIP/C0001M01.XML",
                                        "card/PRIVATE/M4ROOT/THMBNL/C0001T01.JPG"}));
        EXPECT_EQ(report.totals.bytes, 43008 + 33990 + 24347 + 37224 + 22512 + 209359 + 192044);
        EXPECT_NEAR(report.totals.seconds, 1.005333 + 2 + 2 + 2.021333 + 2.008 + 1 + 1, 0.1);
    }
}

// A linked folder inside a folder is not followed, a named one is; a file
// reached twice counts once; pipes are never opened; an empty folder is no
// clip.
TEST(ClipFolder, LinksRepeatsPipesAndEmptyFolders)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("empty"));
    EXPECT_EQ(kivMeasureClips({dir.filePath("empty")}).skipped.value(0).message(),
              dir.filePath("empty") + ": no clip in this folder");
    ASSERT_TRUE(QFile::copy(fixture("h264-aac.mp4"), dir.filePath("a.mp4")));
    ASSERT_TRUE(QFile::link(fixture("card"), dir.filePath("card")));
    ASSERT_TRUE(QFile::link(dir.filePath("a.mp4"), dir.filePath("b.mp4")));
    ASSERT_EQ(mkfifo(qPrintable(dir.filePath("c.pipe")), 0600), 0);
    const KivClipReport report =
        kivMeasureClips({dir.path(), dir.filePath("card"), dir.filePath("a.mp4")});
    EXPECT_TRUE(report.ok());
    ASSERT_EQ(report.clips.size(), 2);
    EXPECT_EQ(report.clips[0].path, dir.filePath("a.mp4"));
    EXPECT_EQ(report.clips[1].path, dir.filePath("card/PRIVATE/M4ROOT/CLIP/C0001.MP4"));
    QStringList skipped;
    for (const KivClipSkip &skip : report.skipped) {
        skipped << skip.message();
    }
    EXPECT_EQ(skipped.mid(0, 3),
              QStringList({dir.filePath("b.mp4") + ": already counted",
                           dir.filePath("c.pipe") + ": neither a regular file nor a folder",
                           dir.filePath("card") + ": symbolic link to a folder, not followed"}));
    EXPECT_EQ(skipped.last(), dir.filePath("a.mp4") + ": already counted");
    EXPECT_EQ(kivMeasureClips({dir.filePath("c.pipe")}).skipped.value(0).refused, true);
}

// WAV headers with no samples, and with a rate of one byte a second over 3 MB
// (35 days, a sparse file).
TEST(ClipDuration, ZeroOrAbsurdIsNoClip)
{
    QTemporaryDir dir;
    for (const auto &[name, rate, bytes] :
         {std::tuple("zero.wav", 48000u, 0u), std::tuple("month.wav", 1u, 3000000u)}) {
        QFile wav(dir.filePath(name));
        ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
        quint32 header[] = {0x46464952, 36 + bytes, 0x45564157, 0x20746d66, 16,   0x00010001,
                            rate,       rate,       0x00080001, 0x61746164, bytes};
        for (quint32 &word : header) {
            word = qToLittleEndian(word);
        }
        wav.write(reinterpret_cast<const char *>(header), sizeof header);
        ASSERT_TRUE(wav.resize(44 + bytes));
        wav.close();
        EXPECT_EQ(kivMeasureClips({wav.fileName()}).skipped.value(0).message(),
                  wav.fileName() + ": not a clip: no usable duration");
    }
}

TEST(ClipFolder, RefusesAnUnreadableFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.wav");
    ASSERT_TRUE(QFile::copy(fixture("tone.wav"), path));
    ASSERT_EQ(chmod(qPrintable(dir.path()), 0755), 0);
    ASSERT_EQ(chmod(qPrintable(path), 0), 0);
    // Root reads every file: a child process looks as nobody.
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
                _exit(2);
            }
            const KivClipReport report = kivMeasureClips({path});
            _exit(report.skipped.value(0).message() == path + ": cannot be read" ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

// Callbacks never overlap, reading comes before the file's result, and the
// threads that read may not open network sockets.
class Recorder : public KivClipObserver
{
public:
    std::atomic<bool> busy{false};
    bool overlapped = false;
    QStringList events;
    int inetErrno = 0;
    std::atomic<bool> cancel{false};
    bool cancelOnFirst = false;

    void enter(const QString &event)
    {
        overlapped = overlapped || busy.exchange(true);
        events << event;
        usleep(200);
        busy = false;
    }
    void reading(const QString &path) override
    {
        const int inet = socket(AF_INET, SOCK_STREAM, 0);
        inetErrno = inet < 0 ? errno : 0;
        if (inet >= 0) {
            close(inet);
        }
        cancel = cancelOnFirst;
        enter("reading " + path);
    }
    void measured(const KivClip &clip) override { enter("measured " + clip.path); }
    void skipped(const KivClipSkip &skip) override { enter("skipped " + skip.path); }
};

TEST(ClipObserver, HearsEveryFileInOrderOnceAtATime)
{
    Recorder recorder;
    KivClipOptions options;
    options.observer = &recorder;
    const KivClipReport report = kivMeasureClips({fixtures}, options);
    EXPECT_FALSE(recorder.overlapped);
    EXPECT_EQ(recorder.inetErrno, EACCES);
    EXPECT_EQ(recorder.events.size(), 2 * (report.clips.size() + report.skipped.size()));
    for (const KivClip &clip : report.clips) {
        EXPECT_LT(recorder.events.indexOf("reading " + clip.path),
                  recorder.events.indexOf("measured " + clip.path));
    }
    const int unix = socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_GE(unix, 0) << "the caller's thread keeps its sockets";
    close(unix);
}

TEST(ClipObserver, CancelLeavesTheRestUnread)
{
    Recorder recorder;
    recorder.cancelOnFirst = true;
    KivClipOptions options;
    options.observer = &recorder;
    options.threads = 1;
    options.cancel = &recorder.cancel;
    const KivClipReport report = kivMeasureClips({fixtures}, options);
    EXPECT_TRUE(report.cancelled);
    EXPECT_FALSE(report.ok());
    EXPECT_LE(report.clips.size() + report.skipped.size(), 1);
}

// Each in a process of its own, where no other test opened MediaInfoLib.
TEST(ClipLibrary, OpensMediaInfoLibOnlyToMeasure)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bool ok = !mediaInfoLoaded();
            ok = ok && kivClipLocalPath(fixture("tone.wav")).has_value();
            ok = ok && !kivMeasureClips({fixture("nothing-here.mp4")}).ok() && !mediaInfoLoaded();
            ok = ok && kivMeasureClips({fixture("tone.wav")}).ok() && mediaInfoLoaded();
            _exit(ok ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            KivClipOptions options;
            options.mediaInfoLibrary = "libmediainfo-not-installed.so.0";
            const KivClipReport report = kivMeasureClips({fixture("tone.wav")}, options);
            const bool ok = report.failure == "measuring clips needs libmediainfo0v5" &&
                            report.clips.isEmpty() && !report.ok() && !mediaInfoLoaded();
            _exit(ok ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
