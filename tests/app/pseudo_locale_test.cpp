// The window in the pseudo-locale en_XA: every text it shows or gives a
// screen reader went through a catalogue. That catalogue writes each text
// "［…］" with accented letters and no plain ASCII letter, so a word of
// plain ASCII letters is either data the test put in, a name or a date in
// ICU's words (which has no pseudo-locale), a technical text shown as it is
// (an error code, a path) — or a text that never met a catalogue.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <set>

#include "app/countdown_editor.h"
#include "app/main_window.h"
#include "app_fakes.h"
#include "core/model/reminders.h"
#include "core/util/translation.h"
#include "platform/qt/translations.h"

namespace solvane::app {
namespace {

using fakes::kNow;
using fakes::waitUntil;

const std::set<QString> kAllowed = {
    // The test's data and names that stay as they are.
    "Zed", "Qux", "Solvane", "Apple", "Open", "Meteo", "WeatherKit",
    // ICU's dates.
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sun", "Mon",
    "Tue", "Wed", "Thu", "Fri", "Sat", "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December", "Jan", "Feb", "Mar", "Apr",
    "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The words of `text` that did not come through a catalogue.
QStringList strays(QString text) {
    // Markup is the label's, not its words.
    if (text.contains(QLatin1Char('<'))) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    // Paths, addresses and error codes are shown as they are, for a bug report.
    static const QRegularExpression technical(QStringLiteral(R"(\S*[/._:@]\S*)"));
    text.replace(technical, QStringLiteral(" "));
    // An accelerator's marker is not a letter of a word.
    text.remove(QLatin1Char('&'));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList out;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        if (!kAllowed.contains(w)) {
            out << w;
        }
    }
    return out;
}

class PseudoLocale : public fakes::StoreTest {
  protected:
    void SetUp() override {
        qputenv("SOLVANE_TRANSLATIONS", SOLVANE_TRANSLATIONS_DIR);
        ASSERT_EQ(platform::installTranslations("en_XA"), "en_XA");
        ASSERT_NE(QCoreApplication::translate("solvane::app::MainWindow", "Solvane"), "Solvane")
            << "the pseudo-locale's catalogue did not load";
    }
    void TearDown() override {
        platform::installTranslations("en_US");
        installTranslation(nullptr);
    }

    void expectTranslated(const QString& where, const QString& text) {
        const QStringList stray = strays(text);
        EXPECT_TRUE(stray.isEmpty()) << where.toStdString() << ": " << stray.join(' ').toStdString()
                                     << " in \"" << text.toStdString() << "\"";
    }

    // The actions of a menu bar or a menu, and of their submenus.
    void checkActions(const QString& where, const QWidget* holder) {
        for (QAction* action : holder->actions()) {
            expectTranslated(where, action->text());
            if (action->menu() != nullptr) {
                checkActions(where + " " + action->text(), action->menu());
            }
        }
    }

    // Everything a user or a screen reader meets in `root` and its children.
    void checkWidgets(QWidget* root) {
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* w : widgets) {
            if (!w->isVisibleTo(root) && w != root) {
                continue;
            }
            const QString where =
                QString::fromLatin1(w->metaObject()->className()) + " " + w->objectName();
            expectTranslated(where + " title", w->windowTitle());
            expectTranslated(where + " tooltip", w->toolTip());
            expectTranslated(where + " name", w->accessibleName());
            expectTranslated(where + " description", w->accessibleDescription());
            if (auto* label = qobject_cast<QLabel*>(w)) {
                expectTranslated(where, label->text());
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                expectTranslated(where, button->text());
            } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
                expectTranslated(where + " placeholder", field->placeholderText());
            } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
                expectTranslated(where, box->title());
            } else if (auto* view = qobject_cast<QAbstractItemView*>(w);
                       view != nullptr && view->model() != nullptr) {
                for (int row = 0; row < view->model()->rowCount(); ++row) {
                    const QModelIndex index = view->model()->index(row, 0);
                    for (const int role :
                         {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::AccessibleTextRole),
                          int(Qt::AccessibleDescriptionRole)}) {
                        expectTranslated(where + " row", index.data(role).toString());
                    }
                }
            }
            if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w)) {
                expectTranslated(where + " accessible name", a->text(QAccessible::Name));
                expectTranslated(where + " accessible description",
                                 a->text(QAccessible::Description));
            }
        }
    }
};

TEST_F(PseudoLocale, TheWindowSaysNothingThatIsNotInACatalogue) {
    const Calendar calendar = *Calendar::make("America/New_York", "en_XA");
    const Countdown zed = fakes::countdownOn("Zed", *calendar.addDays(kNow, 12));
    Countdown span = fakes::countdownOn("Zed", *calendar.addDays(kNow, -2));
    span.end = DateRule::fixed(*calendar.addDays(kNow, 5));
    ASSERT_TRUE(store_.saveCountdowns({zed, span}));
    ASSERT_TRUE(store_.saveLocation({40.7, -74.0, "Qux"}));
    // Apple Weather chosen and failing: the fallback notice and its advice.
    ASSERT_TRUE(store_.saveSettings({WeatherSource::apple, TempUnit::celsius, {}}));
    ASSERT_TRUE(store_.saveAppleError("WeatherKitError.missingCredentials"));
    openMeteo_.script({true, true, true});

    WindowServices services = windowServicesFor(appServices(calendar));
    services.answer = [](AccessQuestion) { return false; };
    MainWindow window(std::move(services));
    window.show();
    ASSERT_TRUE(waitUntil([&] { return !window.state().weatherLoading(); }));

    checkWidgets(&window);
    checkActions("menu bar", window.menuBar());

    // The sheet for a new countdown, and for one that is running.
    window.state().beginEditing(window.state().newCountdownDraft());
    ASSERT_TRUE(waitUntil([&] { return window.editor() != nullptr; }));
    checkWidgets(window.editor());
    window.editor()->reject();
    ASSERT_TRUE(waitUntil([&] { return window.editor() == nullptr; }));
    window.state().beginEditing(span);
    ASSERT_TRUE(waitUntil([&] { return window.editor() != nullptr; }));
    checkWidgets(window.editor());
    window.editor()->reject();
}

// What the host says on the day: the notification's sentence.
TEST_F(PseudoLocale, TheReminderIsInACatalogue) {
    platform::routeCoreTextsThroughQt();
    const Calendar calendar = *Calendar::make("America/New_York", "en_XA");
    const Countdown zed = fakes::countdownOn("Zed", *calendar.startOfDay(kNow));
    const ReminderRound round = reminderRound({zed}, {}, calendar, kNow, {});
    ASSERT_EQ(round.due.size(), 1u);
    expectTranslated("reminder", QString::fromStdString(round.due[0].summary));
    EXPECT_NE(round.due[0].summary.find("Zed"), std::string::npos);
}

}  // namespace
}  // namespace solvane::app
