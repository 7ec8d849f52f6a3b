// SPDX-License-Identifier: MIT
// The text boxes: whatever way a text comes in (the keyboard's paste, the context menu, a drop, the middle button's
// X11 selection, an input method), one that would take a box past its limit is refused whole with a message, and line
// breaks become blanks, so what a box shows is what is read. Text the program writes shows from its beginning.
#include "test_support.h"

#include "form3.h"
#include "field_values.h"
#include "form1.h"
#include "forms.h"
#include "controls.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The ways a text comes into a box other than typing it key by key.
enum class Way { KeyboardPaste, ContextMenuPaste, Drop, MiddleClick, InputMethod };

// Puts the text into the box after its end, as the user does it that way.
void bringIn(QLineEdit &box, Way way, const QString &text)
{
    const QPoint afterTheText(box.width() - 4, box.height() / 2);
    switch (way) {
    case Way::KeyboardPaste:
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(&box, QKeySequence::Paste);
        break;
    case Way::ContextMenuPaste: {
        QGuiApplication::clipboard()->setText(text);
        QContextMenuEvent event(QContextMenuEvent::Mouse, afterTheText, box.mapToGlobal(afterTheText));
        QCoreApplication::sendEvent(&box, &event);
        QMenu *menu = box.findChild<QMenu *>();
        QVERIFY(menu);
        const QList<QAction *> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(),
                                        [](const QAction *action) { return action->text().startsWith(u"&Paste"); });
        QVERIFY(paste != actions.end());
        QVERIFY((*paste)->isEnabled());
        (*paste)->trigger();
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        break;
    }
    case Way::Drop: {
        // Dragged in from another program: it enters the box, moves to the end of the text, and is let go.
        QMimeData dragged;
        dragged.setText(text);
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(afterTheText, actions, &dragged, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &enter);
        QDragMoveEvent move(afterTheText, actions, &dragged, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &move);
        QDropEvent drop(afterTheText, actions, &dragged, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &drop);
        break;
    }
    case Way::MiddleClick:
        QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
        QTest::mouseClick(&box, Qt::MiddleButton, Qt::NoModifier, afterTheText);
        break;
    case Way::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(&box, &commit);
        break;
    }
    }
}

} // namespace

class TestTextBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init() { resetProgramState(); }
    void cleanup() { resetProgramState(); }

    void textBroughtIn_data();
    void textBroughtIn();
    void writtenFieldsShowTheirBeginning_data();
    void writtenFieldsShowTheirBeginning();
    void bordersStandOut_data();
    void bordersStandOut();
};

void TestTextBox::textBroughtIn_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("brought");
    QTest::addColumn<QString>("after");

    const QString mebibyte = u"30"_s + QString(1024 * 1024 - 2, u'x');
    const QString full = u"45"_s + QString(MaxFieldLength - 2, u' ');
    struct Case {
        const char *name;
        QString before, brought, after;
    };
    const std::vector<Case> cases = {
        {"a mebibyte into an empty field", u""_s, mebibyte, u""_s},
        {"one past the limit after 90", u"90"_s, QString(MaxFieldLength - 1, u'9'), u"90"_s},
        {"a mebibyte at the end of a full field", full, mebibyte, full},
        {"the limit exactly", u""_s, full, full},
        {"a short text after 9", u"9"_s, u"0.5"_s, u"90.5"_s},
        {"a leading line break turns into a blank", u""_s, u"\r\n45"_s, u" 45"_s},
        {"each kind of line break is one blank", u"1"_s, u"\n2\r3\r\n4\u20285"_s, u"1 2 3 4 5"_s},
    };
    for (const auto &[way, name] : {std::pair{Way::KeyboardPaste, "Ctrl+V"},
                                    {Way::ContextMenuPaste, "menu's Paste"},
                                    {Way::Drop, "drop"},
                                    {Way::MiddleClick, "middle click"},
                                    {Way::InputMethod, "input method"}}) {
        for (const Case &c : cases) {
            // An input method commits what the user composed, not lines.
            if (way == Way::InputMethod && (c.brought.contains(u'\n') || c.brought.contains(u'\r')))
                continue;
            QTest::addRow("%s: %s", name, c.name) << int(way) << c.before << c.brought << c.after;
        }
    }
}

