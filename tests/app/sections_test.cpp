// The window's plain sections on the offscreen platform: what their rows and
// texts say, and which signals a click, a key, a drag or a switch sends.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "app/calendars_section.h"
#include "app/countdown_list.h"
#include "app/event_picker_sheet.h"
#include "app/location_section.h"
#include "app/privacy_dialog.h"
#include "core/model/countdown_display.h"
#include "core/model/presets.h"
#include "support/temp_dir.h"

namespace solvane::app {
namespace {

const Calendar& testCalendar() {
    static const Calendar calendar = *Calendar::make("America/New_York", "en_US");
    return calendar;
}

Instant day(int year, int month, int dayOfMonth) {
    return *testCalendar().date(year, month, dayOfMonth);
}

Countdown countdown(std::string label, Instant start, std::optional<Instant> end = std::nullopt,
                    DuringMode during = DuringMode::progress) {
    Countdown c;
    c.id = Uuid::random();
    c.label = std::move(label);
    c.start = DateRule::fixed(start);
    if (end) {
        c.end = DateRule::fixed(*end);
    }
    c.during = during;
    return c;
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Three rows at June 10: one ahead, one finished, one hidden while it runs.
struct ListFixture {
    ListFixture() {
        widget.resize(340, 300);
        countdowns = {countdown("Vacation", day(2025, 7, 4)), countdown("Exam", day(2025, 5, 1)),
                      countdown("Festival", day(2025, 6, 8), day(2025, 6, 14), DuringMode::hide)};
        widget.setCountdowns(countdowns, now, testCalendar());
        widget.show();
    }
    QAbstractItemModel* model() const { return widget.listView()->model(); }
    QString data(int row, int role) const {
        return model()->data(model()->index(row, 0), role).toString();
    }
    QRect rowRect(int row) const { return widget.listView()->visualRect(model()->index(row, 0)); }

    Instant now = *testCalendar().date(2025, 6, 10, 12);
    std::vector<Countdown> countdowns;
    CountdownListWidget widget;
};

TEST(CountdownList, RowsShowSummaryValueDoneAndHiddenNow) {
    ListFixture f;
    ASSERT_EQ(f.model()->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        const Countdown& c = f.countdowns[static_cast<std::size_t>(row)];
        EXPECT_EQ(f.data(row, Qt::DisplayRole), qs(c.label));
        EXPECT_EQ(f.data(row, CountdownListWidget::IdRole), qs(c.id.toString()));
        EXPECT_EQ(f.data(row, CountdownListWidget::SummaryRole),
                  qs(scheduleSummary(c, f.now, testCalendar())));
    }
    EXPECT_EQ(f.data(0, CountdownListWidget::TrailingRole), "24 days");
    EXPECT_EQ(f.data(1, CountdownListWidget::TrailingRole), "done");
    EXPECT_EQ(f.data(2, CountdownListWidget::TrailingRole), "hidden now");
    EXPECT_TRUE(
        f.model()->data(f.model()->index(0, 0), CountdownListWidget::ShowsValueRole).toBool());
    EXPECT_FALSE(
        f.model()->data(f.model()->index(1, 0), CountdownListWidget::ShowsValueRole).toBool());
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

TEST(CountdownList, DraggingOrMovingRowsReportsFromAndNewIndex) {
    ListFixture f;
    QSignalSpy moves(&f.widget, &CountdownListWidget::moved);
    QSignalSpy edits(&f.widget, &CountdownListWidget::editRequested);
    QWidget* viewport = f.widget.listView()->viewport();

    // First row dragged below the last one.
    const QPoint start = f.rowRect(0).center();
    const QPoint end(start.x(), f.rowRect(2).bottom() - 2);
    sendMouse(viewport, QEvent::MouseButtonPress, start, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, start + QPoint(0, 12), Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, end, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, end, Qt::NoButton);
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0][0].toInt(), 0);
    EXPECT_EQ(moves[0][1].toInt(), 2);
    EXPECT_EQ(f.data(2, Qt::DisplayRole), "Vacation");
    EXPECT_EQ(edits.count(), 0) << "a drag is not a click";

    // Through the model: last row to the top; a move onto itself is refused.
    EXPECT_TRUE(f.model()->moveRow({}, 2, {}, 0));
    EXPECT_FALSE(f.model()->moveRow({}, 1, {}, 2));
    ASSERT_EQ(moves.count(), 2);
    EXPECT_EQ(moves[1][0].toInt(), 2);
    EXPECT_EQ(moves[1][1].toInt(), 0);
    EXPECT_EQ(f.data(0, Qt::DisplayRole), "Vacation");
}

TEST(CountdownList, AddMenuOffersNewPresetsByGroupAndCalendar) {
    CountdownListWidget widget;
    const auto actions = widget.addMenu()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), "New Countdown");
    EXPECT_EQ(actions[1]->text(), "From a Preset");
    EXPECT_EQ(actions[2]->text(), "From Calendar\u2026");

