#include "tapplication.h"

#include "ansi.h"

#include <QFont>
#include <QIcon>
#include <QMessageBox>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tesselin"));
    setApplicationDisplayName(QStringLiteral("Tesselin"));
    RegisterFontSubstitutes();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tesselin-32.png"));
    icon.addFile(QStringLiteral(":/icons/tesselin-64.png"));
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
