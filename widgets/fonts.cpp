#include "widgets/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace
{

// Installed faces by style, best first; Debian's Noto CJK, arphic and WenQuanYi packages provide
// them.
const QStringList KaiFaces = {"AR PL UKai CN", "AR PL KaitiM GB", "AR PL UKai TW",
                              "Noto Serif CJK SC", "WenQuanYi Micro Hei"};
// Noto Serif CJK draws the Song style with firm strokes at 8 to 12 pt, where AR PL UMing's
// hairlines come out thin and grey.
const QStringList SongFaces = {"Noto Serif CJK SC", "AR PL UMing CN", "AR PL SungtiL GB",
                               "AR PL UMing TW", "WenQuanYi Micro Hei"};
const QStringList SansFaces = {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Droid Sans Fallback",
                               "AR PL UMing CN"};

} // namespace

void installChineseFonts()
{
    // Debian has no free 隶书 face; a Kai face is the nearest brush style it has.
    for (const char *face : {"隶书", "LiSu", "楷体_GB2312", "KaiTi_GB2312", "楷体", "KaiTi"})
        QFont::insertSubstitutions(QString::fromUtf8(face), KaiFaces);
    for (const char *face : {"宋体", "SimSun", "新宋体", "NSimSun"})
        QFont::insertSubstitutions(QString::fromUtf8(face), SongFaces);

    // The default dialog font keeps its Latin face and falls back to a CJK face for Chinese.
    QFont font = QApplication::font();
    QStringList families = font.families();
    if (families.isEmpty())
        families.append(font.family());
    for (const QString &face : SansFaces)
        if (!families.contains(face))
            families.append(face);
    font.setFamilies(families);
    QApplication::setFont(font);
}

QFont designFont(const QString &face, qreal pointSize, bool bold)
{
    QFont font(face);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