    QSignalSpy news(&widget, &CountdownListWidget::newRequested);
    QSignalSpy calendars(&widget, &CountdownListWidget::fromCalendarRequested);
    QSignalSpy presets(&widget, &CountdownListWidget::presetRequested);
    actions[0]->trigger();
    actions[2]->trigger();
    EXPECT_EQ(news.count(), 1);
    EXPECT_EQ(calendars.count(), 1);

    const auto groups = presetGroups();
    ASSERT_EQ(groups.size(), 3u);
    const auto sections = actions[1]->menu()->actions();
    ASSERT_EQ(sections.size(), 3);
    const auto& all = catalogue(testCalendar());
    std::size_t seen = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        QAction* section = sections[static_cast<qsizetype>(g)];
        EXPECT_EQ(section->text(), qs(groups[g]));
        ASSERT_NE(section->menu(), nullptr);
        QStringList titles;
        for (QAction* item : section->menu()->actions()) {
            titles << item->text();
            EXPECT_FALSE(item->icon().isNull()) << item->text().toStdString();
        }
        QStringList expected;
        for (const CountdownPreset& preset : all) {
            if (preset.group == groups[g]) {
                expected << qs(preset.title);
            }
        }
        EXPECT_EQ(titles, expected);
        seen += static_cast<std::size_t>(titles.size());
    }
    EXPECT_EQ(seen, all.size());

    sections[2]->menu()->actions().last()->trigger();
    ASSERT_EQ(presets.count(), 1);
    const auto last =
        std::find_if(all.rbegin(), all.rend(), [&](const auto& p) { return p.group == groups[2]; });
    EXPECT_EQ(presets[0][0].toString(), qs(last->id));
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

    for (auto refused : {CalendarAuthorization::denied, CalendarAuthorization::restricted}) {
        section.setAccess(false, refused);
        EXPECT_TRUE(section.noticeLabel()->isVisibleTo(&section));
        EXPECT_EQ(section.noticeLabel()->text(),
                  "Calendar access is off. Turn it on in Solvane \u203a Privacy & Security "
                  "\u203a Calendars.");
    }
    QTest::mouseClick(section.connectButton(), Qt::LeftButton);
    EXPECT_EQ(connects.count(), 1);

    section.setAccess(true, CalendarAuthorization::fullAccess);
    EXPECT_FALSE(section.connectButton()->isVisibleTo(&section));
    EXPECT_FALSE(section.noticeLabel()->isVisibleTo(&section));
}

TEST(CalendarsSection, TogglesSortByAccountThenTitleAndEditTheFeedList) {
    CalendarsSection section;
    section.setAccess(true, CalendarAuthorization::fullAccess);
    section.setCalendars(
        {calendar("w", "Work", "Personal"), calendar("h", "Holidays", "Shared"),
         calendar("b", "Birthdays", "Personal"), calendar("x", "Not a colour", "Personal", "#zz")},
        {"h", "b"});
    const auto toggles = section.toggles();
    QStringList ids;
    for (QCheckBox* toggle : toggles) {
        ids << toggle->objectName();
    }
    EXPECT_EQ(ids, (QStringList{"b", "x", "w", "h"}));
    EXPECT_TRUE(toggles[0]->isChecked());
    EXPECT_FALSE(toggles[2]->isChecked());
    EXPECT_TRUE(toggles[3]->isChecked());

    QSignalSpy feeds(&section, &CalendarsSection::feedsChanged);
    toggles[2]->click();  // Work on: appended
    toggles[3]->click();  // Holidays off: removed
    ASSERT_EQ(feeds.count(), 2);
    using Ids = std::vector<std::string>;
    EXPECT_EQ(feeds[0][0].value<Ids>(), (Ids{"h", "b", "w"}));
    EXPECT_EQ(feeds[1][0].value<Ids>(), (Ids{"b", "w"}));
}

class FakeStore : public EventStore {
  public:
    CalendarAuthorization authorization() const override { return auth; }
    bool requestFullAccess(const AccessPrompt& prompt) override {
        ++requests;
        if (prompt && prompt()) {
            auth = CalendarAuthorization::fullAccess;
        }
        return auth == CalendarAuthorization::fullAccess;
    }
    std::vector<EventCalendar> calendars() const override { return {}; }
    std::vector<CalendarEvent> events(Instant, Instant, const Calendar&) const override {
        return auth == CalendarAuthorization::fullAccess ? list : std::vector<CalendarEvent>{};
    }

    CalendarAuthorization auth = CalendarAuthorization::fullAccess;
    std::vector<CalendarEvent> list;
    int requests = 0;
};

CalendarEvent event(std::string id, std::optional<std::string> title, Instant start,
                    EventCalendar cal) {
    return {std::move(id), std::move(title), start, start + 3600.0, false, std::move(cal)};
}

