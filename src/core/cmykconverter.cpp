#include "core/cmykconverter.h"

#include "core/iccprofile.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Tintora {

static_assert(int(RenderingIntent::Perceptual) == INTENT_PERCEPTUAL
                  && int(RenderingIntent::RelativeColorimetric) == INTENT_RELATIVE_COLORIMETRIC
                  && int(RenderingIntent::Saturation) == INTENT_SATURATION
                  && int(RenderingIntent::AbsoluteColorimetric) == INTENT_ABSOLUTE_COLORIMETRIC,
              "the intents are numbered as in ICC profiles");

// The transforms belong to the context they were made in, so it is destroyed after them.
struct CmykConverter::Transforms
{
    Icc::Context context;
    Icc::Transform toCmyk; // sRGB to CMYK with the chosen intent
    Icc::Transform cmykToLab; // CMYK back to CIELAB D50, as printed
    Icc::Transform srgbToLab; // sRGB to CIELAB D50, the colour the inks aim at
};

CmykConverter::CmykConverter()
    : m_problem(QStringLiteral("No CMYK colour profile is installed: the Debian package "
                               "libgs-common brings one, or put one into ~/.local/share/icc."))
{ }

CmykConverter::CmykConverter(const QString &profilePath, RenderingIntent intent)
    : m_profilePath(profilePath)
    , m_intent(intent)
{
    QByteArray bytes;
    m_problem = Icc::readProfileBytes(profilePath, bytes);
    if (m_problem.isEmpty())
        makeTransforms(bytes, profilePath);
}

CmykConverter::CmykConverter(QByteArrayView profileData, const QString &name,
                             RenderingIntent intent)
    : m_intent(intent)
{
    makeTransforms(profileData, name);
}

CmykConverter::~CmykConverter() = default;
CmykConverter::CmykConverter(CmykConverter &&) noexcept = default;
CmykConverter &CmykConverter::operator=(CmykConverter &&) noexcept = default;

void CmykConverter::makeTransforms(QByteArrayView profileData, const QString &name)
{
    auto made = std::make_unique<Transforms>();
    const Icc::OpenedProfile opened = Icc::openProfile(made->context, profileData, name);
    if (!opened.profile) {
        m_problem = opened.reading.kind == ProfileKind::Damaged
            ? opened.reading.problem
            : QStringLiteral("The colour profile \"%1\" is no CMYK printer profile.").arg(name);
        return;
    }
    const cmsContext context = made->context.get();
    const Icc::Profile srgb(cmsCreate_sRGBProfileTHR(context));
    const Icc::Profile lab(cmsCreateLab4ProfileTHR(context, nullptr));
    // Black-point compensation lets the press's deepest black stand for the screen's black, so
    // that the darkest shades stay apart instead of all becoming that black. Absolute
    // colorimetric means to match the very colour, so it goes without.
    const bool absolute = m_intent == RenderingIntent::AbsoluteColorimetric;
    const cmsUInt32Number flags = absolute ? 0 : cmsFLAGS_BLACKPOINTCOMPENSATION;
    // The round trip shows the printed colour itself, as relative colorimetric gives it: the
    // perceptual and saturation tables back would undo their own compression and hide it.
    const cmsUInt32Number back
        = absolute ? INTENT_ABSOLUTE_COLORIMETRIC : INTENT_RELATIVE_COLORIMETRIC;
    made->toCmyk.reset(cmsCreateTransformTHR(context, srgb.get(), TYPE_RGB_8, opened.profile.get(),
                                             TYPE_CMYK_DBL, cmsUInt32Number(m_intent), flags));
    made->cmykToLab.reset(cmsCreateTransformTHR(context, opened.profile.get(), TYPE_CMYK_DBL,
                                                lab.get(), TYPE_Lab_DBL, back, flags));
    made->srgbToLab.reset(cmsCreateTransformTHR(context, srgb.get(), TYPE_RGB_8, lab.get(),
                                                TYPE_Lab_DBL, INTENT_RELATIVE_COLORIMETRIC, 0));
    if (!made->toCmyk || !made->cmykToLab || !made->srgbToLab) {
        const QString error = made->context.takeError();
        m_problem = Icc::damagedProfile(
            name, error.isEmpty() ? QStringLiteral("its tables do not convert to CMYK") : error);
        return;
    }
    m_transforms = std::move(made);
}

std::optional<CmykValue> CmykConverter::convert(ColorValue color) const
{
    if (!m_transforms)
        return std::nullopt;
    const std::array<quint8, 3> rgb {quint8(color), quint8(color >> 8), quint8(color >> 16)};
    std::array<double, 4> ink {};
    cmsDoTransform(m_transforms->toCmyk.get(), rgb.data(), ink.data(), 1);
    // A press prints 0 to 100 % of each ink, whatever a strange profile's tables give.
    for (double &amount : ink)
        amount = std::isfinite(amount) ? std::clamp(amount, 0.0, 100.0) : 0.0;

    cmsCIELab aimed {};
    cmsCIELab printed {};
    cmsDoTransform(m_transforms->srgbToLab.get(), rgb.data(), &aimed, 1);
    cmsDoTransform(m_transforms->cmykToLab.get(), ink.data(), &printed, 1);
    const double deltaE = cmsCIE2000DeltaE(&aimed, &printed, 1, 1, 1);
    // A difference that is no number (from tables that give none) counts as out of gamut.
    return CmykValue {ink[0], ink[1], ink[2], ink[3], deltaE, !(deltaE <= kOutOfGamutDeltaE)};
}

} // namespace Tintora
