// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The planner's clips and files: clips dropped on a row measured by the
// child kivfilesize or a stand-in that fails; broken plan files refused with
// the window unchanged; plans saved that kivfilesize --plan --json answers
// figure for figure. The exports are in test_planner_reports.cpp.
#include "PlannerTestSupport.h"

class TestPlannerFiles : public PlannerTest
{
    Q_OBJECT

private slots:
    void drop_data();
    void drop();
    void openBroken_data();
    void openBroken();
    void agreesWithCommandLine_data();
    void agreesWithCommandLine();
    void failedSaveChangesNothing();
};

void TestPlannerFiles::drop_data()
{
    QTest::addColumn<QString>("program"); // kivfilesize, or how the stand-in fails
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<int>("row");          // dropped on; -1 below the rows
    QTest::addColumn<QStringList>("kept"); // the clips the camera keeps, or none
    QTest::addColumn<QString>("message");  // the start of the message, or none

    const QString clip = CLIPS + "/h264-aac.mp4";
    QTest::newRow("a clip on the row")
        << "kivfilesize" << QStringList{clip} << 0 << QStringList{clip} << "";
    QTest::newRow("a card's folder below the rows")
        << "kivfilesize" << QStringList{CLIPS + "/card/"} << -1 << QStringList{CLIPS + "/card/"}
        << "";
    QTest::newRow("a text file is left out")
        << "kivfilesize" << QStringList{clip, CLIPS + "/bad/notes.MP4"} << 0 << QStringList{clip}
        << "";
    QTest::newRow("nothing measurable") << "kivfilesize" << QStringList{CLIPS + "/bad/notes.MP4"}
                                        << 0 << QStringList() << "Nothing was measured: ";
    QTest::newRow("the reader crashes")
        << "crash" << QStringList{clip} << 0 << QStringList()
        << "Measuring stopped: the reader of the clips failed on " + clip;
    QTest::newRow("the reader lies") << "negative" << QStringList{clip} << 0 << QStringList()
                                     << "Nothing was changed: the reader of the clips sent figures";
    QTest::newRow("the reader hangs, cancelled")
        << "hang" << QStringList{clip} << 0 << QStringList() << "";
}

void TestPlannerFiles::drop()
{
    QFETCH(QString, program);
    QFETCH(QStringList, dropped);
    QFETCH(int, row);
    QFETCH(QStringList, kept);
    QFETCH(QString, message);
    qputenv("KIVFILESIZE", program == QLatin1String("kivfilesize") ? KIV_FILESIZE : KIV_STAND_IN);
    qputenv("KIV_STAND_IN", program.toLatin1());
    run({"0:3=100"});
    const std::optional<KivPlan> before = planner->plan();

    auto *view = child<QTableView>("cameras");
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : dropped) {
        urls << QUrl::fromLocalFile(path);
    }
    data.setUrls(urls);
    const QPoint at = row < 0 ? QPoint(5, view->viewport()->height() - 5)
                              : view->visualRect(view->model()->index(row, 3)).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    QVERIFY(drop.isAccepted());
    if (program == QLatin1String("hang")) {
        QProgressDialog *progress = nullptr;
        QTRY_VERIFY((progress = planner->findChild<QProgressDialog *>()) != nullptr &&
                    progress->isVisible());
        QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
    }
    QTRY_VERIFY(planner->findChild<QProcess *>() == nullptr);
    auto *box = planner->findChild<QMessageBox *>();
    QCOMPARE(box != nullptr, !message.isEmpty());
    if (box != nullptr) {
        QVERIFY2(box->text().startsWith(message), qPrintable(box->text()));
        QCOMPARE(box->windowTitle(), QStringLiteral("Measuring Clips"));
    }
    const std::optional<KivPlan> after = planner->plan();
    if (kept.isEmpty()) {
        QCOMPARE(after, before);
        QVERIFY(planner->answer());
        return;
    }
    QVERIFY2(planner->answer(), qPrintable(planner->fault()));
    const int camera = row < 0 ? 1 : row;
    QCOMPARE(after->cameras.size(), row < 0 ? 2 : 1);
    QCOMPARE(after->cameras[camera].source.from, (KivPlanSource{KivPlanClips{kept}, {}}.from));
    if (row < 0) {
        QCOMPARE(after->cameras[camera].name, QFileInfo(QDir::cleanPath(dropped[0])).fileName());
    }
    QVERIFY(view->model()
                ->index(camera, 3)
                .data(Qt::ToolTipRole)
                .toString()
                .contains(QLatin1String("Measured from clips (recordings: 1")));
    // The saved plan gives kivfilesize the same rate.
    const QString saved = work.filePath(QStringLiteral("dropped.json"));
    QVERIFY(planner->saveFile(saved));
    QProcess cli;
    cli.start(QStringLiteral(KIV_FILESIZE), {"--plan", saved, "--json"});
    QVERIFY(cli.waitForFinished(30000));
    const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    QCOMPARE(json["cameras"][camera]["mbit_s"].toDouble(), planner->answer()->cameras[camera].mbps);
    // Undone, the camera is as it was (below the rows, not there); redone,
    // the clips' rate is back without measuring them again.
    const std::optional<KivPlanAnswer> measured = planner->answer();
    for (int i = row < 0 ? 2 : 1; i > 0; --i) {
        QTest::keySequence(planner.get(), QKeySequence::Undo);
    }
    QCOMPARE(planner->plan(), before);
    for (int i = row < 0 ? 2 : 1; i > 0; --i) {
        QTest::keySequence(planner.get(), QKeySequence::Redo);
    }
    QVERIFY(planner->findChild<QProcess *>() == nullptr);
    QVERIFY2(planner->answer(), qPrintable(planner->fault()));
    QCOMPARE(figures(*planner->answer()), figures(*measured));
    QVERIFY(!planner->isWindowModified());
}

