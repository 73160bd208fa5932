#pragma once

class QWidget;

// The strip along the bottom of the main window that explains the stock
// state icons of the stock lists ("Panel3", 27 pixels high).
QWidget* CreateLegendStrip(QWidget* parent);
