// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <stdexcept>
#include <utility>
#include <vector>

// A failed call on a window, a control or a picture, or the arithmetic's numeric fault. Throwing one stops the event
// procedure at once; what it wrote before stays. The wrapper that runs every event procedure shows it to the user.
class RuntimeError : public std::runtime_error
{
public:
    enum Number {
        InvalidProcedureCall = 5,
        Overflow = 6,
        FileNotFound = 53,
        PathFileAccessError = 75,
        ObjectRequired = 424,
        InvalidPicture = 481,
    };

    RuntimeError(int number, QString description, QString concerns = {});
    // The arithmetic's numeric fault as the user reads it.
    static RuntimeError overflow(QString concerns = {});

    int number() const { return m_number; }
    // What the error is about: a file's full path, a control's name. May be empty.
    const QString &concerns() const { return m_concerns; }

    // The message the user reads: number, text, what it concerns and, when given, the procedure it stopped and
    // the control whose event ran it.
    QString message(const QString &procedure = {}, const QString &control = {}) const;

private:
    int m_number;
    QString m_description;
    QString m_concerns;
};

// What an Overflow concerns when fields' values could not be used (one to three): each field's caption with the
// first characters of its text.
QString unusableValues(const std::vector<std::pair<QString, QString>> &namesAndTexts);
