// SPDX-License-Identifier: MIT
// Random sequences of what a user can do with the two windows, checked step by step against a model of what the
// program should show: which windows are loaded and visible, every field of both windows, the messages, the end
// of the program.
#include "test_support.h"

#include "figure_geometry.h"
#include "form3.h"
#include "form1.h"
#include "number_rules.h"
#include "solar_hour.h"
#include "solver.h"
#include "forms.h"
#include "numeric_overflow.h"
#include "runtime_error.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <map>
#include <random>

using namespace Qt::StringLiterals;

namespace {

const QStringList valuePool = {u""_s,  u"30"_s,    u"120"_s,    u"7"_s,   u"abc"_s,
                               u" "_s, u"1e308"_s, u"-1e308"_s, u"400"_s, u"-90"_s};
const QStringList &mainFields = textBoxNames(u"Form1");
const QStringList &viewFields = textBoxNames(u"Form3");
const QStringList mainButtons = {u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Command4"_s, u"Picture1"_s};
const QStringList viewButtons = {u"Command1"_s, u"Command2"_s, u"Command3"_s};

constexpr int Seeds = 20;
constexpr int StepsPerSeed = 200;

int stepsPlayed = 0;
int programRuns = 0;
int faultsRaised = 0;
int mainShownAgain = 0;
int mainLoadedUnseen = 0;

// What the program should show after each step.
struct Model {
    bool mainLoaded = false;
    bool mainVisible = false;
    bool mainSeen = false; // shown since it was loaded
    bool viewLoaded = false;
    bool viewVisible = false;
    std::map<QString, QString> main;
    std::map<QString, QString> view;
    int ends = 0;
    std::vector<int> errors; // raised by the last step

    // A fresh main window: its load step empties every field, and the formula field starts empty.
    void loadMain(bool visible)
    {
        mainLoaded = true;
        mainVisible = mainSeen = visible;
        for (const QString &field : mainFields)
            main[field] = QString();
    }
    void loadView()
    {
        viewLoaded = true;
        view = {{u"Text1"_s, main[u"Text1"_s]}, {u"Text3"_s, main[u"Text2"_s]}, {u"Text4"_s, main[u"Text3"_s]}};
    }
    // A closed window takes its fields with it; a close that leaves only hidden windows shows the main window, unless
    // the user never saw it since it was loaded: then the program ends.
    void closeMain()
    {
        mainLoaded = mainVisible = false;
        main.clear();
        if (viewLoaded)
            viewVisible = true;
        else
            ++ends;
    }
    void closeView()
    {
        viewLoaded = viewVisible = false;
        view.clear();
        if (mainLoaded && mainSeen) {
            mainShownAgain += !mainVisible;
            mainVisible = true;
        } else {
            mainLoaded = mainVisible = false;
            main.clear();
            ++ends;
        }
    }
    // Reads a main-window field from a view button: a closed main window is loaded again, unseen.
    double readMain(const QString &field)
    {
        if (!mainLoaded) {
            loadMain(false);
            ++mainLoadedUnseen;
        }
        return readNumber(main[field]);
    }
};

Form1 *loadedMain()
{
    return Forms::isLoaded<Form1>() ? &Forms::get<Form1>() : nullptr;
}

Form3 *loadedView()
{
    return Forms::isLoaded<Form3>() ? &Forms::get<Form3>() : nullptr;
}

} // namespace

class TestLifecycleModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init();
    void cleanup();
    void cleanupTestCase();
    void randomSequences_data();
    void randomSequences();

private:
    void startProgram();
    void playStep(std::mt19937 &random, QString &what);
    void typeIntoMain(std::mt19937 &random, QString &what);
    void typeIntoView(std::mt19937 &random, QString &what);
    void pressMain(const QString &control);
    void pressView(const QString &control);
    void checkInvariants(int endsBefore, const QString &what);

    Model m_model;
    std::unique_ptr<MessageRecorder> m_recorder;
};

void TestLifecycleModel::init()
{
    resetProgramState();
    m_recorder = std::make_unique<MessageRecorder>();
    m_model = Model{};
}

void TestLifecycleModel::cleanup()
{
    m_recorder.reset();
    resetProgramState();
}

void TestLifecycleModel::cleanupTestCase()
{
    qDebug().noquote() << u"lifecycle model: %1 steps played in %2 program runs over %3 seeds; %4 faults raised, "
                          u"main window shown again %5 times, loaded unseen by the view %6 times"_s.arg(stepsPlayed)
                              .arg(programRuns)
                              .arg(Seeds)
                              .arg(faultsRaised)
                              .arg(mainShownAgain)
                              .arg(mainLoadedUnseen);
}

