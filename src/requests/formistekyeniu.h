#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The request-form window: a web page of the distributor (the registration
// request) shown in the embedded browser `sitem` when the client is built
// with one; otherwise the page is opened in the system browser and the window
// shows a short text with the address. "Kapat" closes the window (Rejected).
//
// Opener: construct, setWindowTitle(...), Navigate(address), exec().
class Tformistekyeni : public QDialog {
    Q_OBJECT
public:
    explicit Tformistekyeni(QWidget* parent = nullptr);
    ~Tformistekyeni() override;

    // Shows the page (embedded), or hands it to the system browser; the address
    // is taken as written (blanks in the query are encoded on the way out).
    void Navigate(const QString& address);
    QString address() const { return address_; }

    void Button1Click();

    // Controls. `sitem` is the embedded browser, or the text standing in for it.
    QWidget* sitem = nullptr;
    QLabel* adres = nullptr;
    QPushButton* Button1 = nullptr;

private:
    QString address_;
};
