// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// "Plan a Shoot" driven as a user drives it: what is typed gives the plan
// library's answer, or the fault naming its place and no figure; a format
// chosen stays the camera's source; the keyboard alone; unsaved changes; and
// the calculator's way in.
#include "PlannerTestSupport.h"

class TestPlanner : public PlannerTest
{
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void figuresFollowEachKey();
    void undo_data();
    void undo();
    void escape();
    void exactSignals_data();
    void exactSignals();
    void unfinished();
    void heardAndSeen();
    void chooser_data();
    void chooser();
    void keyboard();
    void unsavedChangesAreAsked();
    void fromTheCalculator_data();
    void fromTheCalculator();
};

void TestPlanner::typing_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected"); // the plan file it makes, or none
    QTest::addColumn<QString>("fault");

    const QStringList typed = {"0:0=A and B", "0:1=2", "0:2=4:00:00", "0:3=150"};
    const QString plan = R"({"days": %1, "copies": %2, %3 "cameras": [
        {"name": "A and B", "count": 2, "time_per_day": "04:00:00", "bitrate": 150} %4]})";
    QTest::newRow("one camera") << typed << plan.arg(1).arg(1).arg("", "") << "";
    QTest::newRow("days, copies, card, drive, offload")
        << typed +
               QStringList{"days=3", "copies=3", "cardSize=256", "driveSize=8192", "offload=400"}
        << plan.arg(3).arg(3).arg(
               R"("card_size": 256, "drive_size": 8192, "offload_mbyte_s": 400,)", "")
        << "";
    QTest::newRow("a typed proxy, a second camera, GiB")
        << typed + QStringList{"proxy=45", "add", "1:0=Drone", "1:2=0:30:00", "1:3=150", "units=2"}
        << plan.arg(1).arg(1).arg(
               R"("units": "gib", "proxy": {"bitrate": 45},)",
               R"(, {"name": "Drone", "time_per_day": "0:30:00", "bitrate": 150})")
        << "";
    QTest::newRow("empty days and copies are 1")
        << typed + QStringList{"days=", "copies="} << plan.arg(1).arg(1).arg("", "") << "";
    QTest::newRow("German numbers")
        << QStringList{"locale:de_DE"} + typed.mid(0, 3) + QStringList{"0:3=12,5", "cardSize=0,5"}
        << R"({"card_size": 0.5, "cameras": [{"name": "A and B", "count": 2,
               "time_per_day": "4:00:00", "bitrate": 12.5}]})"
        << "";
    // 2 x 100000 Mbit/s x 4 h x 10 days / 8192: 3515625 GB, in whole digits.
    QTest::newRow("millions of GB in German")
        << QStringList{"locale:de_DE"} + typed.mid(0, 3) + QStringList{"0:3=100000", "days=10"}
        << R"({"days": 10, "cameras": [{"name": "A and B", "count": 2,
               "time_per_day": "4:00:00", "bitrate": 100000}]})"
        << "";
    QTest::newRow("the day on set")
        << typed + QStringList{"cardSize=256",    "offload=400", "dayLength=10:00:00",
                               "handoff=0:15:00", "readers=2",   "verify"}
        << R"({"card_size": 256, "offload_mbyte_s": 400, "day_length": "10:00:00",
               "handoff": "0:15:00", "readers": 2, "verify": true, "cameras": [{"name": "A and B",
               "count": 2, "time_per_day": "4:00:00", "bitrate": 150}]})"
        << "";
    // Faults name their place and leave no figure.
    QTest::newRow("count 0") << typed + QStringList{"0:1=0"} << ""
                             << "Camera 1, A and B, Count: must be a whole number from 1 to 1000";
    QTest::newRow("count not whole")
        << typed + QStringList{"0:1=1.5"} << ""
        << "Camera 1, A and B, Count: must be a whole number from 1 to 1000";
    QTest::newRow("a time past a day") << typed + QStringList{"0:2=25:00:00"} << ""
                                       << "Camera 1, A and B, Time per day: \"25:00:00\" is longer "
                                          "than a day (24:00:00)";
    QTest::newRow("a time that is none")
        << typed + QStringList{"0:2=four hours"} << ""
        << "Camera 1, A and B, Time per day: \"four hours\" cannot be read";
    // A camera without a bitrate is unfinished, not at fault.
    QTest::newRow("no bitrate") << typed + QStringList{"0:3="} << ""
                                << "The totals leave out Camera 1, A and B (no bitrate yet).";
    QTest::newRow("days 0") << typed + QStringList{"days=0"} << ""
                            << "Days: must be a whole number from 1 to 10000";
    QTest::newRow("copies beyond") << typed + QStringList{"copies=101"} << ""
                                   << "Copies: must be a whole number from 1 to 100";
    QTest::newRow("card size not a number") << typed + QStringList{"cardSize=big"} << ""
                                            << "Card size: must be a number from 0.001 to 1000000";
    QTest::newRow("proxy 0") << typed + QStringList{"proxy=0"} << ""
                             << "Proxy: must be a number from 0.001 to 10000000";
    QTest::newRow("a day length that is none")
        << typed + QStringList{"cardSize=256", "offload=400", "dayLength=ten hours"} << ""
        << "Day length: ";
    QTest::newRow("a day without an offload speed")
        << typed + QStringList{"cardSize=256", "dayLength=10:00:00"} << ""
        << "Offload speed: missing; the day length plans cards and their offload, give it";
    QTest::newRow("readers beyond")
        << typed + QStringList{"cardSize=256", "offload=400", "dayLength=10:00:00", "readers=65"}
        << ""
        << "Card readers: must be a whole number from 1 to 64";
    QTest::newRow("a camera longer than the day")
        << typed + QStringList{"cardSize=256", "offload=400", "dayLength=3:00:00"} << ""
        << "Camera 1, A and B, Time per day: \"04:00:00\" is longer than the day length "
           "03:00:00";
    QTest::newRow("a card that lasts beyond any time")
        << QStringList{"0:3=0.001", "cardSize=1000000"} << ""
        << "Camera 1: at 0.001 Mbit/s a 1000000 GB card lasts longer than 1193046:28:15";
}

