// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Clips dropped on the calculator: measured by a child kivfilesize, the rate
// typed into the bitrate field, and every way the measuring can fail leaving
// the fields as they were.
#include "app/KivClipProcess.h"
#include "app/KivFileSizeCalculator.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <memory>

class TestClipDrop : public QObject
{
    Q_OBJECT

private slots:
    void drop_data();
    void drop();
    void processAnswersFromTheEventLoop();
};

void TestClipDrop::drop_data()
{
    // kivfilesize, missing, or how the stand-in fails: crash, hang, negative, ...
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QString>("onto");      // the widget dropped on
    QTest::addColumn<QStringList>("shown"); // bitrate, card size, time, Mbit/s, MB/s after Return
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("message"); // the start of the message box's text, or none

    const QString clips = QStringLiteral(KIV_CLIP_FIXTURES);
    const QStringList untouched = {"0", "64", "00:00:00", "0", "0"};
    QTest::newRow("a clip") << "kivfilesize" << QStringList{clips + "/h264-aac.mp4"}
                            << "KivFileSizeCalculatorClass"
                            << QStringList{"0.097388", "64", "1495:24:56", "0.097388", "0.0121735"}
                            << "Measured from clips (recordings: 1, files: 1, skipped: 0): "
                               "00:00:02, 0.024347 MB"
                            << "";
    QTest::newRow("a card's folder, dropped on a field")
        << "kivfilesize" << QStringList{"file://" + clips + "/card"} << "myCardSize1"
        << QStringList{"0.13596", "64", "1071:09:52", "0.13596", "0.016995"}
        << "Measured from clips (recordings: 1, files: 1, skipped: 2): 00:00:02, 0.03399 MB\n"
           "Skipped: not a clip: no audio or video with a duration (1); not a clip: describes "
           "media kept in another file (1)"
        << "";
    QTest::newRow("two clips pooled")
        << "kivfilesize" << QStringList{clips + "/prores-pcm.mov", clips + "/tone.wav"}
        << "myBitrate3" << QStringList{"1.60561", "64", "90:42:15", "1.60561", "0.200701"}
        << "Measured from clips (recordings: 2, files: 2, skipped: 0): 00:00:02, 0.401403 MB"
        << "";
    // A name that is not UTF-8 reaches the reader with its bytes.
    static QTemporaryDir names;
    const QByteArray raw = QFile::encodeName(names.path()) + "/take\xff.mp4";
    QFile source(clips + "/h264-aac.mp4");
    std::FILE *copy = std::fopen(raw.constData(), "wb");
    if (source.open(QIODevice::ReadOnly) && copy != nullptr) {
        const QByteArray bytes = source.readAll();
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), copy);
    }
    if (copy != nullptr) {
        std::fclose(copy);
    }
    QTest::newRow("a name that is not UTF-8")
        << "kivfilesize" << QStringList{"file://" + names.path() + "/take%FF.mp4"}
        << "KivFileSizeCalculatorClass"
        << QStringList{"0.097388", "64", "1495:24:56", "0.097388", "0.0121735"}
        << "Measured from clips (recordings: 1, files: 1, skipped: 0): 00:00:02, 0.024347 MB"
        << "";
    // Of several dropped files, what is not a clip is skipped, as in a folder.
    QTest::newRow("a clip and a text file")
        << "kivfilesize" << QStringList{clips + "/h264-aac.mp4", clips + "/bad/notes.MP4"}
        << "KivFileSizeCalculatorClass"
        << QStringList{"0.097388", "64", "1495:24:56", "0.097388", "0.0121735"}
        << "Measured from clips (recordings: 1, files: 1, skipped: 1): 00:00:02, 0.024347 MB\n"
           "Skipped: not a clip: no audio or video with a duration (1)"
        << "";
    QTest::newRow("a clip and a URL of another machine")
        << "kivfilesize" << QStringList{"http://example.com/a.mp4", clips + "/h264-aac.mp4"}
        << "KivFileSizeCalculatorClass"
        << QStringList{"0.097388", "64", "1495:24:56", "0.097388", "0.0121735"}
        << "Measured from clips (recordings: 1, files: 1, skipped: 1): 00:00:02, 0.024347 MB"
        << "";
    QTest::newRow("a card with proxies")
        << "kivfilesize" << QStringList{clips + "/sony"} << "KivFileSizeCalculatorClass"
        << QStringList{"0.110296", "64", "1320:24:23", "0.110296", "0.013787"}
        << "Measured from clips (recordings: 2, files: 4, skipped: 1): 00:00:03, 0.041361 MB\n"
           "Skipped: not a clip: describes media kept in another file (1)"
        << "";
    QTest::newRow("two files, neither a clip")
        << "kivfilesize" << QStringList{clips + "/bad/notes.MP4", clips + "/bad/empty.MP4"}
        << "KivFileSizeCalculatorClass" << untouched << ""
        << "Nothing was measured: " + clips + "/bad/empty.MP4: empty file";
    QTest::newRow("nothing measurable")
        << "kivfilesize" << QStringList{clips + "/bad/notes.MP4"} << "KivFileSizeCalculatorClass"
        << untouched << ""
        << "Nothing was measured: " + clips + "/bad/notes.MP4: not a clip";
    QTest::newRow("a URL of another machine")
        << "kivfilesize" << QStringList{"http://example.com/a.mp4"} << "KivFileSizeCalculatorClass"
        << untouched << ""
        << "Only files and folders on this computer can be measured; http://example.com/a.mp4";
    QTest::newRow("the reader crashes")
        << "crash" << QStringList{clips + "/h264-aac.mp4"} << "KivFileSizeCalculatorClass"
        << untouched << ""
        << "Measuring stopped: the reader of the clips failed on " + clips + "/h264-aac.mp4.";
    QTest::newRow("the reader hangs, cancelled") << "hang" << QStringList{clips + "/h264-aac.mp4"}
                                                 << "KivFileSizeCalculatorClass" << untouched << ""
                                                 << "";
    QTest::newRow("no kivfilesize") << "missing" << QStringList{clips + "/h264-aac.mp4"}
                                    << "KivFileSizeCalculatorClass" << untouched << ""
                                    << "Measuring clips needs kivfilesize";
    // Readers that lie, say nothing or never end a line.
    const QString lie = "Nothing was changed: the reader of the clips sent figures that cannot "
                        "be right.";
    for (const char *liar : {"negative", "text", "infinite", "half", "reasons", "complete"}) {
        QTest::newRow(liar) << liar << QStringList{clips + "/h264-aac.mp4"}
                            << "KivFileSizeCalculatorClass" << untouched << "" << lie;
    }
    QTest::newRow("a total of the members that must be there")
        << "minimal" << QStringList{clips + "/h264-aac.mp4"} << "KivFileSizeCalculatorClass"
        << QStringList{"10", "64", "14:33:48", "10", "1.25"}
        << "Measured from clips (recordings: 2, files: 2, skipped: 0): 00:00:04, 5 MB"
        << "";
    QTest::newRow("no MediaInfoLib")
        << "nomediainfo" << QStringList{clips + "/h264-aac.mp4"} << "KivFileSizeCalculatorClass"
        << untouched << ""
        << "Nothing was measured: measuring clips needs libmediainfo0v5";
    QTest::newRow("silent") << "silent" << QStringList{clips + "/h264-aac.mp4"}
                            << "KivFileSizeCalculatorClass" << untouched << ""
                            << "Nothing was measured: the reader of the clips ended without a "
                               "result.";
    QTest::newRow("endless line") << "endless" << QStringList{clips + "/h264-aac.mp4"}
                                  << "KivFileSizeCalculatorClass" << untouched << ""
                                  << "Measuring stopped: the reader of the clips sent a line "
                                     "longer than 64 KiB.";
}

