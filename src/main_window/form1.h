// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

class QLineEdit;

// The main window: the three quantities, the solver, the solar hour, and the plate inside the compass cross.
class Form1 : public Form
{
    Q_OBJECT
public:
    Form1();

    static FormDesign designTable();
    static QString platePicturePath();

    QLineEdit &Text1() const { return textBox(u"Text1"); } // Sun, degrees
    QLineEdit &Text2() const { return textBox(u"Text2"); } // Moon, degrees
    QLineEdit &Text3() const { return textBox(u"Text3"); } // phase, day of the Moon's month
    QLineEdit &Text4() const { return textBox(u"Text4"); } // formula used
    QLineEdit &Text5() const { return textBox(u"Text5"); } // solar hour

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Picture1_Click();

protected:
    void Form_Load() override;

private:
    void loadPlatePicture();
};
