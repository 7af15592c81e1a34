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
#include "plan/KivPlanFile.h"

#include <algorithm>

namespace {

bool oneLine(const QString &text)
{
    return !text.isEmpty() && std::none_of(text.begin(), text.end(), kivIsControl);
}

// The rate of a source: typed, from the built-in catalogue, or made up for
// clips (and for formats the catalogue refuses, whose refusal is checked).
double rateOf(const KivPlanSource &source, const QString &place, double madeUp)
{
    if (const std::optional<double> typed = kivPlanTypedMbps(source)) {
        return kivPlanWithAudio(source, *typed);
    }
    if (std::holds_alternative<KivPlanFormat>(source.from)) {
        QString error;
        const std::optional<KivFormatChoice> choice =
            kivPlanChooseFormat(kivBuiltInFormats(), source, place, error);
        FUZZ_CHECK(choice.has_value() == error.isEmpty());
        if (choice) {
            return kivPlanWithAudio(source, choice->rate.mbps);
        }
        FUZZ_CHECK(oneLine(error) && error.startsWith(place + QLatin1Char('.')));
    }
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
        return 0;
    }
    FUZZ_CHECK(kivCheckPlan(plan, error));

    const QByteArray written = kivWritePlan(plan);
    KivPlan again;
    FUZZ_CHECK(kivReadPlan(written, QStringLiteral("written.json"), again, error));
    FUZZ_CHECK(again == plan);
    FUZZ_CHECK(kivWritePlan(again) == written);

    QList<double> rates;
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        rates << rateOf(plan.cameras[i].source, kivPlanCameraPlace(i), 0.5 + double(i));
    }
    const std::optional<double> proxy =
        plan.proxy ? std::optional<double>(rateOf(*plan.proxy, kivPlanProxyPlace(), 3.25))
                   : std::nullopt;
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
    const bool usable =
        std::all_of(rates.begin(), rates.end(),
                    [](double r) { return r > 0 && r <= kivPlanMaxAnsweredMbps; }) &&
        (!proxy || (*proxy > 0 && *proxy <= kivPlanMaxAnsweredMbps));
    if (usable) {
        oracle::checkPlanAnswer(plan, rates, proxy, answered, answer);
    }
    return 0;
}
