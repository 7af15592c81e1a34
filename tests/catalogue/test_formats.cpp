// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "catalogue/KivFormatLoad.h"
#include "catalogue/KivFormatRate.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <ostream>

namespace {

// Rows go by their names, in test names and failure messages alike.
template <typename Row>
    requires requires(const Row &row) { row.name; }
void PrintTo(const Row &row, std::ostream *os)
{
    *os << row.name;
}

template <typename Row> std::string rowName(const testing::TestParamInfo<Row> &info)
{
    return info.param.name;
}

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const KivFormatCatalogue &builtIn()
{
    return kivBuiltInFormats();
}

// Empty texts stand for "not given".
std::optional<KivFormatRate> rateOf(const KivFormat &format, const char *frame, const char *fps,
                                    QString &error)
{
    std::optional<KivFrameSize> size;
    std::optional<double> rate;
    if (*frame) {
        size = kivReadFrameSize(QLatin1String(frame), error);
    }
    if (*fps) {
        rate = kivReadFrameRate(QLatin1String(fps), error);
    }
    return kivFormatRate(format, size, rate, error);
}

struct RateRow
{
    const char *name;
    const char *id;
    const char *frame;
    const char *fps;
    double mbps;
    const char *scaling; // "" when the figure is listed
};

class FormatRate : public testing::TestWithParam<RateRow>
{
};

TEST_P(FormatRate, GivesThePublishedOrScaledFigure)
{
    const RateRow &row = GetParam();
    QString error;
    const std::optional<KivFormat> format = builtIn().find(QLatin1String(row.id));
    ASSERT_TRUE(format) << row.id;
    const std::optional<KivFormatRate> rate = rateOf(*format, row.frame, row.fps, error);
    ASSERT_TRUE(rate) << error.toStdString();
    EXPECT_NEAR(rate->mbps, row.mbps, row.mbps * 1e-12);
    EXPECT_EQ(rate->scaled, *row.scaling != 0);
    EXPECT_EQ(rate->scaling.toStdString(), row.scaling);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, FormatRate,
    testing::Values(
        RateRow{"prores_422_hq_uhd_25_listed", "prores-422-hq", "uhd", "25", 737, ""},
        RateRow{"prores_422_proxy_hd_23_976", "prores-422-proxy", "1920x1080", "23.976", 36, ""},
        RateRow{"prores_4444_xq_dci_59_94", "prores-4444-xq", "dci4k", "59.94", 4251, ""},
        RateRow{"prores_422_lt_ntsc_fraction_is_29_97", "prores-422-lt", "hd", "30000/1001", 102,
                ""},
        RateRow{"prores_422_hq_1440p_30_scaled", "prores-422-hq", "2560x1440", "30",
                220.0 * (2560.0 * 1440) / (1920.0 * 1080) * 30 / 29.97,
                "scaled from 1920x1080 at 29.97 fps"},
        RateRow{"prores_422_hd_24_is_not_23_976", "prores-422", "hd", "24", 117 * 24 / 23.976,
                "scaled from 1920x1080 at 23.976 fps"},
        RateRow{"dnxhr_hqx_uhd_23_976_exact", "dnxhr-hqx", "3840x2160", "23.976",
                3641344 * 8 * 23.976 / 1e6, ""},
        RateRow{"dnxhr_hq_2048x1080_24_scaled", "dnxhr-hq", "2048x1080", "24", 186.2270976,
                "scaled from 1920x1080"},
        RateRow{"dnxhr_lb_pixel_tie_takes_smaller", "dnxhr-lb", "2880x1800", "25",
                188416 * 8 * 25 / 1e6 * 2.5, "scaled from 1920x1080"},
        RateRow{"dnxhd_sq_hd_25", "dnxhd-sq", "hd", "25", 121.2416, ""},
        RateRow{"sony_xavc_s_4k_100m", "sony-xavc-s-4k-100m", "", "", 100, ""},
        RateRow{"iphone_hevc_4k60_from_mb_per_minute", "iphone-hevc-4k60", "", "", 400 * 8 / 60.0,
                ""},
        RateRow{"canon_mp4_35", "canon-mp4-35", "", "", 35, ""}),
    rowName<RateRow>);

struct RefusalRow
{
    const char *name;
    const char *id;
    const char *frame;
    const char *fps;
    const char *error;
};

class FormatRefusal : public testing::TestWithParam<RefusalRow>
{
};

TEST_P(FormatRefusal, SaysWhy)
{
    const RefusalRow &row = GetParam();
    QString error;
    EXPECT_FALSE(rateOf(*builtIn().find(QLatin1String(row.id)), row.frame, row.fps, error));
    EXPECT_EQ(error.toStdString(), row.error);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, FormatRefusal,
    testing::Values(
        RefusalRow{"dnxhd_only_at_1080", "dnxhd-hq", "1280x720", "25",
                   "dnxhd-hq exists only at 1920x1080, not 1280x720"},
        RefusalRow{"fixed_mode_with_rate", "sony-avchd-ps", "", "25",
                   "sony-avchd-ps: the mode fixes its frame size and rate"},
        RefusalRow{"fixed_mode_with_frame", "canon-avchd-28", "hd", "",
                   "canon-avchd-28: the mode fixes its frame size and rate"},
        RefusalRow{"table_without_rate", "prores-422-hq", "hd", "",
                   "prores-422-hq needs a frame rate; listed: 23.976, 25, 29.97, 50, 59.94 fps"},
        RefusalRow{"per_frame_without_frame", "dnxhr-sq", "", "25",
                   "dnxhr-sq needs a frame size; listed: 1920x1080, 3840x2160, 4096x2160"},
        RefusalRow{"per_frame_without_rate", "dnxhr-sq", "uhd", "",
                   "dnxhr-sq needs a frame rate, any (its figures are bytes per frame)"},
        RefusalRow{"table_without_both", "prores-4444", "", "",
                   "prores-4444 needs a frame size and a frame rate; listed sizes: 1920x1080, "
                   "3840x2160, 4096x2160; listed rates: 23.976, 25, 29.97, 50, 59.94 fps"}),
    rowName<RefusalRow>);

TEST(FormatRate, RefusesAbsurdValuesPassedDirectly)
{
    const KivFormat hq = *builtIn().find(QStringLiteral("prores-422-hq"));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QString error;
    for (double fps : {0.0, -25.0, nan, inf, 1e7}) {
        EXPECT_FALSE(kivFormatRate(hq, KivFrameSize{1920, 1080}, fps, error)) << fps;
    }
    for (KivFrameSize frame :
         {KivFrameSize{0, 1080}, KivFrameSize{-1920, -1080}, KivFrameSize{1 << 30, 1 << 30}}) {
        EXPECT_FALSE(kivFormatRate(hq, frame, 25.0, error)) << frame.width;
    }
    // A hand-built entry missing its figures is refused, not read past its end.
    KivFormat broken = hq;
    broken.sizes[1].mbps.removeLast();
    EXPECT_FALSE(kivFormatRate(broken, KivFrameSize{3840, 2160}, 59.94, error));
}

TEST(FormatCatalogue, BuiltInArrivesWithTheStaticLibrary)
{
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/kivfilesizecalculator/formats.json")));
    EXPECT_EQ(builtIn().size(), 57);
    EXPECT_EQ(builtIn().families(),
              QStringList({"Apple ProRes", "Avid DNxHR", "Avid DNxHD", "Sony AVCHD", "Sony XAVC S",
                           "Sony XAVC HS", "Sony XAVC S-I", "Canon AVCHD", "Canon MP4",
                           "Panasonic MOV", "Apple iPhone"}));
    EXPECT_EQ(builtIn().inFamily(QStringLiteral("Avid DNxHD")).size(), 4);
}

TEST(FormatCatalogue, FindsTypedNamesAndSuggestsNearIds)
{
    for (const char *typed :
         {"ProRes 422 HQ", "PRORES_422_HQ", " prores--422  hq ", "Apple ProRes 422 HQ"}) {
        const std::optional<KivFormat> found = builtIn().find(QLatin1String(typed));
        ASSERT_TRUE(found) << typed;
        EXPECT_EQ(found->id, QStringLiteral("prores-422-hq"));
    }
    QString error;
    EXPECT_FALSE(builtIn().lookup(QStringLiteral("prores-422-hg"), error));
    EXPECT_EQ(error, QStringLiteral("unknown format \"prores-422-hg\"; did you mean "
                                    "prores-422-hq, prores-422-lt or prores-422?"));
    EXPECT_EQ(builtIn().suggestions(QStringLiteral("xavc hs"), 2),
              QStringList({"sony-xavc-hs-4k-200m", "sony-xavc-hs-4k-150m"}));
    EXPECT_FALSE(builtIn().lookup(QStringLiteral("qqqqqqqqqq\n"), error));
    EXPECT_EQ(error, QStringLiteral("unknown format \"qqqqqqqqqq\\n\""));
    EXPECT_FALSE(builtIn().find(QString()));
}

TEST(FormatCatalogue, FiltersByIdNameOrFamilyInOrder)
{
    QStringList ids;
    for (const KivFormat &format : builtIn().filter(QStringLiteral("XAVC S_I"))) {
        ids << format.id;
    }
    EXPECT_EQ(ids, QStringList({"sony-xavc-s-i-4k-60p", "sony-xavc-s-i-4k-50p",
                                "sony-xavc-s-i-hd-60p", "sony-xavc-s-i-hd-50p"}));
    EXPECT_EQ(builtIn().filter(QStringLiteral("iphone")).size(), 6);          // family and id
    EXPECT_EQ(builtIn().filter(QStringLiteral("high efficiency")).size(), 6); // name
    EXPECT_EQ(builtIn().filter(QString()).size(), builtIn().size());
}

struct ReadRow
{
    const char *name;
    const char *text;
    double value; // pixels for frame sizes, fps for rates; 0: refused
    const char *error;
};

class FrameReading : public testing::TestWithParam<ReadRow>
{
};

TEST_P(FrameReading, ReadsOrRefuses)
{
    const ReadRow &row = GetParam();
    QString error;
    const std::optional<KivFrameSize> frame = kivReadFrameSize(QLatin1String(row.text), error);
    EXPECT_EQ(frame ? double(frame->pixels()) : 0.0, row.value);
    EXPECT_EQ(error.toStdString(), row.error);
}

INSTANTIATE_TEST_SUITE_P(
    Text, FrameReading,
    testing::Values(
        ReadRow{"width_x_height", "1920x1080", 1920 * 1080, ""},
        ReadRow{"capital_x_and_blanks", " 3840X2160 ", 3840 * 2160, ""},
        ReadRow{"name_hd", "HD", 1920 * 1080, ""}, ReadRow{"name_uhd", "Uhd", 3840 * 2160, ""},
        ReadRow{"name_dci4k", "dci4k", 4096 * 2160, ""},
        ReadRow{"largest", "65535x65535", 65535.0 * 65535, ""},
        ReadRow{"star", "1920*1080", 0,
                "frame size \"1920*1080\": write it as WIDTHxHEIGHT (1920x1080) or as hd, uhd or "
                "dci4k"},
        ReadRow{"spaces_inside", "1920 x 1080", 0,
                "frame size \"1920 x 1080\": write it as WIDTHxHEIGHT (1920x1080) or as hd, uhd "
                "or dci4k"},
        ReadRow{"negative", "-1920x1080", 0,
                "frame size \"-1920x1080\": write it as WIDTHxHEIGHT (1920x1080) or as hd, uhd "
                "or dci4k"},
        ReadRow{"zero", "0x1080", 0,
                "frame size \"0x1080\": width and height must be 1 to 65535 pixels"},
        ReadRow{"digits_beyond_any_integer", "99999999999999999999999x1", 0,
                "frame size \"99999999999999999999999x1\": width and height must be 1 to 65535 "
                "pixels"}),
    rowName<ReadRow>);

class RateReading : public testing::TestWithParam<ReadRow>
{
};

TEST_P(RateReading, ReadsOrRefuses)
{
    const ReadRow &row = GetParam();
    QString error;
    const std::optional<double> fps = kivReadFrameRate(QLatin1String(row.text), error);
    EXPECT_EQ(fps.value_or(0), row.value);
    EXPECT_TRUE(*row.error ? error.contains(QLatin1String(row.error)) : error.isEmpty())
        << error.toStdString();
}

#define FORM "\": write it as a number with a '.' (29.97) or as a fraction (30000/1001)"
#define RANGE "\": must be from 0.001 to 1000000 frames per second"

INSTANTIATE_TEST_SUITE_P(
    Text, RateReading,
    testing::Values(ReadRow{"whole", "25", 25, ""}, ReadRow{"decimal", " 29.97 ", 29.97, ""},
                    ReadRow{"fraction", "24000/1001", 24000.0 / 1001, ""},
                    ReadRow{"smallest", "0.001", 0.001, ""},
                    ReadRow{"zero", "0", 0, "frame rate \"0" RANGE},
                    ReadRow{"too_fast", "1000001", 0, RANGE}, ReadRow{"tiny", "1/1001", 0, RANGE},
                    ReadRow{"comma", "29,97", 0, "frame rate \"29,97" FORM},
                    ReadRow{"sign", "-25", 0, FORM}, ReadRow{"exponent", "1e3", 0, FORM},
                    ReadRow{"nan", "nan", 0, FORM}, ReadRow{"inf", "inf", 0, FORM},
                    ReadRow{"trailing_dot", "25.", 0, FORM}, ReadRow{"empty", "", 0, FORM},
                    ReadRow{"zero_divisor", "24000/0", 0,
                            "frame rate \"24000/0\": the divisor is 0"},
                    ReadRow{"decimal_fraction", "24000/1001.0", 0,
                            "\": a fraction is two whole numbers (30000/1001)"}),
    rowName<ReadRow>);

#define MINE R"("name": "Mine", "family": "Mine", "nature": "max", "audio": true, "source": "me")"
const char goodEntry[] = R"({"id": "my-cam", )" MINE R"(, "kind": "fixed", "mbps": 42})";

struct FaultRow
{
    const char *name;
    const char *entry; // goes before goodEntry in a file's list
    const char *warning;
};

class UserFileFault : public testing::TestWithParam<FaultRow>
{
};

TEST_P(UserFileFault, GivesOneLineAndTheRestLoads)
{
    const FaultRow &row = GetParam();
    KivFormatCatalogue catalogue = builtIn();
    QStringList warnings;
    const QByteArray json = QByteArray(R"({"formats": [)") + row.entry + ", " + goodEntry + "]}";
    EXPECT_EQ(kivAddFormatsJson(catalogue, json, QStringLiteral("mine.json"), warnings), 1);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0].toStdString(), row.warning);
    EXPECT_EQ(catalogue.size(), builtIn().size() + 1);
    EXPECT_EQ(catalogue.formats().last().mbps, 42);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, UserFileFault,
    testing::Values(
        FaultRow{"unknown_kind", R"({"id": "a", )" MINE R"(, "kind": "tabel"})",
                 "mine.json: entry 1 (a): unknown kind \"tabel\"; expected table, per-frame or "
                 "fixed; skipped"},
        FaultRow{"missing_figure", R"({"id": "a", )" MINE R"(, "kind": "fixed"})",
                 "mine.json: entry 1 (a): a fixed entry needs one of \"mbps\" and "
                 "\"mbytesPerMinute\"; skipped"},
        FaultRow{"negative_figure", R"({"id": "a", )" MINE R"(, "kind": "fixed", "mbps": -5})",
                 "mine.json: entry 1 (a): \"mbps\" must be a number from 0.001 to 10000000; "
                 "skipped"},
        FaultRow{"huge_figure", R"({"id": "a", )" MINE R"(, "kind": "fixed", "mbps": 1e308})",
                 "mine.json: entry 1 (a): \"mbps\" must be a number from 0.001 to 10000000; "
                 "skipped"},
        FaultRow{"figure_as_text", R"({"id": "a", )" MINE R"(, "kind": "fixed", "mbps": "42"})",
                 "mine.json: entry 1 (a): \"mbps\" must be a number from 0.001 to 10000000; "
                 "skipped"},
        FaultRow{"bad_id", R"({"id": "My_Cam", )" MINE R"(, "kind": "fixed", "mbps": 1})",
                 "mine.json: entry 1: id \"My_Cam\" must be lowercase letters and digits in words "
                 "joined by '-', at most 64 characters; skipped"},
        FaultRow{"duplicate_id", goodEntry,
                 "mine.json: entry 2 (my-cam): id already used by entry 1 of this file; skipped"},
        FaultRow{"wrong_type",
                 R"({"id": "a", "name": "A", "family": "A", "nature": "max",)"
                 R"( "audio": "yes", "source": "s", "kind": "fixed", "mbps": 1})",
                 "mine.json: entry 1 (a): \"audio\" must be true or false; skipped"},
        FaultRow{"unknown_field", R"({"id": "a", )" MINE R"(, "kind": "fixed", "mbsp": 1})",
                 "mine.json: entry 1 (a): unknown field \"mbsp\"; skipped"},
        FaultRow{"field_of_another_kind",
                 R"({"id": "a", )" MINE R"(, "kind": "fixed", "mbps": 1, "rates": [25]})",
                 "mine.json: entry 1 (a): \"rates\" does not belong to a fixed entry; skipped"},
        FaultRow{"falling_rates", R"({"id": "a", )" MINE R"(, "kind": "table", "rates": [50, 25]})",
                 "mine.json: entry 1 (a): \"rates\" must rise: 25 after 50; skipped"},
        FaultRow{"row_too_short",
                 R"({"id": "a", )" MINE R"(, "kind": "table", "rates": [25, 50],)"
                 R"( "sizes": [{"frame": "hd", "mbps": [1]}]})",
                 "mine.json: entry 1 (a): size 1: \"mbps\" must list one figure per rate (2); "
                 "skipped"},
        FaultRow{"zero_bytes",
                 R"({"id": "a", )" MINE R"(, "kind": "per-frame", "sizes": [{"frame": "hd",)"
                 R"( "bytes": 0}]})",
                 "mine.json: entry 1 (a): size 1: \"bytes\" must be a number from 1 to "
                 "10000000000; skipped"},
        FaultRow{"bad_frame",
                 R"({"id": "a", )" MINE R"(, "kind": "per-frame", "sizes": [{"frame": "big",)"
                 R"( "bytes": 9}]})",
                 "mine.json: entry 1 (a): size 1: frame size \"big\": write it as WIDTHxHEIGHT "
                 "(1920x1080) or as hd, uhd or dci4k; skipped"},
        FaultRow{"not_an_object", "42", "mine.json: entry 1: not an object; skipped"}),
    rowName<FaultRow>);

