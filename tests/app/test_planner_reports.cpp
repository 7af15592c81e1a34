// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The planner's exports: the CSV with the plan's parameters, its cells made
// inert for spreadsheets and its figures whole; the PDF budget that pages,
// read back with pdftotext.
#include "PlannerTestSupport.h"

class TestPlannerReports : public PlannerTest
{
    Q_OBJECT

private slots:
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

QString TestPlannerReports::pdfText(const QString &path)
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

void TestPlannerReports::csv()
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
        QCOMPARE(records[top + 1 + i].size(), 10);
        QCOMPARE(records[top + 1 + i][8], QString()); // cards carried: no day planned
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

void TestPlannerReports::csvCells_data()
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

void TestPlannerReports::csvCells()
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

void TestPlannerReports::pdf()
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

void TestPlannerReports::pdfPages_data()
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
void TestPlannerReports::pdfPages()
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

QTEST_MAIN(TestPlannerReports)
#include "test_planner_reports.moc"
