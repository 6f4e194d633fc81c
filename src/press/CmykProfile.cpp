#include "press/CmykProfile.h"

#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <lcms2.h>

struct CmykProfile::Transforms {
    cmsHTRANSFORM colors = nullptr;
    cmsHTRANSFORM pixels = nullptr;
    ~Transforms()
    {
        if (colors)
            cmsDeleteTransform(colors);
        if (pixels)
            cmsDeleteTransform(pixels);
    }
};

namespace {

constexpr auto kSystemProfile = "/usr/share/color/icc/ghostscript/default_cmyk.icc";

VkError unusable(const QString &path)
{
    return VkError(
        QCoreApplication::translate("CmykProfile", "%1 は CMYK の出力用カラープロファイルではありません")
            .arg(path));
}

QString description(cmsHPROFILE profile)
{
    char text[256] = {};
    cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", text, sizeof text);
    return QString::fromLatin1(text).trimmed();
}

cmsHTRANSFORM transform(cmsHPROFILE from, cmsHPROFILE to, cmsUInt32Number inFormat, cmsUInt32Number outFormat)
{
    return cmsCreateTransform(from, inFormat, to, outFormat, INTENT_RELATIVE_COLORIMETRIC,
                              cmsFLAGS_BLACKPOINTCOMPENSATION);
}

} // namespace

CmykProfile::CmykProfile(CmykProfile &&) noexcept = default;
CmykProfile &CmykProfile::operator=(CmykProfile &&) noexcept = default;
CmykProfile::~CmykProfile() = default;

QString CmykProfile::SystemProfilePath()
{
    return QString::fromLatin1(kSystemProfile);
}

CmykProfile CmykProfile::Load(const QString &path)
{
    CmykProfile profile;
    profile.path_ = path.isEmpty() ? SystemProfilePath() : path;
    QFile file(profile.path_);
    if (!file.open(QIODevice::ReadOnly))
        throw VkError(QCoreApplication::translate("CmykProfile", "カラープロファイル %1 を読めません: %2")
                          .arg(profile.path_, file.errorString()));
    profile.bytes_ = file.readAll();
    cmsHPROFILE output =
        cmsOpenProfileFromMem(profile.bytes_.constData(), cmsUInt32Number(profile.bytes_.size()));
    if (!output)
        throw unusable(profile.path_);
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    auto transforms = std::make_unique<Transforms>();
    if (cmsGetColorSpace(output) == cmsSigCmykData && cmsGetDeviceClass(output) == cmsSigOutputClass) {
        transforms->colors = transform(srgb, output, TYPE_RGB_16, TYPE_CMYK_16);
        transforms->pixels = transform(srgb, output, TYPE_RGB_8, TYPE_CMYK_8);
    }
    profile.name_ = description(output);
    if (profile.name_.isEmpty())
        profile.name_ = QFileInfo(profile.path_).completeBaseName();
    cmsCloseProfile(srgb);
    cmsCloseProfile(output);
    if (!transforms->colors || !transforms->pixels)
        throw unusable(profile.path_);
    profile.transforms_ = std::move(transforms);
    return profile;
}

std::array<double, 4> CmykProfile::Convert(double red, double green, double blue) const
{
    if (red <= 0 && green <= 0 && blue <= 0)
        return {0, 0, 0, 1};
    const auto channel = [](double value) {
        return cmsUInt16Number(std::clamp(value, 0.0, 1.0) * 65535 + 0.5);
    };
    const cmsUInt16Number rgb[3] = {channel(red), channel(green), channel(blue)};
    cmsUInt16Number cmyk[4] = {};
    cmsDoTransform(transforms_->colors, rgb, cmyk, 1);
    return {cmyk[0] / 65535.0, cmyk[1] / 65535.0, cmyk[2] / 65535.0, cmyk[3] / 65535.0};
}

void CmykProfile::ConvertPixels(const unsigned char *rgb, unsigned char *cmyk, int count) const
{
    cmsDoTransform(transforms_->pixels, rgb, cmyk, cmsUInt32Number(count));
}
