// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivFileSizeCalculator.h"
#include "app/KivFormatChooser.h"
#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"
#include "calc/KivUnits.h"
#include "ui_KivFileSizeCalculator.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <iterator>
#include <memory>

namespace {

const char *const kFirstGroup[] = {"myBitrate1", "myCardSize1", "myTime1"};

// Prefixes every text of the form's context, to show that it was translated.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *disambiguation,
                      int) const override
    {
        if (qstrcmp(context, "KivFileSizeCalculatorClass") == 0 && disambiguation == nullptr) {
            return QLatin1String("~") + QLatin1String(source);
        }
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void scenario_data();
    void scenario();
    void tracking_data();
    void tracking();
    void returnCalculates_data();
    void returnCalculates();
    void returnOnResetCalculates();
    void escapeCloses();
    void tabOrder_data();
    void tabOrder();

    void widgets_data();
    void widgets();
    void layouts_data();
    void layouts();
    void stacking_data();
    void stacking();
    void dialogSettings();
    void widthsHoldAtAnySize();
    void largeFontWidensLabelColumns();
    void fieldsFitTheirLongestTexts_data();
    void fieldsFitTheirLongestTexts();
    void accessibleNames();
    void namedDialogKeepsName();
    void textsAreTranslated();
    void slotsInDeclarationOrder();
    void chooserBoxesKeepTheirHeight();
    void chooserSaysWhy_data();
    void chooserSaysWhy();
    void chooserRestoresItsRows();
    void bitrateFieldsSayWhatTheyTake();
    void cardSizeTakesAVolumesFreeSpace();

private:
    template <typename T = QWidget> T *child(const QString &name) const
    {
        T *widget = dialog->findChild<T *>(name);
        if (widget == nullptr) {
            qFatal("no child %s", qPrintable(name));
        }
        return widget;
    }
    void type(const QString &field, const QString &text);
    void run(const QStringList &steps);
    void chooseFormat(const QString &step);
    QStringList shown() const;

    std::unique_ptr<KivFileSizeCalculator> dialog;
    QTemporaryDir config; // the user's configuration folder, empty at first
};

void TestDialog::initTestCase()
{
    QVERIFY(config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
}

void TestDialog::init()
{
    dialog = std::make_unique<KivFileSizeCalculator>();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
}

void TestDialog::cleanup()
{
    dialog.reset();
    QLocale::setDefault(QLocale::c());
}

// Replaces the field's text the way a user does: click, select all, type.
void TestDialog::type(const QString &field, const QString &text)
{
    QLineEdit *edit = child<QLineEdit>(field);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    QTest::keyClicks(edit, text);
}

// Steps: "field=text" types, "set:field=text" sets the text without an edit,
// "return:field" presses Return in the field, "calc" and "reset" click,
// "locale:name" makes that the user's language.
void TestDialog::run(const QStringList &steps)
{
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1String("locale:"))) {
            QLocale::setDefault(QLocale(step.mid(7)));
        } else if (step == QLatin1String("calc")) {
            QTest::mouseClick(child<QPushButton>("pushButton_4"), Qt::LeftButton);
        } else if (step == QLatin1String("reset")) {
            QTest::mouseClick(child<QPushButton>("pushButton_3"), Qt::LeftButton);
        } else if (step.startsWith(QLatin1String("return:"))) {
            QTest::keyClick(child(step.mid(7)), Qt::Key_Return);
        } else if (step.startsWith(QLatin1String("format:")) ||
                   step.startsWith(QLatin1String("format-shift-f10:"))) {
            chooseFormat(step);
        } else if (step.startsWith(QLatin1String("set:"))) {
            const qsizetype eq = step.indexOf('=');
            child<QLineEdit>(step.mid(4, eq - 4))->setText(step.mid(eq + 1));
        } else {
            const qsizetype eq = step.indexOf('=');
            QVERIFY2(eq > 0, qPrintable(step));
            type(step.left(eq), step.mid(eq + 1));
        }
    }
}

