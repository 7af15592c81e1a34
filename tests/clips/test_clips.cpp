// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The clip-measuring library against the fixtures that
// scripts/make-clip-fixtures.sh made; sizes and durations in the tables are
// the files' own and FFprobe's format.duration.
#include "clips/KivClips.h"

#include "calc/KivDisplay.h"
#include "calc/KivFileName.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
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
        FixtureRow{"card_clip", "card/PRIVATE/M4ROOT/CLIP/C0001.MP4", 33990, 2.0, "AVC", 25, 0.096},
        FixtureRow{"p2_video_mxf", "p2/CONTENTS/VIDEO/0001AB.MXF", 20537, 0.48, "AVC", 25,
                   std::nullopt},
        FixtureRow{"p2_audio_channel_mxf", "p2/CONTENTS/AUDIO/0001AB01.MXF", 53305, 0.48, nullptr,
                   0, 0.768}),
    rowName);

// Cards as cameras lay them out: their recordings, each clip's role in path
// order, and the rate of all their bytes over the time recorded.
struct CardRow
{
    const char *name;
    QStringList cards;
    int recordings;
    const char *roles;
    qsizetype skipped;
    qint64 bytes;
    double seconds;
    qint64 unmeasured = 0; // the faults' bytes: the totals are incomplete
};

void PrintTo(const CardRow &row, std::ostream *out)
{
    *out << row.name;
}

class Card : public testing::TestWithParam<CardRow>
{
};

