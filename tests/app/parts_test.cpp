// The companion app's parts on the offscreen platform: the countdown sheet
// and its icon picker (the rules behind the rows on the bare model, then the
// widgets driven with keys and clicks), the plain sections (what their rows
// and texts say, which signals a click, a key, a drag or a switch sends), the
// desktop's appearance, the widget host's gallery showing each kind's text
// whole; the window's state against a store in a temporary folder, scripted
// weather services, a fake calendar database and a reload that records what
// the store held; and the update check against feeds on the loopback interface.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QVBoxLayout>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/appearance.h"
#include "app/calendars_section.h"
#include "app/countdown_editor.h"
#include "app/countdown_list.h"
#include "app/date_field.h"
#include "app/event_picker_sheet.h"
#include "app/icon_picker.h"
#include "app/location_section.h"
#include "app/privacy_dialog.h"
#include "app/reminder_choices.h"
#include "app/section_style.h"
#include "app/update_checker.h"
#include "app/wrapping_check_box.h"
#include "app_fakes.h"
#include "board/custom_icons.h"
#include "core/model/countdown_display.h"
#include "core/model/countdown_json.h"
#include "core/model/presets.h"
#include "host/gallery_dialog.h"
#include "platform/reminder_files.h"
#include "support/loopback_http_server.h"
#include "support/temp_dir.h"

namespace solvane::app {
namespace {

using namespace std::chrono_literals;
using fakes::countdownOn;
using fakes::FakeEventStore;
using fakes::focusName;
using fakes::kFeed;
using fakes::kNow;
using fakes::labelText;
using fakes::newYork;
using fakes::shown;
using fakes::waitUntil;
using ::testing::ElementsAre;

// Midday on Sunday, 2025-06-15.
Instant now() {
    return *newYork().date(2025, 6, 15, 12);
}

Countdown onDay(int month, int day, std::string label = "") {
    return countdownOn(std::move(label), *newYork().date(2025, month, day));
}

Countdown winter() {
    const auto all = catalogue(newYork(), PresetRegion{});
    const auto it = std::ranges::find(all, std::string("winter"), &CountdownPreset::id);
    return it != all.end() ? makeCountdown(*it) : Countdown{};
}

CountdownEditorModel model(const Countdown& c) {
    return CountdownEditorModel(c, false, newYork(), now);
}

QAbstractButton* buttonTitled(const QWidget& root, const QString& title) {
    for (auto* b : root.findChildren<QAbstractButton*>()) {
        if (b->text() == title) {
            return b;
        }
    }
    return nullptr;
}

TEST(CountdownEditorModel, ASpanEndsAWeekAfterItsStartAndNeverBeforeIt) {
    auto m = model(onDay(7, 10, "Trip"));
    EXPECT_EQ(m.startTitle(), "Date");
    EXPECT_TRUE(m.recursEditable());

    m.setLastsMoreThanADay(true);
    EXPECT_EQ(m.startTitle(), "Starts");
    EXPECT_EQ(m.draft().end, DateRule::fixed(*newYork().date(2025, 7, 17)));

    EXPECT_FALSE(m.setEndDay({2025, 7, 9}));
    EXPECT_TRUE(m.setEndDay({2025, 7, 10}));
    EXPECT_TRUE(m.setEndDay({2025, 7, 20}));
    // A later start leaves the end alone; only the picker's floor moves.
    EXPECT_TRUE(m.setStartDay({2025, 7, 25}));
    EXPECT_EQ(m.endDay(), (CivilDate{2025, 7, 20}));
    EXPECT_EQ(m.endMinimumDay(), (CivilDate{2025, 7, 25}));

    // The day the clocks go forward starts at midnight in New York; what is
    // written is always a start of day.
    EXPECT_TRUE(m.setStartDay({2026, 3, 8}));
    EXPECT_EQ(m.draft().start, DateRule::fixed(*newYork().date(2026, 3, 8)));

    m.setLastsMoreThanADay(false);
    EXPECT_FALSE(m.draft().end.has_value());
    EXPECT_EQ(m.startTitle(), "Date");
}

TEST(CountdownEditorModel, RulesAreShownInWordsWithTheirNextStart) {
    auto m = model(winter());
    EXPECT_FALSE(m.startIsFixed());
    EXPECT_EQ(m.startDescription(), "December solstice");
    EXPECT_EQ(m.nextText(), "Next: Sun, Dec 21");
    EXPECT_FALSE(m.endIsFixed());
    EXPECT_EQ(m.endDescription(), "March equinox");
    EXPECT_FALSE(m.recursEditable());
    EXPECT_FALSE(m.setStartDay({2025, 7, 1}));

    // Turned off and on again, the end becomes a fixed day a week after the
    // next solstice.
    m.setLastsMoreThanADay(false);
    m.setLastsMoreThanADay(true);
    EXPECT_EQ(m.endDay(), (CivilDate{2025, 12, 28}));

    // A rule that names no day falls back on today for the end.
    Countdown nowhere = winter();
    nowhere.start = DateRule::season(9);
    nowhere.end.reset();
    auto n = model(nowhere);
    EXPECT_EQ(n.nextText(), "Next: —");
    n.setLastsMoreThanADay(true);
    EXPECT_EQ(n.endDay(), (CivilDate{2025, 6, 22}));
}

class CountdownEditorSheet : public ::testing::Test {
  protected:
    // `active`: focused as the user's window is, for keys and Tab.
    std::unique_ptr<CountdownEditor> open(const Countdown& c, bool active = false) {
        auto sheet = std::make_unique<CountdownEditor>(c, CountdownEditor::Mode::edit, newYork(),
                                                       nullptr, now);
        sheet->show();
        if (active) {
            sheet->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
        }
        return sheet;
    }
};

TEST_F(CountdownEditorSheet, TabVisitsEveryControlOnceAndTheSymbolGridAsOneStop) {
    Countdown trip = onDay(7, 10, "Trip");
    trip.end = DateRule::fixed(*newYork().date(2025, 7, 17));
    trip.symbol = "gift";
    auto sheet = open(trip, true);
    ASSERT_EQ(focusName(), "label");

    // A date is one stop, and each segmented choice, on its checked segment;
    // Shift+Tab out of the grid is the grid's test.
    const std::vector<std::string> chain{
        "startDate",    "lasts", "endDate", "Show progress", "Finish",  "Days", "Upload Image…",
        "symbolSearch", "gift",  "delete",  "cancel",        "confirm", "label"};
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen.push_back(focusName());
    }
    EXPECT_EQ(seen, chain);

    // Enter in the grid chooses the cell rather than saving the sheet.
    for (std::size_t i = 0; i < chain.size() && focusName() != "gift"; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(focusName(), "gift");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->model().draft().symbol, "birthday.cake");
}

// The date field is in the user's order and words, shown and typed.
TEST_F(CountdownEditorSheet, TheDateFieldFollowsTheLocalesOrder) {
    const struct {
        const char *zone, *locale, *shown, *typed;
    } cases[] = {
        {"America/New_York", "en_US", "Wed, Jan 6, 2027", "Fri, Feb 12, 2027"},
        {"Europe/Berlin", "de_DE", "Mi., 6. Jan. 2027", "Fr., 12. Feb. 2027"},
        {"Europe/London", "en_GB", "Wed, 6 Jan 2027", "Fri, 12 Feb 2027"},
    };
    for (const auto& c : cases) {
        const Calendar calendar = *Calendar::make(c.zone, c.locale);
        Countdown trip = onDay(1, 1, "Trip");
        trip.start = DateRule::fixed(*calendar.date(2027, 1, 6));
        CountdownEditor sheet(trip, CountdownEditor::Mode::edit, calendar, nullptr, now);
        sheet.show();
        auto* field = sheet.findChild<QDateEdit*>("startDate");
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(), c.shown) << c.locale;
        // What the user types in that order reads as the date meant.
        EXPECT_EQ(QLocale(c.locale).toDate(c.typed, field->displayFormat()), QDate(2027, 2, 12))
            << c.locale;
    }
    EXPECT_EQ(qtDateFormat("EEE, d. MMM y"), "ddd, d. MMM yyyy");
    EXPECT_EQ(qtDateFormat("EEEE d 'de' MMMM 'de' y"), "dddd d 'de' MMMM 'de' yyyy");
    EXPECT_EQ(qtDateFormat("y年M月d日(EEE)"), "yyyy年M月d日(ddd)");
}