void TestPlanner::typing()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    QFETCH(QString, fault);
    run(steps);
    if (expected.isEmpty()) {
        const bool unfinished = fault.startsWith(QLatin1String("The totals"));
        QVERIFY2(planner->fault().startsWith(unfinished ? QString() : fault),
                 qPrintable(planner->fault()));
        QCOMPARE(child<QLabel>("fault")->text(), unfinished ? fault : planner->fault());
        QVERIFY(!planner->answer());
        for (const char *total : TOTALS) {
            QCOMPARE(child<QLabel>(total)->text(), QString());
        }
        return;
    }
    KivPlan plan;
    QString error;
    QVERIFY2(kivReadPlan(expected.toUtf8(), QStringLiteral("expected"), plan, error),
             qPrintable(error));
    QCOMPARE(planner->plan(), std::optional<KivPlan>(plan));
    QList<double> rates;
    for (const KivPlanCamera &camera : plan.cameras) {
        rates << kivPlanWithAudio(camera.source, *kivPlanTypedMbps(camera.source));
    }
    const std::optional<double> proxy =
        plan.proxy ? kivPlanTypedMbps(*plan.proxy) : std::optional<double>();
    KivPlanAnswer answer;
    QVERIFY(kivPlanAnswer(plan, rates, proxy, answer, error));
    QVERIFY2(planner->answer(), qPrintable(planner->fault()));
    QCOMPARE(figures(*planner->answer()), figures(answer));
    QCOMPARE(planner->fault(), QString());
    const KivLocalNumbers numbers;
    QCOMPARE(child<QLabel>("total")->text(), numbers.figure(answer.totalGb));
    QCOMPARE(child<QLabel>("totalLarge")->text().isEmpty(), answer.totalGb < 1000);
    auto *view = child<QTableView>("cameras");
    QCOMPARE(view->model()->index(0, 5).data().toString(),
             numbers.figure(answer.cameras[0].gbPerDay));
    for (QLabel *label : planner->findChildren<QLabel *>()) {
        QVERIFY2(!label->text().contains(QLatin1String("e+")), qPrintable(label->text()));
    }
}

