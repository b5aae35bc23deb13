#pragma once
// The bar graph of a roger-beep sequence (the editor's picture box). It draws in twips,
// 15 to a pixel, so the margins keep their proportion to the picture.

#include <QFrame>
#include <functional>

#include "codeplug/records.h"

namespace zb {

class ToneGraphView : public QFrame {
    Q_OBJECT

public:
    static constexpr int kUnitsPerPixel = 15;

    using SequenceSource = std::function<const RogerBeepRecord&()>;
    explicit ToneGraphView(SequenceSource source, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {520, 140}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SequenceSource source_;
};

}  // namespace zb
