// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The bytes as a user's formats file, added to the built-in catalogue. What
// must hold whatever the file says: each warning is one line; the built-in
// entries keep their places and change only where the file names their id;
// every entry has a valid id and positive finite figures; listed points give
// their published figure (bytes x 8 x fps / 10^6 for per-frame entries);
// other frame sizes and rates give a finite positive figure whose Mbit/s per
// pixel and frame lies within the range of the listed points', which grows
// with the frame wherever the listed figures per pixel do; entries limited
// to their listed sizes refuse others.
#include "FuzzSupport.h"

#include "catalogue/KivFormatLoad.h"
#include "catalogue/KivFormatRate.h"

#include <algorithm>
#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

const KivFrameSize probeFrames[] = {{1, 1},       {640, 480},   {1280, 720},  {1920, 1080},
                                    {1080, 1920}, {2048, 1080}, {2560, 1440}, {2880, 1800},
                                    {3840, 2160}, {4096, 2160}, {7680, 4320}, {65535, 65535}};
const double probeRates[] = {0.001, 1, 24000.0 / 1001, 24, 25, 30, 60, 119.88, 1000000};

bool positiveFinite(double x)
{
    return std::isfinite(x) && x > 0;
}

bool near(double a, double b)
{
    return std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b));
}

bool validId(const QString &id)
{
    static const std::regex pattern("[a-z0-9]+(-[a-z0-9]+)*");
    return id.size() <= 64 && std::regex_match(id.toStdString(), pattern);
}

std::optional<KivFormatRate> rateAt(const KivFormat &format, KivFrameSize frame, double fps)
{
    QString error;
    std::optional<KivFormatRate> rate = kivFormatRate(format, frame, fps, error);
    FUZZ_CHECK(rate.has_value() == error.isEmpty());
    return rate;
}

// A listed point: its pixels, rate and published Mbit/s.
struct Point
{
    double pixels;
    double fps;
    double mbps;
};

// Figures at the listed points, for tables at each listed rate and for
// per-frame entries at `fps`.
std::vector<Point> listedPoints(const KivFormat &format, double fps)
{
    std::vector<Point> points;
    for (const KivFormatSize &size : format.sizes) {
        const double pixels = double(size.frame.width) * double(size.frame.height);
        if (format.kind == KivFormatKind::Table) {
            for (qsizetype j = 0; j < format.rates.size(); ++j) {
                points.push_back({pixels, format.rates[j], size.mbps[j]});
            }
        } else {
            points.push_back({pixels, fps, size.bytesPerFrame * 8 * fps / 1e6});
        }
    }
    return points;
}

void checkListed(const KivFormat &format)
{
    FUZZ_CHECK(!format.sizes.isEmpty());
    if (format.kind == KivFormatKind::Table) {
        FUZZ_CHECK(!format.rates.isEmpty());
        FUZZ_CHECK(std::is_sorted(format.rates.begin(), format.rates.end()));
    }
    for (const KivFormatSize &size : format.sizes) {
        FUZZ_CHECK(size.frame.width >= 1 && size.frame.height >= 1);
        if (format.kind == KivFormatKind::Table) {
            FUZZ_CHECK(size.mbps.size() == format.rates.size());
            for (qsizetype j = 0; j < format.rates.size(); ++j) {
                FUZZ_CHECK(positiveFinite(format.rates[j]) && positiveFinite(size.mbps[j]));
                const std::optional<KivFormatRate> rate =
                    rateAt(format, size.frame, format.rates[j]);
                FUZZ_CHECK(rate && rate->mbps == size.mbps[j] && !rate->scaled);
            }
        } else {
            FUZZ_CHECK(positiveFinite(size.bytesPerFrame));
            for (double fps : probeRates) {
                const std::optional<KivFormatRate> rate = rateAt(format, size.frame, fps);
                FUZZ_CHECK(rate && near(rate->mbps, size.bytesPerFrame * 8 * fps / 1e6));
                FUZZ_CHECK(!rate->scaled);
            }
        }
    }
}

