#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <utility>
#include <vector>

namespace velora::testsupport {

using ClipboardItem = std::vector<std::pair<QString, QByteArray>>;

// What the user had copied in another program before a capture: text, rich text and a picture.
inline ClipboardItem usersClipboard() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.setPixel(1, 1, qRgb(250, 10, 10));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {{QStringLiteral("text/plain"), QStringLiteral("user’s words").toUtf8()},
            {QStringLiteral("text/html"), QByteArray("<p>user&rsquo;s <b>words</b></p>")},
            {QStringLiteral("image/png"), png}};
}

} // namespace velora::testsupport