void TestLifecycleModel::startProgram()
{
    Forms::get<Form1>();
    Forms::get<Form1>().bringToFront();
    m_model.loadMain(true);
    ++programRuns;
}

namespace {

template <class Pick>
auto pick(std::mt19937 &random, const Pick &from)
{
    return from.at(std::uniform_int_distribution<qsizetype>(0, from.size() - 1)(random));
}

} // namespace

void TestLifecycleModel::typeIntoMain(std::mt19937 &random, QString &what)
{
    // Mostly the three quantities; now and then any field, the formula and solar hour included.
    static const QStringList quantities = {u"Text1"_s, u"Text2"_s, u"Text3"_s};
    const bool quantity = std::bernoulli_distribution(0.85)(random);
    const QString field = quantity ? pick(random, quantities) : pick(random, mainFields);
    const QString value = pick(random, valuePool);
    what = u"type \"%1\" into Form1.%2"_s.arg(value, field);
    typeInto(Forms::get<Form1>().textBox(field), value);
    m_model.main[field] = value;
}

void TestLifecycleModel::typeIntoView(std::mt19937 &random, QString &what)
{
    const QString field = pick(random, viewFields);
    const QString value = pick(random, valuePool);
    what = u"type \"%1\" into Form3.%2"_s.arg(value, field);
    typeInto(Forms::get<Form3>().textBox(field), value);
    m_model.view[field] = value;
}

void TestLifecycleModel::pressMain(const QString &control)
{
    Form1 &form = Forms::get<Form1>();
    const qint64 pictureBefore = form.pictureCacheKey(u"Image1");
    press(form, control);

    Model &m = m_model;
    try {
        if (control == u"Command1") {
            m.main[u"Text5"_s] = QString();
            const SolverOutcome outcome = solve(m.main[u"Text1"_s], m.main[u"Text2"_s], m.main[u"Text3"_s]);
            if (outcome.solution == Solution::TooFewValues) {
                m.mainVisible = false;
                if (!m.viewLoaded)
                    m.loadView();
                m.viewVisible = true;
            } else {
                const QString result = outcome.resultField == SolverField::Sun    ? u"Text1"_s
                                       : outcome.resultField == SolverField::Moon ? u"Text2"_s
                                                                                  : u"Text3"_s;
                m.main[result] = outcome.resultText;
                m.main[u"Text4"_s] = outcome.formula;
            }
        } else if (control == u"Command3") {
            if (!m.viewLoaded)
                m.loadView();
            m.viewVisible = true;
        } else if (control == u"Command4") {
            m.main[u"Text5"_s] = solarHourText(m.main[u"Text1"_s]);
        }
    } catch (const RuntimeError &error) {
        m.errors.push_back(error.number());
    } catch (const NumericOverflow &) {
        m.errors.push_back(RuntimeError::Overflow);
    }

    // The picture is read again from disk: a new image in the same place.
    if (control == u"Picture1")
        QVERIFY(form.pictureCacheKey(u"Image1") != pictureBefore);
}

void TestLifecycleModel::pressView(const QString &control)
{
    press(Forms::get<Form3>(), control);

    Model &m = m_model;
    try {
        if (control == u"Command1" || control == u"Command2") {
            const bool moon = control == u"Command1";
            const double position = m.readMain(moon ? u"Text2"_s : u"Text1"_s);
            m.view[moon ? u"Text3"_s : u"Text1"_s] = numberText(position);
            positionLineEnd(position);
        } else {
            m.view[u"Text1"_s] = numberText(m.readMain(u"Text1"_s));
            m.view[u"Text3"_s] = numberText(m.readMain(u"Text2"_s));
        }
    } catch (const RuntimeError &error) {
        m.errors.push_back(error.number());
    } catch (const NumericOverflow &) {
        m.errors.push_back(RuntimeError::Overflow);
    }
}

