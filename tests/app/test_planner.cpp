// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// "Plan a Shoot" driven as a user drives it: what is typed gives the plan
// library's answer, or the fault naming its place and no figure; a format
// chosen and clips dropped stay the camera's source; plan files open, save
// and agree with kivfilesize --plan --json figure for figure; CSV and PDF
// exports; the keyboard alone; and the calculator's way in.
#include "app/KivFileSizeCalculator.h"
#include "app/KivFormatChooser.h"
#include "app/KivPlanner.h"
#include "calc/KivDisplay.h"
#include "plan/KivPlanFile.h"

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
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString CLIPS = QStringLiteral(KIV_CLIP_FIXTURES);
const QString PLANS = QStringLiteral(KIV_PLAN_FIXTURES);
const char *const TOTALS[] = {"perDay", "shoot",  "withCopies", "proxyGb",
                              "total",  "drives", "offloadTime"};

// Every figure of an answer, with all its digits, for comparing.
QStringList figures(const KivPlanAnswer &a)
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
QJsonObject asJson(const KivPlan &plan, const KivPlanAnswer &a)
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
    return out;
}

// A CSV file's records, read by the rules of RFC 4180.
QList<QStringList> readCsv(const QString &text)
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

} // namespace

class TestPlanner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void typing_data();
    void typing();
    void figuresFollowEachKey();
    void chooser_data();
    void chooser();
    void drop_data();
    void drop();
    void openBroken_data();
    void openBroken();
    void agreesWithCommandLine_data();
    void agreesWithCommandLine();
    void csv();
    void pdf();
    void keyboard();
    void unsavedChangesAreAsked();
    void fromTheCalculator();

private:
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
    KivPlan savedAndRead();

    std::unique_ptr<KivPlanner> planner;
    QTemporaryDir config;
    QTemporaryDir work;
};