// "format:field=family|format|frame|rate[|audio]" opens the field's context
// menu with the menu key (Shift+F10 for "format-shift-f10:"), takes its first
// entry with Return and accepts that choice in the chooser; an empty part is
// left as the chooser offers it.
void TestDialog::chooseFormat(const QString &step)
{
    const qsizetype colon = step.indexOf(':');
    const qsizetype eq = step.indexOf('=');
    QLineEdit *edit = child<QLineEdit>(step.mid(colon + 1, eq - colon - 1));
    const QStringList choice = step.mid(eq + 1).split('|');
    QVERIFY(choice.size() == 4 || choice.size() == 5);
    edit->setFocus();
    QWindow *window = dialog->windowHandle();
    if (step.startsWith(QLatin1String("format-shift-f10:"))) {
        QTest::keyClick(window, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        QTest::keyClick(window, Qt::Key_Menu);
    }
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QTest::keyClick(menu, Qt::Key_Return);
    auto *chooser = dialog->findChild<KivFormatChooser *>();
    QVERIFY(chooser != nullptr && chooser->isVisible());
    const char *const boxes[] = {"family", "format", "frame", "rate", "audio"};
    for (int i = 0; i < choice.size(); ++i) {
        if (!choice[i].isEmpty()) {
            chooser->findChild<QComboBox *>(QLatin1String(boxes[i]))->setCurrentText(choice[i]);
        }
    }
    QTest::mouseClick(chooser->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    QTRY_VERIFY(dialog->findChild<KivFormatChooser *>() == nullptr);
}

// Texts of myBitrate1, myCardSize1, myTime1, myBitrate2, myBitrate3.
QStringList TestDialog::shown() const
{
    QStringList texts;
    for (const char *name : {"myBitrate1", "myCardSize1", "myTime1", "myBitrate2", "myBitrate3"}) {
        texts << child<QLineEdit>(name)->text();
    }
    return texts;
}

void TestDialog::scenario_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected"); // bitrate, card size, time, Mbit/s, MB/s

    // Every row of the choice of what to compute.
    QTest::newRow("bitrate after time: card size")
        << QStringList{"myTime1=1:00:00", "myBitrate1=6", "calc"}
        << QStringList{"6", "2.63672", "01:00:00", "6", "0.75"};
    QTest::newRow("bitrate after card size: time")
        << QStringList{"myCardSize1=4", "myBitrate1=8", "calc"}
        << QStringList{"8", "4", "01:08:16", "8", "1"};
    QTest::newRow("bitrate alone: time")
        << QStringList{"myBitrate1=8", "set:myCardSize1=4", "set:myTime1=1:00:00", "calc"}
        << QStringList{"8", "4", "01:08:16", "8", "1"};
    QTest::newRow("card size after time: bitrate")
        << QStringList{"myTime1=1:00:00", "myCardSize1=4", "calc"}
        << QStringList{"9.10222", "4", "01:00:00", "9.10222", "1.13778"};
    QTest::newRow("card size after bitrate: time")
        << QStringList{"myBitrate1=8", "myCardSize1=4", "calc"}
        << QStringList{"8", "4", "01:08:16", "8", "1"};
    QTest::newRow("card size alone: time")
        << QStringList{"myCardSize1=8", "set:myBitrate1=6", "calc"}
        << QStringList{"6", "8", "03:02:02", "6", "0.75"};
    QTest::newRow("time after card size: bitrate")
        << QStringList{"myCardSize1=4", "myTime1=1:00:00", "calc"}
        << QStringList{"9.10222", "4", "01:00:00", "9.10222", "1.13778"};
    QTest::newRow("time after bitrate: card size")
        << QStringList{"myBitrate1=6", "myTime1=1:00:00", "calc"}
        << QStringList{"6", "2.63672", "01:00:00", "6", "0.75"};
    QTest::newRow("time alone: card size")
        << QStringList{"myTime1=1:00:00", "set:myBitrate1=6", "calc"}
        << QStringList{"6", "2.63672", "01:00:00", "6", "0.75"};
    QTest::newRow("nothing edited: nothing computed")
        << QStringList{"set:myBitrate1=6", "set:myCardSize1=8", "set:myTime1=1:00:00", "calc"}
        << QStringList{"6", "8", "01:00:00", "6", "0.75"};

    // Edge cases.
    QTest::newRow("fresh dialog") << QStringList{"calc"}
                                  << QStringList{"0", "0", "00:00:00", "0", "0"};
    QTest::newRow("only card size")
        << QStringList{"myCardSize1=8", "calc"} << QStringList{"0", "8", "00:00:00", "0", "0"};
    QTest::newRow("only time") << QStringList{"myTime1=1:00:00", "calc"}
                               << QStringList{"0", "0", "01:00:00", "0", "0"};
    QTest::newRow("time truncated") << QStringList{"myBitrate1=6", "myCardSize1=8", "calc"}
                                    << QStringList{"6", "8", "03:02:02", "6", "0.75"};
    QTest::newRow("time of a day or more") << QStringList{"myBitrate1=1", "myCardSize1=16", "calc"}
                                           << QStringList{"1", "16", "36:24:32", "1", "0.125"};
    QTest::newRow("typed 40 hours") << QStringList{"myTime1=40:00:00", "myBitrate1=1", "calc"}
                                    << QStringList{"1", "17.5781", "40:00:00", "1", "0.125"};
    QTest::newRow("40 hours read back")
        << QStringList{"myTime1=40:00:00", "myBitrate1=1", "calc", "myBitrate1=3", "calc"}
        << QStringList{"3", "52.7344", "40:00:00", "3", "0.375"};
    QTest::newRow("zero time") << QStringList{"myTime1=0:00:00", "myCardSize1=5", "calc"}
                               << QStringList{"0", "5", "00:00:00", "0", "0"};
    QTest::newRow("lone seconds") << QStringList{"myTime1=90", "calc"}
                                  << QStringList{"0", "0", "00:01:30", "0", "0"};
    QTest::newRow("canonical form") << QStringList{"myTime1=1:0:0", "myBitrate1=1.50", "calc"}
                                    << QStringList{"1.5", "0.65918", "01:00:00", "1.5", "0.1875"};
    QTest::newRow("text that is no number")
        << QStringList{"myBitrate1=abc", "myCardSize1=4", "calc"}
        << QStringList{"0", "4", "00:00:00", "0", "0"};
    QTest::newRow("typing Mbit/s")
        << QStringList{"myBitrate1=12"} << QStringList{"12", "", "", "12", "1.5"};
    QTest::newRow("typing in myBitrate2 keeps its text")
        << QStringList{"myBitrate2=12.0"} << QStringList{"12", "", "", "12.0", "1.5"};
    QTest::newRow("typing in myBitrate3 keeps its text")
        << QStringList{"myBitrate3=1.50"} << QStringList{"12", "", "", "12", "1.50"};
    QTest::newRow("MB/s counts as a bitrate edit")
        << QStringList{"myTime1=1:00:00", "myCardSize1=4", "myBitrate3=8"}
        << QStringList{"64", "4", "", "64", "8"};
    QTest::newRow("MB/s then calculate")
        << QStringList{"myTime1=1:00:00", "myCardSize1=4", "myBitrate3=8", "calc"}
        << QStringList{"64", "4", "00:08:32", "64", "8"};
    QTest::newRow("reset empties all")
        << QStringList{"myCardSize1=4", "myTime1=1:00:00", "myBitrate2=5", "reset"}
        << QStringList{"", "", "", "", ""};
    QTest::newRow("reset then calculate")
        << QStringList{"myCardSize1=4", "myTime1=1:00:00", "reset", "calc"}
        << QStringList{"0", "0", "00:00:00", "0", "0"};
    QTest::newRow("reset keeps the tracking")
        << QStringList{"myCardSize1=4",     "myTime1=1:00:00",     "reset",
                       "set:myCardSize1=4", "set:myTime1=1:00:00", "calc"}
        << QStringList{"9.10222", "4", "01:00:00", "9.10222", "1.13778"};
    QTest::newRow("typical use, Return")
        << QStringList{"myCardSize1=4", "myTime1=1:00:00", "return:myTime1"}
        << QStringList{"9.10222", "4", "01:00:00", "9.10222", "1.13778"};
    QTest::newRow("typical use, new bitrate")
        << QStringList{"myCardSize1=4", "myTime1=1:00:00", "return:myTime1", "myBitrate1=6"}
        << QStringList{"6", "", "01:00:00", "6", "0.75"};
    QTest::newRow("typical use, card size")
        << QStringList{"myCardSize1=4", "myTime1=1:00:00", "return:myTime1", "myBitrate1=6", "calc"}
        << QStringList{"6", "2.63672", "01:00:00", "6", "0.75"};

    // Time quotients outside the count's range saturate.
    QTest::newRow("negative quotient") << QStringList{"myBitrate1=6", "myCardSize1=-8", "calc"}
                                       << QStringList{"6", "-8", "00:00:00", "6", "0.75"};
    QTest::newRow("quotient of 2^32") << QStringList{"myBitrate1=1", "myCardSize1=524288", "calc"}
                                      << QStringList{"1", "524288", "1193046:28:15", "1", "0.125"};
    QTest::newRow("huge quotient")
        << QStringList{"myCardSize1=1", "myBitrate1=1e-300", "calc"}
        << QStringList{"1e-300", "1", "1193046:28:15", "1e-300", "1.25e-301"};
    QTest::newRow("infinite quotient") << QStringList{"myBitrate1=1", "myCardSize1=inf", "calc"}
                                       << QStringList{"1", "inf", "1193046:28:15", "1", "0.125"};
    QTest::newRow("NaN quotient") << QStringList{"myBitrate1=1", "myCardSize1=nan", "calc"}
                                  << QStringList{"1", "nan", "00:00:00", "1", "0.125"};
    // Numbers beyond the double range do not convert, so they read as 0.
    const QString digits400(400, QLatin1Char('9'));
    QTest::newRow("card size beyond doubles")
        << QStringList{"myBitrate1=1", "myCardSize1=1e400", "calc"}
        << QStringList{"1", "0", "00:00:00", "1", "0.125"};
    QTest::newRow("bitrate beyond doubles")
        << QStringList{"myCardSize1=4", "myTime1=1:00:00", "myBitrate1=-1e400", "calc"}
        << QStringList{"0", "0", "01:00:00", "0", "0"};
    QTest::newRow("400 digits in Mbit/s")
        << QStringList{"myBitrate2=" + digits400} << QStringList{"0", "", "", digits400, "0"};
    QTest::newRow("400 digits in MB/s")
        << QStringList{"myBitrate3=" + digits400} << QStringList{"0", "", "", "0", digits400};
    QTest::newRow("blanks around a number")
        << QStringList{"myBitrate1= 4 ", "myCardSize1=1e3", "calc"}
        << QStringList{"4", "1000", "568:53:20", "4", "0.5"};
    QTest::newRow("largest count read back as unsigned")
        << QStringList{"myTime1=1193046:28:15", "myBitrate1=8192", "calc"}
        << QStringList{"8192", "4.29497e+09", "1193046:28:15", "8192", "1024"};

    // Languages that write a decimal comma read it, and a point, and show a
    // comma; those that write a point read a comma as no number.
    const QStringList cardIn1h = {"myTime1=1:00:00", "return:myTime1"};
    const QStringList commaShown = {"10,24", "4,5", "01:00:00", "10,24", "1,28"};
    QTest::newRow("German, comma")
        << QStringList{"locale:de_DE", "myCardSize1=4,5"} + cardIn1h << commaShown;
    QTest::newRow("German, point")
        << QStringList{"locale:de_DE", "myCardSize1=4.5"} + cardIn1h << commaShown;
    QTest::newRow("French, comma")
        << QStringList{"locale:fr_FR", "myCardSize1=4,5"} + cardIn1h << commaShown;
    QTest::newRow("French, point")
        << QStringList{"locale:fr_FR", "myCardSize1=4.5"} + cardIn1h << commaShown;
    QTest::newRow("German, groups and exponent")
        << QStringList{"locale:de_DE", "myCardSize1=524.288,0"} + cardIn1h
        << QStringList{"1,19305e+06", "524288", "01:00:00", "1,19305e+06", "149131"};
    QTest::newRow("French, typing MB/s") << QStringList{"locale:fr_FR", "myBitrate3=1,25"}
                                         << QStringList{"10", "", "", "10", "1,25"};
    QTest::newRow("French, typing Mbit/s") << QStringList{"locale:fr_FR", "myBitrate2=10,5"}
                                           << QStringList{"10,5", "", "", "10,5", "1,3125"};
    QTest::newRow("German, typing Mbit/s in the first group")
        << QStringList{"locale:de_DE", "myBitrate1=0,5e1"}
        << QStringList{"0,5e1", "", "", "5", "0,625"};
    QTest::newRow("C, comma") << QStringList{"locale:C", "myCardSize1=4,5"} + cardIn1h
                              << QStringList{"0", "0", "01:00:00", "0", "0"};
    // A recording format's bitrate goes into the field as if typed.
    QTest::newRow("format, scaled, then the time")
        << QStringList{"myCardSize1=64",
                       "format:myBitrate1=Apple ProRes|ProRes 422 HQ|2560x1440|30", "calc"}
        << QStringList{"393.71", "64", "00:22:11", "393.71", "49.2137"};
    QTest::newRow("format in Mbit/s of the second group, Shift+F10")
        << QStringList{"myTime1=1:00:00",
                       "format-shift-f10:myBitrate2=Sony XAVC S|Sony XAVC S 4K 100M||", "calc"}
        << QStringList{"100", "43.9453", "01:00:00", "100", "12.5"};
    QTest::newRow("format in German")
        << QStringList{"locale:de_DE", "format:myBitrate1=Avid DNxHR|DNxHR HQ|2048x1080|24"}
        << QStringList{"186,227", "", "", "186,227", "23,2784"};
    QTest::newRow("format remembered")
        << QStringList{"format:myBitrate1=Avid DNxHD|DNxHD 1080p 8-bit: 115, 120, 145, 240, 290 "
                       "(CID 1237)|hd|29.97",
                       "myBitrate1=1", "format:myBitrate1=|||"}
        << QStringList{"145.344", "", "", "145.344", "18.168"};
    QTest::newRow("format with audio, remembered")
        << QStringList{"format:myBitrate1=Apple ProRes|ProRes 422 HQ|3840x2160|25|4 channels",
                       "myBitrate1=1", "format:myBitrate1=|||"}
        << QStringList{"741.608", "", "", "741.608", "92.701"};
    QTest::newRow("audio not added to a mode that records it")
        << QStringList{"format:myBitrate1=Sony XAVC S|Sony XAVC S 4K 100M|||8 channels"}
        << QStringList{"100", "", "", "100", "12.5"};
    QTest::newRow("rate remembered across a change of language")
        << QStringList{"locale:de_DE",
                       "format:myBitrate1=Apple ProRes|ProRes 422 HQ|hd|23,976|None",
                       "locale:en_US", "myBitrate1=1", "format:myBitrate1=|||"}
        << QStringList{"176", "", "", "176", "22"};
    QTest::newRow("English, comma") << QStringList{"locale:en_US", "myCardSize1=4,5"} + cardIn1h
                                    << QStringList{"0", "0", "01:00:00", "0", "0"};
}

void TestDialog::scenario()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    run(steps);
    QCOMPARE(shown(), expected);
}

