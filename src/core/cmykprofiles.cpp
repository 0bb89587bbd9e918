#include "core/cmykprofiles.h"

#include "core/iccprofile.h"

#include <QCollator>
#include <QDir>
#include <QHash>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace Tintora {

ProfileReading readProfile(QByteArrayView data, const QString &name)
{
    Icc::Context context;
    return Icc::openProfile(context, data, name).reading;
}

QStringList profileFolders()
{
    QStringList folders {QStringLiteral("/usr/share/color/icc"),
                         QStringLiteral("/usr/local/share/color/icc"),
                         QDir::homePath() + QStringLiteral("/.color/icc")};
    // The first is $XDG_DATA_HOME, where colour managers keep a user's own profiles in icc.
    const QStringList dataFolders
        = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &folder : dataFolders)
        folders << folder + QStringLiteral("/icc") << folder + QStringLiteral("/color/icc");
    folders.removeDuplicates();
    return folders;
}

namespace {

struct Folder
{
    QString path;
    int depth;
};

// Walks the folders depth first, each real folder and file once (links may lead to one twice, or
// in a loop), within the bounds on depth and count.
class ProfileScanner
{
public:
    explicit ProfileScanner(const QStringList &folders)
    {
        for (const QString &folder : folders)
            m_pending.push_back({folder, 0});
        // Taken from the back: the folders in the order given.
        std::reverse(m_pending.begin(), m_pending.end());
    }

    CmykProfileScan scan()
    {
        while (!m_pending.empty()) {
            const Folder folder = m_pending.back();
            m_pending.pop_back();
            if (!firstVisit(folder.path))
                continue;
            if (m_foldersLeft-- == 0 || !scanFolder(folder)) {
                m_result.problems
                    << QStringLiteral("The search for colour profiles stops after %1 profiles or "
                                      "%2 folders; the profiles beyond them are not listed.")
                           .arg(QString::number(kMaxProfileFiles),
                                QString::number(kMaxProfileFolders));
                break;
            }
        }
        return std::move(m_result);
    }

private:
    bool firstVisit(const QString &path)
    {
        const QString real = QFileInfo(path).canonicalFilePath();
        if (real.isEmpty() || m_seen.contains(real))
            return false;
        m_seen.insert(real);
        return true;
    }

    // False when the files to read ran out before the folder's did.
    bool scanFolder(const Folder &folder)
    {
        const QDir dir(folder.path);
        const QFileInfoList files
            = dir.entryInfoList({QStringLiteral("*.icc"), QStringLiteral("*.icm")},
                                QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo &file : files) {
            if (!firstVisit(file.filePath()))
                continue;
            if (m_filesLeft-- == 0)
                return false;
            readFile(file.filePath());
        }
        if (folder.depth == kMaxProfileFolderDepth)
            return true;
        const QFileInfoList subFolders
            = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
        for (const QFileInfo &subFolder : subFolders)
            m_pending.push_back({subFolder.filePath(), folder.depth + 1});
        return true;
    }

    void readFile(const QString &path)
    {
        QByteArray bytes;
        if (const QString problem = Icc::readProfileBytes(path, bytes); !problem.isEmpty()) {
            m_result.problems << problem;
            return;
        }
        const ProfileReading reading = readProfile(bytes, path);
        if (reading.kind == ProfileKind::CmykPrinter)
            m_result.profiles.append({reading.description, path});
        else if (reading.kind == ProfileKind::Damaged)
            m_result.problems << reading.problem;
    }

    std::vector<Folder> m_pending;
    QSet<QString> m_seen;
    int m_filesLeft = kMaxProfileFiles;
    int m_foldersLeft = kMaxProfileFolders;
    CmykProfileScan m_result;
};

bool isDefault(const CmykProfile &profile)
{
    return profile.path.endsWith(u'/' + defaultCmykProfile());
}

} // namespace

CmykProfileScan findCmykProfiles(const QStringList &folders)
{
    CmykProfileScan scan = ProfileScanner(folders).scan();
    // In the order of the user's language. A collator of its own: the one that
    // QString::localeAwareCompare keeps is still held when the program ends.
    const QCollator collator;
    std::sort(scan.profiles.begin(), scan.profiles.end(),
              [&collator](const CmykProfile &first, const CmykProfile &second) {
                  if (isDefault(first) != isDefault(second))
                      return isDefault(first);
                  const int order = collator.compare(first.description, second.description);
                  return order != 0 ? order < 0 : first.path < second.path;
              });
    // Ghostscript's black-only profile has the same description as its PostScript CMYK one.
    QHash<QString, int> uses;
    for (const CmykProfile &profile : std::as_const(scan.profiles))
        ++uses[profile.description];
    for (CmykProfile &profile : scan.profiles) {
        if (uses.value(profile.description) > 1)
            profile.description += QStringLiteral(" (%1)").arg(QFileInfo(profile.path).fileName());
    }
    return scan;
}

} // namespace Tintora
