#pragma once

#include <QWidget>

// The fixed picture at the left of the main window's header: the program's
// mark and name, painted at the screen's own resolution.
class HeaderLogo : public QWidget {
    Q_OBJECT
public:
    explicit HeaderLogo(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
