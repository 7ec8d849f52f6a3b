// SPDX-License-Identifier: MIT
#include "presentation_box.h"

#include "app.h"
#include "event_procedure.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The file name at the end of a path written with either kind of separator.
QString documentFileName(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(cut + 1);
}

} // namespace

PresentationBox::PresentationBox(const QString &objectClass, const QString &sourcePath, QWidget *parent)
    : FramedBox(QFrame::Box, QFrame::Plain, 1, parent), m_objectClass(objectClass), m_sourcePath(sourcePath)
{
    connect(this, &QAbstractButton::clicked, this, &PresentationBox::openDocument);
    setToolTip(tr("Linked presentation (%1):\n%2\nThe presentation is not included with this program. "
                  "Double-click to open it if you have a copy in your data folder:\n%3")
                   .arg(m_objectClass, m_sourcePath, userDocumentFolder()));
}

QString PresentationBox::userDocumentFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString PresentationBox::findDocument() const
{
    // Only by its file name: the design's path is a Windows path, which read here would name a file of that odd name
    // in whatever folder the program was started from. The program's own folder is the package's, which a user
    // cannot write; the data folders are where a user, or a site, can put a copy.
    const QString name = documentFileName(m_sourcePath);
    const QString besideProgram = App::Path() + u'/' + name;
    if (QFileInfo(besideProgram).isFile())
        return besideProgram;
    return QStandardPaths::locate(QStandardPaths::AppDataLocation, name);
}

void PresentationBox::openDocument()
{
    const QString document = findDocument();
    if (document.isEmpty()) {
        QString text =
            tr("The presentation \"%1\" is not included with this program.").arg(documentFileName(m_sourcePath));
        if (!m_alternative.isEmpty())
            text += u' ' + m_alternative;
        text += QStringLiteral("\n\n")
                + tr("To view the presentation, put a copy of the file in this folder:\n%1").arg(userDocumentFolder());
        showUserMessage({MessageKind::Information, tr("Presentation not present"), text});
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(document).absoluteFilePath()))) {
        showUserMessage({MessageKind::Information, tr("Presentation"),
                         tr("No application on this desktop opens the presentation:\n%1").arg(document)});
    }
}

void PresentationBox::paintEvent(QPaintEvent *event)
{
    FramedBox::paintEvent(event);
    QPainter painter(this);
    painter.setLayoutDirection(layoutDirection());
    const QRect area = contentsRect().adjusted(4, 4, -4, -4);
    painter.setClipRect(area);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    const QRect heading =
        painter.boundingRect(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, tr("Presentation"));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, tr("Presentation"));
    painter.setFont(font());
    const QRect rest = area.adjusted(0, heading.height() + 4, 0, 0);
    painter.drawText(rest, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     tr("%1\n\n(not included)").arg(documentFileName(m_sourcePath)));
}

void PresentationBox::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
}

void PresentationBox::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
}

void PresentationBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        click();
}
