// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The planner's totals: the form's labels and the ones added beside them,
// in the words of KivPlanWords.
#include "app/KivPlanner.h"
#include "ui_KivPlanner.h"

#include "KivPlanDocument.h"
#include "plan/KivPlanWords.h"

#include <QGridLayout>

void KivPlanner::addTotals()
{
    // The cards of all bodies below the form's totals, and each GB total in
    // TB beside it; named as the form names its totals.
    QGridLayout *grid = ui->totalsLayout;
    const int row = grid->rowCount();
    auto *cardsLabel = new QLabel(ui->totalsBox);
    cardsLabel->setObjectName(QStringLiteral("cardsLabel"));
    grid->addWidget(cardsLabel, row, 0);
    auto *cards = new QLabel(ui->totalsBox);
    cards->setObjectName(QStringLiteral("cards"));
    cards->setAccessibleName(KivPlanWords::label(KivPlanWords::Cards, KivCardUnits::Kiv));
    grid->addWidget(cards, row, 1);
    for (QLabel *value : {cards, ui->perDay, ui->shoot, ui->withCopies, ui->proxyGb, ui->total}) {
        auto *large = value == cards ? cards : new QLabel(ui->totalsBox);
        large->setAlignment(ui->perDay->alignment());
        large->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (large != cards) {
            large->setObjectName(value->objectName() + QLatin1String("Large"));
            int at = 0;
            int column = 0;
            int span = 0;
            grid->getItemPosition(grid->indexOf(value), &at, &column, &span, &span);
            grid->addWidget(large, at, 2);
        }
    }
}

void KivPlanner::showTotals()
{
    const std::optional<KivPlanAnswer> &totals = document->totals();
    const KivCardUnits units = this->units();
    const QString gb = KivPlanWords::unit(units);
    ui->cardSizeUnit->setText(gb);
    ui->driveSizeUnit->setText(gb);
    const auto added = [this](const char *name) {
        return findChild<QLabel *>(QLatin1String(name));
    };
    QLabel *const labels[] = {ui->perDayLabel,      ui->shootLabel,       ui->withCopiesLabel,
                              ui->proxyGbLabel,     ui->totalLabel,       added("cardsLabel"),
                              ui->drivesLabel,      ui->offloadTimeLabel, ui->cardsTotalLabel,
                              ui->offloadDoneLabel, ui->dayWarningLabel};
    QLabel *const values[] = {ui->perDay,     ui->shoot,       ui->withCopies, ui->proxyGb,
                              ui->total,      added("cards"),  ui->drives,     ui->offloadTime,
                              ui->cardsTotal, ui->offloadDone, ui->dayWarning};
    static_assert(std::size(values) == KivPlanWords::Totals);
    const KivLocalNumbers numbers;
    const KivPlanWords::Number number = [&numbers](double x) { return numbers.figure(x); };
    for (int t = 0; t < KivPlanWords::Totals; ++t) {
        const auto total = KivPlanWords::Total(t);
        labels[t]->setText(KivPlanWords::label(total, units) + ':');
        values[t]->setText(totals ? KivPlanWords::value(total, document->plan(), *totals, number)
                                  : QString());
        describe(values[t], values[t]->text());
        if (auto *large = findChild<QLabel *>(values[t]->objectName() + QLatin1String("Large"))) {
            large->setText(totals ? KivPlanWords::large(total, *totals, units, number) : QString());
            large->setAccessibleName(KivPlanWords::label(total, units) + QStringLiteral(", ") +
                                     KivPlanWords::largeUnit(units));
        }
    }
}
