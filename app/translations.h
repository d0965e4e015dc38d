// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The person's language: the program's own texts and Qt's (its buttons, its command-line help),
// for the languages the system names, with English wherever there is no translation. The texts
// the window is designed with (its heading, captions and greeting) are the same in every
// language and are never translated.
namespace Translations {

// The translations of one locale's languages. Each catalogue is the first of the locale's
// languages it has (de_AT, then de, ...); with none, the texts stay English.
class Language
{
public:
    explicit Language(const QLocale& locale);
    // Taken off the application object, if they are on it.
    ~Language();

    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    // Puts both on the application object that exists now.
    void install();
    // A text of the program's in this language, without an application object.
    QString translate(const char* context, const char* text) const;

private:
    QTranslator m_program;
    QTranslator m_qt;
};

// The person's language, for the program's whole life, on the application object that exists
// now (the command line's, then the window's).
void install();

// A text of the program's in the person's language, where no application object exists yet.
QString early(const char* context, const char* text);

} // namespace Translations
