#pragma once

#include <QDialog>

#include <atomic>
#include <memory>
#include <thread>

class QLabel;
class QProgressBar;
namespace dsclient {
class DSConnection;
}

// "Dosya İndir": downloads the set-up program of a new version from the
// maker's server into the local data folder, starts it with "/silent" and ends
// the process with exit code 0. A download that fails (no connection, time-out,
// an HTTP status other than success) shows "Hata Oluştu !\r\nHata: " with the
// error and ends the process too; the old set-up file is then left as it was.
//
// Opener: construct with the version the server reported, set `bag`, exec().
// The download starts when the window first becomes active and runs on its own
// thread; the window cannot be closed while it runs. exec() returns (Rejected)
// only when the file could not be written and the user closed the window;
// the login then goes on.
class Tdosyaindir : public QDialog {
    Q_OBJECT
public:
    // `_y` is the version the server reported (Version of the login record).
    explicit Tdosyaindir(int _y, QWidget* parent = nullptr);
    ~Tdosyaindir() override;

    // The caller's connection; nothing in this window uses it.
    dsclient::DSConnection* bag = nullptr;

    // Starts the download the first time; later activations do nothing.
    void FormActivate();
    bool basladi() const { return basladi_; }

    // Where the set-up program is saved.
    static QString TargetFile();

    // Controls.
    QLabel* sLabel1 = nullptr;
    QLabel* bilgi = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

    // The download's time-outs.
    static constexpr int kConnectTimeoutMs = 60000;
    // A response that sends nothing for this long counts as timed out.
    static constexpr int kResponseTimeoutMs = 60000;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    struct Transfer;

    void NetHTTPClient1ReceiveData(qint64 contentLength, qint64 readCount);
    void NetHTTPClient1RequestError(const QString& error);
    void downloadFinished(const QString& target);
    void saveFailed(const QString& error);
    void showLatestProgress();
    void postProgress();
    void download(QString target);

    QString url_;
    bool basladi_ = false;
    bool running_ = false;
    std::shared_ptr<Transfer> transfer_;
    std::thread worker_;
};
