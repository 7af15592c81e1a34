// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// What the plan tests share: plans written as JSON in a line, and the example
// shoot.
#pragma once

#include "plan/KivPlanFile.h"

#include <gtest/gtest.h>

#include <string>

namespace plantest {

inline const QString ORIGIN = QStringLiteral("plan.json");

// A plan of one camera: `top` members, then the camera's.
inline std::string one(const std::string &camera, const std::string &top = "")
{
    return "{" + top + (top.empty() ? "" : ", ") + "\"cameras\": [{" + camera + "}]}";
}
// The start of a valid camera, its source to follow.
inline const std::string CAM = R"("name": "A", "time_per_day": "1:00:00", )";

inline KivPlan read(const std::string &json)
{
    KivPlan plan;
    QString error;
    EXPECT_TRUE(kivReadPlan(QByteArray::fromStdString(json), ORIGIN, plan, error))
        << error.toStdString();
    return plan;
}

inline const std::string EXAMPLE = R"({
  "units": "kiv", "days": 3, "copies": 3, "card_size": 256, "drive_size": 8192,
  "offload_mbyte_s": 400,
  "proxy": {"format": "prores-422-proxy", "frame": "hd", "fps": 25},
  "cameras": [
    {"name": "A and B", "count": 2, "time_per_day": "4:00:00",
     "format": "prores-422-hq", "frame": "uhd", "fps": 25},
    {"name": "Drone", "time_per_day": "0:30:00", "bitrate": 150},
    {"name": "Gimbal", "time_per_day": "2:00:00", "clips": ["day0/gimbal"]}
  ]
})";

} // namespace plantest