void TestPlannerFiles::openBroken_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("fault"); // after "The plan was not opened: "
    QTest::newRow("a faulty fps") << PLANS + "/bad-fps.json"
                                  << "Camera 2, Bitrate: the frame rate must be from ";
    QTest::newRow("not a file") << PLANS << PLANS + ": a folder, not a plan file";
    QTest::newRow("missing") << PLANS + "/none.json" << PLANS + "/none.json: cannot be read";
    QTest::newRow("not JSON") << QStringLiteral(KIV_FORMATS_FILES "/not-json.json")
                              << KIV_FORMATS_FILES "/not-json.json:";
}

void TestPlannerFiles::openBroken()
{
    QFETCH(QString, file);
    QFETCH(QString, fault);
    QVERIFY(planner->openFile(PLANS + "/audio.json"));
    QTRY_VERIFY(planner->answer());
    const std::optional<KivPlan> before = planner->plan();
    const QString title = planner->windowTitle();
    QVERIFY(!planner->openFile(file));
    auto *box = planner->findChild<QMessageBox *>();
    QVERIFY(box != nullptr);
    QVERIFY2(box->text().startsWith("The plan was not opened: " + fault), qPrintable(box->text()));
    QCOMPARE(box->text().count('\n'), 0);
    QCOMPARE(planner->plan(), before);
    QCOMPARE(planner->filePath(), PLANS + "/audio.json");
    QCOMPARE(planner->windowTitle(), title);
    QVERIFY(!planner->isWindowModified());
}

void TestPlannerFiles::agreesWithCommandLine_data()
{
    QTest::addColumn<QString>("file");      // a fixture, or a plan file's contents
    QTest::addColumn<QStringList>("steps"); // typed after opening
    QTest::newRow("the example, clips measured") << "shoot.json" << QStringList();
    // Figures beyond the six digits shown stay as read.
    QTest::newRow("every digit kept")
        << R"({"units": "gib", "card_size": 255.987654321, "offload_mbyte_s": 123.456789,
              "proxy": {"mbytes": 4.123456789, "audio": "2:16"}, "cameras": [{"name": "A",
              "time_per_day": "3:33:33", "bitrate": 99.87654321, "audio": "8:24:96"}]})"
        << QStringList();
    QTest::newRow("MB/s, audio, a user's format") << "audio.json" << QStringList();
    QTest::newRow("typed over") << "shoot.json"
                                << QStringList{"1:3=151.25", "days=4", "driveSize=2000.5"};
    QTest::newRow("typed from nothing")
        << "" << QStringList{"0:3=33.3", "0:1=3", "cardSize=64", "offload=90", "proxy=12"};
    QTest::newRow("a day") << "day.json" << QStringList();
    QTest::newRow("a day past the next, two readers, verified") << "day-late.json" << QStringList();
    QTest::newRow("a day typed") << "shoot.json"
                                 << QStringList{"dayLength=10:00:00", "handoff=1:00:00",
                                                "readers=2", "verify"};
    QTest::newRow("a day typed from nothing")
        << "" << QStringList{"0:3=737",           "0:1=2",          "cardSize=256", "offload=400",
                             "dayLength=9:00:00", "handoff=0:15:00"};
}

