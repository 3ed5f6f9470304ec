// The window's plain sections on the offscreen platform: what their rows and
// texts say, and which signals a click, a key, a drag or a switch sends; and
// the desktop's appearance, which their secondary tones follow.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "app/appearance.h"
#include "app/calendars_section.h"
#include "app/countdown_list.h"
#include "app/event_picker_sheet.h"
#include "app/location_section.h"
#include "app/privacy_dialog.h"
#include "app/section_style.h"
#include "app/wrapping_check_box.h"
#include "app_fakes.h"
#include "core/model/countdown_display.h"
#include "core/model/presets.h"
#include "support/temp_dir.h"

namespace solvane::app {
namespace {

using fakes::countdownOn;
using fakes::FakeEventStore;
using fakes::newYork;

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

    // One submenu: each group a disabled heading (its "&" shown as written),
    // then its presets with their icons, in catalogue order. What each entry
    // opens is driven through the whole window.
    const auto groups = presetGroups();
    QStringList expected;
    for (const std::string& group : groups) {
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
        if (item->isSeparator()) {
            continue;
        }
        if (!item->isEnabled()) {
            shown << "# " + item->iconText();
            continue;
        }
        shown << item->iconText();
        EXPECT_FALSE(item->icon().isNull()) << item->text().toStdString();
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
    QLineEdit* field(int index) const {
        return std::array{section->nameField(), section->latitudeField(),
                          section->longitudeField()}[static_cast<std::size_t>(index)];
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

// Coordinates read in the user's own numbers ("52,520" in German) and in
// the point everyone types, and show as the user's locale writes them; a
// group separator is never taken for thousands. The fields are named for
// screen readers by their labels.
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
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(field(i)->property("invalid").toBool(), i == c.wrong) << i;
        }
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

TEST(LocationSection, StatusLineAndCurrentLocationButton) {
    LocationSection section;
    QSignalSpy requests(&section, &LocationSection::useCurrentLocationRequested);
    QTest::mouseClick(section.currentLocationButton(), Qt::LeftButton);
    EXPECT_EQ(requests.count(), 1);
    section.setStatus("Locating\u2026");
    EXPECT_TRUE(section.statusLabel()->isVisibleTo(&section));
    section.setStatus({});
    EXPECT_FALSE(section.statusLabel()->isVisibleTo(&section));
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

}  // namespace
}  // namespace solvane::app
