// SPDX-License-Identifier: MIT
#pragma once

#include "event_procedure.h"
#include "forms.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <map>
#include <vector>

class Form;
class QLineEdit;

// Records what the program would show in message boxes, so nothing modal blocks a test. Restores the message box
// when it goes.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    const std::vector<UserMessage> &messages() const { return m_messages; }
    // The first message's text, or nothing: safe in a failure's description, which is built even when it passes.
    QString firstText() const { return m_messages.empty() ? QString() : m_messages.front().text; }
    int errorCount() const;
    // The error numbers recorded, in order.
    std::vector<int> errorNumbers() const;
    void clear() { m_messages.clear(); }

private:
    std::vector<UserMessage> m_messages;
};

// A clean program state between tests: every window unloaded, the program folder back at the test's own folder
// (where the build puts the plate picture), and the end of the program recorded instead of quitting.
void resetProgramState();
// How many times the program would have ended since the last reset.
int programEndCount();

// The plate picture's file name, and the copy that the build drew beside the tests.
inline const QString PlateFileName = QStringLiteral("placna01.jpg");
// Where the main window shows the plate (Image1), in logical pixels.
inline const QRect PlateBox(184, 112, 209, 209);
QString builtPlatePath();

// A program folder of the test's own, for tests that change or damage the plate picture.
class ProgramFolder
{
public:
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString plate() const { return filePath(PlateFileName); }
    // Copies the built plate picture in and makes this the program's folder.
    bool useWithPlate();

private:
    QTemporaryDir m_dir;
};

// Shows the window and waits until the platform has exposed it, or made it the active window; false if it never
// does.
enum class ShownUntil { Exposed, Active };
[[nodiscard]] bool showAndWait(Form &form, ShownUntil until = ShownUntil::Exposed);

// The window of that name, "Form1" or "Form3", loaded if it is not.
Form &formNamed(QStringView name);
// The window on screen, as the user has it: shown, then exposed or active. A window the platform never shows ends the
// test program.
Form &openWindow(QStringView name, ShownUntil until = ShownUntil::Exposed);
template <class Window>
Window &openWindow(ShownUntil until = ShownUntil::Exposed)
{
    Window &window = Forms::get<Window>();
    openWindow(window.name(), until);
    return window;
}
// The text boxes of the window of that name, by their names, in order: Text1 to Text9 for the main window, Text1,
// Text3 and Text4 for the view.
const QStringList &textBoxNames(QStringView window);
// A text box named with its window, "Form3.Text1"; the window is loaded if it is not.
QLineEdit &textBoxNamed(QStringView windowAndBox);

// Puts the quantities straight into the main window's Sun, Moon and phase fields, typing nothing.
void setMainFields(const QString &sun, const QString &moon, const QString &phase = {});
// What each text box of the window of that name shows, in the order of textBoxNames.
QStringList boxTexts(QStringView window);

// Clicks the window's button or picture box, as the user does.
void press(Form &form, QStringView control);
// Clicks a button named with its window, "Form1.Command1"; the window is loaded if it is not.
void press(QStringView windowAndButton);
// As the user does it: into the box, everything selected, then the value typed over it (an empty value deletes).
void typeInto(QLineEdit &box, const QString &value);

// The offscreen platform cannot raise a window and warns at every Show. Call from initTestCase(), once QtTest
// logs the messages: drops that warning and passes every other message on.
void quietOffscreenRaiseWarnings();

// The text of every text box of the loaded windows, by window and box: "Form1.Text4".
using FieldTexts = std::map<QString, QString>;
FieldTexts fieldSnapshot();
// The loaded windows have exactly these text boxes, holding these texts; a box that differs is named after the
// context.
void compareFieldTexts(const FieldTexts &expected, const QString &context = {});

// The mean absolute difference per colour channel of two pictures of the same size, in levels of 0 to 255.
double meanDifference(const QImage &a, const QImage &b);
