// SPDX-License-Identifier: MIT
// What each event procedure and each repaint costs, and that the cost of the view does not grow as its figures
// pile up. Reports figures; a 60 Hz frame is 16.7 ms.
#include "field_values.h"
#include "form3.h"
#include "form1.h"
#include "forms.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

// The median time of one synchronous repaint of the whole window, in milliseconds.
double repaintMs(QWidget &window, int samples = 301)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < 10; ++i)
        window.repaint(); // warm caches, not measured
    for (int i = 0; i < samples; ++i) {
        timer.start();
        window.repaint();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + samples / 2, times.end());
    return times[samples / 2];
}

} // namespace

class BenchProcedures : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetProgramState();
        m_messages = std::make_unique<MessageRecorder>();
    }
    void cleanup()
    {
        QCOMPARE(m_messages->errorCount(), 0);
        m_messages.reset();
        resetProgramState();
    }

    void solve_data();
    void solve();
    void solarHour();
    void viewButton_data();
    void viewButton();
    void repaint_data();
    void repaint();
    void phaseRingCostStaysFlat();

private:
    std::unique_ptr<MessageRecorder> m_messages;
};

// clang-format off
void BenchProcedures::solve_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("phase");
    QTest::newRow("phase to a tenth") << "30" << "120" << "";
    QTest::newRow("whole phase") << "200" << "30" << "";
    QTest::newRow("Sun") << "" << "120" << "21";
    QTest::newRow("Moon") << "30" << "" << "21";
    QTest::newRow("too few values: opens the view") << "" << "" << "";
    // Fields as full as they go: the reading must not grow with the square of their length.
    QTest::newRow("full fields")
        << "30" + QString(MaxFieldLength - 2, u' ') << "120" + QString(MaxFieldLength - 3, u'x') << "";
}
// clang-format on

void BenchProcedures::solve()
{
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, phase);
    Form1 &form = Forms::get<Form1>();
    QVERIFY(showAndWait(form));
    QAbstractButton &solveButton = form.button(u"Command1");
    // The solver writes its result into an empty field, so each press starts from the same three texts.
    QBENCHMARK {
        form.Text1().setText(sun);
        form.Text2().setText(moon);
        form.Text3().setText(phase);
        solveButton.click();
    }
}

void BenchProcedures::solarHour()
{
    Form1 &form = Forms::get<Form1>();
    QVERIFY(showAndWait(form));
    form.Text1().setText(QStringLiteral("45"));
    QAbstractButton &hourButton = form.button(u"Command4");
    QBENCHMARK {
        hourButton.click();
    }
    QCOMPARE(form.Text5().text().isEmpty(), false);
}

void BenchProcedures::viewButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Moon's line") << QStringLiteral("Command1");
    QTest::newRow("Sun's line") << QStringLiteral("Command2");
    QTest::newRow("Moon's Phase") << QStringLiteral("Command3");
}

void BenchProcedures::viewButton()
{
    QFETCH(QString, button);
    Forms::get<Form1>().Text1().setText(QStringLiteral("30"));
    Forms::get<Form1>().Text2().setText(QStringLiteral("120"));
    Form3 &view = Forms::get<Form3>();
    QVERIFY(showAndWait(view));
    QAbstractButton &pressed = view.button(button);
    QBENCHMARK {
        pressed.click();
    }
}

void BenchProcedures::repaint_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << QStringLiteral("Form1");
    QTest::newRow("geometric view") << QStringLiteral("Form3");
}

void BenchProcedures::repaint()
{
    QFETCH(QString, window);
    Form &form = window == u"Form1" ? static_cast<Form &>(Forms::get<Form1>()) : Forms::get<Form3>();
    QVERIFY(showAndWait(form));
    QBENCHMARK {
        form.repaint();
    }
}

// The figures live in the view's retained image: pressing the phase button again and again must not make a
// repaint slower or the program bigger.
void BenchProcedures::phaseRingCostStaysFlat()
{
    Forms::get<Form1>().Text1().setText(QStringLiteral("30"));
    Forms::get<Form1>().Text2().setText(QStringLiteral("120"));
    Form3 &view = Forms::get<Form3>();
    QVERIFY(showAndWait(view));
    QAbstractButton &phaseButton = view.button(u"Command3");

    constexpr int Presses = 10000;
    constexpr int Early = 10;
    double earlyMs = 0;
    long earlyKb = 0;
    QElapsedTimer total;
    total.start();
    for (int press = 1; press <= Presses; ++press) {
        phaseButton.click();
        if (press % 100 == 0 || press == Early)
            QCoreApplication::processEvents();
        if (press == Early) {
            earlyMs = repaintMs(view);
            earlyKb = residentKb();
        }
    }
    const double pressesMs = total.elapsed();
    QCoreApplication::processEvents();
    const double lateMs = repaintMs(view);
    const long lateKb = residentKb();

    const double timeRatio = lateMs / earlyMs;
    const double memoryRatio = double(lateKb) / double(earlyKb);
    qInfo("FLAT press %d: repaint %.3f ms, RSS %ld kB", Early, earlyMs, earlyKb);
    qInfo("FLAT press %d: repaint %.3f ms, RSS %ld kB", Presses, lateMs, lateKb);
    qInfo("FLAT ratio press %d / press %d: repaint %.3f, RSS %.3f (%d presses took %.0f ms)", Presses, Early, timeRatio,
          memoryRatio, Presses, pressesMs);
    QVERIFY2(timeRatio <= 1.10, "a repaint of the view got slower as the presses piled up");
    QVERIFY2(memoryRatio <= 1.10, "the program grew as the presses piled up");
}

QTEST_MAIN(BenchProcedures)
#include "bench_procedures.moc"
