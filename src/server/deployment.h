#pragma once

#include <QString>
#include <QStringList>

// The deployment values built into the client: where the application server
// and the web services live, the support contact texts, the known disk serials
// and the time-outs. Start-up options and tests point them elsewhere.
struct DeploymentValues {
    // Application server.
    QString serverHost = QStringLiteral("b2b.velkora.com.tr");
    int serverPort = 9090;
    int connectTimeoutMs = 5000;
    int responseTimeoutMs = 120000;
    // How long the server may hold a poll of the callback channel before it
    // answers with a keep-alive; the client polls again at once.
    int callbackPollIntervalMs = 30000;

    // The distributor's web site (payment page, request forms, item pictures); ends in "/".
    QString webSite = QStringLiteral("https://www.velkora.com.tr/");
    // The program maker's web server (address echo, set-up download); ends in "/".
    QString makerWebServer = QStringLiteral("http://guncelleme.velkora.com.tr/");

    // Support contact shown on the login window.
    QString supportTelephone = QStringLiteral("0 (212) 555 01 90");
    QString supportMail1 = QStringLiteral("destek@velkora.com.tr");
    QString supportMail2 = QStringLiteral("b2b@velkora.com.tr");

    // Disk serials that are not unique to one machine (written without spaces);
    // a machine reporting one of them is identified by knownSerialMachineId.
    QStringList knownDiskSerials = {QStringLiteral("QM00001"), QStringLiteral("0000000000000000")};
    QString knownSerialMachineId = QStringLiteral("VELKORAORTAKDISK");

    // Locale name for numbers and dates ("tr_TR"); empty means the user's own.
    QString locale;

    // The maker's page that answers the machine's external address.
    QString addressEchoUrl() const { return makerWebServer + QStringLiteral("ip.php"); }
    // The set-up program of a new version.
    QString setupDownloadUrl() const { return makerWebServer + QStringLiteral("exe/VelkoraSetup.exe"); }
};

// The version number of this program; another one reported by the server means
// that a new set-up program is downloaded.
inline constexpr int kProgramVersion = 1;

// The values in use (mutable: start-up options and tests change them).
DeploymentValues& Deployment();

// Applies the environment (VELKORA_SERVER=HOST:PORT, VELKORA_WEB, VELKORA_MAKER,
// VELKORA_LOCALE) and then the options in args (--server HOST:PORT, --web URL,
// --maker URL, --locale NAME, also as --option=value); other arguments are left
// to the caller. Web addresses get their closing "/". On a bad value nothing is
// changed, false is returned and error says which value.
bool applyOverrides(const QStringList& args, QString* error = nullptr);
