#include "window/programfolder.h"

#include <QDir>
#include <QFileInfo>

namespace Tintora {

QString resolveBelow(const QString &folder, const QString &relativePath)
{
    QString path = folder;
    const auto names = QStringView(relativePath).split(u'/', Qt::SkipEmptyParts);
    for (const QStringView name : names) {
        QString next = path + u'/' + name.toString();
        if (!QFileInfo::exists(next)) {
            const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::Hidden
                                                             | QDir::System | QDir::NoDotAndDotDot);
            for (const QString &entry : entries) {
                if (name.compare(entry, Qt::CaseInsensitive) == 0) {
                    next = path + u'/' + entry;
                    break;
                }
            }
        }
        path = next;
    }
    return path;
}

} // namespace Tintora
