#include "core/iccprofile.h"

#include "core/regularfile.h"

#include <QFileInfo>

#include <array>
#include <utility>
#include <vector>

namespace Tintora::Icc {

Context::Context()
    : m_context(cmsCreateContext(nullptr, this))
{
    cmsSetLogErrorHandlerTHR(m_context, &Context::keepError);
}

Context::~Context()
{
    cmsDeleteContext(m_context);
}

QString Context::takeError()
{
    return std::exchange(m_error, QString());
}

void Context::keepError(cmsContext context, cmsUInt32Number, const char *text)
{
    // The first error is the cause; those after it follow from it. An error of LittleCMS's
    // global context, which is none of ours, carries no Context.
    auto *self = static_cast<Context *>(cmsGetContextUserData(context));
    if (self && self->m_error.isEmpty()) {
        self->m_error = QString::fromUtf8(text).trimmed();
        // It ends a sentence of the program's own.
        if (self->m_error.endsWith(u'.'))
            self->m_error.chop(1);
    }
}

QString damagedProfile(const QString &name, const QString &fault)
{
    return QStringLiteral("The colour profile \"%1\" is damaged: %2.").arg(name, fault);
}

namespace {

QString tooLarge(const QString &name)
{
    return damagedProfile(name,
                          QStringLiteral("it is larger than %1 MiB, far more than a profile holds")
                              .arg(kMaxProfileFileSize / (1024 * 1024)));
}

// A description fit for a list: one line of printable characters, not too long to show.
QString descriptionOf(cmsHPROFILE profile, const QString &name)
{
    constexpr qsizetype kLongest = 120;
    const cmsUInt32Number bytes
        = cmsGetProfileInfo(profile, cmsInfoDescription, cmsNoLanguage, cmsNoCountry, nullptr, 0);
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
    cmsGetProfileInfo(profile, cmsInfoDescription, cmsNoLanguage, cmsNoCountry, text.data(),
                      cmsUInt32Number(text.size() * sizeof(wchar_t)));
    QString description = QString::fromWCharArray(text.data());
    description.removeIf([](QChar c) { return !c.isPrint() && !c.isSpace(); });
    description = description.simplified().left(kLongest);
    return description.isEmpty() ? QFileInfo(name).fileName() : description;
}

// Converting to CMYK and back needs the tables in both directions. LittleCMS reads a profile's
// tables only when asked, so each one present is read here: a damaged table then shows now, not
// when the colour window first converts with it.
bool readsBothWays(cmsHPROFILE profile)
{
    constexpr std::array kTables {cmsSigAToB0Tag, cmsSigAToB1Tag, cmsSigAToB2Tag,
                                  cmsSigBToA0Tag, cmsSigBToA1Tag, cmsSigBToA2Tag};
    for (const cmsTagSignature table : kTables) {
        if (cmsIsTag(profile, table) && !cmsReadTag(profile, table))
            return false;
    }
    return cmsIsIntentSupported(profile, INTENT_PERCEPTUAL, LCMS_USED_AS_OUTPUT)
        && cmsIsIntentSupported(profile, INTENT_PERCEPTUAL, LCMS_USED_AS_INPUT);
}

} // namespace

OpenedProfile openProfile(Context &context, QByteArrayView data, const QString &name)
{
    OpenedProfile opened;
    if (data.size() > kMaxProfileFileSize) {
        opened.reading.problem = tooLarge(name);
        return opened;
    }
    Profile profile(
        cmsOpenProfileFromMemTHR(context.get(), data.data(), cmsUInt32Number(data.size())));
    if (!profile) {
        const QString error = context.takeError();
        opened.reading.problem = damagedProfile(
            name, error.isEmpty() ? QStringLiteral("it is no ICC profile") : error);
        return opened;
    }
    if (cmsGetDeviceClass(profile.get()) != cmsSigOutputClass
        || cmsGetColorSpace(profile.get()) != cmsSigCmykData) {
        opened.reading.kind = ProfileKind::Other;
        return opened;
    }
    if (!readsBothWays(profile.get())) {
        const QString error = context.takeError();
        opened.reading.problem = damagedProfile(
            name,
            error.isEmpty() ? QStringLiteral("it lacks the tables that convert to CMYK and back")
                            : error);
        return opened;
    }
    opened.reading = {ProfileKind::CmykPrinter, descriptionOf(profile.get(), name), QString()};
    opened.profile = std::move(profile);
    return opened;
}

QString readProfileBytes(const QString &path, QByteArray &bytes)
{
    switch (readRegularFile(path, kMaxProfileFileSize, bytes)) {
    case FileRead::Read:
        return {};
    case FileRead::Unreadable:
        return QStringLiteral("The colour profile \"%1\" cannot be read.").arg(path);
    case FileRead::TooLarge:
        break;
    }
    return tooLarge(path);
}

} // namespace Tintora::Icc