void TestPlanner::initTestCase()
{
    QVERIFY(config.isValid() && work.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    // The user's own formats, for the window and the child kivfilesize alike.
    QVERIFY(QDir().mkpath(config.filePath(QStringLiteral("kivfilesizecalculator"))));
    QVERIFY(QFile::copy(QStringLiteral(KIV_FORMATS_FILES "/user.json"),
                        config.filePath(QStringLiteral("kivfilesizecalculator/formats.json"))));
}

void TestPlanner::init()
{
    qputenv("KIVFILESIZE", KIV_FILESIZE);
    planner = std::make_unique<KivPlanner>();
    planner->show();
    QVERIFY(QTest::qWaitForWindowExposed(planner.get()));
}

void TestPlanner::cleanup()
{
    planner->setWindowModified(false);
    planner.reset();
    QLocale::setDefault(QLocale::c());
}

void TestPlanner::type(const char *field, const QString &text)
{
    QLineEdit *edit = child<QLineEdit>(field);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Opens the cell's editor with F2, replaces its text and, with `commit`,
// presses Return.
void TestPlanner::typeCell(int row, int column, const QString &text, bool commit)
{
    auto *view = child<QTableView>("cameras");
    view->setFocus();
    view->setCurrentIndex(view->model()->index(row, column));
    QTest::keyClick(view, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    if (commit) {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the view closes the editor
    }
}

// Steps: "FIELD=text" types into days, copies, cardSize, driveSize, offload
// or proxy; "units=N" chooses the Nth units; "R:C=text" types into row R's
// column C (0 name, 1 count, 2 time, 3 bitrate); "add" adds a camera after
// the current one; "locale:NAME" makes that the user's language.
void TestPlanner::run(const QStringList &steps)
{
    for (const QString &step : steps) {
        const qsizetype eq = step.indexOf('=');
        const QString key = step.left(eq);
        const QString text = step.mid(eq + 1);
        if (step.startsWith(QLatin1String("locale:"))) {
            QLocale::setDefault(QLocale(step.mid(7)));
        } else if (step == QLatin1String("add")) {
            QTest::keyClick(planner.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else if (key == QLatin1String("units")) {
            child<QComboBox>("units")->setCurrentIndex(text.toInt());
        } else if (key.contains(':')) {
            typeCell(key.section(':', 0, 0).toInt(), key.section(':', 1).toInt(), text);
        } else {
            type(qPrintable(key), text);
        }
    }
}

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
    // Faults name their place and leave no figure.
    QTest::newRow("count 0") << typed + QStringList{"0:1=0"} << ""
                             << "cameras[0].count: must be a whole number from 1 to 1000";
    QTest::newRow("count not whole") << typed + QStringList{"0:1=1.5"} << ""
                                     << "cameras[0].count: must be a whole number from 1 to 1000";
    QTest::newRow("a time past a day") << typed + QStringList{"0:2=25:00:00"} << ""
                                       << "cameras[0].time_per_day: \"25:00:00\" is longer than "
                                          "a day (24:00:00)";
    QTest::newRow("a time that is none") << typed + QStringList{"0:2=four hours"} << ""
                                         << "cameras[0].time_per_day: ";
    QTest::newRow("no bitrate") << typed + QStringList{"0:3="} << ""
                                << "cameras[0].bitrate: must be a number from 0.001 to 10000000";
    QTest::newRow("days 0") << typed + QStringList{"days=0"} << ""
                            << "days: must be a whole number from 1 to 10000";
    QTest::newRow("copies beyond") << typed + QStringList{"copies=101"} << ""
                                   << "copies: must be a whole number from 1 to 100";
    QTest::newRow("card size not a number") << typed + QStringList{"cardSize=big"} << ""
                                            << "card_size: must be a number from 0.001 to 1000000";
    QTest::newRow("proxy 0") << typed + QStringList{"proxy=0"} << ""
                             << "proxy.bitrate: must be a number from 0.001 to 10000000";
    QTest::newRow("a card that lasts beyond any time")
        << QStringList{"0:3=0.001", "cardSize=1000000"} << ""
        << "cameras[0]: at 0.001 Mbit/s a 1e+06 GB card lasts longer than 1193046:28:15";
}

void TestPlanner::typing()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    QFETCH(QString, fault);
    run(steps);
    if (expected.isEmpty()) {
        QVERIFY2(planner->fault().startsWith(fault), qPrintable(planner->fault()));
        QCOMPARE(child<QLabel>("fault")->text(), planner->fault());
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
    QCOMPARE(child<QLabel>("total")->text(), numbers.text(answer.totalGb));
    auto *view = child<QTableView>("cameras");
    QCOMPARE(view->model()->index(0, 5).data().toString(),
             numbers.text(answer.cameras[0].gbPerDay));
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
                             {{"A", 1, 3600, {KivPlanFormat{"prores-422-hq", {}, 25}, {}}}}},
                     QString());
    auto *view = child<QTableView>("cameras");
    view->setCurrentIndex(view->model()->index(0, 3));
    QTest::keyClick(view, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(std::holds_alternative<KivPlanFormat>(planner->plan()->cameras[0].source.from));
    QVERIFY(!planner->isWindowModified());
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

void TestPlanner::drop_data()
{
    QTest::addColumn<QString>("program"); // kivfilesize, or how the stand-in fails
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<int>("row");          // dropped on; -1 below the rows
    QTest::addColumn<QStringList>("kept"); // the clips the camera keeps, or none
    QTest::addColumn<QString>("message");  // the start of the message, or none

    const QString clip = CLIPS + "/h264-aac.mp4";
    QTest::newRow("a clip on the row")
        << "kivfilesize" << QStringList{clip} << 0 << QStringList{clip} << "";
    QTest::newRow("a card's folder below the rows") << "kivfilesize" << QStringList{CLIPS + "/card"}
                                                    << -1 << QStringList{CLIPS + "/card"} << "";
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

void TestPlanner::drop()
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
        QCOMPARE(after->cameras[camera].name, QFileInfo(dropped[0]).fileName());
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

void TestPlanner::openBroken_data()
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

void TestPlanner::openBroken()
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

void TestPlanner::agreesWithCommandLine_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("steps"); // typed after opening
    QTest::newRow("the example, clips measured") << "shoot.json" << QStringList();
    QTest::newRow("MB/s, audio, a user's format") << "audio.json" << QStringList();
    QTest::newRow("typed over") << "shoot.json"
                                << QStringList{"1:3=151.25", "days=4", "driveSize=2000.5"};
    QTest::newRow("typed from nothing")
        << "" << QStringList{"0:3=33.3", "0:1=3", "cardSize=64", "offload=90", "proxy=12"};
}

void TestPlanner::agreesWithCommandLine()
{
    QFETCH(QString, file);
    QFETCH(QStringList, steps);
    if (!file.isEmpty()) {
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
    // Opened again, the saved plan is the same plan.
    KivPlanner again;
    QVERIFY(again.openFile(saved));
    QCOMPARE(again.plan(), planner->plan());
}

void TestPlanner::csv()
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
    QCOMPARE(records.size(), 1 + 2 + 1 + 4); // header, cameras, blank, totals
    QCOMPARE(records[0].value(5), QStringLiteral("GB per day"));
    QCOMPARE(records[1].value(0), name);
    QCOMPARE(records[2].mid(0, 4), (QStringList{"B", "1", "01:00:00", "0.5"}));
    const KivPlanAnswer &a = *planner->answer();
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(records[1 + i].size(), 9);
        QCOMPARE(records[1 + i][4].toDouble(), a.cameras[i].mbps);
        QCOMPARE(records[1 + i][5].toDouble(), a.cameras[i].gbPerDay);
        QCOMPARE(records[1 + i][6].toDouble(), *a.cameras[i].cardsPerDay);
        QCOMPARE(records[1 + i][7], kivTimeText(*a.cameras[i].cardSeconds));
    }
    QCOMPARE(records[3], QStringList{QString()});
    QCOMPARE(records[7], (QStringList{"GB in all", QString::number(a.totalGb, 'g', 17)}));
    // With a fault nothing is exported and the file stays as it was.
    run({"0:1=0"});
    QVERIFY(!planner->exportCsv(path));
    QVERIFY(planner->findChild<QMessageBox *>()->text().startsWith("Nothing was exported: "));
    QFile again(path);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(readCsv(QString::fromUtf8(again.readAll())), records);
}

void TestPlanner::pdf()
{
    QVERIFY(planner->openFile(PLANS + "/shoot.json"));
    QTRY_VERIFY_WITH_TIMEOUT(planner->answer(), 30000);
    const QString path = work.filePath(QStringLiteral("budget.pdf"));
    QVERIFY(planner->exportPdf(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext is not installed");
    }
    QProcess text;
    text.start(pdftotext, {"-layout", path, "-"});
    QVERIFY(text.waitForFinished(30000));
    const QString shown = QString::fromUtf8(text.readAllStandardOutput());
    QCOMPARE(shown.count(QLatin1String("Storage budget: shoot")), 1);
    const KivPlanAnswer &a = *planner->answer();
    for (const double figure : {a.gbPerDay, a.gb, a.gbWithCopies, *a.proxyGb, a.totalGb, *a.drives,
                                a.cameras[0].gbPerDay, a.cameras[2].mbps}) {
        QVERIFY2(shown.contains(kivNumberText(figure)), qPrintable(kivNumberText(figure)));
    }
    QVERIFY(shown.contains(kivTimeText(*a.offloadSeconds)));
    for (const char *words : {"A and B", "Drone", "Offload per day", "Drives of 8192 GB"}) {
        QVERIFY2(shown.contains(QLatin1String(words)), words);
    }
}

void TestPlanner::keyboard()
{
    // Tab visits the fields in reading order; mnemonics reach them.
    child<QComboBox>("units")->setFocus();
    QStringList order;
    for (int i = 0; i < 12; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order,
             (QStringList{"units", "days", "copies", "cardSize", "driveSize", "offload", "proxy",
                          "proxyFormat", "cameras", "addCamera", "removeCamera", "chooseFormat"}));
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

void TestPlanner::fromTheCalculator()
{
    KivFileSizeCalculator calculator;
    calculator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calculator));
    for (const auto &[name, text] : {std::pair{"myBitrate1", "100"}, {"myCardSize1", "64"}}) {
        QTest::keyClicks(calculator.findChild<QLineEdit *>(QLatin1String(name)),
                         QLatin1String(text));
    }
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
    QVERIFY(!opened->isWindowModified());
}

QTEST_MAIN(TestPlanner)
#include "test_planner.moc"