// The calendar opens from the keyboard; the arrows move in it, Enter picks,
// Escape closes it with the date it had.
TEST_F(CountdownEditorSheet, TheDateFieldsCalendarByKeyboard) {
    auto sheet = open(onDay(7, 10, "Trip"), true);
    auto* field = sheet->findChild<DateField*>("startDate");
    ASSERT_NE(field, nullptr);
    field->setFocus(Qt::TabFocusReason);
    const auto popup = [] { return QApplication::activePopupWidget(); };

    QTest::keyClick(field, Qt::Key_Down, Qt::AltModifier);
    ASSERT_NE(popup(), nullptr) << "Alt+Down opens it";
    EXPECT_EQ(field->date(), QDate(2025, 7, 10)) << "and changes nothing";
    QTest::keyClick(popup()->focusWidget(), Qt::Key_Right);
    QTest::keyClick(popup()->focusWidget(), Qt::Key_Down);
    QTest::keyClick(popup()->focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return popup() == nullptr; }));
    EXPECT_EQ(field->date(), QDate(2025, 7, 18));
    EXPECT_EQ(sheet->model().startDay(), (CivilDate{2025, 7, 18}));

    QTest::keyClick(field, Qt::Key_F4);
    ASSERT_NE(popup(), nullptr) << "F4 opens it";
    QTest::keyClick(popup()->focusWidget(), Qt::Key_Left);
    QTest::keyClick(popup()->focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return popup() == nullptr; }));
    EXPECT_EQ(field->date(), QDate(2025, 7, 18)) << "Escape keeps the date it had";
    EXPECT_TRUE(sheet->isVisible()) << "Escape in the calendar leaves the sheet open";
}

// Typing never jumps into another part behind the user's back, and a date
// left unfinished is refused with the field's error, never saved.
TEST_F(CountdownEditorSheet, TypedDatesAreWholeOrRefused) {
    auto sheet = open(onDay(7, 10, "Trip"), true);
    auto* field = sheet->findChild<DateField*>("startDate");
    auto* error = sheet->findChild<QLabel*>("startDateError");
    ASSERT_NE(error, nullptr);
    QSignalSpy saved(sheet.get(), &CountdownEditor::saved);

    // "Jun" completes the month and moves on to the day; Tab then leaves the
    // field, so "14" is never typed into the year.
    field->setFocus(Qt::TabFocusReason);
    field->setSelectedSection(QDateTimeEdit::MonthSection);
    QTest::keyClicks(field, "Jun");
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(focusName(), "lasts");
    QTest::keyClicks(QApplication::focusWidget(), "14");
    EXPECT_EQ(field->date(), QDate(2025, 6, 10));
    EXPECT_FALSE(error->isVisible());

    // The year emptied: Enter is refused in place, Tab leaves it unfinished
    // and Save is refused too, each time saying how to finish it.
    field->setFocus(Qt::TabFocusReason);
    field->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClick(field, Qt::Key_Backspace);
    ASSERT_FALSE(field->hasAcceptableInput()) << field->text().toStdString();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_TRUE(error->isVisible());
    EXPECT_TRUE(error->text().contains("Tue, Jun 10, 2025")) << error->text().toStdString();
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_FALSE(field->hasAcceptableInput()) << "what was typed stays, to be finished";
    QTest::mouseClick(sheet->findChild<QPushButton*>("confirm"), Qt::LeftButton);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(saved.count(), 0);
    EXPECT_EQ(QApplication::focusWidget(), field) << "sent back to the date";

    // Finished, it saves; a year that is not a countdown's is never taken.
    field->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(field, "0001");
    EXPECT_NE(field->date().year(), 1);
    field->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(field, "2027");
    EXPECT_TRUE(field->hasAcceptableInput());
    EXPECT_FALSE(error->isVisible());
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(saved.at(0).at(0).value<Countdown>().start,
              DateRule::fixed(*newYork().date(2027, 6, 10)));
}

TEST_F(CountdownEditorSheet, LastsMoreThanADayRevealsTheEndRows) {
    auto sheet = open(onDay(7, 10, "Trip"));
    EXPECT_FALSE(shown(sheet.get(), "startRule"));
    EXPECT_FALSE(shown(sheet.get(), "endDate"));
    EXPECT_FALSE(shown(sheet.get(), "dates"));
    EXPECT_TRUE(shown(sheet.get(), "delete"));
    EXPECT_TRUE(buttonTitled(*sheet, "Count to next year's")->isVisibleTo(sheet.get()));

    auto* lasts = sheet->findChild<QCheckBox*>("lasts");
    QTest::mouseClick(lasts, Qt::LeftButton, {}, QPoint(8, lasts->height() / 2));
    EXPECT_TRUE(shown(sheet.get(), "endDate"));
    EXPECT_FALSE(shown(sheet.get(), "endRule"));
    EXPECT_TRUE(buttonTitled(*sheet, "Hide it")->isVisibleTo(sheet.get()));

    QTest::mouseClick(buttonTitled(*sheet, "Hide it"), Qt::LeftButton);
    QTest::mouseClick(buttonTitled(*sheet, "Working days"), Qt::LeftButton);
    QTest::mouseClick(buttonTitled(*sheet, "Count to next year's"), Qt::LeftButton);
    const Countdown& d = sheet->model().draft();
    EXPECT_EQ(d.during, DuringMode::hide);
    EXPECT_EQ(d.unit, CountUnit::workdays);
    EXPECT_TRUE(d.recurs);
}

TEST(IconPicker, SearchNarrowsTheGridInCatalogueOrder) {
    IconPicker picker("gift", std::nullopt, nullptr);
    picker.show();
    EXPECT_EQ(picker.shownSymbols().size(), 148u);
    EXPECT_EQ(picker.shownSymbols().front(), "calendar");

    auto* search = picker.findChild<QLineEdit*>("symbolSearch");
    const auto typed = [&](const char* query) {
        search->clear();
        QTest::keyClicks(search, query);
        return picker.shownSymbols();
    };
    // What a query finds is the symbol library's to test; here, the grid follows it.
    EXPECT_THAT(typed("  Moon "), ElementsAre("moon", "moon.stars", "moon.circle", "cloud.moon"));
    EXPECT_TRUE(typed("zeppelin").empty());
    EXPECT_TRUE(shown(&picker, "noSymbols"));
    EXPECT_EQ(typed(" \t").size(), 148u);
    EXPECT_FALSE(shown(&picker, "noSymbols"));

    typed("umbrella");
    QSignalSpy changed(&picker, &IconPicker::changed);
    QTest::mouseClick(picker.findChild<QAbstractButton*>("beach.umbrella"), Qt::LeftButton);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(picker.symbol(), "beach.umbrella");
    EXPECT_EQ(labelText(&picker, "iconTitle"), "Beach umbrella");
    typed("zeppelin");
    EXPECT_EQ(picker.symbol(), "beach.umbrella") << "a search that finds nothing keeps the choice";
}

// In the sheet, so that the caption is measured at the width the picker has there.
TEST_F(CountdownEditorSheet, ACustomImageHidesTheSymbolUntilRemovedAndItsCaptionIsWhole) {
    Countdown trip = onDay(7, 10, "Trip");
    trip.symbol = "gift";
    trip.customImage = "0F8A2B47-6C1D-4E3F-9A5B-7D2C1E0F3A4B.png";
    auto sheet = open(trip);
    IconPicker& picker = *sheet->iconPicker();
    const auto* caption = picker.findChild<QLabel*>("iconSubtitle");
    ASSERT_EQ(caption->text(), "Shown in one color to match the widget");
    const QRect needed = caption->fontMetrics().boundingRect(caption->contentsRect(),
                                                             Qt::TextWordWrap, caption->text());
    EXPECT_LE(needed.height(), caption->contentsRect().height());
    EXPECT_LE(needed.width(), caption->contentsRect().width());
    // Nor is the label itself cut by the picker's edge.
    EXPECT_TRUE(
        picker.rect().contains(QRect(caption->mapTo(&picker, QPoint(0, 0)), caption->size())));
    EXPECT_EQ(labelText(&picker, "iconTitle"), "Custom image");
    EXPECT_EQ(picker.selectedSymbol(), std::nullopt);
    QAbstractButton* remove = buttonTitled(picker, "Remove");
    ASSERT_TRUE(remove && remove->isVisible());

    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(picker.customImage(), std::nullopt);
    EXPECT_EQ(picker.selectedSymbol(), "gift");
    EXPECT_EQ(labelText(&picker, "iconTitle"), "Gift");
    EXPECT_FALSE(remove->isVisible());

    const auto second = open(trip);
    IconPicker& other = *second->iconPicker();
    QTest::mouseClick(other.findChild<QAbstractButton*>("star"), Qt::LeftButton);
    EXPECT_EQ(other.customImage(), std::nullopt);
    EXPECT_EQ(other.selectedSymbol(), "star");
}

