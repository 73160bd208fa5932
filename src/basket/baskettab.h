#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// The "Sepet" tab: the basket held on the server and sending it as an order.
// The main window hosts its page; everything inside the page belongs here.
class BasketTab : public QObject {
    Q_OBJECT
public:
    explicit BasketTab(QObject* parent = nullptr);
    ~BasketTab() override;

    // The tab's page, named "ssepet"; the tab control takes it over when added.
    QWidget* page() const;

private:
    QPointer<QWidget> m_page;
};
