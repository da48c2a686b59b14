#include "core/values/workingvalue.h"

#include "core/values/numberreading.h"
#include "core/values/valuetext.h"

double WorkingValue::number() const
{
    switch (m_kind) {
    case Kind::Number:
        return m_number;
    case Kind::Text:
        return readNumber(QString::fromUtf8(m_text));
    case Kind::Empty:
        break;
    }
    return 0;
}

QString WorkingValue::text() const
{
    switch (m_kind) {
    case Kind::Number:
        return plainNumberText(m_number);
    case Kind::Text:
        return QString::fromUtf8(m_text);
    case Kind::Empty:
        break;
    }
    return {};
}