void TestPlanner::figuresFollowEachKey()
{
    run({"0:2=1:00:00", "0:3=100"});
    const double before = planner->answer()->totalGb;
    typeCell(0, 3, QStringLiteral("200"), false); // the editor still open
    QVERIFY(planner->answer());
    QCOMPARE(planner->answer()->totalGb, 2 * before);
    // Each key committed leaves the cursor where it was.
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClicks(editor, QStringLiteral("12"));
    QCOMPARE(editor->text(), QStringLiteral("12200"));
    QCOMPARE(planner->answer()->totalGb, 122 * before);
    // Opened and closed untouched, a format's cell keeps its format.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    planner->setPlan(KivPlan{KivCardUnits::Kiv,
                             1,
                             1,
                             {},
                             {},
                             {},
                             {},
                             {{"A", 1, 3600, {KivPlanFormat{"prores-422-hq", {}, 25}, {}}}},
                             {}},
                     QString());
    auto *view = child<QTableView>("cameras");
    view->setCurrentIndex(view->model()->index(0, 3));
    QTest::keyClick(view, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(std::holds_alternative<KivPlanFormat>(planner->plan()->cameras[0].source.from));
    QVERIFY(!planner->isWindowModified());
    // The format by the name the chooser shows; a typed rate with its audio.
    QCOMPARE(view->model()->index(0, 3).data().toString(), QStringLiteral("ProRes 422 HQ, 25 fps"));
    KivPlan typed = *planner->plan();
    typed.cameras[0].source = {KivPlanBitrate{10}, KivAudio{8, 24, 48}};
    planner->setPlan(typed, QString());
    QCOMPARE(view->model()->index(0, 3).data().toString(), QStringLiteral("10, 8 audio channels"));
    QCOMPARE(view->model()->index(0, 3).data(Qt::EditRole).toString(), QStringLiteral("10"));
}

// Whatever the planner shows of a plan as typed: the fields, the units and
// every cell of the table.
static QStringList shown(KivPlanner *planner)
{
    QStringList out;
    for (const char *field : {"days", "copies", "cardSize", "driveSize", "offload", "proxy"}) {
        out << planner->findChild<QLineEdit *>(QLatin1String(field))->text();
    }
    out << QString::number(planner->findChild<QComboBox *>("units")->currentIndex());
    const QAbstractItemModel *model = planner->findChild<QTableView *>("cameras")->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            out << model->index(row, column).data().toString();
        }
    }
    return out << planner->fault();
}

void TestPlanner::undo_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<int>("undos"); // the commands they make

    QTest::newRow("keys in one cell") << QStringList{"0:3=250"} << 1;
    QTest::newRow("a cell, then another") << QStringList{"0:1=3", "0:2=2:00:00"} << 2;
    QTest::newRow("a cell at fault") << QStringList{"0:1=1.5"} << 1;
    QTest::newRow("fields") << QStringList{"days=3", "cardSize=64", "proxy=45"} << 3;
    QTest::newRow("a field emptied") << QStringList{"copies="} << 1;
    QTest::newRow("the units") << QStringList{"units=2"} << 1;
    QTest::newRow("a camera added") << QStringList{"add"} << 1;
    QTest::newRow("a camera added and named") << QStringList{"add", "1:0=Drone"} << 2;
    QTest::newRow("a camera removed") << QStringList{"remove"} << 1;
    QTest::newRow("the day's fields")
        << QStringList{"offload=400", "dayLength=10:00:00", "handoff=0:15:00", "readers=2"} << 4;
    QTest::newRow("verify") << QStringList{"offload=400", "verify"} << 2;
}

void TestPlanner::undo()
{
    QFETCH(QStringList, edits);
    QFETCH(int, undos);
    run({"0:3=100", "add", "1:3=50", "cardSize=128"});
    QVERIFY(planner->saveFile(work.filePath(QStringLiteral("undo.json"))));
    const QStringList before = shown(planner.get());
    run(edits);
    const QStringList after = shown(planner.get());
    QVERIFY(after != before);
    QVERIFY(planner->isWindowModified());
    for (int i = 0; i < undos; ++i) {
        QTest::keySequence(planner.get(), QKeySequence::Undo);
    }
    QCOMPARE(shown(planner.get()), before);
    QVERIFY(!planner->isWindowModified());
    for (int i = 0; i < undos; ++i) {
        planner->findChild<QAction *>("actionRedo")->trigger();
    }
    QCOMPARE(shown(planner.get()), after);
    QVERIFY(planner->isWindowModified());
}

