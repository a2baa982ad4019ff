#include "shell/HospitalMark.h"

#include "framework/Palette.h"

#include <QPainter>
#include <QPainterPath>

void drawHospitalMark(QPainter& p, const QRect& box) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::crimson());
    const qreal r = box.width() * 0.22;
    p.drawRoundedRect(QRectF(box), r, r);
    // A heartbeat across the badge.
    const qreal w = box.width(), h = box.height(), x = box.left(), y = box.top();
    QPainterPath pulse;
    pulse.moveTo(x + w * 0.12, y + h * 0.55);
    pulse.lineTo(x + w * 0.34, y + h * 0.55);
    pulse.lineTo(x + w * 0.43, y + h * 0.28);
    pulse.lineTo(x + w * 0.55, y + h * 0.78);
    pulse.lineTo(x + w * 0.64, y + h * 0.45);
    pulse.lineTo(x + w * 0.70, y + h * 0.55);
    pulse.lineTo(x + w * 0.88, y + h * 0.55);
    p.setPen(
        QPen(QColor(255, 253, 252), std::max(2.0, w * 0.075), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pulse);
    p.restore();
}
