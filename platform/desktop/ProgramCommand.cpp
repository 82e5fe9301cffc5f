#include "platform/desktop/ProgramCommand.hpp"

#include <QCoreApplication>
#include <QFileInfo>

namespace velora::ProgramCommand {

QString path() {
    const QFileInfo given(QFile::decodeName(qgetenv(variable)));
    if (given.isAbsolute() && given.isFile() && given.isExecutable()) {
        return given.filePath();
    }
    return QCoreApplication::applicationFilePath();
}

} // namespace velora::ProgramCommand
