#include "app/photo_fit.h"

#include <QSettings>

namespace {

const char* const Words[] = {"uitrekken", "bijsnijden", "passen"};
constexpr auto Key = "Foto/passen";

} // namespace

QString photoFitWord(PhotoFit fit)
{
    return QString::fromLatin1(Words[int(fit)]);
}

std::optional<PhotoFit> photoFitOf(const QString& word)
{
    for (int i = 0; i < 3; ++i)
        if (word.trimmed().compare(QLatin1String(Words[i]), Qt::CaseInsensitive) == 0)
            return PhotoFit(i);
    return std::nullopt;
}

PhotoFit storedPhotoFit(const QString& settingsPath)
{
    if (settingsPath.isEmpty())
        return PhotoFit::Uitrekken;
    return photoFitOf(QSettings(settingsPath, QSettings::IniFormat).value(QLatin1String(Key)).toString())
        .value_or(PhotoFit::Uitrekken);
}

void storePhotoFit(const QString& settingsPath, PhotoFit fit)
{
    if (!settingsPath.isEmpty())
        QSettings(settingsPath, QSettings::IniFormat).setValue(QLatin1String(Key), photoFitWord(fit));
}
