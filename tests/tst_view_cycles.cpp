// SPDX-License-Identifier: MIT
// Opening and closing the geometric view a thousand times leaves no window, widget or object behind. Under the
// sanitizer build LeakSanitizer also sees what the cycles allocate.
#include "test_support.h"

#include "form3.h"
#include "form1.h"
#include "forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace {

struct Census {
    qsizetype topLevelWidgets;
    qsizetype widgets;
    qsizetype objects; // the application's and every top-level widget's, at any depth
};

Census takeCensus()
{
    Census census{QApplication::topLevelWidgets().size(), QApplication::allWidgets().size(),
                  qApp->findChildren<QObject *>().size()};
    for (QWidget *window : QApplication::topLevelWidgets())
        census.objects += 1 + window->findChildren<QObject *>().size();
    return census;
}

} // namespace

class TestViewCycles : public QObject
{
    Q_OBJECT

private slots:
    // A thousand raises of a window shown again would warn a thousand times.
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init() { resetProgramState(); }
    void cleanup() { resetProgramState(); }
    void aThousandOpeningsLeaveNothingBehind();
};

void TestViewCycles::aThousandOpeningsLeaveNothingBehind()
{
    const MessageRecorder messages;
    Form1 &main = Forms::get<Form1>();
    main.bringToFront();
    main.Text1().setText(QStringLiteral("30"));
    main.Text2().setText(QStringLiteral("120"));

    int destroyed = 0;
    auto cycle = [&] {
        main.button(u"Command3").click();
        QVERIFY(Forms::isLoaded<Form3>());
        QPointer<Form3> view = &Forms::get<Form3>();
        QVERIFY(view->isVisible());
        QCOMPARE(view->Text1().text(), QStringLiteral("30"));
        QVERIFY(view->close());
        QVERIFY(!Forms::isLoaded<Form3>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (view.isNull())
            ++destroyed;
    };

    // The first opening makes what lives as long as the program (fonts, style, caches): count after it.
    cycle();
    const Census before = takeCensus();
    constexpr int cycles = 1000;
    for (int i = 0; i < cycles && !QTest::currentTestFailed(); ++i)
        cycle();
    if (QTest::currentTestFailed())
        return;
    const Census after = takeCensus();

    QCOMPARE(destroyed, cycles + 1);
    QCOMPARE(after.topLevelWidgets, before.topLevelWidgets);
    QCOMPARE(after.widgets, before.widgets);
    QCOMPARE(after.objects, before.objects);
    QVERIFY(main.isVisible());
    QCOMPARE(programEndCount(), 0);
    QCOMPARE(messages.errorCount(), 0);
}

QTEST_MAIN(TestViewCycles)
#include "tst_view_cycles.moc"
