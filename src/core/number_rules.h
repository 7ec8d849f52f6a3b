// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// How every handler turns a field's text into a number and a number back into a field's text.

// The leading number of the text: blanks (spaces, tabs) at the start are skipped, then the longest prefix of the
// form [sign] digits [. digits] [e|E [sign] digits] is read; the rest is ignored. Only ASCII digits and a full
// stop count, under every locale. A text that does not begin with a number reads as 0. A number beyond the
// double range raises the Overflow fault; one too small for a double reads as 0.
double readNumber(QStringView text);

// True only for the empty text: a text of blanks or letters is filled.
bool isEmptyField(QStringView text);

// Whole values as digits alone ("45", "-3", "0"), others with up to 15 significant digits and a full stop
// ("24.5"); magnitudes from 1e15 up or below 1e-5 in exponent form ("1E+15", "2.5E-06"). readNumber reads
// every such text back to the same value within its 15 significant digits.
QString numberText(double value);

// The greatest whole number not above the value: 4.9 gives 4, -0.5 gives -1.
double wholeFloor(double value);

double absolute(double value);
