// SPDX-License-Identifier: MIT
// The Help window's own keys, its place on the screen, its links and pictures and the guide in the interface's
// language, headless and on a real X server, where the desktop's standard keys differ.
#include "test_support.h"

#include "help_window.h"
#include "translation.h"
#include "window_bounds.h"

#include <QApplication>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// The guide opened with F1 from the main window, active.
QWidget *openGuide()
{
    QTest::keyClick(&openWindow(u"Form1", ShownUntil::Active), Qt::Key_F1);
    QWidget *help = Help::helpWindow();
    if (help && !QTest::qWaitForWindowActive(help))
        return nullptr;
    return help;
}

} // namespace

class TestGuideWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        quietOffscreenRaiseWarnings();
        Help::installHelpKey();
        holdWindowsToScreens();
    }
    void cleanup()
    {
        Help::closeHelpWindow();
        resetProgramState();
        Translation::install(QStringList{u"C"_s});
    }

    void closeKeys_data();
    void closeKeys();
    void tabGoesBothWays_data();
    void tabGoesBothWays();
    void linkMovesTheCaret();
    void guideInTheLanguage_data();
    void guideInTheLanguage();
    void seenWholeWithItsIcon();
};

void TestGuideWindow::closeKeys_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
    for (const QKeySequence &key : QKeySequence::keyBindings(QKeySequence::Close))
        QTest::newRow(qPrintable(u"the desktop's Close, "_s + key.toString())) << key;
}

void TestGuideWindow::closeKeys()
{
    QFETCH(QKeySequence, keys);
    QWidget *help = openGuide();
    QVERIFY(help);
    QTest::keySequence(QApplication::focusWidget(), keys);
    QVERIFY(!help->isVisible());
}

void TestGuideWindow::tabGoesBothWays_data()
{
    QTest::addColumn<bool>("fromText");
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Tab from the contents") << false << Qt::Key_Tab;
    QTest::newRow("Shift+Tab from the contents") << false << Qt::Key_Backtab;
    // From the caret: past the last link, or before the first.
    QTest::newRow("Tab from the text's end") << true << Qt::Key_Tab;
    QTest::newRow("Shift+Tab from the text's start") << true << Qt::Key_Backtab;
}

void TestGuideWindow::tabGoesBothWays()
{
    QFETCH(bool, fromText);
    QFETCH(Qt::Key, key);
    QVERIFY(openGuide());
    QWidget *contents = Help::guideContents();
    QTextEdit *text = Help::guideText();
    QWidget *from = fromText ? static_cast<QWidget *>(text) : contents;
    from->setFocus(Qt::OtherFocusReason);
    text->moveCursor(key == Qt::Key_Tab ? QTextCursor::End : QTextCursor::Start);
    QTest::keyClick(from, key);
    QTRY_VERIFY((fromText ? contents : text)->hasFocus());
}

// Return on a link moves the caret to the heading it leads to, where a screen reader reads on.
void TestGuideWindow::linkMovesTheCaret()
{
    QVERIFY(openGuide());
    QTextEdit *text = Help::guideText();
    text->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(text, Qt::Key_Tab); // the first link: the three quantities
    QCOMPARE(text->textCursor().selectedText(), u"the three quantities"_s);
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(text->textCursor().block().text().trimmed(), u"The three quantities"_s);
    QVERIFY(!text->textCursor().hasSelection());
    // The caret goes on by line from there.
    QTest::keyClick(text, Qt::Key_Down);
    QVERIFY(text->textCursor().block().text().startsWith(u"The position of the Sun"_s));
}

void TestGuideWindow::guideInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("firstSection");
    QTest::newRow("English") << u"C"_s << u"The three quantities"_s;
    QTest::newRow("Italian") << u"it"_s << u"Le tre grandezze"_s;
}

// The guide of the interface's language opens, with the English guide's sections; each of its links leads to an
// anchor of it and each of its pictures is there.
void TestGuideWindow::guideInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, firstSection);
    QVERIFY(openGuide());
    const int englishSections = Help::guideContents()->count();
    Help::closeHelpWindow();
    Translation::install(QStringList{language});
    QVERIFY(openGuide());
    QCOMPARE(Help::guideContents()->item(0)->text(), firstSection);
    QCOMPARE(Help::guideContents()->count(), englishSections);

    QTextDocument &document = *Help::guideText()->document();
    QStringList anchors, links, pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            anchors << format.anchorNames();
            if (!format.anchorHref().isEmpty())
                links << format.anchorHref();
            if (format.isImageFormat())
                pictures << format.toImageFormat().name();
        }
    }
    QVERIFY(!links.isEmpty() && !pictures.isEmpty());
    for (const QString &link : links)
        QVERIFY2(link.startsWith(u'#') && anchors.contains(link.mid(1)), qPrintable(link));
    for (const QString &picture : pictures)
        QVERIFY2(!document.resource(QTextDocument::ImageResource, QUrl(picture)).isNull(), qPrintable(picture));
}

// Seen whole on the screen it opens on, frame included, however small the screen; with the program's icon.
void TestGuideWindow::seenWholeWithItsIcon()
{
    QWidget *help = openGuide();
    QVERIFY(help);
    const QRect room = help->screen()->availableGeometry();
    QVERIFY2(room.contains(help->frameGeometry()),
             qPrintable(u"%1 × %2 at %3, %4 on a screen of %5 × %6"_s.arg(help->frameGeometry().width())
                            .arg(help->frameGeometry().height())
                            .arg(help->frameGeometry().x())
                            .arg(help->frameGeometry().y())
                            .arg(room.width())
                            .arg(room.height())));
    QVERIFY(!help->windowIcon().isNull());
}

QTEST_MAIN(TestGuideWindow)
#include "tst_guide_window.moc"