void TestPlanner::escape()
{
    run({"0:1=2", "0:3=100"});
    const QStringList before = shown(planner.get());
    const double total = planner->answer()->totalGb;
    for (const int column : {0, 1, 2, 3}) {
        typeCell(0, column, QStringLiteral("9"), false); // the totals follow the keys
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(shown(planner.get()), before);
        QCOMPARE(planner->answer()->totalGb, total);
    }
    // Nothing typed is left to undo: the last edit undone is the bitrate.
    QTest::keySequence(planner.get(), QKeySequence::Undo);
    QCOMPARE(planner->findChild<QTableView *>("cameras")->model()->index(0, 3).data().toString(),
             QString());
    // A format's cell typed in and escaped keeps its format.
    planner->setPlan(KivPlan{KivCardUnits::Kiv,
                             1,
                             1,
                             {},
                             {},
                             {},
                             {},
                             {{"A", 1, 3600, {KivPlanFormat{"prores-422-hq", {}, 25}, {}}}}},
                     QString());
    typeCell(0, 3, QStringLiteral("9"), false);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(std::holds_alternative<KivPlanFormat>(planner->plan()->cameras[0].source.from));
    QVERIFY(!planner->isWindowModified());
}

void TestPlanner::exactSignals_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QStringList>("changed"); // row:first-last, each once
    QTest::newRow("a name") << QStringList{"1:0=Drone"} << QStringList{"1:0-0"};
    QTest::newRow("days: the shoot's GB") << QStringList{"days=3"} << QStringList{"0:9-9", "1:9-9"};
    QTest::newRow("a count of one camera")
        << QStringList{"1:1=2"} << QStringList{"1:1-1", "1:5-5", "1:9-9"};
    QTest::newRow("a card size: cards and card time")
        << QStringList{"cardSize=64"} << QStringList{"0:6-7", "1:6-7"};
    QTest::newRow("a fault: no figure, the cell marked")
        << QStringList{"1:1=0"} << QStringList{"0:4-5", "0:9-9", "1:1-1", "1:4-5", "1:9-9"};
}

void TestPlanner::exactSignals()
{
    QFETCH(QStringList, edits);
    QFETCH(QStringList, changed);
    run({"0:3=100", "add", "1:3=50"});
    QAbstractItemModel *model = child<QTableView>("cameras")->model();
    QStringList seen;
    connect(model, &QAbstractItemModel::dataChanged, this,
            [&seen](const QModelIndex &first, const QModelIndex &last) {
                QCOMPARE(first.row(), last.row());
                seen << QStringLiteral("%1:%2-%3")
                            .arg(first.row())
                            .arg(first.column())
                            .arg(last.column());
            });
    run(edits);
    seen.removeDuplicates();
    seen.sort();
    changed.sort();
    QCOMPARE(seen, changed);
}