// A text that would take a field past its limit is refused whole, with a message giving the limit; nothing is cut.
void TestTextBox::textBroughtIn()
{
    QFETCH(int, way);
    QFETCH(QString, before);
    QFETCH(QString, brought);
    QFETCH(QString, after);
    if (Way(way) == Way::MiddleClick && !QGuiApplication::clipboard()->supportsSelection())
        QSKIP("this platform has no X11 selection; the x11 run of this test has one");

    Form1 &main = openWindow<Form1>(ShownUntil::Active);
    QLineEdit &sun = main.Text1();
    sun.setText(before);
    sun.setFocus();
    sun.end(false); // the user clicks after the text
    MessageRecorder recorder;
    bringIn(sun, Way(way), brought);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(sun.text(), after);
    QCOMPARE(recorder.messages().size(), size_t(after == before));
    for (const UserMessage &message : recorder.messages())
        QVERIFY2(message.text.contains(u"4,096"_s), qPrintable(message.text));
}

void TestTextBox::writtenFieldsShowTheirBeginning_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QStringList>("presses"); // window.button, in turn
    QTest::addColumn<QString>("field");

    const QStringList solarHour{u"Form1.Command4"_s};
    const QStringList solve{u"Form1.Command1"_s};
    QTest::newRow("solar hour of 15.5") << u"15.5"_s << QString() << solarHour << u"Form1.Text5"_s;
    QTest::newRow("solar hour of 200.2") << u"200.2"_s << QString() << solarHour << u"Form1.Text5"_s;
    QTest::newRow("the Moon solved") << u"1"_s << u"26.6"_s << solve << u"Form1.Text2"_s;
    QTest::newRow("the formula") << u"1"_s << u"26.6"_s << solve << u"Form1.Text4"_s;
    QTest::newRow("the view's copy of the Sun")
        << u"200.2"_s << QString() << QStringList{u"Form1.Command3"_s} << u"Form3.Text1"_s;
    QTest::newRow("the view's Sun's line") << u"0.0000000000001"_s << QString()
                                           << QStringList{u"Form1.Command3"_s, u"Form3.Command2"_s} << u"Form3.Text1"_s;
}

// A field the program writes shows the beginning of its text, the hours of "13  2.00000000000001", not its end.
void TestTextBox::writtenFieldsShowTheirBeginning()
{
    QFETCH(QString, sun);
    QFETCH(QString, phase);
    QFETCH(QStringList, presses);
    QFETCH(QString, field);

    Form1 &main = openWindow<Form1>();
    typeInto(main.Text1(), sun);
    typeInto(main.Text3(), phase);
    QCOMPARE(main.Text1().cursorPosition(), sun.size()); // the user's typing keeps its cursor
    for (const QString &button : presses)
        press(button);
    const QLineEdit &box = textBoxNamed(field);
    QVERIFY(box.text().size() > 1);
    QCOMPARE(box.cursorPosition(), 0);
}

void TestTextBox::bordersStandOut_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("the main window's Sun field") << u"Form1.Text1"_s;
    QTest::newRow("the drawing window's Moon box") << u"Form3.Text3"_s;
}

// On the window's own pixels, as the screen shows them: a box's border stands out from the window around it, and
// the focus changes a band of pixels two wide all round, each by 3:1 at least.
void TestTextBox::bordersStandOut()
{
    QFETCH(QString, box);
    QLineEdit &field = textBoxNamed(box);
    Form &form = openWindow(box.section(u'.', 0, 0), ShownUntil::Active);
    const QRect place(field.mapTo(&form, QPoint(0, 0)), field.size());
    form.windowedControl(u"Command1").setFocus();
    const QImage unfocused = form.grab().toImage();
    field.setFocus();
    const QImage focused = form.grab().toImage();
    const QColor window = unfocused.pixelColor(place.topLeft() - QPoint(2, 2));
    // The middle of each side, from outside in.
    const int midX = place.center().x(), midY = place.center().y();
    const QList<std::pair<QPoint, QPoint>> sides = {{QPoint(midX, place.top()), QPoint(0, 1)},
                                                    {QPoint(midX, place.bottom()), QPoint(0, -1)},
                                                    {QPoint(place.left(), midY), QPoint(1, 0)},
                                                    {QPoint(place.right(), midY), QPoint(-1, 0)}};
    for (const auto &[edge, inward] : sides) {
        double border = 0;
        for (int depth = 0; depth < 2; ++depth)
            border = std::max(border, contrastRatio(unfocused.pixelColor(edge + inward * depth), window));
        QVERIFY2(border >= 3.0, qPrintable(u"border %1:1 at %2,%3"_s.arg(border).arg(edge.x()).arg(edge.y())));
        int changed = 0;
        for (int depth = 0; depth < 5; ++depth) {
            const QPoint at = edge + inward * depth;
            if (contrastRatio(focused.pixelColor(at), unfocused.pixelColor(at)) >= 3.0)
                ++changed;
        }
        QVERIFY2(changed >= 2, qPrintable(u"%1 pixels changed at %2,%3"_s.arg(changed).arg(edge.x()).arg(edge.y())));
    }
}

QTEST_MAIN(TestTextBox)
#include "tst_text_box.moc"
