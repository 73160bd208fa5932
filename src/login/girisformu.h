#pragma once

#include <QDialog>
#include <QString>

#include <atomic>
#include <memory>

class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class BusyPicture;
class TSonucBilgisi;
namespace dsclient {
class DSConnection;
}

// The login window "Giriş". It learns the machine's external address, fetches
// the account bound to this machine, checks the typed name and password
// against it, remembers them in "ayar.ini" and sends a salesperson on to choose
// a customer. Accepted is the only way into the program; every other outcome
// ends the process (exit code 0).
//
// Opener: construct with the main connection and the main login record (both
// outlive the window), exec(). The login fills the record.
class Tgirisform : public QDialog {
    Q_OBJECT
public:
    Tgirisform(dsclient::DSConnection& bagim, TSonucBilgisi& Bilgim, QWidget* parent = nullptr);
    ~Tgirisform() override;

    // "ayar.ini" in GetAppDataFolder(): section "kullanici", keys "isim", "sifre", "hatırla".
    static QString SettingsFile();

    void adiKeyDown(QKeyEvent* event);
    void sifreKeyDown(QKeyEvent* event);
    void Button1Click();
    void Button2Click();

    // Second stage, once the external address is known.
    void Devamet(const QString& ip);
    // Blocking; run by workers. Empty only when the window is closing.
    QString GetExternalIp() const;
    // Blocking; run by the worker of the second stage.
    bool FetchLoginRecord();

    void LoadLoginSettings();
    void SaveLoginSettings();
    // Each returns false when it has ended the process.
    bool OpenCustomerSelection();
    void StartUpdateDownload();
    void OpenRequestForm(const QString& webAddress);

    // The machine identifier, taken when the window is created.
    QString idsi;

    // Controls.
    QLineEdit* adi = nullptr;
    QLineEdit* sifre = nullptr;
    QCheckBox* benihatirla = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    BusyPicture* RxGIFAnimator1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate();
    void buildLayout();
    void CheckLoginRecord(bool fetched);
    void backToIdle();
    void rejectCredentials();
    // Handles Enter in one of the boxes; true when the key was swallowed.
    bool enterIn(QLineEdit* box, const QString& emptyWarning, QKeyEvent* event);

    dsclient::DSConnection& bagim;
    TSonucBilgisi& Bilgim;
    // Set when the window goes or the program ends, so that running workers
    // stop waiting for the address service.
    std::shared_ptr<std::atomic_bool> closing_ = std::make_shared<std::atomic_bool>(false);
};
