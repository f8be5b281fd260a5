#include "Tuvodnif.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

Tuvodnif::Tuvodnif(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("uvodnif"));
    setFixedSize(440, 220);
    m_pb1 = new QProgressBar(this);
    m_pb1->setObjectName(QStringLiteral("pb1"));
    m_pb1->setRange(0, 100);
    m_pb1->setTextVisible(false);
    m_pb1->setFixedHeight(6);
    m_pb1->setStyleSheet(
        QStringLiteral("QProgressBar{border:0;background:#ddd}QProgressBar::chunk{background:#d01010}"));
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_pb1);
    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tuvodnif::setProgress(int percent)
{
    m_pb1->setValue(percent);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Tuvodnif::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    gradient.setColorAt(1, QColor(0x0b, 0x25, 0x3d));
    p.fillRect(rect(), gradient);
    p.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(26);
    title.setBold(true);
    p.setFont(title);
    p.drawText(rect().adjusted(0, 0, 0, -60), Qt::AlignCenter, QStringLiteral("vornik"));
    QFont sub = font();
    sub.setPointSize(11);
    p.setFont(sub);
    p.drawText(rect().adjusted(0, 60, 0, 0), Qt::AlignCenter, tr("evidence zápůjček"));
}
