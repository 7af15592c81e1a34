// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// What the planner's tests share: a fresh planner for each test, in a
// configuration folder of their own with the user's formats of the fixtures,
// and typing into its fields and cells as a user types.
#pragma once

#include "app/KivFileSizeCalculator.h"
#include "app/KivFormatChooser.h"
#include "app/KivPlanner.h"
#include "calc/KivDisplay.h"
#include "plan/KivPlanFile.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

inline const QString CLIPS = QStringLiteral(KIV_CLIP_FIXTURES);
inline const QString PLANS = QStringLiteral(KIV_PLAN_FIXTURES);
inline const char *const TOTALS[] = {"perDay", "shoot",  "withCopies", "proxyGb",
                                     "total",  "drives", "offloadTime"};

// Every figure of an answer, with all its digits, for comparing.
inline QStringList figures(const KivPlanAnswer &a)
{
    const auto n = [](std::optional<double> x) {
        return x ? QString::number(*x, 'g', 17) : QStringLiteral("-");
    };
    const auto t = [](std::optional<std::uint32_t> x) {
        return x ? QString::number(*x) : QStringLiteral("-");
    };
    QStringList out;
    for (const KivPlanCameraAnswer &c : a.cameras) {
        out << n(c.mbps) << n(c.gbPerDay) << n(c.gb) << n(c.cardsPerDay) << t(c.cardSeconds);
    }
    return out << n(a.gbPerDay) << n(a.gb) << n(a.gbWithCopies) << n(a.proxyGb) << n(a.totalGb)
               << n(a.drives) << t(a.offloadSeconds);
}

// The answer as kivfilesize --plan --json writes it.
inline QJsonObject asJson(const KivPlan &plan, const KivPlanAnswer &a)
{
    QJsonArray cameras;
    for (qsizetype i = 0; i < a.cameras.size(); ++i) {
        const KivPlanCameraAnswer &c = a.cameras[i];
        QJsonObject camera{{"name", plan.cameras[i].name},
                           {"count", plan.cameras[i].count},
                           {"mbit_s", c.mbps},
                           {"gb_per_day", c.gbPerDay},
                           {"gb", c.gb}};
        if (c.cardsPerDay) {
            camera["cards_per_day"] = *c.cardsPerDay;
            camera["card_time"] = kivTimeText(*c.cardSeconds);
        }
        if (a.day) {
            camera["cards"] = a.day->cards[i];
        }
        cameras << camera;
    }
    QJsonObject out{{"units", QLatin1String(kivCardUnit(plan.units).name)},
                    {"days", plan.days},
                    {"copies", plan.copies},
                    {"cameras", cameras},
                    {"gb_per_day", a.gbPerDay},
                    {"gb", a.gb},
                    {"gb_with_copies", a.gbWithCopies},
                    {"total_gb", a.totalGb}};
    if (a.proxyGb) {
        out["proxy_gb"] = *a.proxyGb;
    }
    if (a.drives) {
        out["drives"] = *a.drives;
    }
    if (a.offloadSeconds) {
        out["offload_per_day"] = kivTimeText(*a.offloadSeconds);
    }
    QJsonArray warnings;
    if (a.day) {
        out["cards_total"] = a.day->cardsTotal;
        out["offload_done"] = kivTimeText(a.day->offloadDone);
        out["after_wrap"] = kivTimeText(a.day->afterWrap);
        for (const KivPlanDayWarning warning : a.day->warnings) {
            warnings << kivPlanDayWarningText(warning);
        }
    }
    out["warnings"] = warnings;
    return out;
}

// A CSV file's records, read by the rules of RFC 4180.
inline QList<QStringList> readCsv(const QString &text)
{
    QList<QStringList> records{{}};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += c;
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.last() << std::exchange(field, QString());
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            records.last() << std::exchange(field, QString());
            records << QStringList();
            ++i;
        } else {
            field += c;
        }
    }
    records.removeLast(); // after the last CRLF
    return records;
}

class PlannerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

protected:
    template <typename T = QWidget> T *child(const char *name) const
    {
        T *widget = planner->findChild<T *>(QLatin1String(name));
        if (widget == nullptr) {
            qFatal("no child %s", name);
        }
        return widget;
    }
    void type(const char *field, const QString &text);
    void typeCell(int row, int column, const QString &text, bool commit = true);
    void run(const QStringList &steps);

    std::unique_ptr<KivPlanner> planner;
    QTemporaryDir config;
    QTemporaryDir work;
};
