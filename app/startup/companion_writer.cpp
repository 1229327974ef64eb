#include "companion_writer.h"

#include "file_lookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

void WriteCompanionFile(const CompanionFile& file, const std::string& folder) {
    if (platform::FindInFolder(folder, file.name, platform::EntryKind::File)) {
        return;
    }
    const std::optional<std::vector<unsigned char>> bytes = DecodeHexText(file.text);
    if (!bytes) {
        return;
    }
    // Written aside and renamed into place, which never replaces an entry that appeared meanwhile.
    const QDir destination(QString::fromStdString(folder));
    QTemporaryFile temporary(destination.filePath(QLatin1String(file.name) + QLatin1String(".XXXXXX")));
    if (!temporary.open()) {
        return;
    }
    const auto size = static_cast<qint64>(bytes->size());
    if (temporary.write(reinterpret_cast<const char*>(bytes->data()), size) != size ||
        !temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                  QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                  QFile::ExeOther) ||
        !temporary.flush()) {
        return;
    }
    if (temporary.rename(destination.filePath(QLatin1String(file.name)))) {
        temporary.setAutoRemove(false);
    }
}
