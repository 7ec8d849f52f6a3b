// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

// A box that stands for a linked document. It names the document, says that it is not part of the program, and
// opens it with the desktop's application on a double-click (or Space, Return or Enter) when a copy can be found.
class PresentationBox : public FramedBox
{
    Q_OBJECT
public:
    PresentationBox(const QString &objectClass, const QString &sourcePath, QWidget *parent = nullptr);

    const QString &sourcePath() const { return m_sourcePath; }
    // What the user may read instead when the document is not there, told with that news; set by the window.
    void setAlternative(const QString &text) { m_alternative = text; }
    // A file of the linked document's name beside the program or in the user's or the system's data folders for the
    // program, or nothing.
    QString findDocument() const;
    // The data folder of the user's own, where a copy of the document can go; it may not exist yet.
    static QString userDocumentFolder();
    // Opens the document, or tells the user that it is not present.
    void openDocument();

protected:
    void paintEvent(QPaintEvent *event) override;
    // The mouse opens the document with a double-click, as the design's linked object does; a single click only
    // takes the focus.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString m_objectClass;
    QString m_sourcePath;
    QString m_alternative;
};