TEST_P(Card, GivesEachRecordingsTimeOnceAndEveryByte)
{
    const CardRow &row = GetParam();
    QStringList cards;
    for (const QString &card : row.cards) {
        cards << fixtures + u'/' + card;
    }
    const KivClipReport report = kivMeasureClips(cards);
    // A card with no recording left is refused.
    ASSERT_EQ(report.ok(), row.recordings > 0);
    EXPECT_EQ(report.complete(), row.unmeasured == 0);
    EXPECT_EQ(report.unmeasuredBytes, row.unmeasured);
    QStringList roles;
    for (const KivClip &clip : report.clips) {
        roles << QLatin1String(kivClipRoleName(clip.role));
        // Every clip belongs to a recording whose main file was measured.
        const auto main = std::find_if(report.clips.begin(), report.clips.end(),
                                       [&](const KivClip &c) { return c.path == clip.recording; });
        ASSERT_NE(main, report.clips.end()) << qPrintable(clip.path);
        EXPECT_EQ(main->role, KivClipRole::Main);
    }
    EXPECT_EQ(roles.join(u' '), QLatin1String(row.roles));
    EXPECT_EQ(report.totals.recordings, row.recordings);
    EXPECT_EQ(report.skipped.size(), row.skipped);
    EXPECT_EQ(report.totals.bytes, row.bytes);
    EXPECT_NEAR(report.totals.seconds, row.seconds, 0.01);
    const double rate = row.seconds > 0 ? row.bytes * 8 / row.seconds / 1e6 : 0;
    EXPECT_NEAR(report.totals.mbps(), rate, rate * 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Clips, Card,
    testing::Values(
        // Two recordings in CLIP/, their proxies in SUB/, a sidecar skipped.
        CardRow{"sony", {"sony"}, 2, "main main proxy proxy", 1, 16090 + 9896 + 9189 + 6186, 3},
        // One recording in two chapters and their low-res copies; a thumbnail
        // and a macOS "._" file, which is no camera media.
        CardRow{
            "gopro", {"gopro"}, 1, "proxy proxy main chapter", 2, 9189 + 6186 + 16090 + 9896, 3},
        // The low-res copy adds bytes; the telemetry subtitles nothing.
        CardRow{"dji", {"dji/DCIM"}, 1, "proxy main", 1, 6186 + 9896, 1},
        // Video, one file per audio channel and a proxy; the clip's XML and
        // LASTCLIP.TXT skipped.
        CardRow{"p2", {"p2"}, 1, "audio audio proxy main", 2, 53305 * 2 + 4511 + 20537, 0.48},
        CardRow{"p2_contents_only",
                {"p2/CONTENTS"},
                1,
                "audio audio proxy main",
                1,
                53305 * 2 + 4511 + 20537,
                0.48},
        CardRow{"two_cards",
                {"sony", "gopro/DCIM/100GOPRO"},
                3,
                "main main proxy proxy proxy proxy main chapter",
                3,
                16090 + 9896 + 9189 + 6186 + 9189 + 6186 + 16090 + 9896,
                6},
        CardRow{"a_proxy_alone", {"sony/PRIVATE/M4ROOT/SUB/C0002S03.MP4"}, 1, "main", 0, 6186, 1},
        // A main cut in half: its proxy does not stand in, and the card holds
        // no recording left (skipped: the main, its proxy, the folder).
        CardRow{"cut_main_with_its_proxy", {"cut"}, 0, "", 3, 0, 0, 8045 + 9189},
        // R3D segments the reader cannot parse: counted apart, the .mov measured.
        CardRow{"red_segments_beside_a_mov", {"red"}, 1, "main", 2, 2884, 1, 2048 * 2},
        // Two STREAM files that the playlist plays in a row: one recording.
        CardRow{"avchd_split_in_two", {"avchd"}, 1, "main chapter", 1, 6144 * 2, 1},
        // A P2 shot spanned over two cards given together: one recording.
        CardRow{"p2_spanned_over_two_cards",
                {"p2span/B", "p2span/A"},
                1,
                "chapter main",
                2,
                12857 * 2,
                0.4}),
    rowName);

// Clips grouped by path alone: rows of paths in path order, each with its
// seconds and whether it has video (v) or audio alone (a); the expected role
// of each and the clip its recording starts with.
struct GroupRow
{
    const char *name;
    std::vector<std::tuple<const char *, double, char>> clips;
    const char *roles; // "role@k": role, and the index of the recording's main file
};

void PrintTo(const GroupRow &row, std::ostream *out)
{
    *out << row.name;
}

class Grouping : public testing::TestWithParam<GroupRow>
{
};

TEST_P(Grouping, FollowsTheCardLayout)
{
    const GroupRow &row = GetParam();
    QList<KivClip> clips;
    for (const auto &[path, seconds, kind] : row.clips) {
        KivClip clip;
        clip.path = QString::fromUtf8(path);
        clip.seconds = seconds;
        clip.videoTracks = kind == 'v' ? 1 : 0;
        clip.audioTracks = 1;
        clip.frameRate = 25.0;
        clips << clip;
    }
    kivGroupClips(clips);
    QStringList roles;
    for (const KivClip &clip : clips) {
        const auto main = std::find_if(clips.begin(), clips.end(),
                                       [&](const KivClip &c) { return c.path == clip.recording; });
        roles << QStringLiteral("%1@%2")
                     .arg(QLatin1String(kivClipRoleName(clip.role)))
                     .arg(main - clips.begin());
    }
    EXPECT_EQ(roles.join(u' '), QLatin1String(row.roles));
}

INSTANTIATE_TEST_SUITE_P(
    Clips, Grouping,
    testing::Values(
        GroupRow{"xdroot_clip_and_sub",
                 {{"/c/XDROOT/Clip/C0001.MXF", 10, 'v'},
                  {"/c/XDROOT/Clip/C0002.MXF", 5, 'v'},
                  {"/c/XDROOT/Sub/C0001S01.MXF", 10, 'v'},
                  {"/c/XDROOT/Sub/C0002S03.MP4", 5, 'v'}},
                 "main@0 main@1 proxy@0 proxy@1"},
        GroupRow{"xdroot_on_sd",
                 {{"/c/PRIVATE/XDROOT/Clip/C0001.MXF", 10, 'v'},
                  {"/c/PRIVATE/XDROOT/Sub/C0001S03.MP4", 10, 'v'}},
                 "main@0 proxy@0"},
        GroupRow{"sam_audio_per_channel",
                 {{"/c/PROAV/CLPR/C0001/C0001A01.MXF", 10, 'a'},
                  {"/c/PROAV/CLPR/C0001/C0001A02.MXF", 10, 'a'},
                  {"/c/PROAV/CLPR/C0001/C0001S01.MXF", 10, 'v'},
                  {"/c/PROAV/CLPR/C0001/C0001V01.MXF", 10, 'v'}},
                 "audio@3 audio@3 proxy@3 main@3"},
        GroupRow{"xdcam_ex_split_clip",
                 {{"/c/BPAV/CLPR/709_0001_01/709_0001_01.MP4", 600, 'v'},
                  {"/c/BPAV/CLPR/709_0001_02/709_0001_02.MP4", 100, 'v'}},
                 "main@0 chapter@0"},
        GroupRow{"sony_proxy_blocks",
                 {{"/c/PRIVATE/M4ROOT/CLIP/C0001.MP4", 60, 'v'},
                  {"/c/PRIVATE/M4ROOT/GENERAL/SONY/PXTMP/C0001_0001S03.MP4", 30, 'v'},
                  {"/c/PRIVATE/M4ROOT/GENERAL/SONY/PXTMP/C0001_0002S03.MP4", 30, 'v'}},
                 "main@0 proxy@0 proxy@0"},
        GroupRow{"sony_names_on_two_cards",
                 {{"/a/PRIVATE/M4ROOT/CLIP/C0001.MP4", 10, 'v'},
                  {"/a/PRIVATE/M4ROOT/SUB/C0001S03.MP4", 10, 'v'},
                  {"/b/PRIVATE/M4ROOT/CLIP/C0001.MP4", 10, 'v'},
                  {"/b/PRIVATE/M4ROOT/SUB/C0001S03.MP4", 10, 'v'}},
                 "main@0 proxy@0 main@2 proxy@2"},
        GroupRow{"sony_user_name_like_a_suffix",
                 {{"/c/PRIVATE/M4ROOT/CLIP/TakeA01.MP4", 10, 'v'}},
                 "main@0"},
        GroupRow{"p2_two_clips",
                 {{"/c/CONTENTS/AUDIO/0001AB00.MXF", 10, 'a'},
                  {"/c/CONTENTS/AUDIO/0002CD00.MXF", 5, 'a'},
                  {"/c/CONTENTS/VIDEO/0001AB.MXF", 10, 'v'},
                  {"/c/CONTENTS/VIDEO/0002CD.MXF", 5, 'v'}},
                 "audio@2 audio@3 main@2 main@3"},
        GroupRow{"p2_folders_without_contents",
                 {{"/c/AUDIO/0001AB00.MXF", 10, 'a'},
                  {"/c/AUDIO/0001AB01.MXF", 10, 'a'},
                  {"/c/PROXY/0001AB.MP4", 10, 'v'},
                  {"/c/VIDEO/0001AB.MXF", 10, 'v'},
                  {"/c/VOICE/0001AB.WAV", 2, 'a'}},
                 "audio@3 audio@3 proxy@3 main@3 audio@3"},
        GroupRow{"proxy_folder_of_a_short_name",
                 {{"/c/Proxy/clip01.mp4", 10, 'v'}, {"/c/clip01.mov", 10, 'v'}},
                 "proxy@1 main@1"},
        GroupRow{"folders_named_like_p2_of_other_names",
                 {{"/c/AUDIO/Scene1_take1.MXF", 10, 'a'},
                  {"/c/VIDEO/Scene1_take1.MXF", 10, 'v'},
                  {"/c/VIDEO/Scene1_take2.MXF", 10, 'v'}},
                 "main@0 main@1 main@2"},
        GroupRow{"sony_clip_and_sub_without_m4root",
                 {{"/c/CLIP/C0001.MP4", 10, 'v'},
                  {"/c/CLIP/C0002.MP4", 5, 'v'},
                  {"/c/SUB/C0001S03.MP4", 10, 'v'},
                  {"/c/SUB/C0002S03.MP4", 5, 'v'}},
                 "main@0 main@1 proxy@0 proxy@1"},
        GroupRow{"p2_audio_only_clip_with_voice_memo",
                 {{"/c/CONTENTS/AUDIO/0001AB00.MXF", 10, 'a'},
                  {"/c/CONTENTS/AUDIO/0001AB01.MXF", 10, 'a'},
                  {"/c/CONTENTS/VOICE/0001AB.WAV", 3, 'a'}},
                 "main@0 audio@0 audio@0"},
        GroupRow{"gopro_hero5_names",
                 {{"/c/DCIM/100GOPRO/GOPR1234.LRV", 600, 'v'},
                  {"/c/DCIM/100GOPRO/GOPR1234.MP4", 600, 'v'},
                  {"/c/DCIM/100GOPRO/GP011234.LRV", 600, 'v'},
                  {"/c/DCIM/100GOPRO/GP011234.MP4", 600, 'v'},
                  {"/c/DCIM/100GOPRO/GP021234.MP4", 50, 'v'}},
                 "proxy@1 main@1 proxy@1 chapter@1 chapter@1"},
        GroupRow{"gopro_recordings_interleaved",
                 {{"/c/DCIM/100GOPRO/GH010048.MP4", 600, 'v'},
                  {"/c/DCIM/100GOPRO/GH010049.MP4", 20, 'v'},
                  {"/c/DCIM/100GOPRO/GH020048.MP4", 30, 'v'},
                  {"/c/DCIM/100GOPRO/GL010049.LRV", 20, 'v'}},
                 "main@0 main@1 chapter@0 proxy@1"},
        GroupRow{"gopro_labs_proxies",
                 {{"/c/DCIM/100GOPRO/GX010048.MP4", 10, 'v'},
                  {"/c/DCIM/100GOPRO/Proxies/GX010048_Proxy.MP4", 10, 'v'},
                  {"/c/DCIM/100GOPRO/Proxy/GX010048.MP4", 10, 'v'}},
                 "main@0 proxy@0 proxy@0"},
        GroupRow{"gopro_raw_audio",
                 {{"/c/DCIM/100GOPRO/GX010048.MP4", 10, 'v'},
                  {"/c/DCIM/100GOPRO/GX010048.WAV", 10, 'a'}},
                 "main@0 audio@0"},
        GroupRow{"gopro_low_res_without_video",
                 {{"/c/DCIM/100GOPRO/GL010050.LRV", 600, 'v'},
                  {"/c/DCIM/100GOPRO/GL020050.LRV", 40, 'v'}},
                 "main@0 chapter@0"},
        GroupRow{"gopro_chapters_in_two_folders",
                 {{"/x/one/GX010001.MP4", 10, 'v'}, {"/x/two/GX020001.MP4", 10, 'v'}},
                 "main@0 main@1"},
        GroupRow{"dji_dated_names",
                 {{"/c/DCIM/DJI_001/DJI_20230512123456_0001_D.LRF", 10, 'v'},
                  {"/c/DCIM/DJI_001/DJI_20230512123456_0001_D.MP4", 10, 'v'}},
                 "proxy@1 main@1"},
        GroupRow{"dji_splits_add",
                 {{"/c/DCIM/100MEDIA/DJI00001.MP4", 600, 'v'},
                  {"/c/DCIM/100MEDIA/DJI00002.MP4", 60, 'v'}},
                 "main@0 main@1"},
        GroupRow{"canon_proxy_elsewhere_on_the_card",
                 {{"/c/CONTENTS/CLIPS001/A001C001_230512AB_CANON.MXF", 10, 'v'},
                  {"/c/DCIM/100CANON/A001C001_230512AB_CANON_Proxy.MP4", 10, 'v'}},
                 "main@0 proxy@0"},
        GroupRow{"canon_proxy_on_another_card",
                 {{"/a/CONTENTS/CLIPS001/A001C001_230512AB_CANON.MXF", 10, 'v'},
                  {"/b/DCIM/100CANON/A001C001_230512AB_CANON_Proxy.MP4", 10, 'v'}},
                 "main@0 main@1"},
        GroupRow{"canon_slow_motion_audio",
                 {{"/c/CONTENTS/CLIPS001/A001C002_230512AB_CANON.MXF", 10, 'v'},
                  {"/c/PRIVATE/AUDIO/A001C002_230512AB_CANON.WAV", 40, 'a'}},
                 "main@0 audio@0"},
        GroupRow{
            "blackmagic_proxy_folder",
            {{"/c/A001_08151512_C001.braw", 10, 'v'}, {"/c/Proxy/A001_08151512_C001.mp4", 10, 'v'}},
            "main@0 proxy@0"},
        GroupRow{"braw2_of_equal_length",
                 {{"/c/A.braw", 10, 'v'}, {"/c/A.braw2", 10.05, 'v'}},
                 "main@0 proxy@0"},
        GroupRow{"braw2_of_its_own_length",
                 {{"/c/A.braw", 10, 'v'}, {"/c/A.braw2", 4, 'v'}},
                 "main@0 chapter@0"},
        GroupRow{"red_segments_and_proxy",
                 {{"/c/A001_0101XX.RDM/A001_C001_0101AB.RDC/A001_C001_0101AB_001.R3D", 60, 'v'},
                  {"/c/A001_0101XX.RDM/A001_C001_0101AB.RDC/A001_C001_0101AB_001.mov", 60, 'v'},
                  {"/c/A001_0101XX.RDM/A001_C001_0101AB.RDC/A001_C001_0101AB_002.R3D", 20, 'v'}},
                 "main@0 proxy@0 chapter@0"},
        GroupRow{"red_one_reference_movies",
                 {{"/c/A001_0101XX.RDM/A001_C001_0101AB.RDC/A001_C001_0101AB_F.mov", 60, 'v'},
                  {"/c/A001_0101XX.RDM/A001_C001_0101AB.RDC/A001_C001_0101AB_H.mov", 60, 'v'}},
                 "main@0 proxy@0"},
        GroupRow{"one_stem_in_two_containers",
                 {{"/x/a.mov", 10, 'v'}, {"/x/a.mp4", 10, 'v'}},
                 "main@0 main@1"},
        GroupRow{"wav_beside_audio_alone",
                 {{"/x/a.m4a", 10, 'a'}, {"/x/a.wav", 10, 'a'}},
                 "main@0 main@1"},
        GroupRow{"nothing", {}, ""}),
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
        RefusalRow{"empty_file", fixture("bad/empty.MP4"), "empty file"},
        RefusalRow{"telemetry_subtitles_named", fixture("dji/DCIM/100MEDIA/DJI_0001.SRT"),
                   "not a clip: no audio or video with a duration"},
        RefusalRow{"p2_clip_definition_named", fixture("p2/CONTENTS/CLIP/0001AB.XML"),
                   "not a clip: describes media kept in another file"},
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
    EXPECT_FALSE(kivClipLocalPath("file:///tmp/a%00.mp4"));
    EXPECT_EQ(kivClipLocalPath("file:///tmp/a%FF%c3%a9.mp4").value_or("refused"),
              kivDecodeFileName("/tmp/a\xff\xc3\xa9.mp4"));
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
        const QString dji = "dji/DCIM/100MEDIA/";
        const QString gopro = "gopro/DCIM/100GOPRO/";
        const QString p2 = "p2/CONTENTS/";
        const QString sony = "sony/PRIVATE/M4ROOT/";
        const QString avchd = "avchd/PRIVATE/AVCHD/BDMV/";
        const QString red = "red/A001_0101XX.RDM/A001_C001_0101AB.RDC/A001_C001_0101AB";
        EXPECT_EQ(clips, QStringList({"avchd.MTS",
                                      avchd + "STREAM/00000.MTS",
                                      avchd + "STREAM/00001.MTS",
                                      "card/PRIVATE/M4ROOT/CLIP/C0001.MP4",
                                      dji + "DJI_0001.LRF",
                                      dji + "DJI_0001.MP4",
                                      gopro + "GL010001.LRV",
                                      gopro + "GL020001.LRV",
                                      gopro + "GX010001.MP4",
                                      gopro + "GX020001.MP4",
                                      "h264-aac.mp4",
                                      "h264-aac.ts",
                                      "h264-opus.mkv",
                                      "open-header.mxf",
                                      p2 + "AUDIO/0001AB00.MXF",
                                      p2 + "AUDIO/0001AB01.MXF",
                                      p2 + "PROXY/0001AB.MP4",
                                      p2 + "VIDEO/0001AB.MXF",
                                      "p2span/A/CONTENTS/VIDEO/0001AA.MXF",
                                      "p2span/B/CONTENTS/VIDEO/0002BB.MXF",
                                      "prores-pcm.mov",
                                      red + "_001.mov",
                                      sony + "CLIP/C0001.MP4",
                                      sony + "CLIP/C0002.MP4",
                                      sony + "SUB/C0001S03.MP4",
                                      sony + "SUB/C0002S03.MP4",
                                      "tone.wav"}));
        QStringList skipped;
        for (const KivClipSkip &skip : report.skipped) {
            skipped << QDir(fixtures).relativeFilePath(skip.path);
            EXPECT_FALSE(skip.refused);
        }
        EXPECT_EQ(skipped,
                  QStringList(
                      {avchd + "PLAYLIST/00000.MPL", "bad/cut-data.mp4", "bad/empty.MP4",
                       "bad/no-index.mp4", "bad/notes.MP4", "card/PRIVATE/M4ROOT/CLIP/C0001M01.XML",
                       "card/PRIVATE/M4ROOT/THMBNL/C0001T01.JPG",
                       "cut/PRIVATE/M4ROOT/CLIP/C0001.MP4", "cut/PRIVATE/M4ROOT/SUB/C0001S03.MP4",
                       dji + "DJI_0001.SRT", gopro + "._GX010001.MP4", gopro + "GX010001.THM",
                       p2 + "CLIP/0001AB.XML", "p2/LASTCLIP.TXT",
                       "p2span/A/CONTENTS/CLIP/0001AA.XML", "p2span/B/CONTENTS/CLIP/0002BB.XML",
                       red + "_001.R3D", red + "_002.R3D", sony + "CLIP/C0002M01.XML"}));
        // The cut main and the proxy left out with it, and the R3D segments.
        EXPECT_FALSE(report.complete());
        EXPECT_EQ(report.unmeasuredBytes, 8045 + 9189 + 2048 * 2);
        // Loose files and the cards' recordings add their time, companions
        // only their bytes.
        EXPECT_EQ(report.totals.bytes,
                  43008 + 33990 + 24347 + 37224 + 22512 + 209359 + 192044 + (6186 + 9896) +
                      (9189 + 6186 + 16090 + 9896) + (53305 * 2 + 4511 + 20537) +
                      (16090 + 9896 + 9189 + 6186) + 12857 + 2884 + 6144 * 2 + 12857 * 2);
        EXPECT_NEAR(report.totals.seconds,
                    1.005333 + 2 + 2 + 2.021333 + 2.008 + 1 + 1 + 1 + (2 + 1) + 0.48 + (2 + 1) +
                        0.02 + 1 + 0.5 * 2 + 0.2 * 2,
                    0.1);
        EXPECT_EQ(report.totals.recordings, 7 + 1 + 1 + 1 + 2 + 2 + 1 + 1);
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

bool copyTo(const QByteArray &to, const char *from)
{
    QFile source(fixture(from));
    std::FILE *target = std::fopen(to.constData(), "wb");
    if (!source.open(QIODevice::ReadOnly) || target == nullptr) {
        return false;
    }
    const QByteArray bytes = source.readAll();
    const bool written = std::fwrite(bytes.constData(), 1, bytes.size(), target) ==
                         static_cast<std::size_t>(bytes.size());
    return std::fclose(target) == 0 && written;
}

// Names that are not UTF-8, in a folder so named, named alone and as a
// file:// URL: read with their bytes, shown escaped.
TEST(ClipNames, ReadWithTheBytesTheSystemGave)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/card\xff";
    ASSERT_EQ(mkdir(folder.constData(), 0755), 0);
    const QByteArray clip = folder + "/take\xe9\x80.mp4";
    ASSERT_TRUE(copyTo(clip, "h264-aac.mp4"));
    ASSERT_TRUE(copyTo(folder + "/\xfe.wav", "bad/empty.MP4"));
    const QString name = kivDecodeFileName(clip);
    const QStringList arguments = {kivDecodeFileName(folder), name,
                                   QStringLiteral("file://") +
                                       QString::fromLatin1(clip.toPercentEncoding("/"))};
    for (const QString &argument : arguments) {
        const KivClipReport report = kivMeasureClips({argument});
        ASSERT_TRUE(report.ok()) << qPrintable(argument);
        ASSERT_EQ(report.clips.size(), 1);
        EXPECT_EQ(report.clips[0].path, name);
        EXPECT_EQ(kivEncodeFileName(report.clips[0].path), clip);
        EXPECT_EQ(report.clips[0].bytes, 24347);
        EXPECT_NEAR(report.clips[0].seconds, 2.0, 0.1);
    }
    const KivClipReport folderReport = kivMeasureClips({kivDecodeFileName(folder)});
    ASSERT_EQ(folderReport.skipped.size(), 1);
    EXPECT_EQ(folderReport.skipped[0].message(), dir.path() + "/card\\xff/\\xfe.wav: empty file");
    EXPECT_EQ(kivMeasureClips({kivDecodeFileName(folder + "/none\xff.mp4")}).skipped[0].message(),
              dir.path() + "/card\\xff/none\\xff.mp4: no such file or folder");
}

// Empty files are skipped without being opened: thousands of them beside a
// clip leave the clip's figures alone.
TEST(ClipFolder, SkipsEmptyFilesUnopened)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(fixture("h264-aac.mp4"), dir.filePath("clip.mp4")));
    for (int i = 0; i < 3000; ++i) {
        QFile empty(dir.filePath(QStringLiteral("empty%1.mp4").arg(i)));
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    }
    const KivClipReport report = kivMeasureClips({dir.path()});
    EXPECT_TRUE(report.ok());
    ASSERT_EQ(report.clips.size(), 1);
    EXPECT_EQ(report.totals.bytes, 24347);
    ASSERT_EQ(report.skipped.size(), 3000);
    EXPECT_TRUE(std::all_of(report.skipped.begin(), report.skipped.end(), [](const KivClipSkip &s) {
        return s.reason == KivClipReason::EmptyFile && !s.refused;
    }));
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

