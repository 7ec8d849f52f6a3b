// SPDX-License-Identifier: MIT
// The program in Italian, its catalogue installed as on an Italian desktop: captions of both windows, a message,
// an announcement and the note on a decimal comma come out Italian, English stays the design's, and every
// translated caption fits its control at each zoom.
#include "accessibility.h"
#include "controls.h"
#include "form1.h"
#include "form3.h"
#include "forms.h"
#include "runtime_error.h"
#include "test_support.h"
#include "translation.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void cleanup();

    void choosesTheDesktopsLanguage_data();
    void choosesTheDesktopsLanguage();
    void textsFollowTheLanguage_data();
    void textsFollowTheLanguage();
    void decimalCommaIsToldNotRead_data();
    void decimalCommaIsToldNotRead();
    void italianCaptionsFitTheirControls();

private:
    MessageRecorder m_recorder;
};

void TestTranslation::cleanup()
{
    resetProgramState();
    m_recorder.clear();
    Translation::install(QStringList{u"C"_s});
}

void TestTranslation::choosesTheDesktopsLanguage_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("Italian") << QStringList{u"it-IT"_s} << u"it"_s;
    QTest::newRow("Italian of Switzerland") << QStringList{u"it_CH"_s} << u"it"_s;
    QTest::newRow("no catalogue, then Italian") << QStringList{u"fr-FR"_s, u"it"_s} << u"it"_s;
    QTest::newRow("English before Italian") << QStringList{u"en-GB"_s, u"it"_s} << QString();
    QTest::newRow("C") << QStringList{u"C"_s} << QString();
    QTest::newRow("no catalogue at all") << QStringList{u"de-DE"_s} << QString();
}

void TestTranslation::choosesTheDesktopsLanguage()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, chosen);
    QCOMPARE(Translation::install(languages), chosen);
    QCOMPARE(Translation::language(), chosen);
    // Qt's own dialogs follow: the message box's button of Debian's qtbase catalogue.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") == u"Cancel"_s, chosen.isEmpty());
}

void TestTranslation::textsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("mainCaption");
    QTest::addColumn<QString>("viewButton");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("announcement");
    QTest::addColumn<QString>("formula");
    QTest::newRow("English") << u"C"_s << u"Position of the Sun in degrees"_s << u"Moon's line"_s
                             << u"The value of the field \"Sun\", \"1e400\" could not be used."_s << u"Moon 325"_s
                             << u"PositionoftheMoon = PositionoftheSun - (360/28)*PhaseoftheMoon"_s;
    QTest::newRow("Italian") << u"it"_s << u"Posizione del Sole in gradi"_s << u"Linea Luna"_s
                             << u"Non è stato possibile usare il valore del campo \"Sun\", \"1e400\"."_s
                             << u"Luna 325"_s << u"PosizionedellaLuna = PosizionedelSole - (360/28)*FasedellaLuna"_s;
}

void TestTranslation::textsFollowTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, mainCaption);
    QFETCH(QString, viewButton);
    QFETCH(QString, message);
    QFETCH(QString, announcement);
    QFETCH(QString, formula);
    Translation::install(QStringList{language});
    Form1 &main = openWindow<Form1>();
    QCOMPARE(qobject_cast<QLabel *>(main.findChild<QWidget *>(u"Label11"_s))->text(), mainCaption);
    QCOMPARE(main.Text1().accessibleName(), mainCaption);
    QCOMPARE(unusableValues({{u"Sun"_s, u"1e400"_s}}), message);

    typeInto(main.Text1(), u"30"_s);
    typeInto(main.Text3(), u"5"_s);
    press(main, u"Command1");
    QCOMPARE(Accessibility::lastAnnouncement(main), announcement);
    QCOMPARE(main.Text2().text(), u"325"_s);
    QCOMPARE(main.Text4().text(), formula);

    Form3 &view = openWindow<Form3>();
    QCOMPARE(view.findChild<QAbstractButton *>(u"Command1"_s)->text(), viewButton);
}

