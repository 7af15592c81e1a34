// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The dialog in each shipped language: every text is the translation source's
// translation, numbers read and compute as in English and show the language's
// decimal separator, and with no match the texts are the form's own.
#include "app/KivClipDrop.h"
#include "app/KivFileSizeCalculator.h"
#include "app/KivPlanner.h"
#include "app/KivTranslations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Every text a user meets, by widget and role.
QMap<QString, QString> textsOf(const QWidget &dialog)
{
    QMap<QString, QString> texts{{QStringLiteral("window"), dialog.windowTitle()}};
    for (const QGroupBox *box : dialog.findChildren<QGroupBox *>()) {
        texts[box->objectName()] = box->title();
    }
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        texts[label->objectName()] = label->text();
    }
    for (const QPushButton *button : dialog.findChildren<QPushButton *>()) {
        texts[button->objectName()] = button->text();
    }
    for (const QLineEdit *edit : dialog.findChildren<QLineEdit *>()) {
        texts[edit->objectName() + QStringLiteral(" name")] = edit->accessibleName();
    }
    return texts;
}

// The planner's texts besides those of textsOf: its actions, menus, column
// headers, the table's name and the units it offers.
QMap<QString, QString> plannerTexts(const KivPlanner &planner)
{
    QMap<QString, QString> texts = textsOf(planner);
    for (const QAction *action : planner.findChildren<QAction *>()) {
        if (!action->objectName().isEmpty()) {
            texts[action->objectName()] = action->text();
        }
    }
    for (const QMenu *menu : planner.findChildren<QMenu *>()) {
        texts[menu->objectName()] = menu->title();
    }
    for (const QCheckBox *box : planner.findChildren<QCheckBox *>()) {
        texts[box->objectName()] = box->text();
        texts[box->objectName() + QStringLiteral(" tip")] = box->toolTip();
    }
    const auto *view = planner.findChild<QTableView *>();
    texts[QStringLiteral("table name")] = view->accessibleName();
    for (int c = 0; c < view->model()->columnCount(); ++c) {
        texts[QStringLiteral("column %1").arg(c)] =
            view->model()->headerData(c, Qt::Horizontal).toString();
    }
    const auto *units = planner.findChild<QComboBox *>(QStringLiteral("units"));
    for (int i = 0; i < units->count(); ++i) {
        texts[QStringLiteral("units %1").arg(i)] = units->itemText(i);
    }
    return texts;
}

// Source text to translation, read from a translation source file.
QMap<QString, QString> translationsIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    QMap<QString, QString> translations;
    QXmlStreamReader xml(&file);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            translations[source] = xml.readElementText();
        } else if (xml.isStartElement()) {
            continue;
        } else {
            xml.readNext();
        }
    }
    return translations;
}

// The fields after typing a card size and a time and pressing Return, and
// after typing a bitrate with a fraction.
QStringList computedFields(KivFileSizeCalculator &dialog)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) {
        return {};
    }
    const auto field = [&dialog](const char *name) {
        return dialog.findChild<QLineEdit *>(QLatin1String(name));
    };
    QTest::keyClicks(field("myCardSize1"), QStringLiteral("4.5"));
    QTest::keyClicks(field("myTime1"), QStringLiteral("1:00:00"));
    QTest::keyClick(field("myTime1"), Qt::Key_Return);
    QStringList shown;
    for (const char *name : {"myBitrate1", "myCardSize1", "myTime1", "myBitrate2", "myBitrate3"}) {
        shown << field(name)->text();
    }
    field("myBitrate3")->clear();
    QTest::keyClicks(field("myBitrate3"), QStringLiteral("1.25"));
    shown << field("myBitrate1")->text();
    return shown;
}

// English figures as the default locale writes decimals.
QStringList inLocale(QStringList figures)
{
    figures.replaceInStrings(QStringLiteral("."), QLocale().decimalPoint());
    return figures;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void translated_data();
    void translated();
    void untranslated_data();
    void untranslated();
    void planner_data();
    void planner();

private:
    QMap<QString, QString> english;
    QStringList englishFields;
};

void TestTranslations::initTestCase()
{
    KivFileSizeCalculator dialog;
    english = textsOf(dialog);
    englishFields = computedFields(dialog);
    QCOMPARE(englishFields, (QStringList{"10.24", "4.5", "01:00:00", "10.24", "1.28", "10"}));
}

void TestTranslations::cleanup()
{
    kivInstallTranslations(QLocale::c(), QStringLiteral(KIV_QM_DIR));
    QLocale::setDefault(QLocale::c());
}

void TestTranslations::translated_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de_DE"
                            << "de";
    QTest::newRow("German, Austria") << "de_AT"
                                     << "de";
    QTest::newRow("French") << "fr_FR"
                            << "fr";
    QTest::newRow("Spanish") << "es_ES"
                             << "es";
    QTest::newRow("Italian") << "it_IT"
                             << "it";
    QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                          << "pt_BR";
}

