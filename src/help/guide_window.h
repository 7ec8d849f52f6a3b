// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class GuideText;
class QListWidget;

// The Help window: the list of the guide's sections beside the guide's text. Its keys are its own actions: close,
// and make the text larger, smaller or as at first.
class GuideWindow : public QWidget
{
    Q_OBJECT

public:
    // The guide's page, and the folder its pictures are found in.
    GuideWindow(const QString &html, const QString &folder);

    GuideText *text() const { return m_text; }
    QListWidget *contents() const { return m_contents; }

    // Sized and placed to be seen whole, frame included, on the screen of the window it is opened from.
    void placeBeside(const QWidget *opener);

private:
    void addReadingActions();
    void zoomTo(qreal points);

    QListWidget *m_contents = nullptr;
    GuideText *m_text = nullptr;
    qreal m_normalPoints = 0;
};
