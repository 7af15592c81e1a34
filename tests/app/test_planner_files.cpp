// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The planner's clips and files: clips dropped on a row measured by the
// child kivfilesize or a stand-in that fails; broken plan files refused with
// the window unchanged; plans saved that kivfilesize --plan --json answers
// figure for figure; CSV and PDF exports.
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
    void csv();
    void csvCells_data();
    void csvCells();
    void pdf();
    void pdfPages_data();
    void pdfPages();

private:
    // The text pdftotext finds in the PDF at `path`, pages parted by '\f'.
    static QString pdfText(const QString &path);
};

QString TestPlannerFiles::pdfText(const QString &path)
{
    // scripts/deps.sh installs it, so that this never goes untested.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        qWarning("pdftotext is not installed");
        return QString();
    }
    QProcess text;
    text.start(pdftotext, {"-layout", path, "-"});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

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
}

void TestPlannerFiles::openBroken_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("fault"); // after "The plan was not opened: "
    QTest::newRow("a faulty fps") << PLANS + "/bad-fps.json"
                                  << "cameras[1].fps: ";
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

void TestPlannerFiles::csv()
{
    const QString name = QStringLiteral("Cam \"A\", wide\nlens");
    run({"0:3=150", "cardSize=64", "add", "1:0=B", "1:3=0.5"});
    auto *view = child<QTableView>("cameras");
    QVERIFY(view->model()->setData(view->model()->index(0, 0), name));
    QVERIFY(planner->answer());
    const QString path = work.filePath(QStringLiteral("plan.csv"));
    QVERIFY(planner->exportCsv(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QStringList> records = readCsv(QString::fromUtf8(file.readAll()));
    // The plan's parameters and the rule, then a blank line.
    QCOMPARE(records.mid(0, 4),
             (QList<QStringList>{{"Days", "1"},
                                 {"Copies", "1"},
                                 {"Card size (GB)", "64"},
                                 {"Counted as", "1 GB = 1024 MB, 1 MB = 8 Mbit"}}));
    QVERIFY(records[4].value(1).contains(QLatin1String("starts with '")));
    const int top = 6;
    QCOMPARE(records.size(), top + 1 + 2 + 1 + 5); // header, cameras, blank, totals
    QCOMPARE(records[top].value(5), QStringLiteral("GB per day"));
    QCOMPARE(records[top].value(6), QStringLiteral("Cards per body a day"));
    QCOMPARE(records[top + 1].value(0), name);
    QCOMPARE(records[top + 2].mid(0, 4), (QStringList{"B", "1", "01:00:00", "0.5"}));
    const KivPlanAnswer &a = *planner->answer();
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(records[top + 1 + i].size(), 9);
        QCOMPARE(records[top + 1 + i][4].toDouble(), a.cameras[i].mbps);
        QCOMPARE(records[top + 1 + i][5].toDouble(), a.cameras[i].gbPerDay);
        QCOMPARE(records[top + 1 + i][6].toDouble(), *a.cameras[i].cardsPerDay);
        QCOMPARE(records[top + 1 + i][7], kivTimeText(*a.cameras[i].cardSeconds));
    }
    QCOMPARE(records[top + 3], QStringList{QString()});
    QCOMPARE(records[top + 7], (QStringList{"GB in all", QString::number(a.totalGb, 'g', 17)}));
    QCOMPARE(records[top + 8], (QStringList{"Cards a day, all bodies", "3"}));
    // With a fault nothing is exported and the file stays as it was.
    run({"0:1=0"});
    QVERIFY(!planner->exportCsv(path));
    QVERIFY(planner->findChild<QMessageBox *>()->text().startsWith("Nothing was exported: "));
    QFile again(path);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(readCsv(QString::fromUtf8(again.readAll())), records);
}

void TestPlannerFiles::csvCells_data()
{
    QTest::addColumn<QString>("file"); // a plan file's contents
    QTest::addColumn<int>("record");   // of the CSV
    QTest::addColumn<QStringList>("expected");

    const QString camera = R"({"name": %1, "time_per_day": "1:00:00", %2})";
    const QString plan = R"({"title": %1, "cameras": [%2]})";
    // What a spreadsheet would run is made text; a sign inside stays.
    const std::pair<const char *, const char *> names[] = {
        {R"j("=HYPERLINK(\"http://x\")")j", "'=HYPERLINK(\"http://x\")"},
        {R"("+1+2")", "'+1+2"},
        {R"("-2+3")", "'-2+3"},
        {R"j("@SUM(A1)")j", "'@SUM(A1)"},
        {R"("\t=1")", "'\t=1"},
        {R"("A=B+C-D@E")", "A=B+C-D@E"},
    };
    for (const auto &[json, shown] : names) {
        QTest::newRow(shown) << plan.arg(json, camera.arg(json, R"("bitrate": 10)")) << 7
                             << QStringList{shown, "1", "01:00:00", "10"};
    }
    QTest::newRow("the title first")
        << plan.arg(R"("Feature \"X\"")", camera.arg(R"("A")", R"("bitrate": 10)")) << 0
        << QStringList{"Title", "Feature \"X\""};
    // A format by the name the chooser shows, a typed rate with its audio.
    QTest::newRow("a format by its name")
        << plan.arg(R"("")", camera.arg(R"("A")", R"("format": "prores-422-hq", "frame": "uhd",
                                                    "fps": 25)"))
        << 6 << QStringList{"A", "1", "01:00:00", "ProRes 422 HQ, 3840x2160, 25 fps"};
    QTest::newRow("a typed rate with its audio")
        << plan.arg(R"("")", camera.arg(R"("A")", R"("bitrate": 10, "audio": "2")")) << 6
        << QStringList{"A", "1", "01:00:00", "10, 2 audio channels"};
    // 100000 Mbit/s for a day over 100 days: 105468750 GB, all its digits.
    QTest::newRow("no exponent")
        << R"({"days": 100, "cameras": [{"name": "A", "time_per_day": "24:00:00",
              "bitrate": 100000}]})"
        << 8 << QStringList{"GB per day", "1054687.5"};
}

