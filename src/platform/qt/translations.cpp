#include "platform/qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QStringList>
#include <QTranslator>

#include "core/util/translation.h"

namespace solvane::platform {

namespace {

// "de_DE.UTF-8@euro" → "de_DE"; "C" and "POSIX" → "en_US".
QString posixLocale(const QString& value) {
    QString name = value.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name == QLatin1String("C") || name == QLatin1String("POSIX")) {
        return QStringLiteral("en_US");
    }
    return name;
}

bool isEnglish(const QString& language) {
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

// Whether Solvane has a catalogue for `language`, as QTranslator would find
// it: "pt_BR" itself, else "pt".
bool hasCatalogue(const QString& language) {
    if (isEnglish(language) && language != QLatin1String("en_XA")) {
        return true;
    }
    const QDir folder(translationsFolder());
    for (QString name = language; !name.isEmpty();
         name = name.contains(QLatin1Char('_')) ? name.section(QLatin1Char('_'), 0, -2)
                                                : QString()) {
        if (folder.exists(QStringLiteral("solvane_%1.qm").arg(name))) {
            return true;
        }
    }
    return false;
}

std::string translateWithQt(const char* context, const char* source, const char* disambiguation,
                            int n) {
    return QCoreApplication::translate(context, source, disambiguation, n).toStdString();
}

QPointer<QTranslator> gOwn;
QPointer<QTranslator> gQt;

void replace(QPointer<QTranslator>& slot, QTranslator* next) {
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot.data();
    }
    slot = next;
    if (next != nullptr) {
        QCoreApplication::installTranslator(next);
    }
}

}  // namespace

QString translationsFolder() {
    const QString set = qEnvironmentVariable("SOLVANE_TRANSLATIONS");
    if (!set.isEmpty()) {
        return set;
    }
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../share/solvane/translations"));
}

QString messagesLanguage() {
    for (const QString& wanted :
         qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString language = posixLocale(wanted);
        if (hasCatalogue(language)) {
            return language;
        }
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            return posixLocale(value);
        }
    }
    return QStringLiteral("en_US");
}

QString installTranslations(const QString& language) {
    const QString chosen = language.isEmpty() ? messagesLanguage() : posixLocale(language);
    if (QCoreApplication::instance() == nullptr) {
        return chosen;
    }
    auto* own = new QTranslator(QCoreApplication::instance());
    // English has a catalogue too, for its plural forms.
    if (own->load(QStringLiteral("solvane_") + chosen, translationsFolder())) {
        replace(gOwn, own);
    } else {
        delete own;
        replace(gOwn, nullptr);
    }
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + chosen,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        replace(gQt, qt);
    } else {
        delete qt;
        replace(gQt, nullptr);
    }
    routeCoreTextsThroughQt();
    return chosen;
}

void routeCoreTextsThroughQt() {
    installTranslation(&translateWithQt);
}

}  // namespace solvane::platform