TEST(IconPicker, AFailedUploadKeepsTheEarlierImageAndSaysSo) {
    const testing::TempDir dir;
    IconStore icons(SharedStore(
        StorePaths{dir.path() / "p.sqlite", dir.path() / "f.sqlite", dir.path() / "container"},
        "en_US"));
    const auto png = dir.path() / "cake.png";
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(Qt::black);
    ASSERT_TRUE(picture.save(QString::fromStdString(png.string())));
    const auto junk = dir.path() / "notes.png";
    std::ofstream(junk) << "not a picture";

    IconPicker picker("gift", std::nullopt, &icons);
    picker.show();
    QString next = QString::fromStdString(png.string());
    picker.setFileChooser([&](QWidget*) { return std::optional<QString>(next); });
    QAbstractButton* upload = buttonTitled(picker, "Upload Image…");
    ASSERT_TRUE(upload);

    QTest::mouseClick(upload, Qt::LeftButton);
    const auto imported = picker.customImage();
    ASSERT_TRUE(imported);
    EXPECT_TRUE(isCustomImageName(imported->toStdString()));
    EXPECT_FALSE(shown(&picker, "importError"));

    next = QString::fromStdString(junk.string());
    QTest::mouseClick(upload, Qt::LeftButton);
    EXPECT_EQ(picker.customImage(), imported);
    EXPECT_TRUE(shown(&picker, "importError"));
    EXPECT_EQ(labelText(&picker, "importError"), "That file couldn't be read as an image.");

    // Without an icons folder nothing can be imported.
    IconPicker homeless("gift", std::nullopt, nullptr);
    EXPECT_FALSE(homeless.importFile(QString::fromStdString(png.string())));

    EXPECT_TRUE(IconPicker::imageFilter().contains("*.heic"));
}

// The choices reach the file the widget host reads; untouched starters are
// offered switched off, everything else on.
TEST_F(CountdownEditorSheet, ReminderSwitchesKeepTheirChoicesInTheRemindersFile) {
    const testing::TempDir dir;
    const auto file = dir.path() / "solvane" / "reminders.json";
    const auto offered = [&](const Countdown& c) {
        auto sheet = open(c);
        offerReminderChoice(*sheet, c, newYork(), now(), file);
        return sheet;
    };
    Countdown starter =
        starterCountdowns(newYork(), PresetRegion::of(newYork(), now(), 40.7), now()).front();
    auto sheet = offered(starter);
    auto* notify = sheet->findChild<QCheckBox*>("notify");
    ASSERT_TRUE(notify->isVisible());
    EXPECT_FALSE(notify->isChecked());
    notify->click();
    sheet->accept();
    EXPECT_EQ(platform::loadReminderSettings(file).countdowns.at(starter.id.toString()), true);
    EXPECT_TRUE(offered(starter)->findChild<QCheckBox*>("notify")->isChecked());
    EXPECT_TRUE(offered(onDay(7, 10, "Trip"))->findChild<QCheckBox*>("notify")->isChecked());
    EXPECT_FALSE(open(onDay(7, 10, "Trip"))->reminderChoice());

    std::unique_ptr<QCheckBox> all(makeRemindersSwitch(file, nullptr));
    EXPECT_TRUE(all->isChecked());
    all->click();
    EXPECT_FALSE(platform::loadReminderSettings(file).enabled);
    EXPECT_EQ(platform::loadReminderSettings(file).countdowns.size(), 1u);
}

TEST(IconPicker, TheGridIsOneTabStopWalkedWithArrowKeys) {
    IconPicker picker("gift", std::nullopt, nullptr);
    picker.show();
    picker.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    auto* search = picker.findChild<QLineEdit*>("symbolSearch");
    search->setFocus();
    std::vector<std::string> names;
    for (const QString& name : picker.shownSymbols()) {
        names.push_back(name.toStdString());
    }
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        return focusName();
    };

    // In on the selected cell, and out again with the next key.
    EXPECT_EQ(press(Qt::Key_Tab), "gift");
    const auto gift = std::find(names.begin(), names.end(), "gift") - names.begin();
    EXPECT_EQ(press(Qt::Key_Right), names[gift + 1]);
    EXPECT_EQ(press(Qt::Key_Down), names[gift + 1 + IconPicker::kColumns]);
    EXPECT_EQ(press(Qt::Key_Left), names[gift + IconPicker::kColumns]);
    EXPECT_EQ(press(Qt::Key_Up), "gift");
    constexpr int page = IconPicker::kGridHeight / (IconPicker::kCell + IconPicker::kGap);
    EXPECT_EQ(press(Qt::Key_PageDown), names[gift + page * IconPicker::kColumns]);
    EXPECT_EQ(press(Qt::Key_Home), "calendar");
    EXPECT_EQ(press(Qt::Key_Up), "calendar");
    EXPECT_EQ(press(Qt::Key_Left), "calendar");
    EXPECT_EQ(press(Qt::Key_End), names.back());
    EXPECT_EQ(press(Qt::Key_Down), names.back());
    auto* grid = picker.findChild<QScrollArea*>("symbolGrid");
    const QWidget* last = picker.findChild<QWidget*>(QString::fromStdString(names.back()));
    EXPECT_TRUE(grid->viewport()->rect().contains(
        QRect(last->mapTo(grid->viewport(), QPoint(0, 0)), last->size())))
        << "the focused cell is scrolled into view";
    EXPECT_EQ(picker.symbol().toStdString(), "gift") << "moving does not choose";

    // Leaving forgets where the arrows went: back in, it is the selection.
    // (Alone in its window, the picker's Tab order wraps round to Upload.)
    EXPECT_EQ(press(Qt::Key_Tab), "Upload Image…");
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ShiftModifier), "gift");
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ShiftModifier), "symbolSearch");

    QSignalSpy changed(&picker, &IconPicker::changed);
    EXPECT_EQ(press(Qt::Key_Tab), "gift");
    press(Qt::Key_Right);
    press(Qt::Key_Space);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(picker.symbol().toStdString(), names[gift + 1]);
    press(Qt::Key_Right);
    press(Qt::Key_Enter);
    EXPECT_EQ(picker.symbol().toStdString(), names[gift + 2]);

    // A search that hides the selection enters on the first match; one that
    // finds nothing leaves no stop at all.
    search->setFocus();
    QTest::keyClicks(search, "moon");
    EXPECT_EQ(press(Qt::Key_Tab), "moon");
    search->setFocus();
    search->clear();
    QTest::keyClicks(search, "zeppelin");
    EXPECT_EQ(press(Qt::Key_Tab), "Upload Image…");
}

TEST(GalleryDialog, EachKindsTextIsShownWhole) {
    using F = widgets::WidgetFamily;
    const auto kind = [](const char* name, const char* text, std::vector<F> sizes) {
        return widgets::WidgetKindSpec{name, name, text, std::move(sizes), {}};
    };
    const std::vector<widgets::WidgetKindSpec> kinds{
        kind("Solvane", "Countdowns, weather, sun and moon at a glance.", {F::extraLarge}),
        kind("Countdowns", "Count down to the days you care about.",
             {F::small, F::medium, F::large, F::extraLarge})};
    host::GalleryDialog gallery(kinds);
    gallery.show();
    auto* list = gallery.findChild<QListWidget*>();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text().toStdString(),
              "Solvane\nCountdowns, weather, sun and moon at a glance.\nSizes: Extra Large");
    EXPECT_EQ(list->item(1)->text().section('\n', 2).toStdString(),
              "Sizes: Small, Medium, Large, Extra Large");

    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    // The dialog has one size; the texts (and their translations) are what vary.
    list->doItemsLayout();
    for (int row = 0; row < list->count(); ++row) {
        const QRect item = list->visualItemRect(list->item(row));
        const QRect needed =
            list->fontMetrics().boundingRect(QRect(0, 0, item.width() - 2 * margin, 10'000),
                                             Qt::TextWordWrap, list->item(row)->text());
        EXPECT_LE(needed.height(), item.height()) << "row " << row;
        EXPECT_LE(item.right(), list->viewport()->width()) << "row " << row;
    }
}

