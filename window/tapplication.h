#pragma once

#include <QApplication>

#include <exception>

// The program's application object: the font substitutes, the icon, and the one place that shows
// an error which escaped a handler.
class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    // Maps the layout's Windows faces to installed ones of close metrics; before any widget.
    static void RegisterFontSubstitutes();
    // A modal message box titled "Tesselin" with the error's Windows-1252 message; the loop then
    // goes on. Returns when the user has closed it.
    static void ShowException(const std::exception& error);
};