void TestPlanner::unfinished()
{
    // A second camera without a bitrate: the first keeps its figures, the
    // totals are its own and say whom they leave out.
    run({"0:3=100", "add", "1:0=Drone", "1:3=", "days=2"});
    auto *view = child<QTableView>("cameras");
    QCOMPARE(planner->fault(), QString());
    QVERIFY(!planner->answer());
    QCOMPARE(view->model()->index(1, 5).data().toString(), QStringLiteral("-"));
    const QString gb = KivLocalNumbers().text(kivGigabytesAt(100, 3600));
    QCOMPARE(view->model()->index(0, 5).data().toString(), gb);
    QCOMPARE(child<QLabel>("perDay")->text(), gb);
    QCOMPARE(child<QLabel>("fault")->text(),
             QStringLiteral("The totals leave out Camera 2, Drone (no bitrate yet)."));
    // A fault elsewhere is shown, and no figure.
    run({"days=0"});
    QVERIFY(planner->fault().startsWith(QLatin1String("Days: ")));
    QCOMPARE(view->model()->index(0, 5).data().toString(), QString());
    QCOMPARE(view->model()->index(1, 5).data().toString(), QString());
    // A fault of a finished camera after the unfinished one names its row.
    run({"days=1", "add", "2:3=0.001", "cardSize=1000000"});
    QVERIFY2(planner->fault().startsWith(QLatin1String("Camera 3: at 0.001 Mbit/s")),
             qPrintable(planner->fault()));
    // A camera at fault of its own leaves the others their figures.
    run({"1:3=50"});
    QCOMPARE(view->model()->index(0, 5).data().toString(), gb);
    QCOMPARE(view->model()->index(2, 5).data().toString(), QString());
    QVERIFY(!child<QLabel>("perDay")->text().isEmpty());
    // Unfinished, a plan is saved as typed and opened again so.
    run({"2:3=", "1:2="});
    const QString saved = work.filePath(QStringLiteral("unfinished.json"));
    QVERIFY2(planner->saveFile(saved), qPrintable(planner->fault()));
    KivPlanner again;
    QVERIFY(again.openFile(saved));
    QCOMPARE(again.plan(), planner->plan());
    QCOMPARE(again.plan()->cameras[1].secondsPerDay, std::optional<std::uint32_t>());
    QVERIFY(std::holds_alternative<KivPlanNoRate>(again.plan()->cameras[2].source.from));
    QCOMPARE(again.fault(), QString());
    // A new plan shows no fault.
    planner->setWindowModified(false);
    QTest::keySequence(planner.get(), QKeySequence::New);
    QCOMPARE(planner->fault(), QString());
    QCOMPARE(child<QLabel>("fault")->text(),
             QStringLiteral("The totals leave out Camera 1 (no bitrate yet)."));
}

void TestPlanner::heardAndSeen()
{
    // The first field has the focus, framed as after a Tab.
    QTRY_COMPARE(QApplication::focusWidget(), child("units"));
    QTRY_VERIFY(planner->testAttribute(Qt::WA_KeyboardFocusChange));
    // (The offscreen platform has no accessibility bridge to hear events.)
    const auto heard = [](const char *name) {
        return QAccessible::queryAccessibleInterface(
                   QApplication::activeWindow()->findChild<QWidget *>(QLatin1String(name)))
            ->text(QAccessible::Description);
    };
    run({"0:3=100"});
    QCOMPARE(heard("total"), child<QLabel>("total")->text());
    QVERIFY(!heard("total").isEmpty());
    // A fault is heard at once, and at its field.
    run({"copies=0"});
    QCOMPARE(heard("fault"), planner->fault());
    QCOMPARE(heard("copies"), planner->fault());
    QCOMPARE(heard("total"), QString());
    run({"copies=2"});
    QCOMPARE(heard("copies"), QString());
    // At twice the font the window still fits the screen, and scrolls.
    const QFont font = QApplication::font();
    QFont big = font;
    big.setPointSizeF(font.pointSizeF() * 2);
    QApplication::setFont(big);
    KivPlanner large;
    large.show();
    QVERIFY(QTest::qWaitForWindowExposed(&large));
    QApplication::setFont(font);
    QVERIFY2(large.screen()->availableGeometry().contains(large.frameGeometry()),
             qPrintable(QDebug::toString(large.frameGeometry())));
    QVERIFY(large.findChild<QScrollArea *>() != nullptr);
}

void TestPlanner::chooser_data()
{
    QTest::addColumn<QString>("target");     // "row" (Ctrl+Shift+F) or "proxy" (its button)
    QTest::addColumn<QStringList>("choice"); // family, format, frame, rate, audio
    QTest::addColumn<QString>("source");     // the plan file's members
    QTest::addColumn<double>("mbps");

    QTest::newRow("ProRes 422 HQ UHD 25p")
        << "row" << QStringList{"Apple ProRes", "ProRes 422 HQ", "3840x2160", "25", "None"}
        << R"("format": "prores-422-hq", "frame": "3840x2160", "fps": 25)" << 737.0;
    QTest::newRow("with 4 channels of audio")
        << "row" << QStringList{"Apple ProRes", "ProRes 422 HQ", "3840x2160", "25", "4 channels"}
        << R"("format": "prores-422-hq", "frame": "3840x2160", "fps": 25, "audio": "4")" << 741.608;
    QTest::newRow("the proxy") << "proxy"
                               << QStringList{"Apple ProRes", "ProRes 422 Proxy", "1920x1080", "25",
                                              "None"}
                               << R"("format": "prores-422-proxy", "frame": "1920x1080", "fps": 25)"
                               << 38.0;
}

