#include "render/QtText.h"

#include <QStringDecoder>

namespace kelvane {

QString ToQt(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string FromQt(const QString& text)
{
    return text.toStdString();
}

std::string FromQtKeeping(const QString& text, const std::string& stored)
{
    return ToQt(stored) == text ? stored : FromQt(text);
}

} // namespace kelvane
