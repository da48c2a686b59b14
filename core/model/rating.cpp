#include "core/model/rating.h"

QString ratingText(const Rating &rating)
{
    QString text = QString::number(rating.value, 'g', 10);
    if (rating.system == RatingSystem::PnMpa && !text.contains(u'.'))
        text += QStringLiteral(".0");
    return text;
}
