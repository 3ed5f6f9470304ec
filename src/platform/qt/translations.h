// The programs in the user's language: Solvane's catalogues (compiled from
// translations/*.ts) and Qt's own, for standard buttons and dialogs, loaded
// into the running application, with the core's texts routed through them.
//
// The language is the first of $LANGUAGE (a colon-separated list, as GNU
// gettext reads it) that Solvane has a catalogue for, English included; else
// LC_ALL, else LC_MESSAGES, else LANG; "C" and "POSIX" read as English. A
// program's --locale option names it instead. English is American, except in
// Britain, Ireland, Australia, New Zealand, South Africa and India, which
// read the British catalogue (en_GB).
//
// A language Solvane has no catalogue for gets an English window laid out
// left to right, Qt's buttons included; a window in a catalogue's language
// takes that language's direction.
//
//   QApplication app(argc, argv);
//   platform::installTranslations();      // or installTranslations("de_DE")
#pragma once

#include <QString>

namespace solvane::platform {

// Where the compiled catalogues are: $SOLVANE_TRANSLATIONS when set, else
// share/solvane/translations beside the program's bin/ folder.
QString translationsFolder();

// The user's language as above, in ICU/POSIX form ("de_DE", "pt_BR").
QString messagesLanguage();

// The catalogue that serves `language`: "en_GB" for "en_AU", else itself.
QString catalogueName(const QString& language);

// Loads the catalogues of `language` (messagesLanguage() when empty) and
// routes the core's texts through them; needs a QCoreApplication. Returns
// the language in use. Calling it again replaces what the last call loaded.
QString installTranslations(const QString& language = {});

// Routes the core's texts through the application's catalogues, for a
// plug-in that carries its own copy of the core.
void routeCoreTextsThroughQt();

}  // namespace solvane::platform