void TestClipDrop::drop()
{
    QFETCH(QString, program);
    QFETCH(QStringList, dropped);
    QFETCH(QString, onto);
    QFETCH(QStringList, shown);
    QFETCH(QString, tooltip);
    QFETCH(QString, message);

    qputenv("KIVFILESIZE", program == QLatin1String("kivfilesize") ? KIV_FILESIZE
                           : program == QLatin1String("missing")   ? "/nonexistent/kivfilesize"
                                                                   : KIV_STAND_IN);
    qputenv("KIV_STAND_IN", program.toLatin1());
    KivFileSizeCalculator dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const auto field = [&dialog](const QString &name) {
        return dialog.findChild<QLineEdit *>(name);
    };
    QTest::keyClicks(field("myCardSize1"), QStringLiteral("64"));
    // What the field says of itself, where nothing was measured.
    const QString hint = field("myBitrate1")->toolTip();

    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : dropped) {
        urls << (path.contains(QLatin1String("://")) ? QUrl(path) : QUrl::fromLocalFile(path));
    }
    data.setUrls(urls);
    QWidget *target = onto == dialog.objectName() ? static_cast<QWidget *>(&dialog) : field(onto);
    // A drop reaches the widget that took the drag's entry.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    QVERIFY(event.isAccepted());

    if (program == QLatin1String("hang")) {
        // The progress dialog comes after half a second; its Cancel stops the child.
        QProgressDialog *progress = nullptr;
        QTRY_VERIFY((progress = dialog.findChild<QProgressDialog *>()) != nullptr &&
                    progress->isVisible());
        QCOMPARE(progress->windowTitle(), QStringLiteral("Measuring Clips"));
        QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
    }
    QTRY_VERIFY(dialog.findChild<QProcess *>() == nullptr);
    QTRY_COMPARE(dialog.findChild<QMessageBox *>() != nullptr, !message.isEmpty());
    auto *box = dialog.findChild<QMessageBox *>();
    if (box != nullptr) {
        QVERIFY2(box->text().startsWith(message), qPrintable(box->text()));
    }
    // After a folder's drop the time left on its volume at that rate follows.
    const QString tip = field("myBitrate1")->toolTip();
    const bool folder = !tooltip.isEmpty() && QFileInfo(urls[0].toLocalFile()).isDir();
    QCOMPARE(folder ? tip.section('\n', 0, -2) : tip, tooltip.isEmpty() ? hint : tooltip);
    if (folder) {
        const QString left = tip.section('\n', -1);
        QVERIFY2(
            QRegularExpression("^Time left on this card at that rate: [0-9]+:[0-9]{2}:[0-9]{2} "
                               "\\([0-9.e+]+ GB free\\)$")
                .match(left)
                .hasMatch(),
            qPrintable(tip));
    }

    QTest::keyClick(field("myCardSize1"), Qt::Key_Return);
    QStringList texts;
    for (const char *name : {"myBitrate1", "myCardSize1", "myTime1", "myBitrate2", "myBitrate3"}) {
        texts << field(QLatin1String(name))->text();
    }
    QCOMPARE(texts, shown);
}