Instant day(int year, int month, int dayOfMonth) {
    return *newYork().date(year, month, dayOfMonth);
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// Three rows at June 10: one ahead, one finished, one hidden while it runs.
struct ListFixture {
    ListFixture() {
        widget.resize(340, 300);
        Countdown festival = countdownOn("Festival", day(2025, 6, 8));
        festival.end = DateRule::fixed(day(2025, 6, 14));
        festival.during = DuringMode::hide;
        countdowns = {countdownOn("Vacation", day(2025, 7, 4)),
                      countdownOn("Exam", day(2025, 5, 1)), festival};
        widget.setCountdowns(countdowns, now, newYork());
        widget.show();
    }
    QAbstractItemModel* model() const { return widget.listView()->model(); }
    QString data(int row, int role) const {
        return model()->data(model()->index(row, 0), role).toString();
    }
    QRect rowRect(int row) const { return widget.listView()->visualRect(model()->index(row, 0)); }

    Instant now = *newYork().date(2025, 6, 10, 12);
    std::vector<Countdown> countdowns;
    CountdownListWidget widget;
};

TEST(CountdownList, RowsShowSummaryValueDoneAndHiddenNow) {
    ListFixture f;
    ASSERT_EQ(f.model()->rowCount(), 3);
    // The ids are the click test's; the summary, the core's.
    EXPECT_EQ(f.data(2, Qt::DisplayRole), "Festival");
    EXPECT_EQ(f.data(2, CountdownListWidget::SummaryRole),
              qs(scheduleSummary(f.countdowns[2], f.now, newYork())));
    const std::tuple<int, const char*, const char*> rows[] = {
        {0, "24 days", "true"}, {1, "done", "false"}, {2, "hidden now", "false"}};
    for (const auto& [row, trailing, value] : rows) {
        EXPECT_EQ(f.data(row, CountdownListWidget::TrailingRole), trailing);
        EXPECT_EQ(f.data(row, CountdownListWidget::ShowsValueRole), value);
    }
}

TEST(CountdownList, ClickEditsAndDeleteKeyDeletesEvenFinishedAndHiddenRows) {
    ListFixture f;
    QSignalSpy edits(&f.widget, &CountdownListWidget::editRequested);
    QSignalSpy deletes(&f.widget, &CountdownListWidget::deleteRequested);
    QWidget* viewport = f.widget.listView()->viewport();
    for (int row : {1, 2}) {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, f.rowRect(row).center());
    }
    ASSERT_EQ(edits.count(), 2);
    EXPECT_EQ(edits[0][0].toString(), qs(f.countdowns[1].id.toString()));
    EXPECT_EQ(edits[1][0].toString(), qs(f.countdowns[2].id.toString()));

    QTest::keyClick(f.widget.listView(), Qt::Key_Delete);
    ASSERT_EQ(deletes.count(), 1);
    EXPECT_EQ(deletes[0][0].toString(), qs(f.countdowns[2].id.toString()));
}

TEST(CountdownList, AddMenuOffersNewPresetsByGroupAndCalendar) {
    CountdownListWidget widget;
    const auto all = catalogue(newYork(), PresetRegion{});
    widget.setPresets(all);
    const auto actions = widget.addMenu()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), "New Countdown");
    EXPECT_EQ(actions[1]->text(), "From a Preset");
    EXPECT_EQ(actions[2]->text(), "From Calendar\u2026");

    // One submenu: each group a disabled heading ("&" as written), then its
    // presets with icons, in catalogue order; what they open is the window's test.
    QStringList expected;
    for (const std::string& group : presetGroups()) {
        expected << "# " + qs(group);
        for (const CountdownPreset& preset : all) {
            if (preset.group == group) {
                expected << qs(preset.title);
            }
        }
    }
    QStringList shown;
    for (QAction* item : actions[1]->menu()->actions()) {
        EXPECT_EQ(item->menu(), nullptr) << "no nested submenus";
        if (!item->isSeparator()) {
            shown << (item->isEnabled() ? "" : "# ") + item->iconText();
            EXPECT_TRUE(!item->isEnabled() || !item->icon().isNull()) << item->text().toStdString();
        }
    }
    EXPECT_EQ(shown, expected);
}

EventCalendar calendar(std::string id, std::string title, std::string account,
                       std::string color = "#FF0000") {
    return {std::move(id), std::move(title), std::move(color), std::move(account)};
}

TEST(CalendarsSection, NoAccessShowsConnectAndNoticeOnlyWhenRefused) {
    CalendarsSection section;
    QSignalSpy connects(&section, &CalendarsSection::connectRequested);
    section.setAccess(false, CalendarAuthorization::notDetermined);
    EXPECT_TRUE(section.connectButton()->isVisibleTo(&section));
    EXPECT_FALSE(section.noticeLabel()->isVisibleTo(&section));

    section.setAccess(false, CalendarAuthorization::denied);
    EXPECT_TRUE(section.noticeLabel()->isVisibleTo(&section));
    EXPECT_EQ(section.noticeLabel()->text(),
              "Calendar access is off. Turn it on in Solvane \u203a Privacy & Security "
              "\u203a Calendars.");
    QTest::mouseClick(section.connectButton(), Qt::LeftButton);
    EXPECT_EQ(connects.count(), 1);

    section.setAccess(true, CalendarAuthorization::fullAccess);
    EXPECT_FALSE(section.connectButton()->isVisibleTo(&section));
    EXPECT_FALSE(section.noticeLabel()->isVisibleTo(&section));
}

// A title's "&" reads as written beside its switch.
TEST(CalendarsSection, TogglesSortByAccountThenTitleAndEditTheFeedList) {
    CalendarsSection section;
    section.setAccess(true, CalendarAuthorization::fullAccess);
    section.setCalendars(
        {calendar("w", "Work & Play", "Personal"), calendar("h", "Holidays", "Shared"),
         calendar("b", "Birthdays", "Personal"), calendar("x", "Not a colour", "Personal", "#zz")},
        {"h", "b"});
    const auto toggles = section.toggles();
    QStringList ids;
    std::vector<bool> checked;
    for (QCheckBox* toggle : toggles) {
        ids << toggle->objectName();
        checked.push_back(toggle->isChecked());
    }
    EXPECT_EQ(ids, (QStringList{"b", "x", "w", "h"}));
    EXPECT_EQ(checked, (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(toggles[2]->text(), "Work && Play") << "shown as Work & Play";

    QSignalSpy feeds(&section, &CalendarsSection::feedsChanged);
    toggles[2]->click();  // Work on: appended
    toggles[3]->click();  // Holidays off: removed
    ASSERT_EQ(feeds.count(), 2);
    using Ids = std::vector<std::string>;
    EXPECT_EQ(feeds[0][0].value<Ids>(), (Ids{"h", "b", "w"}));
    EXPECT_EQ(feeds[1][0].value<Ids>(), (Ids{"b", "w"}));
}

// The list is rebuilt while a click on one of its rows is still being
// handled (Unsubscribe), so the old rows go later; until then none of them
// may still be painted under the new ones.
TEST(CalendarsSection, ARebuiltListShowsOnlyItsOwnRows) {
    CalendarsSection section;
    section.setAccess(true, CalendarAuthorization::fullAccess);
    section.show();
    section.setCalendars({calendar("a", "Feed", "Subscribed"), calendar("b", "Work", "Personal")},
                         {});
    section.setCalendars({calendar("b", "Work", "Personal"), calendar("c", "Team", "Online")}, {});
    int visibleRows = 0;
    for (QCheckBox* box : section.findChildren<QCheckBox*>()) {
        visibleRows += box->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(visibleRows, 2);
}

CalendarEvent event(std::string id, std::optional<std::string> title, Instant start,
                    EventCalendar cal) {
    return {std::move(id), std::move(title), start, start + 3600.0, false, std::move(cal)};
}

// Choosing a row with Return is driven through the whole window.
TEST(EventPickerSheet, SearchFiltersTheRowsAndListsARepeatingEventOnce) {
    FakeEventStore store;
    const EventCalendar health = calendar("c1", "Health", "Personal", "#00AA00");
    store.stored = {event("e1", "Dentist", day(2025, 6, 20), health),
                    event("e2", std::nullopt, day(2025, 6, 21), calendar("c2", "Work", "Job")),
                    event("e1", "Dentist", day(2025, 12, 20), health)};
    EventPickerSheet sheet(store, nullptr, *newYork().date(2025, 6, 10, 12), newYork());
    sheet.load();
    EXPECT_EQ(store.prompts, 0);
    ASSERT_EQ(sheet.list()->count(), 2) << "a repeating event is listed once";
    EXPECT_EQ(sheet.list()->item(1)->text(), "Event");

    sheet.searchField()->setText("  HEALTH ");
    ASSERT_EQ(sheet.list()->count(), 1);
    EXPECT_EQ(sheet.list()->item(0)->text(), "Dentist");
    EXPECT_EQ(sheet.list()->item(0)->data(Qt::UserRole + 1).toString(),
              qs(rowDetail(store.stored[0], newYork())));

    sheet.searchField()->setText("nothing like it");
    EXPECT_EQ(sheet.list()->count(), 0);
    EXPECT_FALSE(sheet.emptyText()) << "a search that hides all keeps the list";
}

TEST(EventPickerSheet, EmptyTextDependsOnAccessAfterAskingOnce) {
    FakeEventStore store;
    store.state = CalendarAuthorization::denied;
    int asked = 0;
    EventPickerSheet refused(
        store, [&] { return ++asked, false; }, day(2025, 6, 10), newYork());
    EXPECT_FALSE(refused.emptyText()) << "nothing is claimed before loading";
    refused.load();
    EXPECT_EQ(asked, 1);
    ASSERT_TRUE(refused.emptyText());
    EXPECT_TRUE(
        refused.emptyText()->contains("Solvane \u203a Privacy & Security \u203a Calendars"));
    // Showing after a load of its own does not ask again; the next showing does.
    refused.show();
    QApplication::processEvents();
    EXPECT_EQ(asked, 1);
    refused.hide();
    refused.show();
    QApplication::processEvents();
    EXPECT_EQ(asked, 2);

    store.state = CalendarAuthorization::fullAccess;
    EventPickerSheet empty(store, nullptr, day(2025, 6, 10), newYork());
    empty.load();
    EXPECT_EQ(empty.emptyText(), "No upcoming events in the next year.");
}

TEST(PrivacyDialog, SwitchesShowAndWriteTheRecord) {
    solvane::testing::TempDir dir;
    const platform::PermissionRecord record(dir.path() / "permissions.json");
    ASSERT_TRUE(record.record("location", "granted"));
    PrivacyDialog dialog(record);
    EXPECT_FALSE(dialog.calendarsSwitch()->isChecked());
    EXPECT_TRUE(dialog.locationSwitch()->isChecked());

    QSignalSpy changes(&dialog, &PrivacyDialog::permissionChanged);
    dialog.calendarsSwitch()->click();
    EXPECT_EQ(record.answer("calendars"), "granted");
    dialog.locationSwitch()->click();
    EXPECT_EQ(record.answer("location"), "denied");
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes[1][0].toString(), "location");
    EXPECT_FALSE(changes[1][1].toBool());

    // A record that cannot be written leaves the switch as it was.
    const platform::PermissionRecord blocked(dir.path() / "permissions.json" / "inside.json");
    PrivacyDialog failing(blocked);
    failing.calendarsSwitch()->click();
    EXPECT_FALSE(failing.calendarsSwitch()->isChecked());
    EXPECT_TRUE(failing.errorLabel()->isVisibleTo(&failing));
}

// The section in an active window beside a field of its own, so that focus
// moves into and out of it as it does for the user.
struct PlaceFixture {
    PlaceFixture() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(section);
        layout->addWidget(outside);
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
    }
    QWidget window;
    LocationSection* section = new LocationSection(&window);
    QLineEdit* outside = new QLineEdit(&window);
    bool active = false;
};

struct LocationEntry : ::testing::Test, PlaceFixture {
    void SetUp() override { ASSERT_TRUE(active); }
    // Compared exactly: what was typed is what is stored, not its rounding.
    SavedLocation sent(int i) { return places.at(i).at(0).value<SavedLocation>(); }
    LocationSection& s = *section;
    QSignalSpy places{section, &LocationSection::placeChanged};
};

void retype(QLineEdit* field, const QString& text) {
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

// A long translation in a narrow column: the box grows a line instead of
// cutting the text, and a click on the second line still toggles it.
TEST(WrappingCheckBox, ALongTextWrapsAndAllOfItToggles) {
    QWidget column;
    column.setFixedSize(200, 200);
    auto* layout = new QVBoxLayout(&column);
    auto* box = new WrappingCheckBox(
        QStringLiteral("Benachrichtigen, wenn der Tag eines Countdowns gekommen ist"));
    QCheckBox plain(QStringLiteral("Short"));
    layout->addWidget(box);
    layout->addStretch();
    column.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&column));
    EXPECT_LE(box->width(), 200);
    EXPECT_GE(box->height(), 2 * box->fontMetrics().height());
    EXPECT_EQ(box->heightForWidth(2000), plain.sizeHint().height()) << "one line when it fits";
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() - 4));
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(box->text(), QStringLiteral("Benachrichtigen, wenn der Tag eines Countdowns "
                                          "gekommen ist"))
        << "screen readers read the whole text";
}

