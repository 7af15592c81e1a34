// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "catalogue/KivFormatCatalogue.h"
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
                340.0 * (2560.0 * 1440) / (2048.0 * 1556) * 30 / 29.97,
                "scaled from 2048x1556 at 29.97 fps"},
        // Every size Apple lists gives its figure; cells it leaves out are
        // scaled from the nearest rate listed for that size.
        RateRow{"prores_422_hq_720p_59_94_listed", "prores-422-hq", "1280x720", "59.94", 220, ""},
        RateRow{"prores_422_hq_pal_sd_25_listed", "prores-422-hq", "720x576", "25", 61, ""},
        RateRow{"prores_4444_8k_59_94_listed", "prores-4444", "8192x4320", "59.94", 11313, ""},
        RateRow{"prores_proxy_ntsc_sd_60i_listed", "prores-422-proxy", "720x486", "59.94i", 12, ""},
        RateRow{"prores_4444_xq_cell_left_out", "prores-4444-xq", "960x720", "25",
                170 * 25 / 23.976, "scaled from 960x720 at 23.976 fps"},
        RateRow{"prores_422_pal_sd_only_at_25", "prores-422", "720x576", "29.97", 41 * 29.97 / 25,
                "scaled from 720x576 at 25 fps"},
        RateRow{"prores_proxy_ntsc_sd_25_from_the_nearer_rate", "prores-422-proxy", "720x486", "25",
                10 * 25 / 23.976, "scaled from 720x486 at 23.976 fps"},
        RateRow{"prores_lt_2k_24_from_2k", "prores-422-lt", "2048x1080", "24", 93 * 24 / 23.976,
                "scaled from 2048x1080 at 23.976 fps"},
        RateRow{"prores_hq_720x480_from_720x486", "prores-422-hq", "720x480", "29.97",
                63 * 480 / 486.0, "scaled from 720x486 at 29.97 fps"},
        RateRow{"prores_hq_beyond_8k", "prores-422-hq", "65535x65535", "59.94",
                7542 * (65535.0 * 65535) / (8192.0 * 4320), "scaled from 8192x4320 at 59.94 fps"},
        RateRow{"prores_422_hd_24_is_not_23_976", "prores-422", "hd", "24", 117 * 24 / 23.976,
                "scaled from 1920x1080 at 23.976 fps"},
        RateRow{"dnxhr_hqx_uhd_23_976_exact", "dnxhr-hqx", "3840x2160", "23.976",
                3641344 * 8 * 23.976 / 1e6, ""},
        RateRow{"dnxhr_hq_2048x1080_24_scaled", "dnxhr-hq", "2048x1080", "24", 186.2270976,
                "scaled from 1920x1080"},
        RateRow{"dnxhr_lb_pixel_tie_takes_smaller", "dnxhr-lb", "2880x1800", "25",
                188416 * 8 * 25 / 1e6 * 2.5, "scaled from 1920x1080"},
        RateRow{"dnxhd_sq_hd_25", "dnxhd-sq", "hd", "25", 121.2416, ""},
        RateRow{"dnxhd_720p_by_its_id", "dnxhd-1252", "1280x720", "59.94", 303104 * 8 * 59.94 / 1e6,
                ""},
        RateRow{"dnxhd_at_the_fraction_of_a_listed_rate", "dnxhd-hqx", "hd", "30000/1001",
                917504.0 * 8 * 30000 / 1001 / 1e6, ""},
        RateRow{"xavc_intra_class_480_dci_25", "xavc-intra-class-480", "dci4k", "25", 400, ""},
        // Packings: the figures worked out from the row bytes, exact at any size.
        RateRow{"v210_hd_25", "v210", "hd", "25", 1105.92, ""},
        RateRow{"v210_720p_50_padded_rows", "v210", "1280x720", "50", 27 * 128 * 720 * 8 * 50 / 1e6,
                ""},
        RateRow{"v210_one_pixel", "v210", "1x1", "1", 128 * 8 / 1e6, ""},
        RateRow{"v210_largest", "v210", "65535x65535", "1000000",
                1366.0 * 128 * 65535 * 8 * 1000000 / 1e6, ""},
        RateRow{"uyvy_uhd_25", "2vuy", "uhd", "25", 3317.76, ""},
        RateRow{"r210_hd_25", "r210", "hd", "25", 1658.88, ""},
        RateRow{"r210_odd_width", "r210", "1921x1", "1", 31 * 256 * 8 / 1e6, ""},
        RateRow{"r12b_hd_25", "r12b", "hd", "25", 1866.24, ""},
        RateRow{"r12b_odd_width_rounds_the_row_up", "r12b", "1365x768", "25",
                6143.0 * 768 * 8 * 25 / 1e6, ""},
        RateRow{"rgb8_uhd_25", "rgb8", "uhd", "25", 4976.64, ""},
        RateRow{"rgba8_hd_25", "rgba8", "hd", "25", 1658.88, ""},
        RateRow{"b64a_uhd_25", "b64a", "uhd", "25", 13271.04, ""},
        RateRow{"dpx_hd_25", "dpx-10", "hd", "25", 8302592.0 * 8 * 25 / 1e6, ""},
        RateRow{"dpx_uhd_25", "dpx-10", "uhd", "25", 33185792.0 * 8 * 25 / 1e6, ""},
        RateRow{"arriraw_16_9_2_8k", "arriraw", "2880x1620", "1", 6998400 * 8 / 1e6, ""},
        RateRow{"arriraw_4_3_2_8k", "arriraw", "2880x2160", "1", 9331200 * 8 / 1e6, ""},
        RateRow{"arriraw_odd_photosites_round_up", "arriraw", "3x3", "1", 14 * 8 / 1e6, ""},
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
                   "prores-4444 needs a frame size and a frame rate; listed sizes: 720x486, "
                   "720x576, 960x720, 1280x720, 1280x1080, 1440x1080, 1920x1080, 2048x1080, "
                   "2048x1556, 3840x2160, 4096x2160, 5120x2700, 6144x3240, 8192x4320; listed "
                   "rates: 23.976, 25, 29.97, 50, 59.94 fps"},
        RefusalRow{"dnxhd_at_a_rate_it_lacks", "dnxhd-hq", "hd", "120",
                   "dnxhd-hq exists only at 23.976, 25, 29.97, 50 or 59.94 fps, not 120"},
        RefusalRow{"dnxhd_interlaced_at_fields", "dnxhd-1242", "hd", "50",
                   "dnxhd-1242 exists only at 25 or 29.97 fps, not 50"},
        RefusalRow{"dnxhd_listed_rates_needed", "dnxhd-1242", "hd", "",
                   "dnxhd-1242 needs a frame rate; listed: 25, 29.97 fps"},
        RefusalRow{"xavc_intra_not_scaled_in_rate", "xavc-intra-class-100", "hd", "29.97",
                   "xavc-intra-class-100 exists only at 25 or 50 fps, not 29.97"},
        RefusalRow{"xavc_intra_not_scaled_in_size", "xavc-intra-class-300", "hd", "25",
                   "xavc-intra-class-300 exists only at 3840x2160 or 4096x2160, not 1920x1080"},
        RefusalRow{"broadcast_mode_with_a_frame", "avc-intra-100", "hd", "",
                   "avc-intra-100: the mode fixes its frame size and rate"},
        RefusalRow{"packing_without_frame", "v210", "", "25",
                   "v210 needs a frame size, any (its figures come from the pixel packing)"},
        RefusalRow{"packing_without_either", "arriraw", "", "",
                   "arriraw needs a frame size and a frame rate, any (its figures come from the "
                   "pixel packing)"}),
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
    EXPECT_EQ(builtIn().size(), 95);
    EXPECT_EQ(builtIn().families(),
              QStringList({"Apple ProRes", "Avid DNxHR", "Avid DNxHD", "Sony XAVC Intra",
                           "Panasonic AVC-Intra", "Sony XDCAM", "Panasonic DVCPRO", "DV", "HDV",
                           "Uncompressed", "ARRI", "Sony AVCHD", "Sony XAVC S", "Sony XAVC HS",
                           "Sony XAVC S-I", "Canon AVCHD", "Canon MP4", "Panasonic MOV",
                           "Apple iPhone"}));
    EXPECT_EQ(builtIn().inFamily(QStringLiteral("Avid DNxHD")).size(), 14);
    for (const KivFormat &format : builtIn().formats()) {
        EXPECT_TRUE(format.file.isEmpty()) << format.id.toStdString();
    }
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

