#include "features/ui/tone_graph_view.h"

#include <QPainter>

#include "features/tone_graph.h"

namespace zb {

ToneGraphView::ToneGraphView(SequenceSource source, QWidget* parent)
    : QFrame(parent), source_(std::move(source)) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMinimumHeight(100);
}

void ToneGraphView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect inner = contentsRect();
    const std::vector<GraphBox> boxes = ToneGraphBoxes(
        source_(), inner.width() * kUnitsPerPixel, inner.height() * kUnitsPerPixel);
    QPainter painter(this);
    painter.setClipRect(inner);
    painter.translate(inner.topLeft());
    painter.scale(1.0 / kUnitsPerPixel, 1.0 / kUnitsPerPixel);
    for (const GraphBox& box : boxes) {
        painter.fillRect(QRect(box.x, box.top, box.width, box.height),
                         box.red ? QColor(Qt::red) : QColor(Qt::blue));
    }
}

}  // namespace zb