// Coordinates read in the user's numbers ("52,520" in German) or with a point,
// shown as the locale writes them, never a group separator taken for thousands.
TEST(LocationSection, CoordinatesAreTheUsersNumbers) {
    const struct {
        const char *locale, *typed;
        std::optional<double> read;
        const char* shown;
    } cases[] = {
        {"de_DE", "52,520", 52.52, "52,520"},
        {"de_DE", "52.520", 52.52, "52,520"},
        {"en_US", "52.520", 52.52, "52.520"},
        {"en_US", "52,520", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        QLocale::setDefault(QLocale(c.locale));
        PlaceFixture f;
        ASSERT_TRUE(f.active);
        LocationSection& s = *f.section;
        EXPECT_EQ(s.latitudeField()->accessibleName(), "Latitude");
        EXPECT_EQ(s.longitudeField()->accessibleName(), "Longitude");
        EXPECT_EQ(s.nameField()->accessibleName(), "Name");
        QSignalSpy places(&s, &LocationSection::placeChanged);
        s.latitudeField()->setFocus(Qt::MouseFocusReason);
        retype(s.latitudeField(), c.typed);
        QTest::keyClick(s.latitudeField(), Qt::Key_Return);
        f.outside->setFocus(Qt::MouseFocusReason);
        if (!c.read) {
            EXPECT_EQ(places.count(), 0) << c.locale << " " << c.typed;
            EXPECT_TRUE(s.errorLabel()->isVisibleTo(&s));
            continue;
        }
        ASSERT_EQ(places.count(), 1) << c.locale << " " << c.typed;
        EXPECT_EQ(places[0][0].value<SavedLocation>().latitude, *c.read);
        EXPECT_EQ(s.latitudeField()->text(), c.shown);
    }
    QLocale::setDefault(QLocale("en_US"));
}

TEST_F(LocationEntry, TypedPlaceIsSentWholeOnEnterOrSaveWithEveryDigit) {
    s.nameField()->setFocus(Qt::MouseFocusReason);
    retype(s.nameField(), "Lisbon");
    QTest::keyClick(s.nameField(), Qt::Key_Tab);
    ASSERT_TRUE(s.latitudeField()->hasFocus());
    EXPECT_EQ(places.count(), 0) << "moving on inside the entry sends nothing";
    EXPECT_TRUE(s.saveButton()->isVisibleTo(&s));
    EXPECT_EQ(s.latitudeField()->text(), "40.7128") << "the field being edited has every digit";
    retype(s.latitudeField(), "38.7223");
    QTest::keyClick(s.latitudeField(), Qt::Key_Tab);
    retype(s.longitudeField(), "-9.1393");
    EXPECT_EQ(places.count(), 0);
    EXPECT_EQ(s.place(), defaultLocation());

    QTest::keyClick(s.longitudeField(), Qt::Key_Return);
    ASSERT_EQ(places.count(), 1);
    EXPECT_EQ(sent(0), (SavedLocation{38.7223, -9.1393, "Lisbon"}));
    EXPECT_EQ(s.place(), sent(0));
    EXPECT_FALSE(s.saveButton()->isVisibleTo(&s));
    EXPECT_EQ(s.latitudeField()->text(), "38.722");
    EXPECT_EQ(s.longitudeField()->text(), "-9.1393");
    retype(s.longitudeField(), "-9.13930");
    QTest::keyClick(s.longitudeField(), Qt::Key_Return);
    EXPECT_EQ(places.count(), 1) << "the same place is not sent again";
    EXPECT_FALSE(s.hasEdits());

    retype(s.longitudeField(), "-9.13");
    QTest::mouseClick(s.saveButton(), Qt::LeftButton);
    ASSERT_EQ(places.count(), 2);
    EXPECT_EQ(sent(1), (SavedLocation{38.7223, -9.13, "Lisbon"}));
    EXPECT_TRUE(s.longitudeField()->hasFocus()) << "Save leaves the focus where it was";
}

TEST_F(LocationEntry, LeavingTheEntryCommitsWithoutRoundingAndEscapeRestores) {
    s.setPlace({38.7223, -9.1393, "Lisbon"});

    s.nameField()->setFocus(Qt::MouseFocusReason);
    retype(s.nameField(), " Lisboa ");
    QTest::mouseClick(outside, Qt::LeftButton);
    ASSERT_TRUE(outside->hasFocus());
    ASSERT_EQ(places.count(), 1);
    EXPECT_EQ(sent(0), (SavedLocation{38.7223, -9.1393, "Lisboa"}));
    EXPECT_EQ(s.latitudeField()->text(), "38.722");

    s.latitudeField()->setFocus(Qt::MouseFocusReason);
    retype(s.latitudeField(), "12");
    QTest::keyClick(s.latitudeField(), Qt::Key_Tab);
    retype(s.longitudeField(), "13");
    QTest::keyClick(s.longitudeField(), Qt::Key_Escape);
    EXPECT_EQ(s.latitudeField()->text(), "38.722");
    EXPECT_EQ(s.longitudeField()->text(), "-9.1393");
    EXPECT_FALSE(s.hasEdits());
    EXPECT_FALSE(s.saveButton()->isVisibleTo(&s));
    QTest::mouseClick(outside, Qt::LeftButton);
    EXPECT_EQ(places.count(), 1);

    // Another window taking the focus, as when copying a coordinate from it,
    // is a pause: the half-typed place waits.
    s.nameField()->setFocus(Qt::MouseFocusReason);
    retype(s.nameField(), "Porto");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(places.count(), 1);
    EXPECT_TRUE(s.hasEdits());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(outside, Qt::LeftButton);
    ASSERT_EQ(places.count(), 2);
    EXPECT_EQ(sent(1).name, "Porto");

    // A place from the location service replaces a half-typed one.
    retype(s.nameField(), "Somewhere");
    s.setPlace({48.8566, 2.3522, "Paris"});
    EXPECT_EQ(s.nameField()->text(), "Paris");
    EXPECT_FALSE(s.hasEdits());
    EXPECT_EQ(places.count(), 2);
}

TEST_F(LocationEntry, InvalidEntriesSendNothingAndSayWhy) {
    const struct {
        QString name, latitude, longitude;
        int wrong;
        QString reason;
    } cases[] = {
        {"Lisbon", "95", "-9.1", 1, "Latitude is between \u221290 and 90."},
        {"Lisbon", "north", "-9.1", 1, "Latitude must be a number."},
        {"Lisbon", "nan", "-9.1", 1, "Latitude must be a number."},
        {"Lisbon", "38.7", "-181", 2, "Longitude is between \u2212180 and 180."},
        {"Lisbon", "38.7", "inf", 2, "Longitude must be a number."},
        {"   ", "38.7", "-9.1", 0, "Name can't be empty."},
        {QString(101, 'a'), "38.7", "-9.1", 0, "Name is at most 100 characters."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason.toStdString() + " " + c.latitude.toStdString());
        s.setPlace(defaultLocation());
        retype(s.nameField(), c.name);
        retype(s.latitudeField(), c.latitude);
        retype(s.longitudeField(), c.longitude);
        QTest::keyClick(s.nameField(), Qt::Key_Return);
        EXPECT_EQ(places.count(), 0);
        EXPECT_EQ(s.place(), defaultLocation());
        EXPECT_TRUE(s.errorLabel()->isVisibleTo(&s));
        EXPECT_EQ(s.errorLabel()->text(), c.reason);
        const std::vector<bool> invalid{s.nameField()->property("invalid").toBool(),
                                        s.latitudeField()->property("invalid").toBool(),
                                        s.longitudeField()->property("invalid").toBool()};
        EXPECT_EQ(invalid, (std::vector<bool>{c.wrong == 0, c.wrong == 1, c.wrong == 2}));
    }

    s.setPlace(defaultLocation());
    s.latitudeField()->setFocus(Qt::MouseFocusReason);
    retype(s.latitudeField(), "-91");
    QTest::mouseClick(outside, Qt::LeftButton);
    EXPECT_EQ(places.count(), 0) << "leaving an invalid entry stores nothing";
    EXPECT_EQ(s.errorLabel()->text(), "Latitude is between \u221290 and 90.");
    // The minus the captions show reads as one; the keyboard cannot type it here.
    QTest::keyClick(s.latitudeField(), Qt::Key_A, Qt::ControlModifier);
    s.latitudeField()->insert("\u221233.8688");
    QTest::keyClick(s.latitudeField(), Qt::Key_Return);
    ASSERT_EQ(places.count(), 1);
    EXPECT_EQ(sent(0), (SavedLocation{-33.8688, -74.006, "New York"}));
    EXPECT_FALSE(s.errorLabel()->isVisibleTo(&s));
    EXPECT_FALSE(s.latitudeField()->property("invalid").toBool());
}

TEST(Appearance, ReadsWhatTheDesktopSays) {
    EXPECT_EQ(schemeFromPortalValue(1), ColorScheme::dark);
    EXPECT_EQ(schemeFromPortalValue(2), ColorScheme::light);
    EXPECT_EQ(schemeFromPortalValue(0), std::nullopt);  // no preference
    EXPECT_EQ(schemeFromPortalValue(7), std::nullopt);

    EXPECT_EQ(schemeFromGtkTheme("Adwaita:dark"), ColorScheme::dark);
    EXPECT_EQ(schemeFromGtkTheme("Yaru-DARK"), ColorScheme::dark);
    EXPECT_EQ(schemeFromGtkTheme("Adwaita"), std::nullopt);
    EXPECT_EQ(schemeFromGtkTheme("Darkish-Light"), std::nullopt);
    EXPECT_EQ(schemeFromGtkTheme(""), std::nullopt);
}

TEST(Appearance, ToneColouredTextsFollowANewPalette) {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(windowPalette(ColorScheme::light));
    auto root = std::make_unique<QWidget>();
    QLabel* secondary = makeLabel("caption", captionFont(),
                                  secondaryTextColor(QApplication::palette()), root.get());
    QLabel* notice =
        makeLabel("notice", captionFont(), noticeColor(QApplication::palette()), root.get());
    QLabel* custom = makeLabel("error", captionFont(), QColor(215, 0, 21), root.get());
    auto* segments = new QWidget(root.get());
    addSegments({"One", "Two"}, segments);

    QApplication::setPalette(windowPalette(ColorScheme::dark));
    restyleTextColors(root.get());
    const QPalette dark = QApplication::palette();
    EXPECT_EQ(secondary->palette().color(QPalette::WindowText), secondaryTextColor(dark));
    EXPECT_EQ(notice->palette().color(QPalette::WindowText), noticeColor(dark));
    // A colour that is no tone of the palette stays as it was given.
    EXPECT_EQ(custom->palette().color(QPalette::WindowText), QColor(215, 0, 21));
    EXPECT_FALSE(segments->styleSheet().isEmpty());
    QApplication::setPalette(before);
}

class AppStateTest : public fakes::StoreTest {
  protected:
    std::unique_ptr<AppState> makeState(EventStore* events = nullptr,
                                        std::chrono::milliseconds attemptDelay = 10ms) {
        AppServices app = appServices();
        app.attribution = [this]() -> std::optional<platform::WeatherKitAttribution> {
            ++attributionCalls_;
            return platform::WeatherKitAttribution{"Apple Weather", "https://l/light.png",
                                                   "https://l/dark.png", "https://l/legal"};
        };
        app.events = events;
        app.reloadWidgets = [this] {
            ++reloads_;
            if (onReload_) {
                onReload_();
            }
        };
        app.attemptDelay = attemptDelay;
        return std::make_unique<AppState>(std::move(app));
    }

    void settle(AppState& state) {
        ASSERT_TRUE(waitUntil([&] { return !state.weatherLoading(); }));
    }
    void followFeed(FakeEventStore& events, std::initializer_list<const char*> ids) {
        for (const char* id : ids) {
            events.stored.push_back(CalendarEvent{id, "Trip", kNow + 86400.0 * 5,
                                                  kNow + 86400.0 * 5 + 3600, false, kFeed});
        }
        AppSettings settings = store_.loadSettings();
        settings.feedCalendarIDs = {kFeed.id};
        store_.saveSettings(settings);
    }

    std::atomic<int> attributionCalls_{0};
    int reloads_ = 0;
    std::function<void()> onReload_;
};

Countdown countdown(std::string label) {
    return fakes::countdownOn(std::move(label), kNow + 86400.0 * 10);
}

TEST_F(AppStateTest, EveryEditIsStoredBeforeTheWidgetsAreAskedToReload) {
    store_.saveCountdowns({countdown("A"), countdown("B")});
    auto state = makeState();
    ASSERT_EQ(state->countdowns().size(), 2u);
    std::vector<std::vector<std::string>> seenByReload;
    onReload_ = [&] {
        std::vector<std::string> labels;
        for (const auto& c : store_.loadCountdowns(newYork(), kNow)) {
            labels.push_back(c.label);
        }
        seenByReload.push_back(labels);
    };

    Countdown added = state->newCountdownDraft();
    EXPECT_TRUE(state->isNew(added));
    added.label = "C";
    state->saveCountdown(added, true);
    added.label = "C2";
    state->saveCountdown(added, true);  // replaced in place, not appended
    state->moveCountdowns({2}, 0);
    state->moveCountdowns({0, 1}, 3);
    state->deleteCountdown(added);
    // Moves that change nothing write nothing, so ask for no reload.
    state->moveCountdowns({}, 0);
    state->moveCountdowns({7, 99}, 0);  // out of range
    state->moveCountdowns({0}, 1);      // before itself's successor: same place
    state->moveCountdowns({1}, 1000);   // already last

    EXPECT_EQ(
        seenByReload,
        (std::vector<std::vector<std::string>>{
            {"A", "B", "C"}, {"A", "B", "C2"}, {"C2", "A", "B"}, {"B", "C2", "A"}, {"B", "A"}}));
}

// Which image files a delete may remove is the hostile-store test's.
TEST_F(AppStateTest, DeletingRemovesEveryCopy) {
    const Countdown twice = countdown("Cake");
    store_.saveCountdowns({twice, countdown("Other"), twice});
    auto state = makeState();
    state->deleteCountdown(twice);
    EXPECT_EQ(state->countdowns().size(), 1u);
    EXPECT_EQ(store_.loadCountdowns(newYork(), kNow).size(), 1u);
    EXPECT_EQ(reloads_, 1);
}

TEST_F(AppStateTest, SettingsChangesAreStoredReloadedAndRefetchOnlyForANewSource) {
    openMeteo_.script({true});
    apple_.script({true});
    auto state = makeState();
    state->refreshWeather();
    settle(*state);
    ASSERT_EQ(openMeteo_.calls(), 1);

    onReload_ = [&] { EXPECT_EQ(store_.loadSettings(), state->settings()); };
    state->setUnit(TempUnit::celsius);
    settle(*state);
    EXPECT_EQ(reloads_, 1);
    EXPECT_EQ(openMeteo_.calls(), 1) << "the cached snapshot serves a unit change";

    state->setWeatherSource(WeatherSource::apple);
    settle(*state);
    EXPECT_EQ(reloads_, 2);
    EXPECT_EQ(apple_.calls(), 1);

    state->setWeatherSource(WeatherSource::apple);  // no change, nothing happens
    EXPECT_EQ(reloads_, 2);

    for (const char* id : {"b", "a", "b"}) {
        state->setFeedCalendar(id, true);
    }
    EXPECT_EQ(store_.loadSettings().feedCalendarIDs, (std::vector<std::string>{"a", "b"}));
    state->setFeedCalendar("a", false);
    EXPECT_EQ(store_.loadSettings().feedCalendarIDs, (std::vector<std::string>{"b"}));
    settle(*state);
    EXPECT_EQ(attributionCalls_, 1) << "the attribution is asked for once";
}

TEST_F(AppStateTest, RefreshTriesThreeTimesWithoutBlockingAndKeepsTheOldWeather) {
    auto state = makeState();
    int loadingSignals = 0;
    QObject::connect(state.get(), &AppState::weatherLoadingChanged, [&] { ++loadingSignals; });

    state->refreshWeather();
    EXPECT_TRUE(state->weatherLoading()) << "the refresh returns before any attempt finishes";
    settle(*state);
    // The delay between attempts is the one the closing test sets to a day.
    ASSERT_EQ(openMeteo_.calls(), 3);
    EXPECT_FALSE(state->weather());
    EXPECT_FALSE(state->showsFallbackNotice());
    EXPECT_EQ(loadingSignals, 2);
    EXPECT_EQ(reloads_, 0) << "a refresh leaves the widgets to their own schedule";

    // The second attempt succeeds: no third one.
    openMeteo_.script({false, false, false, false, true});
    state->refreshWeather();
    settle(*state);
    EXPECT_EQ(openMeteo_.calls(), 5);
    EXPECT_TRUE(state->weather());
}

// A close that waited out the day between attempts would hang the test.
TEST_F(AppStateTest, ClosingTheWindowDoesNotWaitOutTheDelayBetweenAttempts) {
    auto state = makeState(nullptr, 24h);
    state->refreshWeather();
    ASSERT_TRUE(waitUntil([&] { return openMeteo_.calls() == 1; }));
    state.reset();
    EXPECT_EQ(openMeteo_.calls(), 1);
}

// The retry that reaches Apple is driven through the window.
TEST_F(AppStateTest, FallbackNoticeShowsTheNoteAndAnEmptyRetryClearsTheWeather) {
    store_.saveSettings(AppSettings{WeatherSource::apple, TempUnit::fahrenheit, {}});
    openMeteo_.script({true});
    auto state = makeState();
    EXPECT_EQ(state->fallbackDetails(), kNoFailureDetails);

    state->refreshWeather();
    settle(*state);
    ASSERT_TRUE(state->weather());
    EXPECT_TRUE(state->showsFallbackNotice());
    EXPECT_EQ(state->fallbackDetails(), "WeatherKitError.http(503)");
    EXPECT_EQ(apple_.calls(), 1);

    // A retry that finds nothing, with nothing cached to fall back on, clears
    // the weather rather than keep showing the old.
    store_.setRawValue("weather.v2", "not json");
    state->retryAppleWeather();
    settle(*state);
    EXPECT_FALSE(state->weather());
    EXPECT_EQ(reloads_, 1);
}

// Until its own weather comes, the old place's is never shown under the new
// name, not even by a window opened later on the same store.
TEST_F(AppStateTest, ANewPlaceIsStoredFetchedAndNeverShowsTheOldWeather) {
    openMeteo_.script({true, true});  // then the service fails
    auto state = makeState();
    state->refreshWeather();
    settle(*state);
    const SavedLocation paris{48.85, 2.35, "Paris"};
    onReload_ = [&] { EXPECT_EQ(store_.loadSavedLocation(), paris); };
    state->placeChanged(paris);
    EXPECT_FALSE(state->weather()) << "the old place's weather stood under the new name";
    EXPECT_TRUE(state->weatherLoading());
    settle(*state);
    EXPECT_EQ(state->location(), paris);
    EXPECT_EQ(openMeteo_.calls(), 2) << "the cache was for the old place";
    ASSERT_TRUE(state->weather());
    EXPECT_DOUBLE_EQ(state->weather()->latitude, 48.85);
    EXPECT_EQ(reloads_, 1);

    onReload_ = nullptr;
    state->placeChanged(SavedLocation{48.14, 11.58, "Munich"});
    settle(*state);
    EXPECT_FALSE(state->weather());
    auto reopened = makeState();
    reopened->refreshWeather();
    settle(*reopened);
    EXPECT_FALSE(reopened->weather());
}

TEST_F(AppStateTest, CalendarSyncAddsFeedEventsReloadsOnlyOnChangeAndFollowsAccess) {
    FakeEventStore events;
    followFeed(events, {"ev-1"});
    store_.saveCountdowns({countdown("Mine")});
    openMeteo_.script({true});
    auto state = makeState(&events);
    onReload_ = [&] { EXPECT_EQ(store_.loadCountdowns(newYork(), kNow), state->countdowns()); };

    state->windowShown();
    ASSERT_EQ(state->countdowns().size(), 2u);
    EXPECT_EQ(state->countdowns()[1].feedCalendarID, kFeed.id);
    EXPECT_EQ(reloads_, 1);
    settle(*state);
    EXPECT_TRUE(state->weather()) << "the refresh follows the sync";

    state->syncCalendars();
    EXPECT_EQ(reloads_, 1) << "nothing changed, nothing reloaded";

    events.state = CalendarAuthorization::denied;
    events.stored.clear();
    state->syncCalendars();
    EXPECT_FALSE(state->calendarAccess());
    EXPECT_EQ(state->countdowns().size(), 2u) << "without access feed countdowns stay";

    state->connectCalendars([] { return true; });
    EXPECT_TRUE(state->calendarAccess());
    ASSERT_EQ(state->countdowns().size(), 1u) << "the deleted event's countdown goes";
    EXPECT_EQ(reloads_, 2);
}

TEST_F(AppStateTest, AFullListSaysWhatItCouldNotAddOrStore) {
    FakeEventStore events;
    followFeed(events, {"ev-1", "ev-2"});
    std::vector<Countdown> full;
    for (std::size_t i = 0; i < kMaxCountdowns; ++i) {
        full.push_back(countdown("Mine"));
    }
    ASSERT_TRUE(store_.saveCountdowns(full));
    auto state = makeState(&events);

    state->syncCalendars();
    EXPECT_EQ(state->feedEventsLeftOut(), 2u);
    EXPECT_FALSE(state->lastSaveFault());
    EXPECT_EQ(reloads_, 0) << "nothing could be added, nothing changed";

    // One more by hand cannot be stored either: shown, and said so.
    state->saveCountdown(countdown("Extra"), true);
    EXPECT_TRUE(state->lastSaveFault());
    EXPECT_EQ(state->countdowns().size(), kMaxCountdowns + 1);
    EXPECT_EQ(store_.loadCountdowns(newYork(), kNow).size(), kMaxCountdowns);

    // Making room lets both through.
    state->deleteCountdown(state->countdowns().front());
    EXPECT_FALSE(state->lastSaveFault());
    state->syncCalendars();
    EXPECT_EQ(state->feedEventsLeftOut(), 1u);
    EXPECT_EQ(store_.loadCountdowns(newYork(), kNow).back().label, "Trip");
}

using testing::HttpTestReply;
using testing::HttpTestRequest;
using testing::LoopbackHttpServer;

std::string appcast(const std::string& items) {
    return R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
<channel><title>Solvane</title>)" +
           items + "</channel></rss>";
}