void TestDialog::tracking_data()
{
    QTest::addColumn<QStringList>("keystrokes"); // one keystroke per named field
    QTest::addColumn<QStringList>("emptied");    // first-group fields the last one empties
    QTest::addColumn<QStringList>("computed");   // first group after Calculate from 8, 4, 2:00:00

    const QStringList bitrate{"4.55111", "4", "02:00:00"};
    const QStringList cardSize{"8", "7.03125", "02:00:00"};
    const QStringList time{"8", "4", "01:08:16"};
    const QStringList nothing{"8", "4", "02:00:00"};

    QTest::newRow("none") << QStringList{} << QStringList{} << nothing;
    QTest::newRow("C") << QStringList{"myCardSize1"} << QStringList{"myBitrate1", "myTime1"}
                       << time;
    QTest::newRow("C C C") << QStringList{"myCardSize1", "myCardSize1", "myCardSize1"}
                           << QStringList{"myBitrate1", "myTime1"} << time;
    QTest::newRow("B") << QStringList{"myBitrate1"} << QStringList{"myCardSize1", "myTime1"}
                       << time;
    QTest::newRow("T") << QStringList{"myTime1"} << QStringList{"myBitrate1", "myCardSize1"}
                       << cardSize;
    QTest::newRow("C T") << QStringList{"myCardSize1", "myTime1"} << QStringList{"myBitrate1"}
                         << bitrate;
    QTest::newRow("T C") << QStringList{"myTime1", "myCardSize1"} << QStringList{"myBitrate1"}
                         << bitrate;
    QTest::newRow("B T") << QStringList{"myBitrate1", "myTime1"} << QStringList{"myCardSize1"}
                         << cardSize;
    QTest::newRow("T B") << QStringList{"myTime1", "myBitrate1"} << QStringList{"myCardSize1"}
                         << cardSize;
    QTest::newRow("B C") << QStringList{"myBitrate1", "myCardSize1"} << QStringList{"myTime1"}
                         << time;
    QTest::newRow("C B") << QStringList{"myCardSize1", "myBitrate1"} << QStringList{"myTime1"}
                         << time;
    QTest::newRow("C T C") << QStringList{"myCardSize1", "myTime1", "myCardSize1"}
                           << QStringList{"myBitrate1"} << bitrate;
    QTest::newRow("C T T") << QStringList{"myCardSize1", "myTime1", "myTime1"}
                           << QStringList{"myBitrate1"} << bitrate;
    QTest::newRow("C T B") << QStringList{"myCardSize1", "myTime1", "myBitrate1"}
                           << QStringList{"myCardSize1"} << cardSize;
    QTest::newRow("T C B") << QStringList{"myTime1", "myCardSize1", "myBitrate1"}
                           << QStringList{"myTime1"} << time;
    QTest::newRow("B2") << QStringList{"myBitrate2"} << QStringList{"myCardSize1", "myTime1"}
                        << time;
    QTest::newRow("B3") << QStringList{"myBitrate3"} << QStringList{"myCardSize1", "myTime1"}
                        << time;
    QTest::newRow("B B2") << QStringList{"myBitrate1", "myBitrate2"}
                          << QStringList{"myCardSize1", "myTime1"} << time;
    QTest::newRow("C T B3") << QStringList{"myCardSize1", "myTime1", "myBitrate3"}
                            << QStringList{"myCardSize1"} << cardSize;
    QTest::newRow("T B2 B3 B") << QStringList{"myTime1", "myBitrate2", "myBitrate3", "myBitrate1"}
                               << QStringList{"myCardSize1"} << cardSize;
    QTest::newRow("B2 C") << QStringList{"myBitrate2", "myCardSize1"} << QStringList{"myTime1"}
                          << time;
}