struct ChooseRow
{
    const char *name;
    const char *typed;
    const char *frame; // "" for none
    const char *fps;   // "" for none
    int channels;      // of 24-bit 48 kHz audio; 0 for none
    const char *id;    // the entry chosen, or "" for a refusal
    double mbps;       // with the audio
    const char *error;
};

class Choosing : public testing::TestWithParam<ChooseRow>
{
};

TEST_P(Choosing, FindsByIdNameWordsOrTheNamesEditorsSay)
{
    const ChooseRow &row = GetParam();
    QString error;
    std::optional<KivFrameSize> frame;
    std::optional<double> fps;
    if (*row.frame) {
        frame = kivReadFrameSize(QLatin1String(row.frame), error);
    }
    if (*row.fps) {
        fps = kivReadFrameRate(QLatin1String(row.fps), error);
    }
    std::optional<KivAudio> audio;
    if (row.channels > 0) {
        audio = KivAudio{row.channels, 24, 48};
    }
    const std::optional<KivFormatChoice> choice =
        kivChooseFormat(builtIn(), QString::fromUtf8(row.typed), frame, fps, error, audio);
    EXPECT_EQ(choice ? choice->format.id.toStdString() : std::string(), row.id);
    EXPECT_EQ(error.toStdString(), row.error);
    if (choice) {
        EXPECT_NEAR(choice->mbps(), row.mbps, row.mbps * 1e-12);
        // A choice says the frame and rate it was computed at.
        EXPECT_EQ(choice->frame.has_value(), choice->format.kind != KivFormatKind::Fixed);
    }
}