void TestPlanner::chooser()
{
    QFETCH(QString, target);
    QFETCH(QStringList, choice);
    QFETCH(QString, source);
    QFETCH(double, mbps);
    run({"0:3=100"});
    if (target == QLatin1String("row")) {
        QTest::keyClick(planner.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
        QTest::mouseClick(child<QPushButton>("proxyFormat"), Qt::LeftButton);
    }
    auto *chooser = planner->findChild<KivFormatChooser *>();
    QVERIFY(chooser != nullptr && chooser->isVisible());
    const char *const boxes[] = {"family", "format", "frame", "rate", "audio"};
    for (int i = 0; i < 5; ++i) {
        chooser->findChild<QComboBox *>(QLatin1String(boxes[i]))->setCurrentText(choice[i]);
    }
    QTest::mouseClick(chooser->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    QTRY_VERIFY(planner->findChild<KivFormatChooser *>() == nullptr);
    KivPlan expected;
    QString error;
    const QString camera = target == QLatin1String("row") ? source : R"("bitrate": 100)";
    const QString proxy = target == QLatin1String("row") ? "" : "\"proxy\": {" + source + "},";
    QVERIFY(kivReadPlan(QStringLiteral(R"({%1 "cameras": [{"name": "Camera 1",
        "time_per_day": "1:00:00", %2}]})")
                            .arg(proxy, camera)
                            .toUtf8(),
                        "expected", expected, error));
    QCOMPARE(planner->plan(), std::optional<KivPlan>(expected));
    QVERIFY2(planner->answer(), qPrintable(planner->fault()));
    if (target == QLatin1String("row")) {
        QCOMPARE(planner->answer()->cameras[0].mbps, mbps);
    } else {
        QCOMPARE(*planner->answer()->proxyGb, kivGigabytesAt(mbps, 3600));
    }
    // The chooser opened again shows the format kept.
    if (target == QLatin1String("row")) {
        planner->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(planner.get()));
        QTest::keyClick(planner.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        chooser = planner->findChild<KivFormatChooser *>();
        QVERIFY(chooser != nullptr);
        QCOMPARE(chooser->findChild<QComboBox *>("format")->currentText(), choice[1]);
        QCOMPARE(chooser->mbps(), std::optional<double>(mbps));
        chooser->reject();
    }
}