void TestDialog::tracking()
{
    QFETCH(QStringList, keystrokes);
    QFETCH(QStringList, emptied);
    QFETCH(QStringList, computed);

    for (qsizetype i = 0; i < keystrokes.size() - 1; ++i) {
        QTest::keyClick(child(keystrokes[i]), Qt::Key_1);
    }
    // Fill the first group so that the last keystroke shows what it empties.
    for (const char *name : kFirstGroup) {
        child<QLineEdit>(name)->setText("5");
    }
    if (!keystrokes.isEmpty()) {
        QTest::keyClick(child(keystrokes.last()), Qt::Key_1);
    }
    QStringList empty;
    for (const char *name : kFirstGroup) {
        if (child<QLineEdit>(name)->text().isEmpty()) {
            empty << name;
        }
    }
    QCOMPARE(empty, emptied);

    run({"set:myBitrate1=8", "set:myCardSize1=4", "set:myTime1=2:00:00", "calc"});
    QCOMPARE(shown().mid(0, 3), computed);
}

void TestDialog::returnCalculates_data()
{
    QTest::addColumn<QString>("field");
    for (const char *name : {"myBitrate1", "myCardSize1", "myTime1", "myBitrate2", "myBitrate3"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void TestDialog::returnCalculates()
{
    QFETCH(QString, field);
    run({"myCardSize1=4", "myTime1=1:00:00"});
    QTest::keyClick(child(field), Qt::Key_Return);
    QCOMPARE(shown(), (QStringList{"9.10222", "4", "01:00:00", "9.10222", "1.13778"}));
    QVERIFY(dialog->isVisible());
}

void TestDialog::returnOnResetCalculates()
{
    run({"myCardSize1=4", "myTime1=1:00:00"});
    QPushButton *reset = child<QPushButton>("pushButton_3");
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Return);
    QCOMPARE(shown(), (QStringList{"9.10222", "4", "01:00:00", "9.10222", "1.13778"}));
}

void TestDialog::escapeCloses()
{
    QTest::keyClick(child("myCardSize1"), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
}

void TestDialog::tabOrder_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    const char *chain[] = {"myBitrate1", "myCardSize1",  "myTime1",     "myBitrate2",
                           "myBitrate3", "pushButton_3", "pushButton_4"};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        QTest::newRow(chain[i]) << QString::fromLatin1(chain[i])
                                << QString::fromLatin1(chain[i + 1]);
    }
}

void TestDialog::tabOrder()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QWidget *start = child(from);
    start->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), start);
    QTest::keyClick(start, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != nullptr);
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
}

