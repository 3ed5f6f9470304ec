// The countdown sheet and its icon picker: the rules behind the rows on the
// bare model, then the real widgets driven offscreen with keys and clicks;
// and the widget host's gallery showing each kind's text whole.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/countdown_editor.h"
#include "app/date_field.h"
#include "app/icon_picker.h"
#include "app/reminder_choices.h"
#include "app_fakes.h"
#include "board/custom_icons.h"
#include "core/model/presets.h"
#include "core/test_helpers.h"
#include "host/gallery_dialog.h"
#include "platform/reminder_files.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

using app::fakes::labelText;
using app::fakes::newYork;
using app::fakes::shown;
using ::testing::ElementsAre;

// Midday on Sunday, 2025-06-15.
Instant now() {
    return *newYork().date(2025, 6, 15, 12);
}

Countdown onDay(int month, int day, std::string label = "") {
    return app::fakes::countdownOn(std::move(label), *newYork().date(2025, month, day));
}

Countdown winter() {
    for (const auto& preset : catalogue(newYork(), PresetRegion{})) {
        if (preset.id == "winter") {
            return makeCountdown(preset);
        }
    }
    ADD_FAILURE() << "no winter preset";
    return {};
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

using app::fakes::focusName;

TEST(CountdownEditorModel, ASpanEndsAWeekAfterItsStartAndNeverBeforeIt) {
    auto m = model(onDay(7, 10, "Trip"));
    EXPECT_EQ(m.startTitle(), "Date");
    EXPECT_TRUE(m.recursEditable());

    m.setLastsMoreThanADay(true);
    EXPECT_EQ(m.startTitle(), "Starts");
    EXPECT_EQ(m.endDay(), (CivilDate{2025, 7, 17}));
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
    EXPECT_EQ(m.startTitle(), "Starts");
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

    // A date is one stop, its parts walked with the arrows; each segmented
    // choice is one stop, on its checked segment.
    const std::vector<std::string> chain{
        "startDate",    "lasts", "endDate", "Show progress", "Finish",  "Days", "Upload Image…",
        "symbolSearch", "gift",  "delete",  "cancel",        "confirm", "label"};
    const auto walk = [&](Qt::KeyboardModifiers modifiers) {
        std::vector<std::string> seen;
        for (std::size_t i = 0; i < chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            seen.push_back(focusName());
        }
        return seen;
    };
    EXPECT_EQ(walk({}), chain);
    std::vector<std::string> back(chain.rbegin() + 1, chain.rend());
    back.push_back("label");
    EXPECT_EQ(walk(Qt::ShiftModifier), back);

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
    auto* field = sheet->findChild<app::DateField*>("startDate");
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
    EXPECT_EQ(sheet->model().startDay(), (CivilDate{2025, 7, 18}));
    EXPECT_TRUE(sheet->isVisible()) << "Escape in the calendar leaves the sheet open";
}

// Typing never jumps into another part behind the user's back, and a date
// left unfinished is refused with the field's error, never saved.
TEST_F(CountdownEditorSheet, TypedDatesAreWholeOrRefused) {
    auto sheet = open(onDay(7, 10, "Trip"), true);
    auto* field = sheet->findChild<app::DateField*>("startDate");
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
    EXPECT_EQ(sheet->findChild<QDateEdit*>("startDate")->date(), QDate(2025, 7, 10));
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
    EXPECT_EQ(picker.selectedSymbol(), "gift");

    auto* search = picker.findChild<QLineEdit*>("symbolSearch");
    const auto typed = [&](const char* query) {
        search->clear();
        QTest::keyClicks(search, query);
        return picker.shownSymbols();
    };
    // What a query finds is the symbol library's to test; here, the grid follows it.
    EXPECT_THAT(typed("  Moon "), ElementsAre("moon", "moon.stars", "moon.circle", "cloud.moon"));
    EXPECT_FALSE(shown(&picker, "noSymbols"));
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
    EXPECT_EQ(picker.symbol(), "gift");
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
    EXPECT_TRUE(picker.importError());
    EXPECT_TRUE(shown(&picker, "importError"));
    EXPECT_EQ(labelText(&picker, "importError"), "That file couldn't be read as an image.");

    // Without an icons folder nothing can be imported.
    IconPicker homeless("gift", std::nullopt, nullptr);
    EXPECT_FALSE(homeless.importFile(QString::fromStdString(png.string())));
    EXPECT_EQ(homeless.customImage(), std::nullopt);

    EXPECT_TRUE(IconPicker::imageFilter().contains("*.heic"));
}

// The choices reach the file the widget host reads; untouched starters are
// offered switched off, everything else on.
TEST_F(CountdownEditorSheet, ReminderSwitchesKeepTheirChoicesInTheRemindersFile) {
    const testing::TempDir dir;
    const auto file = dir.path() / "solvane" / "reminders.json";
    const auto offered = [&](const Countdown& c) {
        auto sheet = open(c);
        app::offerReminderChoice(*sheet, c, newYork(), now(), file);
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

    std::unique_ptr<QCheckBox> all(app::makeRemindersSwitch(file, nullptr));
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

TEST(IconPicker, TheImageChooserStartsInPicturesElseHome) {
    const testing::TempDir dir;
    const std::string home = dir.path().string();
    const testing::ScopedEnv homeEnv("HOME", home.c_str());
    const testing::ScopedEnv configEnv("XDG_CONFIG_HOME", (home + "/.config").c_str());
    const auto start = [] { return IconPicker::imageStartFolder().toStdString(); };

    EXPECT_EQ(start(), home) << "no Pictures folder yet";
    ASSERT_TRUE(std::filesystem::create_directory(dir.path() / "Pictures"));
    EXPECT_EQ(start(), home + "/Pictures");

    // The folder the user named for pictures, wherever and whatever it is.
    ASSERT_TRUE(std::filesystem::create_directory(dir.path() / ".config"));
    ASSERT_TRUE(std::filesystem::create_directory(dir.path() / "Bilder"));
    std::ofstream(dir.path() / ".config/user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    EXPECT_EQ(start(), home + "/Bilder");
}

TEST(GalleryDialog, EachKindsTextIsShownWholeAtAnyWidth) {
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
    for (const int width : {420, 300, 220}) {
        gallery.resize(width, 460);
        QTest::qWait(20);
        for (int row = 0; row < list->count(); ++row) {
            const QRect item = list->visualItemRect(list->item(row));
            const QRect needed =
                list->fontMetrics().boundingRect(QRect(0, 0, item.width() - 2 * margin, 10'000),
                                                 Qt::TextWordWrap, list->item(row)->text());
            EXPECT_LE(needed.height(), item.height()) << "row " << row << " at " << width;
            EXPECT_LE(item.right(), list->viewport()->width()) << "row " << row << " at " << width;
        }
    }
}

}  // namespace
}  // namespace solvane