void TestPlannerFiles::csvCells()
{
    QFETCH(QString, file);
    QFETCH(int, record);
    QFETCH(QStringList, expected);
    QFile in(work.filePath(QStringLiteral("cells.json")));
    QVERIFY(in.open(QIODevice::WriteOnly) && in.write(file.toUtf8()) > 0);
    in.close();
    QVERIFY(planner->openFile(in.fileName()));
    QTRY_VERIFY2(planner->answer(), qPrintable(planner->fault()));
    const QString path = work.filePath(QStringLiteral("cells.csv"));
    QVERIFY(planner->exportCsv(path));
    QFile csv(path);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QStringList> records = readCsv(QString::fromUtf8(csv.readAll()));
    QCOMPARE(records.value(record).mid(0, expected.size()), expected);
}

void TestPlannerFiles::pdf()
{
    QVERIFY(planner->openFile(PLANS + "/shoot.json"));
    QTRY_VERIFY_WITH_TIMEOUT(planner->answer(), 30000);
    const QString path = work.filePath(QStringLiteral("budget.pdf"));
    QVERIFY(planner->exportPdf(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    const QString shown = pdfText(path);
    QCOMPARE(shown.count(QLatin1String("Storage budget: shoot")), 1);
    const KivPlanAnswer &a = *planner->answer();
    for (const double figure : {a.gbPerDay, a.gb, a.gbWithCopies, *a.proxyGb, a.totalGb, *a.drives,
                                a.cameras[0].gbPerDay, a.cameras[2].mbps}) {
        QVERIFY2(shown.contains(kivNumberText(figure)), qPrintable(kivNumberText(figure)));
    }
    QVERIFY(shown.contains(kivTimeText(*a.offloadSeconds)));
    for (const char *words : {"A and B", "Drone", "Offload per day", "Drives of 8192 GB",
                              "23.5878 TB", "ProRes 422 Proxy, 1920x1080, 25 fps", "Page 1 of 1"}) {
        QVERIFY2(shown.contains(QLatin1String(words)), words);
    }
}

void TestPlannerFiles::pdfPages_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("paper"); // as pdfinfo names it
    QTest::newRow("United States: Letter") << "en_US"
                                           << "792 x 612 pts (letter)";
    QTest::newRow("Mexico: Letter") << "es_MX"
                                    << "792 x 612 pts (letter)";
    QTest::newRow("Germany: A4") << "de_DE"
                                 << "842 x 595 pts (A4)";
    QTest::newRow("United Kingdom: A4") << "en_GB"
                                        << "842 x 595 pts (A4)";
}

// 200 cameras page with their header on every page, every name found on its
// page in order, no type below 8 pt and a title from the plan.
void TestPlannerFiles::pdfPages()
{
    QFETCH(QString, locale);
    QFETCH(QString, paper);
    QStringList cameras;
    QStringList names;
    for (int i = 1; i <= 200; ++i) {
        names << QStringLiteral("Body %1").arg(i, 3, 10, QLatin1Char('0'));
        cameras << QStringLiteral(R"({"name": "%1", "count": 1000, "time_per_day": "24:00:00",
                                      "bitrate": %2})")
                       .arg(names.last())
                       .arg(i * 1000);
    }
    // A name far wider than its column wraps, and shows whole.
    const QString wide = QStringLiteral("Crane ").repeated(30) + QStringLiteral("end");
    cameras
        << QStringLiteral(R"({"name": "%1", "time_per_day": "1:00:00", "bitrate": 1})").arg(wide);
    QFile in(work.filePath(QStringLiteral("many.json")));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(QStringLiteral(R"({"title": "Stadium", "days": 10, "cameras": [%1]})")
                 .arg(cameras.join(QLatin1Char(',')))
                 .toUtf8());
    in.close();
    run({"locale:" + locale});
    QVERIFY(planner->openFile(in.fileName()));
    QTRY_VERIFY2(planner->answer(), qPrintable(planner->fault()));
    const QString path = work.filePath(QStringLiteral("many.pdf"));
    QVERIFY(planner->exportPdf(path));

    const QStringList pages = pdfText(path).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 4, qPrintable(QString::number(pages.size())));
    QVERIFY(pages[0].contains(QLatin1String("Storage budget: Stadium")));
    qsizetype next = 0; // the next name to find
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const QString &page = pages[p];
        QVERIFY2(page.contains(QLatin1String("Camera")) || p == pages.size() - 1,
                 qPrintable(page.left(200)));
        QVERIFY2(page.contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())),
                 qPrintable(QString::number(p)));
        qsizetype at = 0;
        while (next < names.size() && (at = page.indexOf(names[next], at)) >= 0) {
            ++next;
        }
    }
    QCOMPARE(next, names.size());
    const QString all = pages.join(QLatin1Char(' ')).simplified();
    QCOMPARE(all.count(QLatin1String("Crane")), 30);
    QVERIFY(!all.contains(QLatin1String("e+")));
    const QLocale user(locale);
    QVERIFY2(all.contains(user.toString(2109375000.0, 'f', 0)), "a figure past 10^6 in digits");

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    QVERIFY(info.waitForFinished(30000));
    QVERIFY2(QString::fromUtf8(info.readAllStandardOutput()).contains(paper), qPrintable(paper));
    // Every word's box is at least as tall as 8 pt type.
    QProcess boxes;
    boxes.start(QStringLiteral("pdftotext"), {"-bbox", path, "-"});
    QVERIFY(boxes.waitForFinished(30000));
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)")re"));
    int words = 0;
    for (const QRegularExpressionMatch &m :
         word.globalMatch(QString::fromUtf8(boxes.readAllStandardOutput()))) {
        const double height = m.captured(2).toDouble() - m.captured(1).toDouble();
        QVERIFY2(height >= 8, qPrintable(QString::number(height)));
        ++words;
    }
    QVERIFY2(words > 200 * 7, qPrintable(QString::number(words)));
}

QTEST_MAIN(TestPlannerFiles)
#include "test_planner_files.moc"