void TestPlanner::keyboard()
{
    // Tab visits the fields in reading order; mnemonics reach them.
    child<QComboBox>("units")->setFocus();
    QStringList order;
    for (int i = 0; i < 16; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order,
             (QStringList{"units", "days", "copies", "cardSize", "driveSize", "offload", "proxy",
                          "proxyFormat", "dayLength", "handoff", "readers", "verify", "cameras",
                          "addCamera", "removeCamera", "chooseFormat"}));
    QTest::keyClick(planner.get(), Qt::Key_Z, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), child("cardSize"));
    QTest::keyClick(planner.get(), Qt::Key_M, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), child("cameras"));
    // Every field and the table say what they are in words.
    for (QWidget *w : planner->findChildren<QWidget *>()) {
        if (w->focusPolicy() != Qt::NoFocus && w->isVisible() && !qobject_cast<QPushButton *>(w) &&
            !w->inherits("QScrollBar")) {
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
    }
    // A camera added, named, given a rate and removed, by keys alone.
    QTest::keyClick(planner.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Drone"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    auto *view = child<QTableView>("cameras");
    QCOMPARE(view->model()->rowCount(), 2);
    QCOMPARE(view->model()->index(1, 0).data().toString(), QStringLiteral("Drone"));
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_8); // typing starts the editor
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(view->model()->index(1, 3).data().toString(), QStringLiteral("80"));
    QTest::keyClick(view, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(view->model()->rowCount(), 1);
    // Ctrl+S on an untitled plan asks where to save it.
    QTimer::singleShot(0, this, [] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        dialog->reject();
    });
    QTest::keyClick(planner.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(planner->filePath(), QString());
}

void TestPlanner::unsavedChangesAreAsked()
{
    run({"0:3=100"});
    QVERIFY(planner->isWindowModified());
    // Cancel keeps the window; Discard lets it close.
    for (const auto button : {QMessageBox::Cancel, QMessageBox::Discard}) {
        QTimer::singleShot(0, this, [button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            box->button(button)->click();
        });
        const bool closed = planner->close();
        QCOMPARE(closed, button == QMessageBox::Discard);
    }
    // A plan saved asks nothing.
    planner = std::make_unique<KivPlanner>();
    planner->show();
    QVERIFY(QTest::qWaitForWindowExposed(planner.get()));
    run({"0:3=100"});
    QVERIFY(planner->saveFile(work.filePath(QStringLiteral("saved.json"))));
    QVERIFY(planner->close());
}

void TestPlanner::fromTheCalculator_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("seconds"); // the first camera's time per day; -1 as new
    // The time as the calculator reads it, however the planner would read the text.
    QTest::newRow("no time") << "" << -1;
    QTest::newRow("an hour") << "1:00:00" << 3600;
    QTest::newRow("75 seconds") << "1:75" << 135;
    QTest::newRow("90 minutes") << "2:90:00" << 12600;
    QTest::newRow("no digits") << "x:y" << -1;
    QTest::newRow("zero") << "0:00:00" << -1;
}

void TestPlanner::fromTheCalculator()
{
    QFETCH(QString, time);
    QFETCH(int, seconds);
    KivFileSizeCalculator calculator;
    calculator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calculator));
    for (const auto &[name, text] : {std::pair{"myBitrate1", "100"}, {"myCardSize1", "64"}}) {
        QTest::keyClicks(calculator.findChild<QLineEdit *>(QLatin1String(name)),
                         QLatin1String(text));
    }
    // Set, not typed, as a third edit would empty the bitrate.
    calculator.findChild<QLineEdit *>(QStringLiteral("myTime1"))->setText(time);
    // The bitrate field offers the format first, the others the planner.
    for (const char *name : {"myBitrate1", "myTime1"}) {
        calculator.findChild<QLineEdit *>(QLatin1String(name))->setFocus();
        QTest::keyClick(calculator.windowHandle(), Qt::Key_Menu);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        const QString first = menu->actions().value(0)->text();
        QCOMPARE(first, QString::fromUtf8(qstrcmp(name, "myBitrate1") == 0
                                              ? "Bitrate of a recording format…"
                                              : "Plan a shoot…"));
        QCOMPARE(menu->actions().value(name[2] == 'B' ? 1 : 0)->text(),
                 QString::fromUtf8("Plan a shoot…"));
        if (qstrcmp(name, "myBitrate1") == 0) {
            menu->close();
            continue;
        }
        QTest::keyClick(menu, Qt::Key_Return);
    }
    KivPlanner *opened = nullptr;
    QTRY_VERIFY((opened = calculator.findChild<KivPlanner *>()) != nullptr && opened->isVisible());
    QVERIFY2(opened->answer(), qPrintable(opened->fault()));
    QCOMPARE(std::get<KivPlanBitrate>(opened->plan()->cameras[0].source.from).mbps, 100.0);
    QCOMPARE(opened->plan()->cardSize, std::optional<double>(64));
    KivPlanner untimed;
    untimed.seed(100, std::nullopt, std::nullopt);
    QVERIFY(untimed.plan());
    QCOMPARE(opened->plan()->cameras[0].secondsPerDay,
             seconds < 0 ? untimed.plan()->cameras[0].secondsPerDay
                         : static_cast<std::uint32_t>(seconds));
    QVERIFY(!opened->isWindowModified());
}

QTEST_MAIN(TestPlanner)
#include "test_planner.moc"