void TestTranslations::translated()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QLocale::setDefault(QLocale(locale));
    QVERIFY(kivInstallTranslations(QLocale(), QStringLiteral(KIV_QM_DIR)));
    const QMap<QString, QString> translations =
        translationsIn(QStringLiteral(KIV_TS_DIR "/kivfilesizecalculator_%1.ts").arg(language));

    KivFileSizeCalculator dialog;
    const QMap<QString, QString> texts = textsOf(dialog);
    QCOMPARE(texts.keys(), english.keys());
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        QVERIFY2(translations.contains(it.value()), qPrintable(it.value()));
        QCOMPARE(texts[it.key()], translations[it.value()]);
    }
    for (const char *name : {"groupBox", "groupBox_2", "pushButton_3", "pushButton_4"}) {
        QVERIFY2(texts[QLatin1String(name)] != english[QLatin1String(name)], name);
    }
    QCOMPARE(computedFields(dialog), inLocale(englishFields));
    // Every reason the measuring child can give is worded in the language.
    for (const KivClipReasonText &reason : KIV_CLIP_REASONS) {
        const QString words = KivClipDrop::words(reason.reason);
        QVERIFY2(!words.isEmpty() && words != QLatin1String(reason.text), reason.code);
        QCOMPARE(words, translations[QLatin1String(reason.text)]);
    }
}

void TestTranslations::untranslated_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C";
    QTest::newRow("English") << "en_US";
    QTest::newRow("Portuguese, Portugal") << "pt_PT";
    QTest::newRow("Japanese") << "ja_JP";
}

void TestTranslations::untranslated()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    QVERIFY(!kivInstallTranslations(QLocale(), QStringLiteral(KIV_QM_DIR)));
    KivFileSizeCalculator dialog;
    QCOMPARE(textsOf(dialog), english);
    QCOMPARE(computedFields(dialog), inLocale(englishFields));
}

void TestTranslations::planner_data()
{
    translated_data();
}

void TestTranslations::planner()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    const QMap<QString, QString> english = plannerTexts(KivPlanner());
    QLocale::setDefault(QLocale(locale));
    QVERIFY(kivInstallTranslations(QLocale(), QStringLiteral(KIV_QM_DIR)));
    const QMap<QString, QString> translations =
        translationsIn(QStringLiteral(KIV_TS_DIR "/kivfilesizecalculator_%1.ts").arg(language));
    KivPlanner planner;
    const QMap<QString, QString> texts = plannerTexts(planner);
    QCOMPARE(texts.keys(), english.keys());
    // Texts the sources hold as they stand; the others are built of them.
    int sources = 0;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (translations.contains(it.value()) && !it.value().isEmpty()) {
            QCOMPARE(texts[it.key()], translations[it.value()]);
            ++sources;
        }
    }
    QVERIFY2(sources > 40, qPrintable(QString::number(sources)));
    for (const char *name : {"shootBox", "totalsBox", "camerasLabel", "cameraMenu", "column 2",
                             "actionSaveAs", "units 0", "window"}) {
        QVERIFY2(texts[QLatin1String(name)] != english[QLatin1String(name)], name);
    }
    // No two mnemonics of the window (its labels, buttons and menus) clash.
    QStringList keys;
    for (const auto &[key, text] : texts.asKeyValueRange()) {
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < text.size() && !key.startsWith(QLatin1String("action"))) {
            keys << text.mid(amp + 1, 1).toLower();
        }
    }
    QCOMPARE(keys.size(), 19);
    keys.removeDuplicates();
    QCOMPARE(keys.size(), 19);
    // Figures as the language writes them.
    KivPlan plan;
    plan.cameras << KivPlanCamera{QStringLiteral("A"), 1, 3600, {KivPlanBitrate{2.5}, {}}};
    planner.setPlan(plan, QString());
    QCOMPARE(planner.findChild<QLabel *>(QStringLiteral("perDay"))->text(),
             inLocale({QStringLiteral("1.09863")}).constFirst());
    // Faults in the language, naming the field or the camera as its row does.
    plan.days = 0;
    planner.setPlan(plan, QString());
    const QString rule = translations[QStringLiteral("must be a whole number from %1 to %2")];
    QVERIFY(!rule.isEmpty());
    QCOMPARE(planner.fault(), translations[QStringLiteral("%1: %2")].arg(
                                  translations[QStringLiteral("Days")], rule.arg(1).arg(10000)));
    plan.days = 1;
    plan.cameras[0].count = 0;
    planner.setPlan(plan, QString());
    const QString camera = translations[QStringLiteral("Camera %1, %2")].arg(1).arg("A");
    QCOMPARE(planner.fault(),
             translations[QStringLiteral("%1: %2")].arg(
                 translations[QStringLiteral("%1, %2")].arg(camera, texts["column 1"]),
                 rule.arg(1).arg(1000)));
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
