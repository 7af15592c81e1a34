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
// to their listed sizes or rates refuse others. Packed entries hold every
// pixel's bits and at most a row's alignment more, grow with the rate in
// proportion and give the figures worked out by hand at 1920x1080 and
// 3840x2160; names find an entry at their point; audio adds exactly its
// channels x bits x kHz / 1000 where the figure holds none.
#include "FuzzSupport.h"

#include "catalogue/KivFormatCatalogue.h"
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

// Bits a pixel (a photosite for ARRIRAW) holds in each packing, its row
// alignment in bytes and header, and its bytes at 1920x1080 and 3840x2160,
// as worked out by hand from the packings' descriptions.
struct Packed
{
    const char *id;
    double bits;
    int align;
    int header;
    double hd;
    double uhd;
};
const Packed packedByHand[] = {
    {"2vuy", 16, 1, 0, 4147200, 16588800},    {"v210", 128.0 * 8 / 48, 128, 0, 5529600, 22118400},
    {"r210", 32, 256, 0, 8294400, 33177600},  {"r12b", 36, 1, 0, 9331200, 37324800},
    {"rgb8", 24, 1, 0, 6220800, 24883200},    {"rgba8", 32, 1, 0, 8294400, 33177600},
    {"b64a", 64, 1, 0, 16588800, 66355200},   {"dpx-10", 32, 1, 8192, 8302592, 33185792},
    {"arriraw", 12, 1, 0, 3110400, 12441600},
};

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