void TestLifecycleModel::playStep(std::mt19937 &random, QString &what)
{
    Form1 *main = loadedMain();
    Form3 *view = loadedView();
    const bool mainVisible = main && main->isVisible();
    const bool viewVisible = view && view->isVisible();

    // A user reaches only what is visible.
    enum Kind { TypeMain, TypeView, PressMain, PressView, CloseMain, CloseView };
    std::vector<std::pair<Kind, int>> choices; // with weights
    if (mainVisible) {
        choices.insert(choices.end(), {{TypeMain, 30}, {PressMain, 30}, {CloseMain, 3}});
    }
    if (viewVisible) {
        choices.insert(choices.end(), {{TypeView, 8}, {PressView, 20}, {CloseView, 5}});
    }
    QVERIFY2(!choices.empty(), "no window the user can reach");

    std::vector<int> weights;
    for (const auto &choice : choices)
        weights.push_back(choice.second);
    const Kind kind = choices[std::discrete_distribution<int>(weights.begin(), weights.end())(random)].first;

    switch (kind) {
    case TypeMain:
        typeIntoMain(random, what);
        break;
    case TypeView:
        typeIntoView(random, what);
        break;
    case PressMain: {
        const QString control = pick(random, mainButtons);
        what = u"press Form1.%1"_s.arg(control);
        pressMain(control);
        break;
    }
    case PressView: {
        const QString control = pick(random, viewButtons);
        what = u"press Form3.%1"_s.arg(control);
        pressView(control);
        break;
    }
    case CloseMain:
        what = u"close Form1"_s;
        main->close();
        m_model.closeMain();
        break;
    case CloseView:
        what = u"close Form3"_s;
        view->close();
        m_model.closeView();
        break;
    }
}

void TestLifecycleModel::checkInvariants(int endsBefore, const QString &what)
{
    const QByteArray context = what.toUtf8();
    // Closed windows go once the event that closed them is over, as in the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const std::vector<Form *> loaded = Forms::loaded();
    int mains = 0;
    int views = 0;
    bool anyVisible = false;
    for (Form *form : loaded) {
        mains += qobject_cast<Form1 *>(form) != nullptr;
        views += qobject_cast<Form3 *>(form) != nullptr;
        anyVisible = anyVisible || form->isVisible();
    }
    QVERIFY2(mains <= 1 && views <= 1, context.constData());
    QCOMPARE(int(loaded.size()), mains + views);

    // No window lingers beyond the loaded ones.
    int liveForms = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        liveForms += qobject_cast<Form *>(widget) != nullptr;
    QVERIFY2(liveForms == int(loaded.size()), context.constData());

    QVERIFY2(loaded.empty() || anyVisible, context.constData());
    QVERIFY2(programEndCount() - endsBefore == (loaded.empty() ? 1 : 0), context.constData());
    QVERIFY2(programEndCount() == m_model.ends, context.constData());

    QVERIFY2((mains == 1) == m_model.mainLoaded, context.constData());
    QVERIFY2((views == 1) == m_model.viewLoaded, context.constData());

    if (Form1 *main = loadedMain()) {
        QVERIFY2(main->isVisible() == m_model.mainVisible, context.constData());
        QVERIFY2(main->imageHasPicture(u"Image1"), context.constData());
    }
    if (Form3 *view = loadedView())
        QVERIFY2(view->isVisible() == m_model.viewVisible, context.constData());
    FieldTexts expected;
    for (const auto &[field, text] : m_model.main)
        expected[u"Form1."_s + field] = text;
    for (const auto &[field, text] : m_model.view)
        expected[u"Form3."_s + field] = text;
    compareFieldTexts(expected, what);
    if (QTest::currentTestFailed())
        return;

    QVERIFY2(m_recorder->errorNumbers() == m_model.errors, context.constData());
    faultsRaised += int(m_model.errors.size());
    QVERIFY2(m_recorder->messages().size() == m_model.errors.size(), context.constData());
    m_recorder->clear();
    m_model.errors.clear();
}

void TestLifecycleModel::randomSequences_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed = 1; seed <= Seeds; ++seed)
        QTest::addRow("seed %u", seed) << seed * 7919u;
}

void TestLifecycleModel::randomSequences()
{
    QFETCH(unsigned, seed);
    std::mt19937 random(seed);

    startProgram();
    QString what = u"start"_s;
    checkInvariants(0, what);
    if (QTest::currentTestFailed())
        return;

    QString history;
    for (int step = 0; step < StepsPerSeed; ++step) {
        const int endsBefore = programEndCount();
        playStep(random, what);
        history += u"\n  %1. %2"_s.arg(step + 1).arg(what);
        if (!QTest::currentTestFailed())
            checkInvariants(endsBefore, what);
        if (QTest::currentTestFailed()) {
            qWarning().noquote() << "steps up to the failure:" << history;
            return;
        }
        ++stepsPlayed;
        if (Forms::loaded().empty()) {
            // The program has ended; the user starts it again.
            startProgram();
            checkInvariants(programEndCount(), u"start again"_s);
            if (QTest::currentTestFailed())
                return;
            history.clear();
        }
    }
}

QTEST_MAIN(TestLifecycleModel)
#include "tst_lifecycle_model.moc"