#define DNX(bytes, fps) (bytes * 8.0 * fps / 1e6)

INSTANTIATE_TEST_SUITE_P(
    Catalogue, Choosing,
    testing::Values(
        ChooseRow{"dnxhd_220x", "DNxHD 220x", "hd", "29.97", 0, "dnxhd-hqx", DNX(917504, 29.97),
                  ""},
        ChooseRow{"dnxhd_220x_as_an_id_implies_its_rate", "dnxhd-220x", "hd", "", 0, "dnxhd-hqx",
                  DNX(917504, 29.97), ""},
        ChooseRow{"dnxhd_145_in_720p", "dnxhd 145", "1280x720", "", 0, "dnxhd-1252",
                  DNX(303104, 59.94), ""},
        ChooseRow{"dnxhd_maker_and_a_second_name", "Avid DNxHD 175", "1280x720", "50", 0,
                  "dnxhd-1251", DNX(458752, 50), ""},
        ChooseRow{"dnxhd_145_in_thin_raster", "DNXHD145", "1440x1080", "30000/1001", 0,
                  "dnxhd-1244", DNX(606208, 30000.0 / 1001), ""},
        ChooseRow{"dnxhd_name_needs_the_frame", "dnxhd 145", "", "", 0, "", 0,
                  "\"dnxhd 145\" exists at 1920x1080 at 29.97 fps, 1440x1080 at 29.97 fps or "
                  "1280x720 at 59.94 fps; give the frame size"},
        ChooseRow{"dnxhd_name_at_two_rates", "DNxHD 36", "hd", "", 0, "", 0,
                  "\"DNxHD 36\" exists at 1920x1080 at 23.976 or 25 fps; give the frame rate"},
        ChooseRow{"dnxhd_name_at_another_rate", "DNxHD 36", "hd", "30", 0, "", 0,
                  "\"DNxHD 36\" exists at 1920x1080 at 23.976 or 25 fps, not 30"},
        ChooseRow{"dnxhd_name_at_another_size", "dnxhd 220", "uhd", "", 0, "", 0,
                  "\"dnxhd 220\" exists at 1920x1080 at 29.97 fps or 1280x720 at 59.94 fps, not "
                  "3840x2160"},
        ChooseRow{"dnxhd_former_id", "dnxhd-sq", "hd", "25", 0, "dnxhd-sq", DNX(606208, 25), ""},
        ChooseRow{"dnxhd_by_compression_id", "DNxHD 1237", "hd", "25", 0, "dnxhd-sq",
                  DNX(606208, 25), ""},
        ChooseRow{"dnxhd_compression_id_as_id", "dnxhd-1237", "hd", "25", 0, "dnxhd-sq",
                  DNX(606208, 25), ""},
        ChooseRow{"dnxhd_444_by_words", "dnxhd 444", "hd", "50", 0, "dnxhd-1256", DNX(1835008, 50),
                  ""},
        ChooseRow{"prores_hq_by_words", "prores hq", "hd", "25", 0, "prores-422-hq", 184, ""},
        ChooseRow{"prores_422hq_run_together", "422HQ", "hd", "25", 0, "prores-422-hq", 184, ""},
        ChooseRow{"prores_4444_by_its_name", "ProRes 4444", "hd", "25", 0, "prores-4444", 275, ""},
        ChooseRow{"xavc_s_without_the_maker", "XAVC S 4K 100M", "", "", 0, "sony-xavc-s-4k-100m",
                  100, ""},
        ChooseRow{"words_of_several", "iphone 4k", "", "", 0, "", 0,
                  "format \"iphone 4k\" fits 3 entries: iphone-hevc-4k24, iphone-hevc-4k30 or "
                  "iphone-hevc-4k60"},
        ChooseRow{"words_of_many", "4k", "", "", 0, "", 0,
                  "format \"4k\" fits 14 entries: sony-xavc-s-4k-60m, sony-xavc-s-4k-100m, "
                  "sony-xavc-s-i-4k-60p, sony-xavc-s-i-4k-50p, sony-xavc-hs-4k-75m, "
                  "sony-xavc-hs-4k-45m, sony-xavc-hs-4k-200m, sony-xavc-hs-4k-150m, "
                  "sony-xavc-hs-4k-100m, iphone-hevc-4k24 and 4 more"},
        ChooseRow{"former_id_of_a_mode", "DVCAM", "", "", 0, "dv", 25, ""},
        ChooseRow{"audio_on_a_codec", "prores-422-hq", "uhd", "25", 4, "prores-422-hq", 737 + 4.608,
                  ""},
        ChooseRow{"audio_on_a_packing", "v210", "hd", "25", 8, "v210", 1105.92 + 9.216, ""},
        ChooseRow{"audio_on_a_mode_that_has_it", "sony-xavc-s-4k-100m", "", "", 2, "", 0,
                  "sony-xavc-s-4k-100m: its figure includes the recorded audio; no audio can "
                  "be added"},
        ChooseRow{"nothing_typed", " - ", "", "", 0, "", 0, "unknown format \" - \""}),
    rowName<ChooseRow>);

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

