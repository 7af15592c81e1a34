// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A seeded random walk through the dialog: long sequences of keystrokes and
// clicks, each followed by a comparison of all five field texts with a model
// of the dialog kept beside it.
//
// KIV_MONKEY_ACTIONS sets the number of actions (default 10000) and
// KIV_MONKEY_SEED the seed (default 1), so that a failure can be replayed.

#include "app/KivFileSizeCalculator.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <random>
#include <vector>

namespace {

enum Field
{
    Bitrate1,
    CardSize1,
    Time1,
    Bitrate2,
    Bitrate3,
    FieldCount
};
constexpr int kNone = -1;
const char *const kFieldNames[FieldCount] = {"myBitrate1", "myCardSize1", "myTime1", "myBitrate2",
                                             "myBitrate3"};

using Texts = std::array<QString, FieldCount>;

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

// A field's number: text the toolkit cannot convert (overflow included) is 0.
double valueOf(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : 0.0;
}

// The value of one piece of a time text: its first run of decimal digits.
std::uint32_t pieceValue(const QByteArray &piece)
{
    std::uint32_t value = 0;
    qsizetype i = 0;
    while (i < piece.size() && (piece[i] < '0' || piece[i] > '9')) {
        ++i;
    }
    for (; i < piece.size() && piece[i] >= '0' && piece[i] <= '9'; ++i) {
        value = value * 10u + std::uint32_t(piece[i] - '0');
    }
    return value;
}

// Seconds of an hours:minutes:seconds text, fields taken from the right.
std::uint32_t timeSeconds(const QByteArray &text)
{
    const qsizetype dot = text.indexOf('.');
    const QByteArray fields = dot > 0 ? text.left(dot) : text;
    std::vector<QByteArray> pieces;
    QByteArray piece;
    for (const char c : fields) {
        if (c == ':') {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.isEmpty()) {
        pieces.push_back(piece);
    }
    std::uint32_t value[3] = {0, 0, 0}; // seconds, minutes, hours
    for (std::size_t i = 0; i < 3 && i < pieces.size(); ++i) {
        value[i] = pieceValue(pieces[pieces.size() - 1 - i]);
    }
    return value[0] + 60u * value[1] + 3600u * value[2];
}

QString duration(std::uint32_t seconds)
{
    return QString::asprintf("%02u:%02u:%02u", seconds / 3600u, seconds / 60u % 60u, seconds % 60u);
}

// What the walk reached, so that a run can show it exercised the dialog.
enum Reached
{
    ComputedNothing,
    ComputedBitrate,
    ComputedCardSize,
    ComputedTime,
    QuotientNaN,
    QuotientNegative,
    QuotientTooLarge,
    DayOrMore,
    ReachedCount
};
const char *const kReachedNames[ReachedCount] = {
    "nothing computed", "bitrate computed",  "card size computed",       "time computed",
    "NaN quotient",     "negative quotient", "quotient of 2^32 or more", "a day or more"};

std::uint32_t secondsOf(double quotient, std::array<long, ReachedCount> &reached)
{
    if (std::isnan(quotient)) {
        ++reached[QuotientNaN];
        return 0;
    }
    if (quotient < 0.0) {
        ++reached[QuotientNegative];
        return 0;
    }
    if (quotient >= 4294967296.0) {
        ++reached[QuotientTooLarge];
        return 4294967295u;
    }
    return std::uint32_t(quotient);
}

// The dialog as the user sees it: field texts and the edit tracking.
struct Model
{
    Texts text;
    int last = kNone;
    int previous = kNone;
    std::array<long, ReachedCount> reached{};

    void track(int field)
    {
        if (field != last) {
            previous = last;
            last = field;
        }
        for (int f : {Bitrate1, CardSize1, Time1}) {
            if (f != last && f != previous) {
                text[f].clear();
            }
        }
    }

    // The user changed the text of `field`.
    void edited(int field)
    {
        switch (field) {
        case Bitrate1: {
            track(Bitrate1);
            const double mbits = valueOf(text[Bitrate1]);
            text[Bitrate2] = number(mbits);
            text[Bitrate3] = number(mbits * 0.125);
            break;
        }
        case CardSize1:
        case Time1:
            track(field);
            break;
        case Bitrate2: {
            const double mbits = valueOf(text[Bitrate2]);
            text[Bitrate3] = number(mbits * 0.125);
            track(Bitrate1);
            text[Bitrate1] = number(mbits);
            break;
        }
        case Bitrate3: {
            const double mbits = valueOf(text[Bitrate3]) * 8.0;
            text[Bitrate2] = number(mbits);
            track(Bitrate1);
            text[Bitrate1] = number(mbits);
            break;
        }
        }
    }

    void calculate()
    {
        double bitrate = valueOf(text[Bitrate1]);
        double cardSize = valueOf(text[CardSize1]);
        std::uint32_t seconds = timeSeconds(text[Time1].toLatin1());
        const double count = seconds;

        // The field that is neither of the last two edited; one edit alone
        // computes the time, or the card size when it was the time.
        int computed = kNone;
        if (previous != kNone) {
            computed = Bitrate1 + CardSize1 + Time1 - last - previous;
        } else if (last != kNone) {
            computed = last == Time1 ? CardSize1 : Time1;
        }

        if (computed == CardSize1) {
            cardSize = count * bitrate * 0.125 * 0.0009765625;
            ++reached[ComputedCardSize];
        } else if (computed == Bitrate1) {
            bitrate = seconds == 0 ? 0.0 : cardSize * 1024.0 * 8.0 / count;
            ++reached[ComputedBitrate];
        } else if (computed == Time1) {
            seconds = bitrate == 0.0 ? 0 : secondsOf(cardSize * 1024.0 * 8.0 / bitrate, reached);
            ++reached[ComputedTime];
        } else {
            ++reached[ComputedNothing];
        }
        if (seconds >= 86400u) {
            ++reached[DayOrMore];
        }

        text[Bitrate2] = number(bitrate);
        text[Bitrate3] = number(bitrate * 0.125);
        text[Bitrate1] = number(bitrate);
        text[CardSize1] = number(cardSize);
        text[Time1] = duration(seconds);
    }

    void reset()
    {
        for (QString &t : text) {
            t.clear();
        }
    }
};

// One keystroke: a text to type, or a key with no text.
struct Key
{
    enum Kind
    {
        Type,
        Home,
        End,
        Right,
        Left,
        Backspace,
        Delete,
        SelectAll
    } kind;
    QString typed; // for Type: one character
};

class Rng
{
public:
    explicit Rng(std::uint64_t seed) : engine(seed) {}
    // 0 .. n-1
    int below(int n) { return int(engine() % std::uint64_t(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::mt19937_64 engine;
};

QString digits(Rng &rng, int count)
{
    QString s;
    for (int i = 0; i < count; ++i) {
        s += QChar('0' + rng.below(10));
    }
    return s;
}

QString decimalText(Rng &rng)
{
    QString s;
    if (rng.chance(15)) {
        s += rng.chance(70) ? '-' : '+';
    }
    s += digits(rng, 1 + rng.below(rng.chance(20) ? 12 : 4));
    if (rng.chance(35)) {
        s += '.' + digits(rng, rng.below(7));
    }
    if (rng.chance(12)) {
        s += QString(rng.chance(50) ? "e" : "E") + (rng.chance(40) ? "-" : "") +
             QString::number(rng.below(330));
    }
    return s;
}

QString timeText(Rng &rng)
{
    QString s;
    const int pieces = 1 + rng.below(rng.chance(15) ? 6 : 3);
    for (int i = 0; i < pieces; ++i) {
        if (i > 0) {
            s += ':';
        }
        if (!rng.chance(8)) {
            s += digits(rng, 1 + rng.below(rng.chance(10) ? 11 : 2));
        }
    }
    if (rng.chance(10)) {
        s += '.' + digits(rng, rng.below(4));
    }
    if (rng.chance(5)) {
        s += ':';
    }
    return s;
}

QString junkText(Rng &rng)
{
    static const QString ascii = QStringLiteral("0123456789012345..::--+eE  axXnNfiIt,;/%\\_");
    static const QString other = QString::fromUtf8("é²½€µ");
    QString s;
    const int length = 1 + rng.below(10);
    for (int i = 0; i < length; ++i) {
        s += rng.chance(6) ? other[rng.below(int(other.size()))]
                           : ascii[rng.below(int(ascii.size()))];
    }
    return s;
}

QString specialText(Rng &rng)
{
    static const QStringList texts =
        QStringLiteral(
            "0|-0|inf|-inf|nan|nan|1e308|-1e308|1e-300|1e-320|4294967295|4294967296|"
            "8192|524288|1193046:28:15|1193046:28:16|99999:99:99|4294967295:59:59|"
            "65536:0:0|0x1A|1,5| 7 |.5|5.|..|:|::|:30|1:2:|1:2:3:4|-1:00|2:00:00.250|"
            "1.5:30|.1:2:3|1e|e5|+3|40:00:00|1:00:00|1.5|12|1e400|-1e400|1e309| 4 |INF|-nan")
            .split('|');
    return texts[rng.below(int(texts.size()))];
}

QString longText(Rng &rng)
{
    QString s = digits(rng, rng.chance(5) ? 1000 + rng.below(1000) : 20 + rng.below(280));
    if (rng.chance(40)) {
        s.insert(rng.below(int(s.size())), rng.chance(50) ? '.' : ':');
    }
    return s;
}

QString randomText(Rng &rng, int field)
{
    const int roll = rng.below(100);
    if (roll < 3) {
        return longText(rng);
    }
    if (roll < 18) {
        return specialText(rng);
    }
    if (roll < 30) {
        return junkText(rng);
    }
    const bool timeLike = field == Time1 ? roll < 85 : roll < 40;
    return timeLike ? timeText(rng) : decimalText(rng);
}

// One step of an action: a key in a field, a click, Return in a field, or a
// new dialog.
struct Step
{
    enum Kind
    {
        Press,
        Calculate,
        Reset,
        Return,
        NewDialog
    } kind;
    int field;
    Key key;
};

// A text for the report, quoted; long ones shortened in the middle.
QString quoted(const QString &text)
{
    if (text.size() <= 120) {
        return '"' + text + '"';
    }
    return QString("\"%1...%2\" (%3 characters)")
        .arg(text.left(50), text.right(50))
        .arg(text.size());
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void randomWalk();

private:
    void openDialog();
    void countReached();
    std::vector<Step> nextAction(Rng &rng, QString &action) const;
    void press(int field, const Key &key);
    void click(QPushButton *button);
    void returnIn(int field);
    bool matches() const;
    void describe(const QString &action);
    QString report() const;

    std::unique_ptr<KivFileSizeCalculator> dialog;
    std::array<QLineEdit *, FieldCount> edits{};
    QPushButton *calculateButton = nullptr;
    QPushButton *resetButton = nullptr;

    Model model;
    int cursor = 0; // in the field being typed in, valid within one action
    bool selected = false;
    std::array<long, ReachedCount> reached{};
    std::deque<QString> tail;
    std::uint64_t seed = 1;
    long actionIndex = 0;
    long keystrokes = 0;
};

void TestMonkey::init()
{
    reached = {};
    openDialog();
}

// A fresh dialog, and a fresh model beside it.
void TestMonkey::openDialog()
{
    countReached();
    dialog = std::make_unique<KivFileSizeCalculator>();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    for (int f = 0; f < FieldCount; ++f) {
        edits[f] = dialog->findChild<QLineEdit *>(kFieldNames[f]);
        QVERIFY(edits[f] != nullptr);
    }
    calculateButton = dialog->findChild<QPushButton *>("pushButton_4");
    resetButton = dialog->findChild<QPushButton *>("pushButton_3");
    QVERIFY(calculateButton != nullptr && resetButton != nullptr);
    model = Model();
}

// Adds what the model reached to the walk's counts.
void TestMonkey::countReached()
{
    std::transform(reached.begin(), reached.end(), model.reached.begin(), reached.begin(),
                   std::plus<long>());
    model.reached = {};
}

void TestMonkey::cleanup()
{
    dialog.reset();
}

// Sends one key to the field and applies its effect to the model.
void TestMonkey::press(int field, const Key &key)
{
    QLineEdit *edit = edits[field];
    QString &text = model.text[field];
    bool changed = false;
    switch (key.kind) {
    case Key::Type: {
        const QChar c = key.typed[0];
        if (c.unicode() < 0x80) {
            QTest::keyClick(edit, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, key.typed, Qt::NoModifier);
        }
        if (selected) {
            text.clear();
            cursor = 0;
        }
        text.insert(cursor++, c);
        changed = true;
        break;
    }
    case Key::Home:
        QTest::keyClick(edit, Qt::Key_Home);
        cursor = 0;
        break;
    case Key::End:
        QTest::keyClick(edit, Qt::Key_End);
        cursor = int(text.size());
        break;
    case Key::Right:
        QTest::keyClick(edit, Qt::Key_Right);
        cursor = qMin(cursor + 1, int(text.size()));
        break;
    case Key::Left:
        QTest::keyClick(edit, Qt::Key_Left);
        cursor = qMax(cursor - 1, 0);
        break;
    case Key::Backspace:
        QTest::keyClick(edit, Qt::Key_Backspace);
        if (selected) {
            text.clear();
            cursor = 0;
            changed = true;
        } else if (cursor > 0) {
            text.remove(--cursor, 1);
            changed = true;
        }
        break;
    case Key::Delete:
        QTest::keyClick(edit, Qt::Key_Delete);
        if (selected) {
            text.clear();
            cursor = 0;
            changed = true;
        } else if (cursor < text.size()) {
            text.remove(cursor, 1);
            changed = true;
        }
        break;
    case Key::SelectAll:
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        cursor = int(text.size());
        selected = !text.isEmpty();
        ++keystrokes;
        return;
    }
    selected = false;
    ++keystrokes;
    if (changed) {
        model.edited(field);
    }
}

void TestMonkey::click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
    if (button == calculateButton) {
        model.calculate();
    } else {
        model.reset();
    }
}

// Return or Enter in a field presses the default button, "Calculate".
void TestMonkey::returnIn(int field)
{
    QTest::keyClick(edits[field], actionIndex % 2 == 0 ? Qt::Key_Return : Qt::Key_Enter);
    model.calculate();
}

bool TestMonkey::matches() const
{
    for (int f = 0; f < FieldCount; ++f) {
        if (edits[f]->text() != model.text[f]) {
            return false;
        }
    }
    return true;
}

void TestMonkey::describe(const QString &action)
{
    tail.push_back(QString::number(actionIndex) + ": " + action);
    if (tail.size() > 30) {
        tail.pop_front();
    }
}

QString TestMonkey::report() const
{
    const auto tracked = [](int field) {
        return field == kNone ? QString("null") : QString::fromLatin1(kFieldNames[field]);
    };
    QString out = QString("seed %1, action %2 (replay with KIV_MONKEY_SEED=%1 "
                          "KIV_MONKEY_ACTIONS=%3)\nlast actions:\n")
                      .arg(seed)
                      .arg(actionIndex)
                      .arg(actionIndex + 1);
    for (const QString &line : tail) {
        out += "  " + line + '\n';
    }
    out += QString("model tracking: last %1, previous %2\n")
               .arg(tracked(model.last), tracked(model.previous));
    out += QString("%1 %2 %3\n").arg("field", -12).arg("dialog", -30).arg("model");
    for (int f = 0; f < FieldCount; ++f) {
        const QString mark = edits[f]->text() == model.text[f] ? " " : "*";
        out += QString("%1%2 %3 %4\n")
                   .arg(mark)
                   .arg(QString::fromLatin1(kFieldNames[f]), -11)
                   .arg(quoted(edits[f]->text()), -30)
                   .arg(quoted(model.text[f]));
    }
    return out;
}

// The next random action as its steps, with a description for the report.
std::vector<Step> TestMonkey::nextAction(Rng &rng, QString &action) const
{
    std::vector<Step> steps;
    const auto keys = [&steps](int field, Key::Kind kind, int count = 1) {
        for (int i = 0; i < count; ++i) {
            steps.push_back({Step::Press, field, {kind, {}}});
        }
    };
    const auto type = [&steps](int field, const QString &typed) {
        for (const QChar c : typed) {
            steps.push_back({Step::Press, field, {Key::Type, QString(c)}});
        }
    };
    const auto replace = [&](int field, const QString &typed) {
        keys(field, Key::SelectAll);
        if (typed.isEmpty()) {
            keys(field, Key::Backspace);
        }
        type(field, typed);
    };

    const int roll = rng.below(100);
    const int field = rng.below(8) < 6 ? rng.below(3) : Bitrate2 + rng.below(2);
    const QString name = QString::fromLatin1(kFieldNames[field]);
    const qsizetype length = model.text[field].size();
    // The cursor to a place near either end, a step beyond it at most.
    const auto moveInto = [&]() {
        const int steps = rng.below(int(qMin<qsizetype>(length, 40)) + 2);
        const bool fromHome = rng.chance(50);
        keys(field, fromHome ? Key::Home : Key::End);
        keys(field, fromHome ? Key::Right : Key::Left, steps);
        return QString(fromHome ? "Home, Right %1 times" : "End, Left %1 times").arg(steps);
    };

    if (rng.chance(1) && rng.chance(30)) {
        action = "new dialog";
        steps.push_back({Step::NewDialog, kNone, {}});
    } else if (roll < 10) {
        action = "Calculate";
        steps.push_back({Step::Calculate, kNone, {}});
    } else if (roll < 16) {
        action = "Return in " + name;
        steps.push_back({Step::Return, field, {}});
    } else if (roll < 20) {
        action = "Reset";
        steps.push_back({Step::Reset, kNone, {}});
    } else if (roll < 28) {
        // Two first-group values replaced, then Calculate.
        const int first = rng.below(3);
        const int second = (first + 1 + rng.below(2)) % 3;
        const QString one = rng.chance(30) ? specialText(rng) : randomText(rng, first);
        const QString two = rng.chance(30) ? specialText(rng) : randomText(rng, second);
        action = QString("replace %1 with %2, %3 with %4, Calculate")
                     .arg(QString::fromLatin1(kFieldNames[first]), quoted(one),
                          QString::fromLatin1(kFieldNames[second]), quoted(two));
        replace(first, one);
        replace(second, two);
        steps.push_back({Step::Calculate, kNone, {}});
    } else if (roll < 50 && length < 400) {
        const QString typed = randomText(rng, field);
        action = "type at the end of " + name + ": " + quoted(typed);
        keys(field, Key::End);
        type(field, typed);
    } else if (roll < 66) {
        const QString typed = rng.chance(10) ? QString() : randomText(rng, field);
        action = "select all in " + name + " and type " + quoted(typed);
        replace(field, typed);
    } else if (roll < 82) {
        const int count = rng.chance(15) ? int(length) + 1 : 1 + rng.below(4);
        action = QString("Backspace %1 times at the end of %2").arg(count).arg(name);
        keys(field, Key::End);
        keys(field, Key::Backspace, count);
    } else if (roll < 92 && length < 400) {
        const QString typed = rng.chance(50) ? junkText(rng) : decimalText(rng);
        action = moveInto() + ", type " + quoted(typed) + " in " + name;
        type(field, typed);
    } else {
        const int count = 1 + rng.below(3);
        action = moveInto() + QString(", Delete %1 times in %2").arg(count).arg(name);
        keys(field, Key::Delete, count);
    }
    return steps;
}

void TestMonkey::randomWalk()
{
    long actions = 10000;
    if (const char *value = std::getenv("KIV_MONKEY_ACTIONS")) {
        actions = std::atol(value);
    }
    if (const char *value = std::getenv("KIV_MONKEY_SEED")) {
        seed = std::strtoull(value, nullptr, 10);
    }
    Rng rng(seed);
    QElapsedTimer timer;
    timer.start();

    for (actionIndex = 0; actionIndex < actions; ++actionIndex) {
        QString action;
        const std::vector<Step> steps = nextAction(rng, action);
        describe(action);
        selected = false;
        for (std::size_t k = 0; k < steps.size(); ++k) {
            const Step &step = steps[k];
            switch (step.kind) {
            case Step::Press:
                press(step.field, step.key);
                break;
            case Step::Calculate:
                click(calculateButton);
                break;
            case Step::Reset:
                click(resetButton);
                break;
            case Step::Return:
                returnIn(step.field);
                break;
            case Step::NewDialog:
                openDialog();
                if (QTest::currentTestFailed()) {
                    return;
                }
                break;
            }
            if (!matches()) {
                QFAIL(qPrintable(QString("after step %1 of %2 of the last action\n%3")
                                     .arg(k + 1)
                                     .arg(steps.size())
                                     .arg(report())));
            }
        }
        // Let the dialog paint now and then, as it does between a user's keystrokes.
        if (actionIndex % 200 == 0) {
            QCoreApplication::processEvents();
        }
    }
    qInfo("%ld actions, %ld keystrokes, seed %llu, %lld ms", actions, keystrokes,
          static_cast<unsigned long long>(seed), static_cast<long long>(timer.elapsed()));
    countReached();
    QString summary;
    for (int r = 0; r < ReachedCount; ++r) {
        summary += QString("%1%2: %3").arg(r == 0 ? "" : ", ", kReachedNames[r]).arg(reached[r]);
    }
    qInfo("%s", qPrintable(summary));
    // A long walk that misses one of these no longer tests what it should.
    if (actions >= 10000) {
        for (int r = 0; r < ReachedCount; ++r) {
            QVERIFY2(reached[r] > 0, kReachedNames[r]);
        }
    }
}

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
