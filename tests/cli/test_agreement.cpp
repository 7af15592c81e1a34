// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The dialog and kivfilesize, given the same two quantities, show the same
// three texts.
#include "app/KivFileSizeCalculator.h"
#include "cli/KivFileSize.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

class TestAgreement : public QObject
{
    Q_OBJECT

private slots:
    void sameTexts_data();
    void sameTexts();
};

void TestAgreement::sameTexts_data()
{
    // The dialog's field and the command line's option for each quantity.
    QTest::addColumn<QString>("firstField");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("secondField");
    QTest::addColumn<QString>("secondText");
    const struct
    {
        const char *field1, *text1, *field2, *text2;
    } rows[] = {
        {"myCardSize1", "4", "myTime1", "1:00:00"},
        {"myBitrate1", "6", "myTime1", "1:00:00"},
        {"myBitrate1", "9.10222", "myCardSize1", "4"},
        {"myBitrate1", "1", "myCardSize1", "16"},
        {"myBitrate1", "100", "myCardSize1", "64"},
        {"myBitrate1", "3", "myCardSize1", "0.001"},
        {"myBitrate1", "1e-3", "myCardSize1", "0.5"},
        {"myTime1", "40:00:00", "myBitrate1", "1"},
        {"myTime1", "90", "myCardSize1", "2.5"},
        {"myTime1", "12:34", "myBitrate1", "0"},
        {"myCardSize1", "524287.9", "myBitrate1", "1"},
        {"myCardSize1", "1000000", "myTime1", "1193046:28:15"},
        {"myBitrate3", "12.5", "myTime1", "1:00:00"},
        {"myBitrate3", "0.75", "myCardSize1", "32"},
    };
    for (const auto &r : rows) {
        QTest::newRow(qPrintable(QStringLiteral("%1=%2, %3=%4")
                                     .arg(QLatin1String(r.field1), QLatin1String(r.text1),
                                          QLatin1String(r.field2), QLatin1String(r.text2))))
            << QString::fromLatin1(r.field1) << QString::fromLatin1(r.text1)
            << QString::fromLatin1(r.field2) << QString::fromLatin1(r.text2);
    }
}

void TestAgreement::sameTexts()
{
    QFETCH(QString, firstField);
    QFETCH(QString, firstText);
    QFETCH(QString, secondField);
    QFETCH(QString, secondText);

    KivFileSizeCalculator dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QStringList arguments;
    for (const auto &[field, text] :
         {std::pair{firstField, firstText}, {secondField, secondText}}) {
        QTest::keyClicks(dialog.findChild<QLineEdit *>(field), text);
        const QString option = field == QLatin1String("myBitrate1")    ? QStringLiteral("--bitrate")
                               : field == QLatin1String("myBitrate3")  ? QStringLiteral("--mbytes")
                               : field == QLatin1String("myCardSize1") ? QStringLiteral("--size")
                                                                       : QStringLiteral("--time");
        arguments << option << text;
    }
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("pushButton_4")),
                      Qt::LeftButton);

    QString out;
    QString err;
    QCOMPARE(kivFileSize(arguments, out, err), 0);
    const QRegularExpression answer(QStringLiteral("Bitrate: +(\\S+) Mbit/s = (\\S+) MB/s\n"
                                                   "Card size: +(\\S+) GB\nTime: +(\\S+)\n"));
    const QRegularExpressionMatch match = answer.match(out);
    QVERIFY2(match.hasMatch(), qPrintable(out));
    const auto text = [&dialog](const char *name) {
        return dialog.findChild<QLineEdit *>(QLatin1String(name))->text();
    };
    QCOMPARE(match.captured(1), text("myBitrate1"));
    QCOMPARE(match.captured(1), text("myBitrate2"));
    QCOMPARE(match.captured(2), text("myBitrate3"));
    QCOMPARE(match.captured(3), text("myCardSize1"));
    QCOMPARE(match.captured(4), text("myTime1"));
}

QTEST_MAIN(TestAgreement)
#include "test_agreement.moc"
