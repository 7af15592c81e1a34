// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "plan/KivPlanRate.h"

#include "KivPlanRules.h"

using K = KivPlanFaultKind;

std::optional<double> kivPlanTypedMbps(const KivPlanSource &source)
{
    if (const auto *rate = std::get_if<KivPlanBitrate>(&source.from)) {
        return rate->mbps;
    }
    if (const auto *mbytes = std::get_if<KivPlanMbytes>(&source.from)) {
        return kivMbitsPerSec(mbytes->mbytesPerSec);
    }
    return std::nullopt;
}

double kivPlanWithAudio(const KivPlanSource &source, double mbps)
{
    return source.audio ? mbps + source.audio->mbps() : mbps;
}

std::optional<KivFormatChoice> kivPlanChooseFormat(const KivFormatCatalogue &catalogue,
                                                   const KivPlanSource &source,
                                                   const KivPlanPlace &place, KivPlanFault &fault)
{
    const auto *format = std::get_if<KivPlanFormat>(&source.from);
    if (format == nullptr) {
        fault = kivPlanFault(place.child(QStringLiteral("format")), K::NotAFormat);
        return std::nullopt;
    }
    QString problem;
    std::optional<KivFormatChoice> choice =
        kivChooseFormat(catalogue, format->name, format->frame, format->fps, problem);
    if (!choice) {
        fault = kivPlanFault(place.child(QStringLiteral("format")), K::FormatRefused);
        fault.text = format->name;
        fault.detail = problem;
        return std::nullopt;
    }
    if (source.audio && choice->format.audio) {
        fault = kivPlanFault(place.child(QStringLiteral("audio")), K::AudioIncluded);
        fault.text = choice->format.id;
        return std::nullopt;
    }
    return choice;
}

std::optional<KivFormatChoice> kivPlanChooseFormat(const KivFormatCatalogue &catalogue,
                                                   const KivPlanSource &source,
                                                   const QString &place, QString &error)
{
    KivPlanPlace at;
    at.path = place;
    std::optional<KivFormatChoice> choice;
    kivPlanWorded(error, [&](KivPlanFault &fault) {
        choice = kivPlanChooseFormat(catalogue, source, at, fault);
        return choice.has_value();
    });
    return choice;
}

KivPlanRate kivPlanRate(const KivPlanSource &source, const KivPlanPlace &place,
                        const KivPlanCatalogue &catalogue, const KivPlanMeasuredClips *clips)
{
    KivPlanRate rate;
    const double audio = kivPlanWithAudio(source, 0.0);
    if (std::holds_alternative<KivPlanNoRate>(source.from)) {
        rate.fault = kivPlanFault(place, K::NoRate);
    } else if (const std::optional<double> typed = kivPlanTypedMbps(source)) {
        rate.mbps = *typed + audio;
        rate.audioMbps = audio;
    } else if (std::holds_alternative<KivPlanClips>(source.from)) {
        const KivPlanPlace at = place.child(QStringLiteral("clips"));
        if (clips == nullptr) {
            rate.fault = kivPlanFault(at, K::ClipsMeasuring);
        } else if (!clips->mbps) {
            rate.fault = kivPlanFault(at, K::ClipsRefused);
            rate.fault->detail = clips->refused;
        } else {
            rate.mbps = clips->mbps;
        }
    } else {
        KivPlanFault fault;
        rate.format = kivPlanChooseFormat(catalogue(), source, place, fault);
        if (rate.format) {
            rate.mbps = rate.format->rate.mbps + audio;
            rate.audioMbps = audio;
        } else {
            rate.fault = fault;
        }
    }
    return rate;
}

KivPlanRates kivPlanRates(const KivPlan &plan, const KivPlanCatalogue &catalogue,
                          const KivPlanClipsOf &clips)
{
    KivPlanRates rates;
    if (plan.proxy) {
        rates.proxy = kivPlanRate(*plan.proxy, KivPlanPlace::ofProxy(), catalogue, nullptr);
    }
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        rates.cameras << kivPlanRate(plan.cameras[i].source, KivPlanPlace::ofCamera(i), catalogue,
                                     clips ? clips(i) : nullptr);
    }
    return rates;
}
