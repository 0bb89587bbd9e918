#pragma once

// LittleCMS as the core's colour-profile code uses it. Only core's own sources include this
// header, so that LittleCMS's many macros stay out of the layers above.

#include "core/cmykprofiles.h"

#include <lcms2.h>

#include <QByteArrayView>
#include <QString>

#include <memory>

namespace Tintora::Icc {

// A LittleCMS context of its own, whose first error since the last takeError() is kept as text
// for the message that names the file. (LittleCMS's own handler drops errors; none aborts.)
class Context
{
public:
    Context();
    ~Context();
    Context(const Context &) = delete;
    Context &operator=(const Context &) = delete;

    cmsContext get() const { return m_context; }
    QString takeError();

private:
    static void keepError(cmsContext context, cmsUInt32Number code, const char *text);

    QString m_error;
    cmsContext m_context;
};

struct ProfileCloser
{
    void operator()(void *profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileCloser>;

struct TransformDeleter
{
    void operator()(void *transform) const { cmsDeleteTransform(transform); }
};
using Transform = std::unique_ptr<void, TransformDeleter>;

struct OpenedProfile
{
    Profile profile; // set for a CMYK printer profile only
    ProfileReading reading;
};

// Opens a profile from the bytes of the file named name (used in messages only) and checks that
// it is a CMYK printer profile whose tables convert both ways.
OpenedProfile openProfile(Context &context, QByteArrayView data, const QString &name);

// The profile file's bytes, or a sentence naming the file that cannot be read or is too large.
QString readProfileBytes(const QString &path, QByteArray &bytes);

// "The colour profile "name" is damaged: fault." The fault is LittleCMS's when it gave one.
QString damagedProfile(const QString &name, const QString &fault);

} // namespace Tintora::Icc
