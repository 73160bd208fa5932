#pragma once

#include <QIcon>
#include <QRectF>

#include <functional>

class QPainter;

// An icon drawn by code at whatever size and pixel density it is asked for,
// so it stays sharp at 100 % and 200 %. The drawing gets the target rectangle
// in device pixels with antialiasing already on.
using IconPainter = std::function<void(QPainter& painter, const QRectF& rect)>;
QIcon PaintedIcon(IconPainter draw);