TEST(EventPickerSheet, SearchFiltersRowsAndChoosingMakesTheCountdown) {
    FakeStore store;
    const EventCalendar health = calendar("c1", "Health", "Personal", "#00AA00");
    store.list = {event("e1", "Dentist", day(2025, 6, 20), health),
                  event("e2", std::nullopt, day(2025, 6, 21), calendar("c2", "Work", "Job")),
                  event("e1", "Dentist", day(2025, 12, 20), health)};
    EventPickerSheet sheet(store, nullptr, *testCalendar().date(2025, 6, 10, 12), testCalendar());
    sheet.load();
    EXPECT_EQ(store.requests, 0);
    ASSERT_EQ(sheet.list()->count(), 2) << "a repeating event is listed once";
    EXPECT_EQ(sheet.list()->item(1)->text(), "Event");

    sheet.searchField()->setText("  HEALTH ");
    ASSERT_EQ(sheet.list()->count(), 1);
    EXPECT_EQ(sheet.list()->item(0)->text(), "Dentist");
    EXPECT_EQ(sheet.list()->item(0)->data(Qt::UserRole + 1).toString(),
              qs(rowDetail(store.list[0], testCalendar())));

    sheet.searchField()->setText("nothing like it");
    EXPECT_EQ(sheet.list()->count(), 0);
    EXPECT_FALSE(sheet.emptyText()) << "a search that hides all keeps the list";

    sheet.searchField()->setText("dent");
    QSignalSpy chosen(&sheet, &EventPickerSheet::eventChosen);
    QTest::keyClick(sheet.searchField(), Qt::Key_Return);
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    ASSERT_TRUE(sheet.chosen());
    EXPECT_EQ(sheet.chosen()->label, "Dentist");
    EXPECT_EQ(sheet.chosen()->eventID, "e1");
    EXPECT_EQ(chosen.count(), 1);
}

TEST(EventPickerSheet, EmptyTextDependsOnAccessAfterAskingOnce) {
    FakeStore store;
    store.auth = CalendarAuthorization::denied;
    int asked = 0;
    EventPickerSheet refused(
        store, [&] { return ++asked, false; }, day(2025, 6, 10), testCalendar());
    EXPECT_FALSE(refused.emptyText()) << "nothing is claimed before loading";
    refused.load();
    EXPECT_EQ(asked, 1);
    ASSERT_TRUE(refused.emptyText());
    EXPECT_TRUE(
        refused.emptyText()->contains("Solvane \u203a Privacy & Security \u203a Calendars"));
    EXPECT_FALSE(refused.chosen());
    // Showing after a load of its own does not ask again; the next showing does.
    refused.show();
    QApplication::processEvents();
    EXPECT_EQ(asked, 1);
    refused.hide();
    refused.show();
    QApplication::processEvents();
    EXPECT_EQ(asked, 2);

    store.auth = CalendarAuthorization::fullAccess;
    EventPickerSheet empty(store, nullptr, day(2025, 6, 10), testCalendar());
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
    dialog.calendarsSwitch()->click();
    EXPECT_EQ(record.answer("calendars"), "denied");
    ASSERT_EQ(changes.count(), 3);
    EXPECT_EQ(changes[1][0].toString(), "location");
    EXPECT_FALSE(changes[1][1].toBool());

    // A record that cannot be written leaves the switch as it was.
    const platform::PermissionRecord blocked(dir.path() / "permissions.json" / "inside.json");
    PrivacyDialog failing(blocked);
    failing.calendarsSwitch()->click();
    EXPECT_FALSE(failing.calendarsSwitch()->isChecked());
    EXPECT_TRUE(failing.errorLabel()->isVisibleTo(&failing));
}

void typeInto(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->del();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

TEST(LocationSection, SendsOnlyPlacesOnTheGlobe) {
    LocationSection section;
    section.setPlace({40.7128, -74.006, "New York"});
    QSignalSpy places(&section, &LocationSection::placeChanged);

    typeInto(section.latitudeField(), "95");
    typeInto(section.latitudeField(), "north");
    typeInto(section.longitudeField(), "-181");
    EXPECT_EQ(places.count(), 0);
    EXPECT_TRUE(section.errorLabel()->isVisibleTo(&section));

    section.setPlace({40.7128, -74.006, "New York"});
    typeInto(section.nameField(), "New York");
    EXPECT_EQ(places.count(), 0) << "an unchanged place keeps its full precision";

    typeInto(section.latitudeField(), "48.8566");
    typeInto(section.longitudeField(), " 2.3522 ");
    ASSERT_EQ(places.count(), 2);
    const auto place = places[1][0].value<SavedLocation>();
    EXPECT_DOUBLE_EQ(place.latitude, 48.8566);
    EXPECT_DOUBLE_EQ(place.longitude, 2.3522);
    EXPECT_FALSE(section.errorLabel()->isVisibleTo(&section));

    EXPECT_EQ(placeFromFields(" ", "-33.8688", "151.2093")->name, "-33.87, 151.21");
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

}  // namespace
}  // namespace solvane::app