void TestDialog::widgets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("row");    // index in a box layout
    QTest::addColumn<int>("column"); // -1 in a box layout
    QTest::addColumn<int>("width");  // fixed width, or 0
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("buddy");

    const int caption = 60, field = 100, unit = 150;
    const struct
    {
        const char *name, *className, *parent, *layout;
        int row, column, width;
        const char *text, *buddy;
    } rows[] = {
        {"groupBox", "QGroupBox", "KivFileSizeCalculatorClass", "verticalLayout_3", 0, -1, 0,
         "Calculate Bitrate/Card Size/Time", ""},
        {"frame_4", "QFrame", "groupBox", "verticalLayout", 0, -1, 0, "", ""},
        {"label", "QLabel", "frame_4", "gridLayout_2", 0, 0, caption, "Bitrate", "myBitrate1"},
        {"myBitrate1", "QLineEdit", "frame_4", "gridLayout_2", 0, 1, field, "", ""},
        {"label_4", "QLabel", "frame_4", "gridLayout_2", 0, 2, unit, "Mbits/sec", "myBitrate1"},
        {"label_2", "QLabel", "frame_4", "gridLayout_2", 1, 0, caption, "Card Size", "myCardSize1"},
        {"myCardSize1", "QLineEdit", "frame_4", "gridLayout_2", 1, 1, field, "", ""},
        {"label_5", "QLabel", "frame_4", "gridLayout_2", 1, 2, unit, "GB", "myCardSize1"},
        {"label_3", "QLabel", "frame_4", "gridLayout_2", 2, 0, caption, "Time", "myTime1"},
        {"myTime1", "QLineEdit", "frame_4", "gridLayout_2", 2, 1, field, "", ""},
        {"label_6", "QLabel", "frame_4", "gridLayout_2", 2, 2, unit, "Hours:Minutes:Seconds",
         "myTime1"},
        {"frame_2", "QFrame", "groupBox", "verticalLayout", 1, -1, 0, "", ""},
        {"pushButton_3", "QPushButton", "frame_2", "horizontalLayout_2", 0, -1, 0, "Reset", ""},
        {"pushButton_4", "QPushButton", "frame_2", "horizontalLayout_2", 1, -1, 0, "Calculate", ""},
        {"groupBox_2", "QGroupBox", "KivFileSizeCalculatorClass", "verticalLayout_3", 1, -1, 0,
         "Calculate Bitrate in Mbits/sec or MB/sec", ""},
        {"frame_3", "QFrame", "groupBox_2", "verticalLayout_2", 0, -1, 0, "", ""},
        {"label_8", "QLabel", "frame_3", "gridLayout", 0, 0, caption, "Bitrate", "myBitrate2"},
        {"myBitrate2", "QLineEdit", "frame_3", "gridLayout", 0, 1, field, "", ""},
        {"label_7", "QLabel", "frame_3", "gridLayout", 0, 2, unit, "Mbits/sec", "myBitrate2"},
        {"label_10", "QLabel", "frame_3", "gridLayout", 1, 0, caption, "Bitrate", "myBitrate3"},
        {"myBitrate3", "QLineEdit", "frame_3", "gridLayout", 1, 1, field, "", ""},
        {"label_9", "QLabel", "frame_3", "gridLayout", 1, 2, unit, "MB/sec", "myBitrate3"},
    };
    for (const auto &r : rows) {
        QTest::newRow(r.name) << r.name << r.className << r.parent << r.layout << r.row << r.column
                              << r.width << r.text << r.buddy;
    }
}

void TestDialog::widgets()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parent);
    QFETCH(QString, layout);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, width);
    QFETCH(QString, text);
    QFETCH(QString, buddy);

    QWidget *widget = child(name);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QLayout *box = child<QLayout>(layout);
    QCOMPARE(box->parentWidget(), widget->parentWidget());
    const int index = box->indexOf(widget);
    if (column < 0) {
        QCOMPARE(index, row);
    } else {
        int r = -1, c = -1, rowSpan = 0, columnSpan = 0;
        static_cast<QGridLayout *>(box)->getItemPosition(index, &r, &c, &rowSpan, &columnSpan);
        QCOMPARE(QList<int>({r, c, rowSpan, columnSpan}), QList<int>({row, column, 1, 1}));
    }
    QCOMPARE(box->itemAt(index)->alignment(), Qt::Alignment());
    if (width > 0) {
        QCOMPARE(widget->minimumSize(), QSize(width, 0));
        QCOMPARE(widget->maximumSize(), QSize(width, QWIDGETSIZE_MAX));
    } else {
        QCOMPARE(widget->minimumSize(), QSize(0, 0));
    }

    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->buddy()->objectName(), buddy);
        const Qt::Alignment expected =
            width == 60 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter;
        QCOMPARE(label->alignment(), expected);
    } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->validator(), nullptr);
        QCOMPARE(edit->inputMask(), QString());
        QCOMPARE(edit->maxLength(), QLineEdit().maxLength());
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QCOMPARE(button->text(), text);
    } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
        QCOMPARE(group->title(), text);
    } else if (auto *frame = qobject_cast<QFrame *>(widget)) {
        QCOMPARE(frame->frameShape(), QFrame::StyledPanel);
        QCOMPARE(frame->frameShadow(), QFrame::Raised);
    }
}

