#include "platform/qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>

#include "core/time/text_format.h"
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

// English is written British in the Commonwealth and American elsewhere; the
// American is the source, the British a catalogue of what differs.
bool writesBritishEnglish(const QString& language) {
    static const QStringList kBritish = {QStringLiteral("en_GB"), QStringLiteral("en_AU"),
                                         QStringLiteral("en_NZ"), QStringLiteral("en_IE"),
                                         QStringLiteral("en_ZA"), QStringLiteral("en_IN")};
    return kBritish.contains(language.section(QLatin1Char('_'), 0, 1));
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
    QString text = QCoreApplication::translate(context, source, disambiguation, n);
    // Qt writes the count in ASCII digits; the line around it is in the
    // locale's. Only the count itself is a whole run of those digits.
    if (n >= 0) {
        const QString local = QString::fromStdString(numberText(n));
        if (local != QString::number(n)) {
            const QRegularExpression count(QStringLiteral("(?<![0-9])%1(?![0-9])").arg(n));
            text.replace(count, local);
        }
    }
    return text.toStdString();
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

QString catalogueName(const QString& language) {
    return writesBritishEnglish(language) ? QStringLiteral("en_GB") : language;
}

QString installTranslations(const QString& language) {
    const QString chosen = language.isEmpty() ? messagesLanguage() : posixLocale(language);
    // A language named for the run names its numbers too; otherwise they
    // follow the calendar's locale, as the dates beside them do.
    if (!language.isEmpty()) {
        setNumberLocale(chosen.toStdString());
    }
    QLocale::setDefault(QLocale(QString::fromStdString(numberLocale())));
    if (QCoreApplication::instance() == nullptr) {
        return chosen;
    }
    auto* own = new QTranslator(QCoreApplication::instance());
    const bool ownLoaded =
        own->load(QStringLiteral("solvane_") + catalogueName(chosen), translationsFolder());
    if (ownLoaded) {
        replace(gOwn, own);
    } else {
        delete own;
        replace(gOwn, nullptr);
    }
    // Without a catalogue of ours the window is English, so Qt's buttons are
    // too: Qt's Arabic or Hebrew catalogue would also mirror the whole
    // window around English words.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (ownLoaded && qt->load(QStringLiteral("qtbase_") + chosen,
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        replace(gQt, qt);
    } else {
        delete qt;
        replace(gQt, nullptr);
    }
    // Set, not left to Qt, which takes it from whichever catalogue last
    // carried a direction.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        QGuiApplication::setLayoutDirection(ownLoaded ? QLocale(chosen).textDirection()
                                                      : Qt::LeftToRight);
    }
    routeCoreTextsThroughQt();
    return chosen;
}

void routeCoreTextsThroughQt() {
    installTranslation(&translateWithQt);
}

}  // namespace solvane::platform
