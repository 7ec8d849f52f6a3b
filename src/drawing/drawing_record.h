// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPainter>

#include <list>
#include <optional>
#include <unordered_map>
#include <vector>

// One call of Line or Circle, as the program made it: coordinates in the window's drawing units, in single
// precision, with the pen pattern and colour in force at the time.
struct DrawingOperation {
    enum class Kind : quint8 { Line, Circle };
    Kind kind = Kind::Line;
    Qt::PenStyle style = Qt::SolidLine;
    QRgb colour = 0;
    float x1 = 0, y1 = 0; // a line's first end; a circle's centre
    float x2 = 0, y2 = 0; // a line's second end
    float radius = 0; // circles, in horizontal units
    std::optional<float> start = {}, end = {}; // an arc's angles in radians; a negative one also draws its radius

    bool operator==(const DrawingOperation &) const = default;
};

struct DrawingOperationHash {
    size_t operator()(const DrawingOperation &operation) const noexcept;
};

// What a window has drawn, kept so it can be drawn again at any size: on the screen, on a page or into a file. The
// drawing is opaque and unblended, so an operation drawn again covers every pixel it covered before: the earlier
// copy can no longer be seen, and only the latest is kept. Pressing a figure button again adds nothing.
class DrawingRecord
{
public:
    // Twips per drawing unit, across and down, as the window's scale gives them.
    DrawingRecord(double unitTwipsX, double unitTwipsY) : m_unitTwipsX(unitTwipsX), m_unitTwipsY(unitTwipsY) {}

    void append(const DrawingOperation &operation);
    void clear();
    size_t size() const { return m_operations.size(); }
    std::vector<DrawingOperation> operations() const { return {m_operations.begin(), m_operations.end()}; }

    // Every operation in the order drawn, at scale times the window's logical pixels (1 is the window at 100%),
    // with lines one logical pixel wide at that scale.
    void replay(QPainter &painter, qreal scale) const;
    // One operation, the same way.
    void draw(QPainter &painter, const DrawingOperation &operation, qreal scale) const;

    // A point in drawing units, in the window's logical pixels.
    QPointF toPixels(double x, double y) const;
    // The rectangle that an operation may touch on the window, in logical pixels.
    QRectF bounds(const DrawingOperation &operation) const;

private:
    double m_unitTwipsX;
    double m_unitTwipsY;
    std::list<DrawingOperation> m_operations;
    std::unordered_map<DrawingOperation, std::list<DrawingOperation>::iterator, DrawingOperationHash> m_index;
};

// The pen of every line drawn, figures and line controls alike: a line ends where it is told to, neither short nor
// overshooting.
QPen linePen(const QColor &colour, qreal width, Qt::PenStyle style = Qt::SolidLine);