void TestTranslation::decimalCommaIsToldNotRead_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("announcement");
    QTest::newRow("English") << u"C"_s << u"30,5"_s
                             << u"Moon 325. In \"Position of the Sun in degrees\" only 30 was read: ,5 was not. "
                                "Write decimals with a full stop, such as 30.5."_s;
    QTest::newRow("Italian") << u"it"_s << u" 30,5 gradi"_s
                             << u"Luna 325. In \"Posizione del Sole in gradi\" è stato letto solo 30: ,5 no. "
                                "Scrivi i decimali con il punto, per esempio 30.5."_s;
    QTest::newRow("a full stop") << u"it"_s << u"30.0"_s << u"Luna 325"_s;
    QTest::newRow("a comma and no digit") << u"it"_s << u"30, 5"_s << u"Luna 325"_s;
}

void TestTranslation::decimalCommaIsToldNotRead()
{
    QFETCH(QString, language);
    QFETCH(QString, sun);
    QFETCH(QString, announcement);
    Translation::install(QStringList{language});
    Form1 &main = openWindow<Form1>();
    typeInto(main.Text1(), sun);
    typeInto(main.Text3(), u"5"_s);
    press(main, u"Command1");
    // The rule of reading is the same in every language: "30,5" is 30, and the result is the one for 30.
    QCOMPARE(main.Text2().text(), u"325"_s);
    QCOMPARE(main.Text1().text(), sun);
    QCOMPARE(Accessibility::lastAnnouncement(main), announcement);
}

namespace {

// The design's English caption of a control, as the design table writes it.
QString shownControlCaption(const Form &form, const QString &name)
{
    const FormDesign design = form.objectName() == u"Form1" ? Form1::designTable() : Form3::designTable();
    for (const ControlDesign &control : design.controls) {
        if (control.name == name)
            return control.caption;
    }
    return {};
}

} // namespace

void TestTranslation::italianCaptionsFitTheirControls()
{
    QCOMPARE(Translation::install(QStringList{u"it"_s}), u"it"_s);
    QStringList cutOff;
    for (Form *form : std::initializer_list<Form *>{&openWindow<Form1>(), &openWindow<Form3>()}) {
        for (int zoom = Form::NormalZoom; zoom <= Form::MaximumZoom; zoom += Form::ZoomStep) {
            form->setZoom(zoom);
            for (QWidget *control : form->findChildren<QWidget *>()) {
                QRect area;
                QString caption;
                if (auto *label = qobject_cast<QLabel *>(control)) {
                    area = label->contentsRect();
                    caption = label->text();
                } else if (auto *button = qobject_cast<CaptionButton *>(control)) {
                    area = button->rect().adjusted(3, 2, -3, -2);
                    caption = button->text();
                }
                if (caption.isEmpty())
                    continue;
                const QFontMetrics metrics(control->font());
                const auto needs = [&](const QString &text) {
                    return metrics.boundingRect(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text).size();
                };
                const QSize needed = needs(caption);
                if (needed.width() <= area.width() && needed.height() <= area.height())
                    continue;
                // A caption that the design itself cuts off (a button of a few pixels) may be cut off in Italian
                // too, as long as the Italian needs no more room than the design's English.
                const QString english = shownControlCaption(*form, control->objectName());
                const QSize englishNeeds = needs(english);
                const bool englishFits = englishNeeds.width() <= area.width() && englishNeeds.height() <= area.height();
                if (!englishFits && needed.width() <= englishNeeds.width() && needed.height() <= englishNeeds.height())
                    continue;
                cutOff << u"%1.%2 at %3%: \"%4\" needs %5 x %6, the box holds %7 x %8"_s.arg(
                    form->objectName(), control->objectName(), QString::number(zoom), caption,
                    QString::number(needed.width()), QString::number(needed.height()), QString::number(area.width()),
                    QString::number(area.height()));
            }
        }
    }
    QVERIFY2(cutOff.isEmpty(), qPrintable(cutOff.join(u'\n')));
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
