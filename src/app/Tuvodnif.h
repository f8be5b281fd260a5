#pragma once

#include <QWidget>

class QProgressBar;

// The splash window shown while the windows are created.
class Tuvodnif : public QWidget
{
    Q_OBJECT
public:
    explicit Tuvodnif(QWidget* parent = nullptr);
    void setProgress(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QProgressBar* m_pb1;
};