TEST(UserFiles, AddReplaceAndSkipWhatCannotBeRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    const QString user = dir.filePath(QStringLiteral("kivfilesizecalculator/formats.json"));
    ASSERT_EQ(kivUserFormatsPath(), user);
    write(user, R"({"formats": [{"id": "prores-422-hq", )" MINE R"(, "kind": "fixed", "mbps": 7},
        {"id": "my-table", )" MINE R"(, "kind": "table", "rates": [24, 30],
         "sizes": [{"frame": "hd", "mbps": [10, 20]}]}]})");
    const QString extra = dir.filePath(QStringLiteral("extra.json"));
    write(extra, QByteArray(R"({"formats": [)") + goodEntry + "]}");
    const QString broken = dir.filePath(QStringLiteral("broken.json"));
    write(broken, "{\"formats\": [\n  {\"id\": }]}");
    const QString large = dir.filePath(QStringLiteral("large.json"));
    write(large, QByteArray(kivMaxFormatsFileBytes + 1, ' '));
    const QString missing = dir.filePath(QStringLiteral("missing.json"));

    const KivFormatLoad load = kivLoadFormats({extra, broken, large, missing, dir.path()});
    ASSERT_EQ(load.warnings.size(), 4) << load.warnings.join('\n').toStdString();
    EXPECT_TRUE(load.warnings[0].startsWith(broken + ":2:")); // the line with the fault
    EXPECT_TRUE(load.warnings[0].contains(QLatin1String(": not valid JSON (")));
    EXPECT_EQ(load.warnings[1], large + QStringLiteral(": larger than 1 MiB; not read"));
    EXPECT_TRUE(load.warnings[2].startsWith(missing + QStringLiteral(": cannot be read (")));
    EXPECT_EQ(load.warnings[3], dir.path() + QStringLiteral(": a folder, not a formats file"));

    // A replacement keeps its place; new entries follow in file order.
    const QList<KivFormat> &formats = load.catalogue.formats();
    ASSERT_EQ(formats.size(), builtIn().size() + 2);
    EXPECT_EQ(formats[3].id, QStringLiteral("prores-422-hq"));
    EXPECT_EQ(formats[3].mbps, 7);
    EXPECT_EQ(formats[formats.size() - 2].id, QStringLiteral("my-table"));
    EXPECT_EQ(formats.last().id, QStringLiteral("my-cam"));

    // Halfway between the listed 24 and 30 the lower rate is scaled.
    QString error;
    const std::optional<KivFormatRate> rate =
        kivFormatRate(formats[formats.size() - 2], KivFrameSize{1920, 1080}, 27.0, error);
    ASSERT_TRUE(rate);
    EXPECT_DOUBLE_EQ(rate->mbps, 10 * 27.0 / 24);
    qunsetenv("XDG_CONFIG_HOME");
}

TEST(UserFiles, FilesThatAreNotCataloguesAreSkippedWhole)
{
    for (const char *json : {"[]", "{}", R"({"formats": {}})", "", "\xff\xfe"}) {
        KivFormatCatalogue catalogue = builtIn();
        QStringList warnings;
        EXPECT_EQ(kivAddFormatsJson(catalogue, json, QStringLiteral("f.json"), warnings), 0)
            << json;
        EXPECT_EQ(warnings.size(), 1);
        EXPECT_EQ(catalogue.formats(), builtIn().formats());
    }
}

} // namespace
