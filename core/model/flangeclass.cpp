#include "core/model/flangeclass.h"

#include "core/model/sidetable.h"
#include "core/model/standard.h"
#include "core/values/numberreading.h"

#include <algorithm>
#include <array>
#include <utility>

namespace
{

constexpr std::array Classes = {150, 300, 400, 600, 900, 1500, 2500};

// HG/T 20615's name of a class, from the standard's class_names table ("150" → "20").
std::optional<SideRow> pnNameRow(std::string_view column, const QString &value)
{
    const Standard *standard = classStandard();
    return standard ? findSideRow(*standard, "class_names", {{column, value}}) : std::nullopt;
}

} // namespace

const Standard *classStandard()
{
    for (const Standard &standard : builtInStandards())
        if (standard.ratingSystem == RatingSystem::Class)
            return &standard;
    return nullptr;
}

bool isFlangeClass(int number)
{
    return std::ranges::find(Classes, number) != Classes.end();
}

namespace
{

// A class is read by hand, not by a regular expression: every command reads its pressure
// argument as a class first, and compiling an expression would cost a tenth of its start-up.
class Spelling
{
public:
    explicit Spelling(QString text) : m_text(std::move(text)) {}

    bool word(QLatin1StringView word)
    {
        if (!QStringView(m_text).sliced(m_at).startsWith(word, Qt::CaseInsensitive))
            return false;
        m_at += word.size();
        return true;
    }
    bool word(QStringView word)
    {
        if (!QStringView(m_text).sliced(m_at).startsWith(word))
            return false;
        m_at += word.size();
        return true;
    }
    void blanks()
    {
        while (m_at < m_text.size() && m_text[m_at] == u' ')
            ++m_at;
    }
    // One to five ASCII digits, and no more.
    std::optional<int> number()
    {
        const qsizetype start = m_at;
        int value = 0;
        for (; m_at < m_text.size() && m_text[m_at] >= u'0' && m_text[m_at] <= u'9'; ++m_at)
            if (m_at - start < 5) // a longer number is refused below, never accumulated
                value = value * 10 + (m_text[m_at].unicode() - u'0');
        if (m_at == start || m_at - start > 5)
            return std::nullopt;
        return value;
    }
    bool atEnd() const { return m_at == m_text.size(); }

private:
    QString m_text;
    qsizetype m_at = 0;
};

} // namespace

std::optional<int> pnNumber(QStringView text)
{
    Spelling spelling(plainTypedText(text));
    if (!spelling.word(QLatin1StringView("PN")))
        return std::nullopt;
    spelling.blanks();
    const std::optional<int> number = spelling.number();
    return number && spelling.atEnd() ? number : std::nullopt;
}

std::optional<ClassSpelling> readClassSpelling(QStringView text)
{
    if (const std::optional<int> pn = pnNumber(text)) {
        const std::optional<SideRow> row = pnNameRow("pn", QString::number(*pn));
        const std::optional<double> flangeClass = row ? row->number("class") : std::nullopt;
        if (!flangeClass)
            return std::nullopt;
        return ClassSpelling{int(*flangeClass), true, false};
    }
    // [ANSI|ASME] [CLASS|CL][.] number [#|LB|LBS|磅级|磅|级], blanks between.
    Spelling spelling(plainTypedText(text).trimmed());
    const bool prefixed =
        spelling.word(QLatin1StringView("ANSI")) || spelling.word(QLatin1StringView("ASME"));
    spelling.blanks();
    const bool named =
        spelling.word(QLatin1StringView("CLASS")) || spelling.word(QLatin1StringView("CL"));
    if (named) {
        spelling.blanks();
        spelling.word(QLatin1StringView("."));
        spelling.blanks();
    }
    const std::optional<int> number = spelling.number();
    if (!number)
        return std::nullopt;
    spelling.blanks();
    const bool marked = spelling.word(QLatin1StringView("#")) ||
                        spelling.word(QLatin1StringView("LBS")) ||
                        spelling.word(QLatin1StringView("LB")) || spelling.word(u"磅级") ||
                        spelling.word(u"磅") || spelling.word(u"级");
    if (!spelling.atEnd())
        return std::nullopt;
    return ClassSpelling{*number, false, !prefixed && !named && !marked};
}

QString classPnName(int flangeClass)
{
    const std::optional<SideRow> row = pnNameRow("class", QString::number(flangeClass));
    const std::optional<QString> pn = row ? row->text("pn") : std::nullopt;
    return pn ? QStringLiteral("PN") + *pn : QString();
}
