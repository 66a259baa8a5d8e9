#include "tapplication.h"
#include "tform1.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

bool PlatformNamed(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    return false;
}

[[noreturn]] void NoDisplay(const char* why)
{
    std::fprintf(stderr, "tesselin: Das Fenster kann nicht geöffnet werden: %s.\n", why);
    std::fflush(stderr);
    std::_Exit(1);
}

// Qt's messages while the platform starts: held back, and replaced by our one line if the
// platform cannot start (Qt would abort with a page of plugin diagnostics).
std::vector<std::pair<QtMsgType, QString>> startupMessages;
QtMessageHandler defaultHandler = nullptr;

void StartupHandler(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type == QtFatalMsg) {
        NoDisplay("die Anzeige hat die Verbindung abgelehnt oder ist nicht erreichbar");
    }
    startupMessages.emplace_back(type, message);
}

} // namespace

int main(int argc, char** argv)
{
    if (!PlatformNamed(argc, argv) && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        NoDisplay("keine Anzeige gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)");
    }
    defaultHandler = qInstallMessageHandler(StartupHandler);
    TApplication application(argc, argv);
    qInstallMessageHandler(defaultHandler);
    for (const auto& [type, message] : startupMessages) {
        if (defaultHandler) {
            defaultHandler(type, QMessageLogContext(), message);
        }
    }
    startupMessages.clear();

    TForm1 Form1;
    Form1.show();
    application.exec();
    return 0;
}