const std::string kTwoReleases = appcast(R"(
<item><title>0.9</title>
  <enclosure url="https://example.org/solvane-0.9.tar.gz" sparkle:version="0.9"/></item>
<item><title>0.10</title><link>https://example.org/releases/0.10</link>
  <sparkle:version>210</sparkle:version>
  <sparkle:shortVersionString>0.10</sparkle:shortVersionString></item>)");

HttpTestReply xmlReply(int status, std::string body) {
    return HttpTestReply{status, std::move(body), {{"Content-Type", "application/rss+xml"}}};
}

TEST(UpdateCheckerVersions, CompareNumericallyPartByPart) {
    EXPECT_GT(compareVersions("1.10", "1.9"), 0);
    EXPECT_EQ(compareVersions("1.2", "1.2.0"), 0);
    EXPECT_GT(compareVersions("2", "1.99.99"), 0);
    EXPECT_LT(compareVersions("2.0b1", "2.0"), 0);
    EXPECT_LT(compareVersions("2.0b1", "2.0b2"), 0);
    EXPECT_EQ(compareVersions("99999999999999999999999", "99999999999999999999998"), 0);
    EXPECT_EQ(compareVersions("", "0"), 0);
    EXPECT_LT(compareVersions("..", "0.0.1"), 0);
}

