// libFuzzer target: whatever is typed, the number and DN readings and the number texts never
// crash and keep their promises.

#include "core/values/numberreading.h"
#include "core/values/valuetext.h"

#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace
{

[[noreturn]] void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "property broken: %s: %s\n", what, qPrintable(detail));
    std::abort();
}

void check(bool holds, const char *what, const QString &detail)
{
    if (!holds)
        fail(what, detail);
}

QString show(double value)
{
    return QString::number(value, 'g', 17);
}

// A typed text: the number reading is total, and the DN reading is the number of its DN text
// rounded half to even when it fits 16 bits, else "unlisted".
void checkTypedText(QStringView text)
{
    check(!std::isnan(readNumber(text)), "readNumber gives no NaN", text.toString());
    const double number = readNumber(dnNumberText(text));

    const std::optional<NominalDiameter> dn = readNominalDiameter(text);
    const double rounded = std::nearbyint(number);
    const bool fits = std::isfinite(number) &&
                      rounded >= std::numeric_limits<NominalDiameter>::min() &&
                      rounded <= std::numeric_limits<NominalDiameter>::max();
    check(dn.has_value() == fits, "DN is unlisted exactly when out of 16 bits", text.toString());
    if (dn) {
        check(*dn == rounded, "DN is the number rounded half to even", text.toString());
        check(std::fabs(number - *dn) <= 0.5, "DN is the nearest integer", text.toString());
    }
}

// A number: its result text has the "##0.00" shape (or is empty when not finite) and reads back
// within half a hundredth; its plain text reads back exactly.
void checkNumber(double value)
{
    static const QRegularExpression resultShape(QStringLiteral("^-?(0|[1-9][0-9]*)\\.[0-9]{2}$"));

    const QString result = resultText(value);
    if (!std::isfinite(value)) {
        check(result.isEmpty(), "result text of a non-finite value is empty", show(value));
        return;
    }
    check(resultShape.match(result).hasMatch(), "result text has the ##0.00 shape",
          show(value) + " -> " + result);
    const bool minus = result.startsWith(u'-');
    check(minus == (value < 0 && result.mid(minus ? 1 : 0) != u"0.00"),
          "a minus sign exactly for a negative value that does not round to 0.00",
          show(value) + " -> " + result);
    if (std::fabs(value) < 1e300) {
        const double back = readNumber(result);
        check(std::fabs(back - value) <= 0.005 + std::fabs(value) * 1e-14,
              "result text is the value rounded to hundredths", show(value) + " -> " + result);
    }

    const QString plain = plainNumberText(value);
    check(!plain.isEmpty() && !plain.contains(u' ') && !plain.startsWith(u'+'),
          "plain number text has no blank and no plus sign", show(value) + " -> " + plain);
    check(readNumber(plain) == value, "plain number text reads back exactly",
          show(value) + " -> " + plain);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto *chars = reinterpret_cast<const char *>(data);

    // The bytes as typed UTF-8 text, and as raw UTF-16 (lone surrogates and all).
    const QString typed = QString::fromUtf8(chars, qsizetype(size));
    checkTypedText(typed);
    checkNumber(readNumber(typed));
    std::u16string raw(size / 2, u'\0');
    std::memcpy(raw.data(), data, raw.size() * sizeof(char16_t));
    checkTypedText(raw);

    // Every whole 8 bytes as a double, so every bit pattern (NaN, infinities, subnormals) occurs.
    for (std::size_t at = 0; at + sizeof(double) <= size && at < 64; at += sizeof(double)) {
        double value;
        std::memcpy(&value, data + at, sizeof value);
        checkNumber(value);
    }
    return 0;
}
