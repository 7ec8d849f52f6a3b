// SPDX-License-Identifier: MIT
#include "form1.h"

#include "accessibility.h"
#include "app.h"
#include "presentation_box.h"
#include "field_values.h"
#include "forms.h"

#include "number_rules.h"
#include "solar_hour.h"
#include "solver.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>

namespace {

constexpr bool sameText(const char *marked, const char16_t *solver)
{
    for (; *marked || *solver; ++marked, ++solver) {
        if (char16_t(*marked) != *solver)
            return false;
    }
    return true;
}

// The solver's three formulas as the catalogues know them: the solver stays language-free, and the formula field
// shows a formula in the user's language. Each must be the solver's byte for byte, or it would not be found.
//: A formula shown in the formula field, read by a student: the names of the quantities may be written in words.
constexpr const char *MarkedPhaseFormula =
    QT_TRANSLATE_NOOP("Form1", " PhaseoftheMoon=(PositionoftheSun - PositionoftheMoon) * (28/360)");
//: A formula shown in the formula field, read by a student: the names of the quantities may be written in words.
constexpr const char *MarkedSunFormula =
    QT_TRANSLATE_NOOP("Form1", "PositionoftheSun = PositionoftheMoon  + (360/28)*PhaseoftheMoon");
//: A formula shown in the formula field, read by a student: the names of the quantities may be written in words.
constexpr const char *MarkedMoonFormula =
    QT_TRANSLATE_NOOP("Form1", "PositionoftheMoon = PositionoftheSun - (360/28)*PhaseoftheMoon");
static_assert(sameText(MarkedPhaseFormula, phaseFormula) && sameText(MarkedSunFormula, sunFormula)
              && sameText(MarkedMoonFormula, moonFormula));

QString shownFormula(const QString &formula)
{
    return QCoreApplication::translate("Form1", formula.toUtf8().constData());
}

} // namespace

Form1::Form1() : Form(designTable())
{
    onClick(u"Command1", &Form1::Command1_Click);
    onClick(u"Command2", &Form1::Command2_Click);
    onClick(u"Command3", &Form1::Command3_Click);
    onClick(u"Command4", &Form1::Command4_Click);
    onClick(u"Picture1", &Form1::Picture1_Click);
    // The presentation is not part of the program; its own guide is.
    if (auto *presentation = qobject_cast<PresentationBox *>(&windowedControl(u"OLE1")))
        //: Shown in the presentation box, below the presentation's name, and told to a screen reader.
        presentation->setAlternative(tr("The program's own guide is: press F1."));
    // Return or Enter in a quantity field solves, as the button does; the focus stays in the field.
    for (QLineEdit *field : {&Text1(), &Text2(), &Text3()})
        connect(field, &QLineEdit::returnPressed, this, [this] { button(u"Command1").click(); });
}

QString Form1::platePicturePath()
{
    return App::Path() + QStringLiteral("/placna01.jpg");
}

void Form1::Form_Load()
{
    // The formula field keeps its text: it is never emptied here.
    for (const char16_t *field : {u"Text1", u"Text2", u"Text3", u"Text5", u"Text6", u"Text7", u"Text8", u"Text9"})
        textBox(field).setText(QString());
    loadPlatePicture();
}

void Form1::loadPlatePicture()
{
    // A picture that fails to load leaves the one already shown in place.
    loadPicture(u"Image1", platePicturePath());
}

void Form1::Picture1_Click()
{
    loadPlatePicture();
}

void Form1::Command2_Click()
{
    // The turn button is there to be pressed; it changes nothing.
}

void Form1::Command3_Click()
{
    Forms::show(u"Form3");
}

void Form1::Command1_Click()
{
    Text5().setText(QString());
    const SolverOutcome outcome = usingValuesOf({&Text1(), &Text2(), &Text3()},
                                                [&] { return solve(Text1().text(), Text2().text(), Text3().text()); });
    if (outcome.solution == Solution::TooFewValues) {
        hide();
        // The drawing window takes the place of this one: a screen reader tells why as it appears, first in the
        // window's description, where it is still found later, then as news.
        Form &view = Forms::get(u"Form3");
        const QString why = tr("No quantity was computed: fewer than two were given. Close this window to return "
                               "to the main window.");
        if (!view.accessibleDescription().startsWith(why))
            view.setAccessibleDescription(why + u' ' + view.accessibleDescription());
        view.bringToFront();
        Accessibility::announce(view, why);
        return;
    }
    QLineEdit &resultField = outcome.resultField == SolverField::Sun    ? Text1()
                             : outcome.resultField == SolverField::Moon ? Text2()
                                                                        : Text3();
    resultField.setText(outcome.resultText);
    Text4().setText(shownFormula(outcome.formula));
    QString result;
    switch (outcome.resultField) {
    case SolverField::Sun:
        //: Spoken to a screen reader after a solve: %1 is the position computed, in degrees.
        result = tr("Sun %1");
        break;
    case SolverField::Moon:
        //: Spoken to a screen reader after a solve: %1 is the position computed, in degrees.
        result = tr("Moon %1");
        break;
    case SolverField::Phase:
        //: Spoken to a screen reader after a solve: %1 is the phase computed, a day of the Moon's month.
        result = tr("Phase %1");
        break;
    }
    result = result.arg(outcome.resultText);
    Accessibility::announce(button(u"Command1"), result);
    // The fields the solver read, so that a decimal written with a comma in one of them is told.
    const QLineEdit *firstUsed = outcome.resultField == SolverField::Sun ? &Text2() : &Text1();
    const QLineEdit *secondUsed = outcome.resultField == SolverField::Phase ? &Text2() : &Text3();
    tellDecimalComma({firstUsed, secondUsed}, button(u"Command1"), result);
}

void Form1::Command4_Click()
{
    Text5().setText(usingValuesOf({&Text1()}, [&] { return solarHourText(Text1().text()); }));
    //: Spoken to a screen reader: %1 is the hour read, such as "14" or "14 30" (hours and minutes).
    const QString result = tr("Solar hour %1").arg(Text5().text().simplified());
    Accessibility::announce(button(u"Command4"), result);
    tellDecimalComma({&Text1()}, button(u"Command4"), result);
}
