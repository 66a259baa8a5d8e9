#include "tapplication.h"

#include "ansi.h"
#include "icons/tesselin-32.xpm"
#include "icons/tesselin-64.xpm"

#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tesselin"));
    setApplicationDisplayName(QStringLiteral("Tesselin"));
    RegisterFontSubstitutes();
    // Compiled-in XPM: reading a file makes Qt load every image plugin to sniff its format.
    QIcon icon;
    icon.addPixmap(QPixmap(tesselin_32_xpm));
    icon.addPixmap(QPixmap(tesselin_64_xpm));
    setWindowIcon(icon);
}

void TApplication::RegisterFontSubstitutes()
{
    // Liberation Sans shares Arial's metrics and is the nearest in width to MS Sans Serif at 11
    // pixels; Roboto Black is a sans as heavy as Arial Black.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("Roboto Black"));
}

void TApplication::ShowException(const std::exception& error)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tesselin"), FromAnsi(error.what()),
                    QMessageBox::Ok, activeWindow());
    box.exec();
}
