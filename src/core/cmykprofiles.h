#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace Tintora {

// A profile file larger than this is refused unread: press profiles hold a few MiB at most.
constexpr qsizetype kMaxProfileFileSize = 32 * 1024 * 1024;
// The scan looks this many folder levels below each profile folder, and reads at most so many
// profile files and folders, so that a vast or looping tree cannot stall the colour window.
constexpr int kMaxProfileFolderDepth = 4;
constexpr int kMaxProfileFiles = 256;
constexpr int kMaxProfileFolders = 256;

// The default CMYK profile, below any of the profile folders: Ghostscript's SWOP press profile
// (Debian's libgs-common), the one CMYK press profile Debian ships.
inline QString defaultCmykProfile()
{
    return QStringLiteral("ghostscript/default_cmyk.icc");
}

enum class ProfileKind {
    CmykPrinter, // a CMYK output profile that converts to CMYK and back
    Other, // a sound profile of another kind: a screen's, an RGB or grey printer's, a link
    Damaged, // no ICC profile, or one that LittleCMS cannot read
};

struct ProfileReading
{
    ProfileKind kind = ProfileKind::Damaged;
    QString description; // for a CMYK printer profile: its own description, or else its file name
    QString problem; // for a damaged one: a sentence naming the file and the fault
};

// Reads a profile from the bytes of the file named name (used in the description and messages).
ProfileReading readProfile(QByteArrayView data, const QString &name);

struct CmykProfile
{
    // e.g. "Artifex CMYK SWOP Profile"; with the file name, "… (gray_to_k.icc)", where profiles
    // share a description.
    QString description;
    QString path;
};

struct CmykProfileScan
{
    QList<CmykProfile> profiles; // the default first, the others by description
    QStringList problems; // one sentence for each file skipped as damaged, naming it
};

// The usual profile folders: /usr/share/color/icc, /usr/local/share/color/icc, ~/.color/icc, and
// icc and color/icc below $XDG_DATA_HOME (~/.local/share) and each of $XDG_DATA_DIRS.
QStringList profileFolders();

// Every CMYK printer profile (*.icc, *.icm) in the folders and their sub-folders, each file read
// once however many ways lead to it.
CmykProfileScan findCmykProfiles(const QStringList &folders = profileFolders());

} // namespace Tintora