INSTANTIATE_TEST_SUITE_P(
    Fields, RateReading,
    testing::Values(ReadRow{"pal_fields", "50i", 25, ""},
                    ReadRow{"ntsc_fields", "59.94i", 29.97, ""},
                    ReadRow{"fields_as_a_fraction", "60000/1001I", 30000.0 / 1001, ""},
                    ReadRow{"i_alone", "i", 0, "write it as a number"},
                    ReadRow{"i_twice", "50ii", 0, "write it as a number"},
                    ReadRow{"fields_below_the_least", "0.001i", 0, "must be from 0.001"}),
    rowName<ReadRow>);

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
                 "mine.json: entry 1 (a): unknown kind \"tabel\"; expected table, per-frame, "
                 "fixed or formula; skipped"},
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
        FaultRow{"not_an_object", "42", "mine.json: entry 1: not an object; skipped"},
        FaultRow{"row_without_a_figure",
                 R"({"id": "a", )" MINE R"(, "kind": "table", "rates": [25, 50],)"
                 R"( "sizes": [{"frame": "hd", "mbps": [null, null]}]})",
                 "mine.json: entry 1 (a): size 1: \"mbps\" must hold at least one figure; "
                 "skipped"},
        FaultRow{"names_without_rates",
                 R"({"id": "a", )" MINE R"(, "kind": "per-frame", "sizes": [{"frame": "hd",)"
                 R"( "bytes": 9}], "names": {"A 1": [25]}})",
                 "mine.json: entry 1 (a): \"names\" needs the entry's \"rates\"; skipped"},
        FaultRow{"name_at_a_rate_not_listed",
                 R"({"id": "a", )" MINE R"(, "kind": "per-frame", "rates": [25], "sizes": [)"
                 R"({"frame": "hd", "bytes": 9}], "names": {"A 1": [30]}})",
                 "mine.json: entry 1 (a): name \"A 1\" must name rates of \"rates\": 25; skipped"},
        FaultRow{"name_without_words",
                 R"({"id": "a", )" MINE R"(, "kind": "per-frame", "rates": [25], "sizes": [)"
                 R"({"frame": "hd", "bytes": 9}], "names": {"--": [25]}})",
                 "mine.json: entry 1 (a): name \"--\" has no letters or digits; skipped"},
        FaultRow{"unknown_packing",
                 R"({"id": "a", )" MINE R"(, "kind": "formula", "packing": "v211"})",
                 "mine.json: entry 1 (a): \"packing\" must be one of 2vuy, v210, r210, r12b, "
                 "rgb8, rgba8, b64a, dpx-10, arriraw; skipped"},
        FaultRow{"packing_of_a_fixed_entry",
                 R"({"id": "a", )" MINE R"(, "kind": "fixed", "mbps": 1, "packing": "v210"})",
                 "mine.json: entry 1 (a): \"packing\" does not belong to a fixed entry; skipped"},
        FaultRow{"alias_that_is_no_id",
                 R"({"id": "a", "aliases": ["B c"], )" MINE R"(, "kind": "fixed", "mbps": 1})",
                 "mine.json: entry 1 (a): alias: id \"B c\" must be lowercase letters and digits "
                 "in words joined by '-', at most 64 characters; skipped"},
        FaultRow{"unknown_nature",
                 R"({"id": "a", "name": "A", "family": "A", "nature": "guess", "audio": true,)"
                 R"( "source": "s", "kind": "fixed", "mbps": 1})",
                 "mine.json: entry 1 (a): \"nature\" must be target, constant, max, average, "
                 "approximate, net or nominal; skipped"},
        FaultRow{"alpha_as_text",
                 R"({"id": "a", "alpha": "no", )" MINE R"(, "kind": "fixed", "mbps": 1})",
                 "mine.json: entry 1 (a): \"alpha\" must be true or false; skipped"}),
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
         "sizes": [{"frame": "hd", "mbps": [10, 20]}]},
        {"id": "my-v210", )" MINE R"(, "kind": "formula", "packing": "v210"},
        {"id": "my-dnx", )" MINE R"(, "kind": "per-frame", "rates": [25, 50],
         "sizes": [{"frame": "hd", "bytes": 500000}], "names": {"Mine 100": [25]}}]})");
    const QString extra = dir.filePath(QStringLiteral("extra.json"));
    write(extra, QByteArray(R"({"formats": [)") + goodEntry +
                     R"(, {"id": "prores-422-hq", )" MINE R"(, "kind": "fixed", "mbps": 8}]})");
    const QString broken = dir.filePath(QStringLiteral("broken.json"));
    write(broken, "{\"formats\": [\n  {\"id\": }]}");
    const QString large = dir.filePath(QStringLiteral("large.json"));
    write(large, QByteArray(kivMaxFormatsFileBytes + 1, ' '));
    const QString missing = dir.filePath(QStringLiteral("missing.json"));

    const KivFormatLoad load = kivLoadFormats({extra, broken, large, missing, dir.path()});
    ASSERT_EQ(load.warnings.size(), 5) << load.warnings.join('\n').toStdString();
    // Replacing a built-in entry is said once, however many files replace it.
    EXPECT_EQ(load.warnings[0], user + ": prores-422-hq replaces the built-in entry of that id");
    EXPECT_TRUE(load.warnings[1].startsWith(broken + ":2:")); // the line with the fault
    EXPECT_TRUE(load.warnings[1].contains(QLatin1String(": not valid JSON (")));
    EXPECT_EQ(load.warnings[2], large + QStringLiteral(": larger than 1 MiB; not read"));
    EXPECT_TRUE(load.warnings[3].startsWith(missing + QStringLiteral(": cannot be read (")));
    EXPECT_EQ(load.warnings[4], dir.path() + QStringLiteral(": a folder, not a formats file"));

    // A replacement keeps its place; new entries follow in file order, and
    // each says the file it came from.
    const QList<KivFormat> &formats = load.catalogue.formats();
    ASSERT_EQ(formats.size(), builtIn().size() + 4);
    EXPECT_EQ(formats[3].id, QStringLiteral("prores-422-hq"));
    EXPECT_EQ(formats[3].mbps, 8);
    EXPECT_EQ(formats[3].file, extra);
    EXPECT_EQ(formats[formats.size() - 4].id, QStringLiteral("my-table"));
    EXPECT_EQ(formats[formats.size() - 4].file, user);
    EXPECT_EQ(formats.last().id, QStringLiteral("my-cam"));

    // Halfway between the listed 24 and 30 the lower rate is scaled.
    QString error;
    const std::optional<KivFormatRate> rate =
        kivFormatRate(formats[formats.size() - 4], KivFrameSize{1920, 1080}, 27.0, error);
    ASSERT_TRUE(rate);
    EXPECT_DOUBLE_EQ(rate->mbps, 10 * 27.0 / 24);
    // A user's packing and a user's name work as the built-in ones do.
    std::optional<KivFormatChoice> choice =
        kivChooseFormat(load.catalogue, "my-v210", KivFrameSize{1920, 1080}, 25.0, error);
    ASSERT_TRUE(choice) << error.toStdString();
    EXPECT_DOUBLE_EQ(choice->mbps(), 1105.92);
    choice = kivChooseFormat(load.catalogue, "mine 100", KivFrameSize{1920, 1080}, {}, error);
    ASSERT_TRUE(choice) << error.toStdString();
    EXPECT_EQ(choice->format.id, QStringLiteral("my-dnx"));
    EXPECT_DOUBLE_EQ(choice->mbps(), 100);
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