void TestPlannerFiles::agreesWithCommandLine()
{
    QFETCH(QString, file);
    QFETCH(QStringList, steps);
    if (file.startsWith('{')) {
        QFile in(work.filePath(QStringLiteral("in.json")));
        QVERIFY(in.open(QIODevice::WriteOnly) && in.write(file.toUtf8()) > 0);
        in.close();
        QVERIFY(planner->openFile(in.fileName()));
    } else if (!file.isEmpty()) {
        QVERIFY(planner->openFile(PLANS + '/' + file));
    }
    run(steps);
    QTRY_VERIFY2_WITH_TIMEOUT(planner->answer(), qPrintable(planner->fault()), 30000);
    const QString saved = work.filePath(QStringLiteral("agreed.json"));
    QVERIFY(planner->saveFile(saved));
    QVERIFY(!planner->isWindowModified());
    QProcess cli;
    cli.start(QStringLiteral(KIV_FILESIZE), {"--plan", saved, "--json"});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    QCOMPARE(asJson(*planner->plan(), *planner->answer()), json);
    QCOMPARE(child<QLabel>("total")->text(), kivNumberText(json["total_gb"].toDouble()));
    QCOMPARE(child<QLabel>("perDay")->text(), kivNumberText(json["gb_per_day"].toDouble()));
    // The day as the window shows it.
    const bool day = json.contains("cards_total");
    QCOMPARE(day, QByteArray(QTest::currentDataTag()).startsWith("a day"));
    QCOMPARE(child<QLabel>("cardsTotal")->text(),
             day ? QString::number(json["cards_total"].toInteger()) : QString());
    QCOMPARE(child<QLabel>("offloadDone")->text().section(' ', 0, 0),
             json["offload_done"].toString());
    QCOMPARE(child<QLabel>("dayWarning")->text().isEmpty(), json["warnings"].toArray().isEmpty());
    const QAbstractItemModel *table = child<QTableView>("cameras")->model();
    const int cardsColumn = table->columnCount() - 2; // before the GB
    QCOMPARE(table->headerData(cardsColumn, Qt::Horizontal).toString(), "Cards per body");
    for (int i = 0; i < table->rowCount(); ++i) {
        const QJsonValue cards = json["cameras"][i]["cards"];
        QCOMPARE(table->index(i, cardsColumn).data().toString(),
                 cards.isUndefined() ? QString() : QString::number(cards.toInt()));
    }
    // Opened again, the saved plan is the same plan; one saved untouched is
    // the plan read.
    KivPlanner again;
    QVERIFY(again.openFile(saved));
    QCOMPARE(again.plan(), planner->plan());
    KivPlan read;
    QString error;
    if (file.startsWith('{')) {
        QVERIFY(kivReadPlan(file.toUtf8(), QStringLiteral("in"), read, error));
        QCOMPARE(again.plan(), std::optional<KivPlan>(read));
    }
}

void TestPlannerFiles::failedSaveChangesNothing()
{
    QVERIFY(planner->openFile(PLANS + "/shoot.json"));
    QTRY_VERIFY_WITH_TIMEOUT(planner->answer(), 30000);
    run({"days=4"});
    const std::optional<KivPlan> before = planner->plan();
    const QString title = planner->windowTitle();
    // A folder that is not there: nothing is written and the clips stay
    // relative to the plan they came with.
    QVERIFY(!planner->saveFile(work.filePath(QStringLiteral("none/plan.json"))));
    QCOMPARE(planner->plan(), before);
    QCOMPARE(planner->filePath(), PLANS + "/shoot.json");
    QCOMPARE(planner->windowTitle(), title);
    QVERIFY(planner->isWindowModified());
    // Saved elsewhere, they are made absolute and still measure alike.
    const QString saved = work.filePath(QStringLiteral("elsewhere.json"));
    QVERIFY(planner->saveFile(saved));
    const KivPlan moved = *planner->plan();
    const auto &clips = std::get<KivPlanClips>(moved.cameras[2].source.from).paths;
    QCOMPARE(clips, QStringList{QDir::cleanPath(PLANS + "/../clips/tone.wav")});
    QVERIFY(planner->answer());
    QVERIFY(!planner->isWindowModified());
}

QTEST_MAIN(TestPlannerFiles)
#include "test_planner_files.moc"
