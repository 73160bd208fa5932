#pragma once

#include <QWidget>

class QTimer;

// The turning picture shown while a background load runs. Hidden until
// start(); stop() hides it again. Drawn with QPainter so it stays crisp at
// any device pixel ratio.
class BusyPicture : public QWidget {
    Q_OBJECT
public:
    explicit BusyPicture(QWidget* parent = nullptr);

    void start();
    void stop();
    bool isRunning() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void advance();

    QTimer* m_timer;
    int m_step = 0;
};