void TestDialog::layouts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("verticalLayout_3")
        << "verticalLayout_3"
        << "QVBoxLayout"
        << "KivFileSizeCalculatorClass" << QStringList{"groupBox", "groupBox_2"};
    QTest::newRow("verticalLayout") << "verticalLayout"
                                    << "QVBoxLayout"
                                    << "groupBox" << QStringList{"frame_4", "frame_2"};
    QTest::newRow("gridLayout_2") << "gridLayout_2"
                                  << "QGridLayout"
                                  << "frame_4"
                                  << QStringList{"label",       "myBitrate1", "label_2",
                                                 "myCardSize1", "label_5",    "label_3",
                                                 "myTime1",     "label_6",    "label_4"};
    QTest::newRow("horizontalLayout_2") << "horizontalLayout_2"
                                        << "QHBoxLayout"
                                        << "frame_2" << QStringList{"pushButton_3", "pushButton_4"};
    QTest::newRow("verticalLayout_2") << "verticalLayout_2"
                                      << "QVBoxLayout"
                                      << "groupBox_2" << QStringList{"frame_3"};
    QTest::newRow("gridLayout") << "gridLayout"
                                << "QGridLayout"
                                << "frame_3" << QStringList{"myBitrate2", "label_7", "label_10",
                                                            "myBitrate3", "label_9", "label_8"};
}

void TestDialog::layouts()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, owner);
    QFETCH(QStringList, items);

    QLayout *layout = child<QLayout>(name);
    QCOMPARE(QString::fromLatin1(layout->metaObject()->className()), className);
    QCOMPARE(layout->parentWidget()->objectName(), owner);
    QCOMPARE(layout->parentWidget()->layout(), layout);
    QCOMPARE(layout->spacing(), 6);
    QCOMPARE(layout->contentsMargins(), QMargins(11, 11, 11, 11));
    QStringList entered;
    for (int i = 0; i < layout->count(); ++i) {
        entered << layout->itemAt(i)->widget()->objectName();
        if (auto *box = qobject_cast<QBoxLayout *>(layout)) {
            QCOMPARE(box->stretch(i), 0);
        }
    }
    QCOMPARE(entered, items);
}

void TestDialog::stacking_data()
{
    // Child widgets from bottom to top: creation order, then each raise moves
    // a widget to the top.
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QStringList>("children");

    QTest::newRow("dialog") << "KivFileSizeCalculatorClass"
                            << QStringList{"groupBox", "groupBox_2"};
    QTest::newRow("groupBox") << "groupBox" << QStringList{"frame_4", "frame_2"};
    QTest::newRow("frame_4") << "frame_4" << QStringList{"myTime1", "label_5", "myCardSize1",
                                                         "label_3", "label_6", "myBitrate1",
                                                         "label_2", "label",   "label_4"};
    QTest::newRow("frame_2") << "frame_2" << QStringList{"pushButton_3", "pushButton_4"};
    QTest::newRow("groupBox_2") << "groupBox_2" << QStringList{"frame_3"};
    QTest::newRow("frame_3") << "frame_3" << QStringList{"myBitrate2", "label_7", "label_10",
                                                         "myBitrate3", "label_9", "label_8"};
}

void TestDialog::stacking()
{
    QFETCH(QString, parent);
    QFETCH(QStringList, children);
    QWidget *owner = parent == dialog->objectName() ? dialog.get() : child(parent);
    QStringList order;
    for (QObject *object : owner->children()) {
        if (object->isWidgetType() && !object->objectName().isEmpty()) {
            order << object->objectName();
        }
    }
    QCOMPARE(order, children);
}

void TestDialog::dialogSettings()
{
    KivFileSizeCalculator fresh;
    QCOMPARE(fresh.objectName(), QString("KivFileSizeCalculatorClass"));
    QCOMPARE(fresh.size(), QSize(380, 301));
    QCOMPARE(fresh.windowTitle(), QString("Kiv File Size Calculator"));
    QCOMPARE(fresh.minimumSize(), QSize(0, 0));
    QCOMPARE(fresh.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QCOMPARE(fresh.windowIcon().isNull(), QApplication::windowIcon().isNull());

    auto *calculate = fresh.findChild<QPushButton *>("pushButton_4");
    auto *reset = fresh.findChild<QPushButton *>("pushButton_3");
    QVERIFY(calculate->isDefault());
    QVERIFY(!reset->isDefault());
    QVERIFY(!reset->autoDefault());
    for (QLineEdit *edit : fresh.findChildren<QLineEdit *>()) {
        QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
    }
}

void TestDialog::widthsHoldAtAnySize()
{
    for (const QSize size : {QSize(900, 700), QSize(100, 80), QSize(380, 301)}) {
        dialog->resize(size);
        QCoreApplication::processEvents();
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            const int expected = label->alignment() & Qt::AlignRight ? 60 : 150;
            QCOMPARE(label->width(), expected);
            QVERIFY(label->height() > 0);
        }
        for (QLineEdit *edit : dialog->findChildren<QLineEdit *>()) {
            QCOMPARE(edit->width(), 100);
            QVERIFY(edit->height() > 0);
        }
    }
}

void TestDialog::largeFontWidensLabelColumns()
{
    // A desktop font that does not fit 60 and 150 pixels widens the columns
    // instead of clipping the texts, and both grids keep one width per column.
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPointSize(original.pointSize() * 3);
    QApplication::setFont(large);
    KivFileSizeCalculator big;
    QApplication::setFont(original);
    big.show();
    QVERIFY(QTest::qWaitForWindowExposed(&big));

    int captionWidth = -1, unitWidth = -1;
    for (QLabel *label : big.findChildren<QLabel *>()) {
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
        const bool caption = label->alignment() & Qt::AlignRight;
        QVERIFY(label->width() >= (caption ? 60 : 150));
        int &column = caption ? captionWidth : unitWidth;
        if (column < 0) {
            column = label->width();
        }
        QCOMPARE(label->width(), column);
    }
    QVERIFY(unitWidth > 150);
    // The fields widen too, all alike, for the texts they are given.
    const int fieldWidth = big.findChild<QLineEdit *>("myBitrate1")->width();
    QVERIFY(fieldWidth > 100);
    for (QLineEdit *edit : big.findChildren<QLineEdit *>()) {
        QCOMPARE(edit->width(), fieldWidth);
    }
}

