// SPDX-License-Identifier: MIT
// The yardstick for the forms layer: the program's main window written by hand with plain Qt Widgets, placed with
// setGeometry, with the same captions, fonts, colours, lines and plate picture, and no logic behind it.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

QFont designFont(double points = 8.25, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// The captions are longer than the buttons are wide: wrapped at blanks and centred, as the program shows them.
class WrappedButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect textArea = rect().adjusted(3, 2, -3, -2);
        painter.setClipRect(textArea);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

// The plate and the lines lie under the labels, so the window paints them itself.
class PlainWindow : public QWidget
{
public:
    PlainWindow()
    {
        setWindowTitle(QStringLiteral("Dorlasco's astrolabe simulator"));
        resize(977, 705);
        m_plate = QPixmap(QCoreApplication::applicationDirPath() + QStringLiteral("/placna01.jpg"))
                      .scaled(PlateBox.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

        const QColor blue(0, 0, 255);
        const QColor red(255, 0, 0);
        const QColor green(0, 255, 0);
        const QFont large = designFont(13.5);
        label("South", {304, 8, 57, 25}, large, blue);
        label("East", {16, 208, 41, 25}, large, blue);
        label("West", {544, 208, 57, 33}, large, blue);
        label("North", {304, 424, 73, 33}, large, blue);
        label("Position  of the Sun", {408, 160, 185, 25}, designFont(13.5, true), red);
        label("Position of the Moon and of Sun in degrees: positive clock  wise,     zero south", {32, 256, 121, 137});
        label("Dorlasco's Astrolabe simulator", {504, 32, 489, 41}, designFont(24, true), blue);
        label("It teachs in a simple way how  to use Dorlasco's astrolabe", {504, 88, 457, 25},
              designFont(12, false, true), blue);
        label("Click here to see a 15' PowerPointPresentation in Italian language ( suggested).", {8, 32, 233, 41},
              designFont(), blue);
        label("Not present in the email version", {8, 56, 185, 25}, designFont(), red);

        auto *presentation = new QFrame(this);
        presentation->setFrameStyle(QFrame::Box | QFrame::Plain);
        presentation->setGeometry(8, 80, 105, 113);
        auto *heading = new QLabel(QStringLiteral("Presentation"), presentation);
        heading->setFont(designFont(8.25, true));
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        heading->setGeometry(5, 5, 95, 13);
        auto *document = new QLabel(QStringLiteral("Ipotesi sulla Dorlasco della Necropoli 270902f.ppt\n\n"
                                                   "(not included)"),
                                    presentation);
        document->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        document->setWordWrap(true);
        document->setGeometry(5, 22, 95, 86);

        label("sin", {552, 256, 41, 17});
        label("cos", {552, 288, 33, 17});
        for (const QRect &box :
             {QRect(600, 256, 97, 21), QRect(600, 280, 97, 21), QRect(800, 256, 73, 21), QRect(800, 280, 73, 21)})
            textBox(box);
        label("green line :       position of the Moon", {600, 304, 105, 33}, designFont(), green);
        label("red line:              position of the Sun", {816, 304, 113, 33}, designFont(), red);

        label("Connect the Position of the Sun, the Position of the Moon, the Phase of the Moon", {536, 352, 417, 57},
              large, blue);
        button("Enter of two of these data and you will have,  as result, the  third data.", {536, 416, 353, 49},
               designFont(9.75));
        label("Position of the Sun in degrees", {80, 480, 185, 17});
        label("Position of the Moon in degrees", {344, 480, 193, 25});
        label("Phase of the Moon (integer between 1 and 28 )", {600, 480, 225, 25});
        textBox({72, 504, 217, 33})->setFocus();
        textBox({344, 504, 193, 33});
        textBox({592, 504, 249, 33});
        label("Day of the Moon's month: after the new Moon", {592, 544, 249, 17});

        button("Read solar hour", {72, 544, 121, 17});
        textBox({200, 544, 89, 19});
        label("solar hour", {216, 552, 113, 17});
        label("", {536, 592, 361, 73});
        button("See geometrical solution in astrolabe", {632, 592, 201, 85}, large);
        textBox({64, 600, 385, 41});
        label("Algebric formula used", {64, 656, 137, 17});
        auto *pictureBox = new QFrame(this);
        pictureBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pictureBox->setLineWidth(2);
        pictureBox->setGeometry(280, 672, 28, 28);
        button("Turn the astrolabe to point the Sun  or the Moon", {336, 672, 33, 25});
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawPixmap(PlateBox.topLeft(), m_plate);
        line(painter, {64, 216}, {528, 216}, QColor(0, 0, 255), 3);
        line(painter, {288, 16}, {288, 432}, QColor(0, 0, 255), 3);
        line(painter, {288, 216}, {592, 192}, QColor(255, 0, 0), 1);
        line(painter, {792, 216}, {856, 168}, palette().color(QPalette::WindowText), 1);
    }

private:
    static constexpr QRect PlateBox{184, 112, 209, 209};

    void label(const char *caption, const QRect &box, const QFont &font = designFont(), const QColor &colour = {})
    {
        auto *label = new QLabel(QString::fromUtf8(caption), this);
        label->setGeometry(box);
        label->setFont(font);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        // Under the text boxes and buttons, as on a window that paints its labels.
        label->lower();
        if (colour.isValid()) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, colour);
            label->setPalette(palette);
        }
    }

    QLineEdit *textBox(const QRect &place)
    {
        auto *box = new QLineEdit(this);
        box->setGeometry(place);
        return box;
    }

    void button(const char *caption, const QRect &box, const QFont &font = designFont())
    {
        auto *button = new WrappedButton(QString::fromUtf8(caption), this);
        button->setGeometry(box);
        button->setFont(font);
    }

    static void line(QPainter &painter, QPoint from, QPoint to, const QColor &colour, int width)
    {
        QPen pen(colour, width);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(from, to);
    }

    QPixmap m_plate;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The layout was drawn for MS Sans Serif; Liberation Sans has close metrics.
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    QApplication::setFont(designFont());
    PlainWindow window;
    window.show();
    return QApplication::exec();
}