TEST(UpdateCheckerAppcast, ReadsAttributesElementsAndAddresses) {
    auto items = parseAppcast(kTwoReleases);
    ASSERT_TRUE(items);
    EXPECT_EQ(*items, (std::vector<AppcastItem>{
                          {"0.9", "https://example.org/solvane-0.9.tar.gz"},
                          {"0.10", "https://example.org/releases/0.10"},
                      }));

    // No version, or no web address to send the user to: not offered.
    items = parseAppcast(appcast(R"(
<item><link>https://example.org/x</link></item>
<item><sparkle:version>5.0</sparkle:version><link>file:///etc/passwd</link></item>
<item><enclosure url="javascript:void" sparkle:version="6.0"/></item>)"));
    ASSERT_TRUE(items);
    EXPECT_TRUE(items->empty());

    EXPECT_FALSE(parseAppcast("<rss><channel><item></channel></rss>"));
    EXPECT_FALSE(parseAppcast(""));
    EXPECT_FALSE(parseAppcast(std::string(kMaxAppcastBytes + 1, ' ')));
}

TEST(UpdateCheckerInfo, ReadsFeedAndVersionFromInfoJson) {
    testing::TempDir dir;
    const auto file = dir.path() / "Info.json";
    std::ofstream(file) << R"({"AppGroup":"g","Version":"1.4.2","UpdateFeed":"https://x/a.xml"})";
    UpdateInfo info = readUpdateInfo(file, "0");
    EXPECT_EQ(info.feed, "https://x/a.xml");
    EXPECT_EQ(info.version, "1.4.2");

    std::ofstream(file, std::ios::trunc) << R"({"UpdateFeed":"","Version":7})";
    info = readUpdateInfo(file, "0.1.0");
    EXPECT_FALSE(info.feed);
    EXPECT_EQ(info.version, "0.1.0");
    EXPECT_FALSE(readUpdateInfo(dir.path() / "missing.json", "0").feed);
}

TEST(UpdateCheckerFeed, ReportsNewerSameAndEveryFailure) {
    std::string body = kTwoReleases;
    int status = 200;
    LoopbackHttpServer server([&](const HttpTestRequest&) { return xmlReply(status, body); });
    const UpdateInfo running{server.url() + "/appcast.xml", "0.9.1"};

    UpdateResult result = checkForUpdates(running);
    EXPECT_EQ(result.kind, UpdateResult::Kind::available);
    EXPECT_EQ(result.message,
              "Solvane 0.10 is available — download it from https://example.org/releases/0.10.");
    EXPECT_EQ(server.requests().back().path(), "/appcast.xml");

    result = checkForUpdates(UpdateInfo{running.feed, "0.10"});
    EXPECT_EQ(result.kind, UpdateResult::Kind::upToDate);
    EXPECT_EQ(result.message, "You're up to date (Solvane 0.10).");
    EXPECT_EQ(checkForUpdates(UpdateInfo{running.feed, "1.0"}).kind, UpdateResult::Kind::upToDate);

    // Each failure says what happened and what to do, and keeps the exact
    // technical text apart; never an internal name in the sentence.
    const struct {
        int status;
        std::string body;
        const char *says, *detail;
    } failures[] = {
        {200, "<rss><channel><item><title>broken", "could not be read", "not well-formed XML"},
        {200, "<rss><channel></channel></rss>", "lists no versions", "no item"},
        {500, kTwoReleases, "had a problem. Try again later.", "HTTP 500"},
        {404, kTwoReleases, "may be out of date", "HTTP 404"},
    };
    for (const auto& f : failures) {
        status = f.status;
        body = f.body;
        result = checkForUpdates(running);
        EXPECT_EQ(result.kind, UpdateResult::Kind::failed) << f.detail;
        EXPECT_TRUE(result.message.starts_with("Solvane couldn't check for updates: "));
        EXPECT_NE(result.message.find(f.says), std::string::npos) << result.message;
        EXPECT_EQ(result.message.find("Error."), std::string::npos) << result.message;
        EXPECT_NE(result.detail.find(f.detail), std::string::npos) << result.detail;
    }

    server.stop();
    result = checkForUpdates(running);
    EXPECT_EQ(result.kind, UpdateResult::Kind::failed);
    EXPECT_EQ(result.message,
              "Solvane couldn't check for updates: the update server could not be reached. "
              "Check the connection and try again.");
    EXPECT_EQ(result.detail, "HttpError.cannotConnect");
}

class UpdateCheckerAuto : public ::testing::Test {
  protected:
    std::optional<std::pair<UpdateResult, bool>> runUntilFinished(UpdateChecker& checker) {
        std::optional<std::pair<UpdateResult, bool>> finished;
        auto connection = QObject::connect(&checker, &UpdateChecker::checkFinished,
                                           [&](const UpdateResult& r, bool requested) {
                                               finished = std::make_pair(r, requested);
                                           });
        fakes::waitUntil([&] { return finished.has_value(); });
        QObject::disconnect(connection);
        return finished;
    }

    UpdateChecker::Config configFor(std::optional<std::string> feed) {
        return {.info = UpdateInfo{std::move(feed), "0.9"},
                .stateFile = dir_.path() / "solvane" / "last-update-check",
                .clock = [this] { return now_; }};
    }

    testing::TempDir dir_;
    Instant now_ = Instant::fromUnix(1'700'000'000);
};

TEST_F(UpdateCheckerAuto, ChecksOffTheMainThreadAndOnceADay) {
    LoopbackHttpServer server([&](const HttpTestRequest&) { return xmlReply(200, kTwoReleases); });
    const UpdateChecker::Config config = configFor(server.url() + "/appcast.xml");
    UpdateChecker checker(config);

    EXPECT_TRUE(checker.automaticCheckDue());
    checker.startAutomaticChecks();
    EXPECT_TRUE(checker.checking()) << "the request runs on a worker";
    auto finished = runUntilFinished(checker);
    ASSERT_TRUE(finished);
    EXPECT_EQ(finished->first.kind, UpdateResult::Kind::available);
    EXPECT_FALSE(finished->second);
    EXPECT_FALSE(checker.automaticCheckDue());

    now_ = now_ + 23 * 3600.0;
    EXPECT_FALSE(UpdateChecker(config).automaticCheckDue()) << "kept across runs";
    now_ = now_ + 3600.0;
    EXPECT_TRUE(checker.automaticCheckDue());
    now_ = Instant::fromUnix(1'600'000'000);
    EXPECT_TRUE(checker.automaticCheckDue()) << "a clock set back does not stop checks";

    std::ofstream(config.stateFile, std::ios::trunc) << "garbage";
    EXPECT_TRUE(checker.automaticCheckDue());

    checker.checkNow();
    finished = runUntilFinished(checker);
    ASSERT_TRUE(finished);
    EXPECT_TRUE(finished->second);
    EXPECT_EQ(server.requestCount(), 2u);
}

TEST_F(UpdateCheckerAuto, NoFeedIsNeverDueAndSaysSoWhenAsked) {
    const UpdateChecker::Config config = configFor(std::nullopt);
    UpdateChecker checker(config);
    EXPECT_FALSE(checker.automaticCheckDue());
    checker.checkNow();
    auto finished = runUntilFinished(checker);
    ASSERT_TRUE(finished);
    EXPECT_EQ(finished->first.kind, UpdateResult::Kind::noFeed);
    EXPECT_EQ(finished->first.message, "No update feed is configured.");
    EXPECT_FALSE(std::filesystem::exists(config.stateFile));
}

}  // namespace
}  // namespace solvane::app
