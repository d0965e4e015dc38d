// SPDX-License-Identifier: MIT
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace Translations {

Language::Language(const QLocale& locale)
{
    [[maybe_unused]] const bool ownFound = m_program.load(
        locale, QStringLiteral("santa-count-down"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    [[maybe_unused]] const bool qtFound = m_qt.load(locale, QStringLiteral("qtbase"),
        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Language::~Language()
{
    if (QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&m_program);
        QCoreApplication::removeTranslator(&m_qt);
    }
}

void Language::install()
{
    QCoreApplication::installTranslator(&m_program);
    QCoreApplication::installTranslator(&m_qt);
}

QString Language::translate(const char* context, const char* text) const
{
    const QString translated = m_program.translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

namespace {

Language& persons()
{
    static Language language{QLocale()};
    return language;
}

} // namespace

void install()
{
    persons().install();
}

QString early(const char* context, const char* text)
{
    return persons().translate(context, text);
}

} // namespace Translations