// measure() and cancel() return before anything of the child is signalled: a
// failure comes from the event loop, and a cancelled child is killed, not
// waited for, with nothing of it signalled.
void TestClipDrop::processAnswersFromTheEventLoop()
{
    qputenv("KIVFILESIZE", KIV_STAND_IN);
    qputenv("KIV_STAND_IN", "hang");
    const QList<QUrl> remote = {QUrl(QStringLiteral("http://example.com/a.mp4"))};
    const QList<QUrl> clip = {
        QUrl::fromLocalFile(QStringLiteral(KIV_CLIP_FIXTURES "/h264-aac.mp4"))};
    KivClipProcess process;
    QSignalSpy failed(&process, &KivClipProcess::failed);
    QSignalSpy measured(&process, &KivClipProcess::measured);

    QVERIFY(process.measure(remote));
    QCOMPARE(failed.count(), 0);
    QVERIFY(process.busy());
    QVERIFY(!process.measure(clip));
    QTRY_COMPARE(failed.count(), 1);
    QVERIFY(!process.busy());

    // A failure waiting when cancelled never comes.
    QVERIFY(process.measure(remote));
    process.cancel();
    QVERIFY(!process.busy());
    QTest::qWait(50);
    QCOMPARE(failed.count(), 1);

    QVERIFY(process.measure(clip));
    QProcess *child = process.findChild<QProcess *>();
    QVERIFY(child != nullptr);
    QVERIFY(child->waitForStarted(5000));
    process.cancel();
    QVERIFY(child->state() != QProcess::NotRunning); // killed, not yet reaped
    QVERIFY(!process.busy());
    QVERIFY(process.measure(clip)); // at once, beside the dying child
    process.cancel();
    QTRY_VERIFY(process.findChild<QProcess *>() == nullptr);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(measured.count(), 0);
}

QTEST_MAIN(TestClipDrop)
#include "test_clip_drop.moc"