bool listedRate(const QList<double> &rates, double fps)
{
    for (double listed : rates) {
        if (std::abs(fps - listed) <= kivRateTolerance * listed) {
            return true;
        }
    }
    return false;
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
                if (size.mbps[j] > 0) {
                    points.push_back({pixels, format.rates[j], size.mbps[j]});
                }
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
            bool any = false;
            for (qsizetype j = 0; j < format.rates.size(); ++j) {
                FUZZ_CHECK(positiveFinite(format.rates[j]) && std::isfinite(size.mbps[j]));
                if (size.mbps[j] <= 0) {
                    continue; // not listed
                }
                any = true;
                const std::optional<KivFormatRate> rate =
                    rateAt(format, size.frame, format.rates[j]);
                FUZZ_CHECK(rate && rate->mbps == size.mbps[j] && !rate->scaled);
            }
            FUZZ_CHECK(any);
        } else {
            FUZZ_CHECK(positiveFinite(size.bytesPerFrame));
            std::vector<double> rates(std::begin(probeRates), std::end(probeRates));
            rates.insert(rates.end(), format.rates.begin(), format.rates.end());
            for (double fps : rates) {
                const std::optional<KivFormatRate> rate = rateAt(format, size.frame, fps);
                if (format.onlyListedRates && !listedRate(format.rates, fps)) {
                    FUZZ_CHECK(!rate);
                    continue;
                }
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
        // Growth holds at a rate every listed size has a figure at.
        bool atListedRate = format.kind != KivFormatKind::Table || format.rates.contains(fps);
        for (const KivFormatSize &size : format.sizes) {
            const qsizetype j = format.rates.indexOf(fps);
            atListedRate =
                atListedRate && (format.kind != KivFormatKind::Table || size.mbps[j] > 0);
        }
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
            if (format.onlyListedRates && !rate) {
                // Only where the rate is not listed, or not for every size.
                bool everySize = true;
                for (const KivFormatSize &size : format.sizes) {
                    everySize = everySize && listedRate(format.ratesOf(size), fps);
                }
                FUZZ_CHECK(!everySize);
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

// Packed entries: every pixel's bits and at most a row's alignment more, in
// whole bytes; Mbit/s in proportion to the rate; the hand-worked figures.
void checkPacked(const KivFormat &format)
{
    const QString id = QLatin1String(kivPackingRule(format.packing).id);
    const Packed *byHand = nullptr;
    for (const Packed &p : packedByHand) {
        if (id == QLatin1String(p.id)) {
            byHand = &p;
        }
    }
    FUZZ_CHECK(byHand != nullptr);
    std::vector<KivFrameSize> frames(std::begin(probeFrames), std::end(probeFrames));
    frames.push_back({1365, 767});
    frames.push_back({1921, 1});
    for (const KivFrameSize &frame : frames) {
        const std::optional<KivFormatRate> one = rateAt(format, frame, 1);
        const std::optional<KivFormatRate> some = rateAt(format, frame, 29.97);
        FUZZ_CHECK(one && some && !one->scaled && one->fromSize == frame);
        const double bytes = one->bytesPerFrame;
        const double pixels = double(frame.width) * frame.height;
        FUZZ_CHECK(bytes == std::floor(bytes));
        FUZZ_CHECK(bytes - byHand->header >= pixels * byHand->bits / 8);
        FUZZ_CHECK(bytes - byHand->header <
                   (frame.width * byHand->bits / 8 + byHand->align) * frame.height + 1);
        FUZZ_CHECK(near(one->mbps, bytes * 8 / 1e6));
        FUZZ_CHECK(near(some->mbps, one->mbps * 29.97));
    }
    for (const auto &[frame, bytes] : {std::pair{KivFrameSize{1920, 1080}, byHand->hd},
                                       std::pair{KivFrameSize{3840, 2160}, byHand->uhd}}) {
        const std::optional<KivFormatRate> rate = rateAt(format, frame, 25);
        FUZZ_CHECK(rate && rate->bytesPerFrame == bytes && near(rate->mbps, bytes * 8 * 25 / 1e6));
    }
    QString error;
    FUZZ_CHECK(!kivFormatRate(format, {}, 25.0, error) && !error.isEmpty());
    FUZZ_CHECK(!kivFormatRate(format, KivFrameSize{1920, 1080}, {}, error));
}

// Each name the entry is known by finds an entry listed at its point (this
// one, or an earlier with the same name and point), unless an id, former id
// or name of an entry is written the same way.
void checkNames(const KivFormat &format, const KivFormatCatalogue &catalogue)
{
    for (const KivFormatName &name : format.names) {
        FUZZ_CHECK(format.rates.contains(name.fps));
        if (catalogue.find(name.name)) {
            continue;
        }
        QString error;
        const std::optional<KivFormatChoice> choice =
            kivChooseFormat(catalogue, name.name, format.sizes.first().frame, name.fps, error);
        FUZZ_CHECK(choice && choice->format.kind == KivFormatKind::PerFrame);
        FUZZ_CHECK(choice->frame == format.sizes.first().frame && choice->fps == name.fps);
        const qsizetype at = choice->format.listedSizes().indexOf(format.sizes.first().frame);
        FUZZ_CHECK(at >= 0);
        FUZZ_CHECK(
            near(choice->mbps(), choice->format.sizes[at].bytesPerFrame * 8 * name.fps / 1e6));
    }
}

// Audio adds exactly its own Mbit/s, and only to a figure without audio.
void checkAudio(const KivFormat &format, const KivFormatCatalogue &catalogue)
{
    std::optional<KivFrameSize> frame;
    std::optional<double> fps;
    if (format.kind != KivFormatKind::Fixed) {
        frame = format.sizes.isEmpty() ? KivFrameSize{1920, 1080} : format.sizes.first().frame;
        const QList<double> rates =
            format.sizes.isEmpty() ? QList<double>() : format.ratesOf(format.sizes.first());
        fps = rates.isEmpty() ? 25.0 : rates.first();
    }
    QString error;
    const std::optional<KivFormatChoice> bare =
        kivChooseFormat(catalogue, format.id, frame, fps, error);
    FUZZ_CHECK(bare && bare->format.id == format.id);
    const KivAudio audio{8, 24, 96};
    const std::optional<KivFormatChoice> with =
        kivChooseFormat(catalogue, format.id, frame, fps, error, audio);
    FUZZ_CHECK(with.has_value() == !format.audio);
    if (with) {
        FUZZ_CHECK(near(with->mbps() - bare->mbps(), 8 * 24 * 96 / 1000.0));
    }
}

void checkEntry(const KivFormat &format, const KivFormatCatalogue &catalogue)
{
    FUZZ_CHECK(validId(format.id));
    FUZZ_CHECK(!format.name.trimmed().isEmpty() && !format.family.trimmed().isEmpty());
    FUZZ_CHECK(!format.source.trimmed().isEmpty());
    const std::optional<KivFormat> found = catalogue.find(format.id);
    FUZZ_CHECK(found && *found == format);
    for (const QString &alias : format.aliases) {
        FUZZ_CHECK(validId(alias));
        const std::optional<KivFormat> byAlias = catalogue.find(alias);
        FUZZ_CHECK(byAlias && (byAlias->id == alias || byAlias->aliases.contains(alias)));
    }
    checkAudio(format, catalogue);
    QString error;
    if (format.kind == KivFormatKind::Formula) {
        checkPacked(format);
        return;
    }
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
    checkNames(format, catalogue);
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
