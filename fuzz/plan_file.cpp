// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Arbitrary bytes read as a plan file. A refusal is one line and leaves the
// plan as it was; a plan read passes the in-memory check, writes a file that
// reads back as the same plan (and the same bytes again), and comes to the
// same answers both times, which an oracle works out again in long double.
#include "FuzzSupport.h"
#include "oracles/PlanFigures.h"

#include "calc/KivDisplay.h"
#include "catalogue/KivFormatLoad.h"
#include "plan/KivPlanAnswer.h"
#include "plan/KivPlanFile.h"

#include <algorithm>

namespace {

bool oneLine(const QString &text)
{
    return !text.isEmpty() && std::none_of(text.begin(), text.end(), kivIsControl);
}

// The rate of a resolved source, or one made up where it has none (clips
// the caller has not measured, formats the catalogue refuses), whose fault
// is checked.
double rateOf(const KivPlanRate &rate, const QString &place, double madeUp)
{
    FUZZ_CHECK(rate.mbps.has_value() != rate.fault.has_value());
    if (rate.mbps) {
        return *rate.mbps;
    }
    const QString error = kivPlanFaultText(*rate.fault);
    FUZZ_CHECK(oneLine(error) && error.startsWith(place));
    return madeUp;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    KivPlan plan;
    plan.days = 7;
    plan.cameras.append(KivPlanCamera{QStringLiteral("kept"), 2, 60, {KivPlanBitrate{1}, {}}});
    const KivPlan before = plan;
    QString error;
    if (!kivReadPlan(json, QStringLiteral("fuzz.json"), plan, error)) {
        FUZZ_CHECK(oneLine(error));
        FUZZ_CHECK(plan == before);
        // The fault as data words as the line, its place first.
        KivPlanFault fault;
        FUZZ_CHECK(!kivReadPlan(json, QStringLiteral("fuzz.json"), plan, fault));
        FUZZ_CHECK(kivPlanFaultText(fault) == error);
        FUZZ_CHECK(fault.place.object == KivPlanPlace::Object::File ||
                   error.startsWith(fault.place.path));
        return 0;
    }
    FUZZ_CHECK(kivCheckPlan(plan, error));

    const QByteArray written = kivWritePlan(plan);
    KivPlan again;
    FUZZ_CHECK(kivReadPlan(written, QStringLiteral("written.json"), again, error));
    FUZZ_CHECK(again == plan);
    FUZZ_CHECK(kivWritePlan(again) == written);

    // Clips of camera i measured at 0.5 + i Mbit/s, every other camera's
    // being measured still.
    QList<KivPlanMeasuredClips> measured;
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        measured << KivPlanMeasuredClips{0.5 + double(i), QString()};
    }
    const KivPlanRates resolved = kivPlanRates(
        plan, []() -> const KivFormatCatalogue & { return kivBuiltInFormats(); },
        [&](qsizetype i) { return i % 2 == 0 ? &measured[i] : nullptr; });
    QList<double> rates;
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        rates << rateOf(resolved.cameras[i], kivPlanCameraPlace(i), 0.5 + double(i));
    }
    const std::optional<double> proxy =
        resolved.proxy ? std::optional<double>(rateOf(*resolved.proxy, kivPlanProxyPlace(), 3.25))
                       : std::nullopt;
    // Camera by camera: the cameras answered are those finished and resolved.
    KivPlanAnswer partial;
    KivPlanFault fault;
    if (kivPlanAnswer(plan, resolved, partial, fault)) {
        FUZZ_CHECK(partial.cameras.size() == plan.cameras.size());
        for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
            KivPlanFault unfinished;
            const bool answered = !partial.incomplete.contains(i);
            FUZZ_CHECK(answered == !partial.cameras[i].fault.has_value());
            FUZZ_CHECK(!answered ||
                       (kivPlanCameraFinished(plan, i, unfinished) && resolved.cameras[i].mbps));
        }
    }
    KivPlanAnswer answer;
    KivPlanAnswer second;
    QString secondError;
    const bool answered = kivPlanAnswer(plan, rates, proxy, answer, error);
    FUZZ_CHECK(kivPlanAnswer(again, rates, proxy, second, secondError) == answered);
    FUZZ_CHECK(secondError == error);
    if (answered) {
        FUZZ_CHECK(answer.cameras.size() == plan.cameras.size());
        FUZZ_CHECK(second.gb == answer.gb && second.totalGb == answer.totalGb);
        FUZZ_CHECK(second.drives == answer.drives &&
                   second.offloadSeconds == answer.offloadSeconds);
    } else {
        FUZZ_CHECK(oneLine(error));
    }
    // A rate the answer refuses is beyond the oracle's rules.
    KivPlanFault unfinished;
    const bool usable =
        kivPlanFinished(plan, unfinished) &&
        std::all_of(rates.begin(), rates.end(),
                    [](double r) { return r > 0 && r <= kivPlanMaxAnsweredMbps; }) &&
        (!proxy || (*proxy > 0 && *proxy <= kivPlanMaxAnsweredMbps));
    if (usable) {
        oracle::checkPlanAnswer(plan, rates, proxy, answered, answer);
    }
    return 0;
}