// Whether `edit` shows all of `text`: with the cursor after the last
// character the text has not scrolled, so the cursor stands the text's width
// to the right of where it stands before the first character.
bool showsWhole(QLineEdit *edit, const QString &text)
{
    const auto cursorX = [edit] {
        edit->repaint(); // the scrolling is settled when the field paints
        return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    edit->setText(text);
    edit->setCursorPosition(0);
    const int start = cursorX();
    edit->end(false);
    const int end = cursorX();
    return qAbs(end - start - edit->fontMetrics().horizontalAdvance(text)) <= 1 &&
           end < edit->width();
}

void TestDialog::fieldsFitTheirLongestTexts_data()
{
    QTest::addColumn<int>("pixelSize"); // 0: the default font
    QTest::newRow("default font") << 0;
    QTest::newRow("24 px") << 24;
    QTest::newRow("40 px") << 40;
}

void TestDialog::fieldsFitTheirLongestTexts()
{
    QFETCH(int, pixelSize);
    const QFont original = QApplication::font();
    const auto restore = qScopeGuard([&original] { QApplication::setFont(original); });
    if (pixelSize > 0) {
        QFont large = original;
        large.setPixelSize(pixelSize);
        QApplication::setFont(large);
    }
    KivFileSizeCalculator calculator;
    calculator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calculator));

    const QList<QLineEdit *> edits = calculator.findChildren<QLineEdit *>();
    QCOMPARE(edits.size(), 5);
    for (QLineEdit *edit : edits) {
        QCOMPARE(edit->width(), edits.front()->width());
        if (pixelSize == 0) {
            QCOMPARE(edit->width(), 100);
        }
        for (const char *text : {"1193046:28:15", "-1.23457e-308", "5825:25:20", "4.29497e+09"}) {
            QVERIFY2(showsWhole(edit, QLatin1String(text)),
                     qPrintable(edit->objectName() + ": " + text));
        }
    }
    if (pixelSize > 0) {
        // Not wider than it needs: two more digits would scroll.
        QVERIFY(!showsWhole(edits.front(), "119304647:28:15"));
    }
}

void TestDialog::accessibleNames()
{
    const struct
    {
        const char *name;
        const char *accessible;
    } fields[] = {
        {"myBitrate1", "Bitrate in megabits per second"},
        {"myCardSize1", "Card size in gigabytes"},
        {"myTime1", "Recording time in hours, minutes and seconds"},
        {"myBitrate2", "Bitrate in megabits per second"},
        {"myBitrate3", "Bitrate in megabytes per second"},
        {"pushButton_4", "Calculate"},
        {"pushButton_3", "Reset"},
    };
    for (const auto &field : fields) {
        QAccessibleInterface *accessible =
            QAccessible::queryAccessibleInterface(child(QLatin1String(field.name)));
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), QLatin1String(field.accessible));
    }
}

void TestDialog::namedDialogKeepsName()
{
    QDialog named;
    named.setObjectName("calculator");
    Ui::KivFileSizeCalculatorClass form;
    form.setupUi(&named);
    QCOMPARE(named.objectName(), QString("calculator"));
    QCOMPARE(form.myTime1->parent(), form.frame_4);

    QDialog unnamed;
    Ui::KivFileSizeCalculatorClass other;
    other.setupUi(&unnamed);
    QCOMPARE(unnamed.objectName(), QString("KivFileSizeCalculatorClass"));
}

void TestDialog::textsAreTranslated()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    KivFileSizeCalculator translated;
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(translated.windowTitle(), QString("~Kiv File Size Calculator"));
    QCOMPARE(translated.findChild<QLabel *>("label_6")->text(), QString("~Hours:Minutes:Seconds"));
    QCOMPARE(translated.findChild<QGroupBox *>("groupBox_2")->title(),
             QString("~Calculate Bitrate in Mbits/sec or MB/sec"));
    QCOMPARE(translated.findChild<QPushButton *>("pushButton_3")->text(), QString("~Reset"));
}

void TestDialog::slotsInDeclarationOrder()
{
    const QMetaObject &meta = KivFileSizeCalculator::staticMetaObject;
    QCOMPARE(meta.className(), "KivFileSizeCalculator");
    QCOMPARE(meta.superClass(), &QDialog::staticMetaObject);
    QCOMPARE(meta.propertyCount(), meta.propertyOffset());
    QCOMPARE(meta.enumeratorCount(), meta.enumeratorOffset());
    QCOMPARE(meta.classInfoCount(), meta.classInfoOffset());

    QStringList declared;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Private);
        declared << QString::fromLatin1(method.methodSignature());
    }
    QCOMPARE(declared,
             (QStringList{"on_myBitrate3_textEdited(QString)", "on_myBitrate2_textEdited(QString)",
                          "on_myTime1_textEdited(QString)", "on_myCardSize1_textEdited(QString)",
                          "on_myBitrate1_textEdited(QString)", "on_pushButton_4_clicked()",
                          "on_pushButton_3_clicked()"}));
}

// Chooses `id` as last accepted, as a chooser remembers it.
void remember(const QString &id, const QString &frame = QString(), const QString &rate = QString())
{
    QSettings saved(QStringLiteral("kivfilesizecalculator"),
                    QStringLiteral("kivfilesizecalculator"));
    saved.setValue(QStringLiteral("format/id"), id);
    saved.setValue(QStringLiteral("format/frame"), frame);
    saved.setValue(QStringLiteral("format/rate"), rate);
    saved.setValue(QStringLiteral("format/audio"), 0);
}

void TestDialog::chooserBoxesKeepTheirHeight()
{
    // After a camera mode, a codec's four boxes come back whole, at any font.
    const QFont original = QApplication::font();
    const auto restore = qScopeGuard([&original] { QApplication::setFont(original); });
    QFont large = original;
    large.setPixelSize(24);
    QApplication::setFont(large);
    remember(QStringLiteral("sony-xavc-s-4k-100m"));
    KivFormatChooser chooser;
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    // Each family's items in turn, from long names to short and back: every
    // box as wide and high as its items need, whether or not the box's own
    // resize after new items (a timer) has come yet, and the same after it.
    const QStringList families = {QStringLiteral("Apple ProRes"), QStringLiteral("Sony XAVC S"),
                                  QStringLiteral("Apple ProRes")};
    for (const QString &family : families) {
        chooser.findChild<QComboBox *>("family")->setCurrentText(family);
        if (family == families.last()) {
            chooser.findChild<QComboBox *>("format")->setCurrentText(
                QStringLiteral("ProRes 422 HQ"));
        }
        QCoreApplication::processEvents();
        QHash<QString, QRect> laidOut;
        for (const bool afterResize : {false, true}) {
            for (const char *name : {"family", "format", "frame", "rate", "audio"}) {
                const QComboBox *box = chooser.findChild<QComboBox *>(name);
                const QString where = family + QLatin1Char(' ') + QLatin1String(name);
                QComboBox fresh; // measured from these items alone
                fresh.setSizeAdjustPolicy(QComboBox::AdjustToContents);
                for (int i = 0; i < box->count(); ++i) {
                    fresh.addItem(box->itemText(i));
                }
                if (!box->isVisible()) {
                    continue;
                }
                QVERIFY2(box->height() >= fresh.sizeHint().height(), qPrintable(where));
                QVERIFY2(box->width() >= fresh.sizeHint().width(), qPrintable(where));
                QVERIFY2(box->width() >= box->minimumSizeHint().width(), qPrintable(where));
                if (afterResize) {
                    QCOMPARE(box->geometry(), laidOut.value(where));
                }
                laidOut.insert(where, box->geometry());
            }
            QTest::qWait(60);
        }
    }
    QVERIFY(chooser.findChild<QComboBox *>("frame")->isVisible());
    const QLabel *result = chooser.findChild<QLabel *>("result");
    QVERIFY(result->height() >= result->heightForWidth(result->width()));
}