// The Sony fixture card's clips and proxies copied under `root`.
bool copySonyCard(const QString &root)
{
    const QString from = fixture("sony/PRIVATE/M4ROOT");
    const QString to = root + "/PRIVATE/M4ROOT";
    bool ok = QDir().mkpath(to + "/CLIP") && QDir().mkpath(to + "/SUB");
    for (const char *name :
         {"CLIP/C0001.MP4", "CLIP/C0002.MP4", "SUB/C0001S03.MP4", "SUB/C0002S03.MP4"}) {
        ok = ok && QFile::copy(from + '/' + name, to + '/' + name);
    }
    return ok;
}

constexpr qint64 SONY_BYTES = 16090 + 9896 + 9189 + 6186;

// One card reached by two paths, or a clip hard-linked beside it: each path
// grouped by its own card first, then what was counted dropped; the proxies
// stay proxies, the rate the card's.
TEST(ClipFolder, CountsACardReachedTwiceOnce)
{
    QTemporaryDir dir;
    const QString card = dir.filePath("card");
    ASSERT_TRUE(copySonyCard(card));
    ASSERT_TRUE(QFile::link(card, dir.filePath("cardlink")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("selects"));
    ASSERT_EQ(link(qPrintable(card + "/PRIVATE/M4ROOT/CLIP/C0001.MP4"),
                   qPrintable(dir.filePath("selects/C0001.MP4"))),
              0);
    const QStringList twice[] = {{card + "/PRIVATE/M4ROOT/CLIP", dir.filePath("cardlink")},
                                 {dir.filePath("cardlink"), card},
                                 {dir.filePath("selects"), card}};
    for (const QStringList &arguments : twice) {
        const KivClipReport report = kivMeasureClips(arguments);
        EXPECT_TRUE(report.ok());
        EXPECT_EQ(report.totals.recordings, 2) << qPrintable(arguments.join(' '));
        EXPECT_EQ(report.totals.bytes, SONY_BYTES);
        EXPECT_NEAR(report.totals.seconds, 3, 0.01);
        for (const KivClip &clip : report.clips) {
            EXPECT_EQ(clip.role == KivClipRole::Proxy, clip.path.contains("/SUB/"));
            EXPECT_TRUE(std::any_of(report.clips.begin(), report.clips.end(),
                                    [&](const KivClip &c) { return c.path == clip.recording; }));
        }
    }
}

// A link that loops and a name longer than the system takes have reasons of
// their own.
TEST(ClipFolder, NamesLoopsAndLongNames)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::link(dir.filePath("loop"), dir.filePath("loop")));
    EXPECT_EQ(kivMeasureClips({dir.filePath("loop")}).skipped.value(0).message(),
              dir.filePath("loop") + ": a link that loops");
    // Folders nested past PATH_MAX, made one step at a time.
    const QString deep = dir.filePath("deep");
    ASSERT_TRUE(QDir().mkpath(deep));
    const std::string name(200, 'd');
    int fd = open(qPrintable(deep), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < 22 && fd >= 0; ++i) {
        ASSERT_EQ(mkdirat(fd, name.c_str(), 0755), 0);
        const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = next;
    }
    ASSERT_GE(fd, 0);
    close(fd);
    const KivClipReport report = kivMeasureClips({dir.path()});
    QList<KivClipReason> reasons;
    for (const KivClipSkip &skip : report.skipped) {
        reasons << skip.reason;
    }
    EXPECT_TRUE(reasons.contains(KivClipReason::LinkLoop));
    EXPECT_TRUE(reasons.contains(KivClipReason::NameTooLong));
    EXPECT_FALSE(reasons.contains(KivClipReason::Unreadable));
    // Beyond what QDir removes.
    EXPECT_EQ(QProcess::execute("rm", {"-rf", deep}), 0);
}