// Frames not listed: per-unit bounds, growth with the frame, and refusals
// where only the listed sizes exist.
void checkScaled(const KivFormat &format)
{
    std::vector<KivFrameSize> frames(std::begin(probeFrames), std::end(probeFrames));
    for (const KivFormatSize &size : format.sizes) {
        frames.push_back(size.frame);
        frames.push_back({std::min(size.frame.width + 1, kivMaxFrameSide), size.frame.height});
    }
    std::sort(frames.begin(), frames.end(),
              [](const KivFrameSize &a, const KivFrameSize &b) { return a.pixels() < b.pixels(); });
    const QList<KivFrameSize> listed = format.listedSizes();
    // Tables scale at listed rates and at others; per-frame entries at any.
    std::vector<double> rates(std::begin(probeRates), std::end(probeRates));
    rates.insert(rates.end(), format.rates.begin(), format.rates.end());
    for (double fps : rates) {
        const bool atListedRate = format.kind != KivFormatKind::Table || format.rates.contains(fps);
        const std::vector<Point> points = listedPoints(format, fps);
        double low = INFINITY, high = 0;
        for (const Point &p : points) {
            low = std::min(low, p.mbps / (p.pixels * p.fps));
            high = std::max(high, p.mbps / (p.pixels * p.fps));
        }
        // A rate within the tolerance of a listed one is not scaled.
        low *= 1 - 2 * kivRateTolerance;
        high *= 1 + 2 * kivRateTolerance;

        // Figures per pixel of the listed sizes at this rate, by pixel count.
        std::vector<std::pair<double, double>> perPixel;
        for (const Point &p : points) {
            if (p.fps == fps) {
                perPixel.emplace_back(p.pixels, p.mbps / p.pixels);
            }
        }
        std::sort(perPixel.begin(), perPixel.end());
        bool rising = true;
        double leastRatio = 1;
        for (size_t i = 0; i < perPixel.size(); ++i) {
            for (size_t j = i + 1; j < perPixel.size(); ++j) {
                const double ratio = perPixel[j].second / perPixel[i].second;
                // Sizes of equal pixel count must agree for growth to hold.
                rising =
                    rising && (perPixel[j].first > perPixel[i].first ? ratio >= 1 : ratio == 1);
                leastRatio = std::min({leastRatio, ratio, 1 / ratio});
            }
        }

        double lastPixels = 0, lastMbps = 0;
        for (const KivFrameSize &frame : frames) {
            const std::optional<KivFormatRate> rate = rateAt(format, frame, fps);
            if (format.onlyListedSizes && !listed.contains(frame)) {
                FUZZ_CHECK(!rate);
                continue;
            }
            FUZZ_CHECK(rate && positiveFinite(rate->mbps));
            FUZZ_CHECK(listed.contains(rate->fromSize));
            FUZZ_CHECK(rate->scaled == !rate->scaling.isEmpty());
            const double perUnit = rate->mbps / (double(frame.pixels()) * fps);
            FUZZ_CHECK(perUnit >= low * (1 - 1e-12) && perUnit <= high * (1 + 1e-12));
            if (atListedRate && double(frame.pixels()) > lastPixels && lastPixels > 0) {
                const double least = rising ? lastMbps : lastMbps * leastRatio;
                FUZZ_CHECK(rate->mbps >= least * (1 - 1e-12));
            }
            lastPixels = double(frame.pixels());
            lastMbps = rate->mbps;
        }
    }
}

void checkEntry(const KivFormat &format, const KivFormatCatalogue &catalogue)
{
    FUZZ_CHECK(validId(format.id));
    FUZZ_CHECK(!format.name.trimmed().isEmpty() && !format.family.trimmed().isEmpty());
    FUZZ_CHECK(!format.source.trimmed().isEmpty());
    const std::optional<KivFormat> found = catalogue.find(format.id);
    FUZZ_CHECK(found && *found == format);
    QString error;
    if (format.kind == KivFormatKind::Fixed) {
        FUZZ_CHECK(positiveFinite(format.mbps));
        const std::optional<KivFormatRate> rate = kivFormatRate(format, {}, {}, error);
        FUZZ_CHECK(rate && rate->mbps == format.mbps && !rate->scaled);
        FUZZ_CHECK(!kivFormatRate(format, KivFrameSize{1920, 1080}, {}, error));
        return;
    }
    FUZZ_CHECK(!kivFormatRate(format, {}, 25.0, error) && !error.isEmpty());
    checkListed(format);
    checkScaled(format);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    const KivFormatCatalogue &builtIn = kivBuiltInFormats();
    KivFormatCatalogue catalogue = builtIn;
    QStringList warnings;
    const int added = kivAddFormatsJson(catalogue, json, QStringLiteral("user.json"), warnings);

    for (const QString &line : warnings) {
        FUZZ_CHECK(line.startsWith(QLatin1String("user.json")));
        FUZZ_CHECK(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')));
    }
    FUZZ_CHECK(added >= 0 && catalogue.size() >= builtIn.size());
    FUZZ_CHECK(catalogue.size() <= builtIn.size() + added);

    // A built-in entry changes only where the file holds its id (unless the
    // id could be written with escapes), and keeps its place.
    const bool escapes = json.contains('\\');
    int changed = 0;
    for (qsizetype i = 0; i < builtIn.size(); ++i) {
        const KivFormat &before = builtIn.formats()[i];
        const KivFormat &after = catalogue.formats()[i];
        FUZZ_CHECK(after.id == before.id);
        if (!(after == before)) {
            FUZZ_CHECK(escapes || json.contains(before.id.toUtf8()));
            ++changed;
        }
    }
    FUZZ_CHECK(changed + catalogue.size() - builtIn.size() <= added);

    std::set<QString> ids;
    static bool builtInChecked = false;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const KivFormat &format = catalogue.formats()[i];
        FUZZ_CHECK(ids.insert(format.id).second);
        // Entries as built in are checked once; the file's on every input.
        if (i >= builtIn.size() || !(format == builtIn.formats()[i]) || !builtInChecked) {
            checkEntry(format, catalogue);
        }
    }
    builtInChecked = true;
    return 0;
}
