#include "ColorSwatch.h"

#include "Tdm.h"

#include <QPainter>

namespace {
QColor fromBgr(unsigned bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
} // namespace

ColorSwatch::ColorSwatch(const QString& objectName, QWidget* parent) : QAbstractButton(parent)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, &ColorSwatch::choose);
}

void ColorSwatch::setBgr(unsigned bgr)
{
    bgr &= 0xFFFFFFu;
    if (bgr == m_bgr)
        return;
    m_bgr = bgr;
    setToolTip(fromBgr(bgr).name());
    update();
    emit colorChanged(bgr);
}

void ColorSwatch::choose()
{
    const QColor current = fromBgr(m_bgr);
    const auto chosen = Tdm::instance().dialogs().chooseColor(current.rgb() & 0xFFFFFFu);
    if (!chosen)
        return;
    const unsigned rgb = *chosen;
    setBgr(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

void ColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height()) - 4;
    const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    p.setPen(QPen(hasFocus() ? palette().highlight().color() : palette().mid().color(), hasFocus() ? 2 : 1));
    p.setBrush(fromBgr(m_bgr));
    p.drawEllipse(circle);
}
