#include "ansi.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString FromAnsi(const std::string& text)
{
    QStringDecoder decoder("windows-1252");
    const auto shown = text.substr(0, text.find('\0'));
    return decoder(QByteArrayView(shown.data(), static_cast<qsizetype>(shown.size())));
}

std::string ToAnsi(const QString& text)
{
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder(text);
    return bytes.toStdString();
}
