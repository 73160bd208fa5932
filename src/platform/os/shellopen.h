#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// Handing a file or web address to the desktop, and starting other programs.
// Tests replace both with a recorder (one place for this seam).
namespace shellopen {

struct ShellRequest {
    enum class Kind { OpenUrl, StartProgram };
    Kind kind;
    QString target;          // the address, or the program file
    QStringList arguments;   // StartProgram only
};

// Opens the address (a web page, or a local file as file URL) with the desktop's handler.
bool OpenUrl(const QUrl& url);
// Opens a local file with the desktop's handler.
bool OpenFile(const QString& path);
// Starts the program detached from this process.
bool StartProgram(const QString& program, const QStringList& arguments);

// Test seam: with a handler installed nothing is opened or started; the handler
// gets each request and its answer is the result. An empty handler restores the real one.
using Handler = std::function<bool(const ShellRequest&)>;
void SetHandler(Handler handler);

} // namespace shellopen
