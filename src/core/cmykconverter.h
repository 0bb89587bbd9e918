#pragma once

#include "core/colorvalue.h"

#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>

namespace Tintora {

// How colours the press cannot print are brought into its range (the ICC rendering intents).
enum class RenderingIntent {
    Perceptual, // the whole picture compressed alike, keeping the relations between colours
    RelativeColorimetric, // printable colours exact on white paper, the others clipped
    Saturation, // vivid colours kept vivid, for charts and business graphics
    AbsoluteColorimetric, // the paper's own colour simulated too, for proofs
};

// A colour whose round trip through the press lands farther than this CIEDE2000 difference from
// it is out of gamut: about twice what most people see side by side.
constexpr double kOutOfGamutDeltaE = 2.0;

struct CmykValue
{
    // Ink in percent, 0 to 100.
    double cyan = 0;
    double magenta = 0;
    double yellow = 0;
    double black = 0;
    // CIEDE2000 between the colour and these inks converted back, as the press would print them.
    double roundTripDeltaE = 0;
    bool outOfGamut = false; // roundTripDeltaE above kOutOfGamutDeltaE
};

// Converts sRGB colours to CMYK through one printer profile with one rendering intent. Making the
// transforms takes milliseconds, so a converter is made once for each choice of profile and
// intent and then serves every colour. Not safe for use from several threads at once.
class CmykConverter
{
public:
    // Without a profile: convert() gives nothing and problem() says that none is installed.
    CmykConverter();
    // Reads the profile file; a file that cannot be read, is damaged or is no CMYK printer
    // profile leaves the converter without a profile, and problem() names the file and fault.
    CmykConverter(const QString &profilePath, RenderingIntent intent);
    // The same from a profile's bytes; name stands for the file in messages.
    CmykConverter(QByteArrayView profileData, const QString &name, RenderingIntent intent);
    ~CmykConverter();
    CmykConverter(CmykConverter &&) noexcept;
    CmykConverter &operator=(CmykConverter &&) noexcept;

    bool isReady() const { return m_transforms != nullptr; }
    // Why the converter cannot convert, as a sentence to show in place of the numbers; empty
    // when it can.
    QString problem() const { return m_problem; }
    QString profilePath() const { return m_profilePath; }
    RenderingIntent intent() const { return m_intent; }

    // The colour (only its low three bytes count) in CMYK; nothing without a profile.
    std::optional<CmykValue> convert(ColorValue color) const;

private:
    struct Transforms;

    void makeTransforms(QByteArrayView profileData, const QString &name);

    std::unique_ptr<Transforms> m_transforms;
    QString m_problem;
    QString m_profilePath;
    RenderingIntent m_intent = RenderingIntent::RelativeColorimetric;
};

} // namespace Tintora