// The measure of a copy of the Sony card whose C0001.MP4 cannot be read.
bool leavesOutC0001(const QString &card)
{
    const QString main = card + "/PRIVATE/M4ROOT/CLIP/C0001.MP4";
    const KivClipReport report = kivMeasureClips({card});
    QStringList skipped;
    for (const KivClipSkip &skip : report.skipped) {
        skipped << skip.message() + (skip.fault ? " (fault)" : "");
    }
    return report.ok() && !report.complete() && report.totals.recordings == 1 &&
           report.totals.bytes == 9896 + 6186 && report.unmeasuredBytes == 16090 + 9189 &&
           skipped == QStringList{main + ": cannot be read (fault)",
                                  card + "/PRIVATE/M4ROOT/SUB/C0001S03.MP4: left out: its "
                                         "recording's main file cannot be measured (fault)"};
}

// A main file the user cannot read: its proxy does not stand in, the other
// recording is measured, and the totals say they are incomplete.
TEST(ClipFolder, LeavesOutTheRecordingOfAnUnreadableMain)
{
    QTemporaryDir dir;
    const QString card = dir.filePath("card");
    ASSERT_TRUE(copySonyCard(card));
    ASSERT_EQ(chmod(qPrintable(dir.path()), 0755), 0);
    ASSERT_EQ(chmod(qPrintable(card + "/PRIVATE/M4ROOT/CLIP/C0001.MP4"), 0), 0);
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
                _exit(2);
            }
            _exit(leavesOutC0001(card) ? 0 : 1);
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
            ok = ok && !kivMeasureClips({fixture("bad/empty.MP4")}).ok() && !mediaInfoLoaded();
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