void TestDialog::chooserSaysWhy_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("said"); // the start of the result's text

    QTest::newRow("a figure") << "1280x720"
                              << "59.94"
                              << "220 Mbit/s, target: ";
    QTest::newRow("a side too long") << "99999x99999"
                                     << "25"
                                     << "Width and height must be 1 to 65535 pixels.";
    QTest::newRow("a side of 0") << "0x1080"
                                 << "25"
                                 << "Width and height must be 1 to 65535 pixels.";
    QTest::newRow("no size") << "1920*1080"
                             << "25"
                             << "Write the frame size as width x height";
    QTest::newRow("no rate") << "hd"
                             << "fast"
                             << "Write the frame rate as a number";
    QTest::newRow("fields") << "hd"
                            << "50i"
                            << "184 Mbit/s, target: ";
}

void TestDialog::chooserSaysWhy()
{
    QFETCH(QString, frame);
    QFETCH(QString, rate);
    QFETCH(QString, said);
    remember(QStringLiteral("prores-422-hq"));
    KivFormatChooser chooser;
    chooser.findChild<QComboBox *>("frame")->setCurrentText(frame);
    chooser.findChild<QComboBox *>("rate")->setCurrentText(rate);
    auto *result = chooser.findChild<QLabel *>("result");
    QVERIFY2(result->text().startsWith(said), qPrintable(result->text()));
    // A screen reader hears the result itself, and what it is.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(result);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name), result->text());
    QCOMPARE(accessible->text(QAccessible::Description),
             QStringLiteral("Bitrate of the chosen format"));
}

void TestDialog::chooserRestoresItsRows()
{
    // A remembered codec in a family whose first entry is a camera mode.
    const QString path = config.filePath(QStringLiteral("kivfilesizecalculator/formats.json"));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"formats": [
        {"id": "mixed-mode", "name": "Mode", "family": "Mixed", "nature": "max", "audio": true,
         "source": "me", "kind": "fixed", "mbps": 10},
        {"id": "mixed-codec", "name": "Codec", "family": "Mixed", "nature": "target",
         "audio": false, "source": "me", "kind": "table", "rates": [25],
         "sizes": [{"frame": "hd", "mbps": [100]}]}]})");
    file.close();
    const auto removed = qScopeGuard([&file] { file.remove(); });
    remember(QStringLiteral("mixed-codec"), QStringLiteral("hd"), QStringLiteral("25"));
    KivFormatChooser chooser;
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QCOMPARE(chooser.findChild<QComboBox *>("format")->currentText(), QStringLiteral("Codec"));
    QVERIFY(chooser.findChild<QComboBox *>("frame")->isVisible());
    QVERIFY(chooser.findChild<QComboBox *>("rate")->isVisible());
    QCOMPARE(chooser.mbps(), std::optional<double>(100));
}

void TestDialog::bitrateFieldsSayWhatTheyTake()
{
    for (const char *name : {"myBitrate1", "myBitrate2"}) {
        QLineEdit *edit = child<QLineEdit>(QLatin1String(name));
        const QString hint = edit->toolTip();
        QVERIFY2(hint.contains(QLatin1String("Right-click")) &&
                     hint.contains(QLatin1String("drop")),
                 qPrintable(hint));
        // A measured bitrate's tooltip holds until it is cleared; the hint returns.
        edit->setToolTip(QStringLiteral("Measured from clips (1)"));
        edit->setToolTip(QString());
        QCOMPARE(edit->toolTip(), hint);
    }
}

// "Free space of a mounted card…" lists the volumes with their free and
// total GB; the free space of the one chosen is typed into the card size,
// which Calculate then takes with the bitrate.
void TestDialog::cardSizeTakesAVolumesFreeSpace()
{
    run({"myBitrate1=100"});
    child<QLineEdit>("myCardSize1")->setFocus();
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Menu);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->actions().value(0)->text(), QString::fromUtf8("Free space of a mounted card…"));
    QCOMPARE(menu->actions().value(1)->text(), QString::fromUtf8("Plan a shoot…"));
    QTest::keyClick(menu, Qt::Key_Return);
    auto *box = dialog->findChild<QInputDialog *>();
    QVERIFY(box != nullptr && box->isVisible());
    const QStringList items = box->comboBoxItems();
    const QString root = QStorageInfo::root().rootPath();
    const qsizetype at = items.indexOf(QRegularExpression(
        "^(.* at )?" + QRegularExpression::escape(root) + ": [0-9.e+]+ GB free of [0-9.e+]+ GB$"));
    QVERIFY2(at >= 0, qPrintable(items.join('\n')));
    const QString free = items[at].section(QLatin1String(": "), -1).section(u' ', 0, 0);
    const double gb = kivGigabytes(QStorageInfo::root().bytesAvailable());
    QVERIFY2(qAbs(free.toDouble() - gb) <= 0.01 * gb + 0.1, qPrintable(items[at]));
    box->setTextValue(items[at]);
    box->accept();
    QTRY_VERIFY(dialog->findChild<QInputDialog *>() == nullptr);
    QCOMPARE(child<QLineEdit>("myCardSize1")->text(), free);
    run({"calc"});
    QCOMPARE(child<QLineEdit>("myTime1")->text(),
             kivTimeText(kivSeconds(KivLocalNumbers().read(free), 100)));
}

QTEST_MAIN(TestDialog)
#include "test_dialog.moc"
