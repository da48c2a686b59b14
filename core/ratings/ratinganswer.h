#pragma once

#include <QString>
#include <optional>

// An answer of the rating rules, or why there is none: `reason`, one English line for the
// command line's messages; `text`, the same for people in the interface's language (written in
// Chinese for QCoreApplication::translate, context "PressureRating"). `unreadable` when the text
// given is no such value at all (a usage error on the command line), not one refused.
template <typename T> struct RatingAnswer : std::optional<T> {
    QString reason;
    QString text;
    bool unreadable = false;

    static RatingAnswer of(T value)
    {
        RatingAnswer answer;
        answer.emplace(std::move(value));
        return answer;
    }
    static RatingAnswer refused(const QString &reason, const QString &text)
    {
        RatingAnswer answer;
        answer.reason = reason;
        answer.text = text;
        return answer;
    }
    static RatingAnswer notReadable(const QString &reason, const QString &text)
    {
        RatingAnswer answer = refused(reason, text);
        answer.unreadable = true;
        return answer;
    }
};
