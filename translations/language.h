#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The interface's language. Its texts are written in Chinese, the program's own language; the
// English catalogue compiled into the program (quorvit_en.ts) gives each of them in English.
enum class Language { Chinese, English };

// English when the locale's language is English (LC_ALL, else LC_MESSAGES, else LANG), Chinese
// in every other locale, C and POSIX included.
Language localeLanguage();

// What `--lang en|zh` (or `--lang=en`) asks for, else the locale's language.
struct LanguageChoice {
    Language language = Language::Chinese;
    QByteArray invalid; // the value given when it names neither language, or when it is missing
    bool isValid() const { return invalid.isNull(); }
};

// The language the value of the last `--lang` names (any locale name of English or Chinese:
// en, en_GB, zh, zh_CN ...), else the locale's language.
LanguageChoice languageChoice(const std::optional<QString> &value);

// Installs the texts of the language on the running application: the program's English
// catalogue, or for Chinese Qt's own Chinese texts (the message box's "确定", the text boxes'
// "复制", the command line's option help). Where Qt's translations are not installed its own
// texts stay English.
void installLanguage(Language language);
// The language installLanguage() installed last; Chinese before it.
Language installedLanguage();

// A text (marked with QT_TRANSLATE_NOOP) in the language, before any application is built: a
// usage error told before the windows' platform starts.
QString translated(Language language, const char *context, const char *text);

// The one-line reason for an invalid choice, in the locale's language (or the last valid
// `--lang`).
QString invalidLanguageMessage(const LanguageChoice &choice);
