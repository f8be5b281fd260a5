#pragma once

#include <QAbstractButton>

// A coloured circle that shows one colour setting; a click lets the user choose another colour.
class ColorSwatch : public QAbstractButton
{
    Q_OBJECT
public:
    explicit ColorSwatch(const QString& objectName, QWidget* parent = nullptr);

    // Colours are kept as the settings file stores them: 0x00BBGGRR.
    unsigned bgr() const { return m_bgr; }
    void setBgr(unsigned bgr);
    QSize sizeHint() const override { return {28, 28}; }

signals:
    void colorChanged(unsigned bgr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void choose();
    unsigned m_bgr = 0xFFFFFF;
};
