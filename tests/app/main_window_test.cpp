// The whole companion window, driven through its own controls, as a screen
// reader finds it and in the pseudo-locale, on the offscreen platform: a
// store in a temporary folder, scripted weather services, a fake calendar
// database, and reload requests that travel the real D-Bus client to a
// stand-in widget host on a private session bus (run under dbus-run-session,
// never the user's bus).
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDBusConnection>
#include <QDateEdit>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/board_preview.h"
#include "app/calendars_section.h"
#include "app/countdown_editor.h"
#include "app/countdown_list.h"
#include "app/error_text.h"
#include "app/icon_picker.h"
#include "app/location_section.h"
#include "app/main_window.h"
#include "app/subscribe_dialog.h"
#include "app/weather_section.h"
#include "app_fakes.h"
#include "board/custom_icons.h"
#include "core/model/reminders.h"
#include "core/util/translation.h"
#include "host/reload_service.h"
#include "platform/calendar/calendar_database.h"
#include "platform/calendar/subscription_source.h"
#include "platform/dbus/widget_host_client.h"
#include "platform/qt/time_zone_source.h"
#include "platform/qt/translations.h"
#include "support/loopback_http_server.h"
#include "support/temp_dir.h"

namespace solvane::app {
namespace {

using namespace std::chrono_literals;
using Labels = std::vector<std::string>;
using fakes::FakeEventStore;
using fakes::findAction;
using fakes::kNow;
using fakes::labelText;
using fakes::newYork;
using fakes::shown;
using fakes::waitUntil;

Labels labelsIn(const SharedStore& store) {
    Labels labels;
    for (const auto& c : store.loadCountdowns(newYork(), kNow)) {
        labels.push_back(c.label);
    }
    return labels;
}

// The widget host's stand-in on the private bus, noting what the store held per request.
struct FakeHost {
    int sent = 0;  // requests the window handed to the bus
    int received = 0;
    std::vector<Labels> heldOnArrival;
    const SharedStore* store = nullptr;
    host::ReloadService service{[this] {
        ++received;
        if (store != nullptr) {
            heldOnArrival.push_back(labelsIn(*store));
        }
    }};
};
FakeHost* gHost = nullptr;

Countdown onDay(std::string label, int month, int day) {
    return fakes::countdownOn(std::move(label), *newYork().date(2023, month, day));
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

class MainWindowTest : public fakes::StoreTest {
  protected:
    void SetUp() override {
        ASSERT_NE(gHost, nullptr) << "run under dbus-run-session";
        // A request of the previous test still on its way would count here.
        ASSERT_TRUE(waitUntil([] { return gHost->received == gHost->sent; }));
        gHost->sent = gHost->received = 0;
        gHost->heldOnArrival.clear();
        gHost->store = &store_;
        store_.saveCountdowns({});
    }
    void TearDown() override {
        window_.reset();
        gHost->store = nullptr;
    }

    MainWindow& open(EventStore* events = nullptr) {
        AppServices app = appServices();
        app.attribution = []() -> std::optional<platform::WeatherKitAttribution> {
            return platform::WeatherKitAttribution{"Apple Weather", "http://127.0.0.1:9/l.png",
                                                   "http://127.0.0.1:9/d.png",
                                                   "http://127.0.0.1:9/legal"};
        };
        app.events = events;
        app.reloadWidgets = [this] {
            // Noted as it is sent: what a host rebuilding right now would read.
            heldAtRequest_.push_back(labelsIn(store_));
            ++gHost->sent;
            EXPECT_TRUE(bus::requestWidgetReload());
        };
        WindowServices services = windowServicesFor(std::move(app));
        services.updates.info = updateInfo_;
        if (!realQuestions_) {
            services.answer = [this](AccessQuestion question) {
                asked_.push_back(question);
                return true;
            };
        }
        services.openWidgetGallery = [this](QRect keepClear) {
            galleryRequests_.push_back(keepClear);
            return true;
        };
        services.automaticUpdateChecks = automaticUpdateChecks_;
        services.windowSizeFile = dir_.path() / "window.ini";
        services.remindersFile = dir_.path() / "reminders.json";
        window_ = std::make_unique<MainWindow>(std::move(services));
        window_->weatherSection()->setImageFetcher([](const std::string&, const net::CancelToken&) {
            return std::optional<QByteArray>();
        });
        window_->show();
        settle();
        return *window_;
    }

    void settle() {
        EXPECT_TRUE(waitUntil([this] { return !window_->state().weatherLoading(); }));
    }
    CountdownEditor* editor() const { return window_->editor(); }
    void waitForEditorClosed() {
        ASSERT_TRUE(waitUntil([this] { return editor() == nullptr; }));
        EXPECT_FALSE(window_->state().editing());
    }
    QRect rowRect(int row) const {
        QListView* view = window_->countdownList()->listView();
        return view->visualRect(view->model()->index(row, 0));
    }
    void clickRow(int row) {
        QTest::mouseClick(window_->countdownList()->listView()->viewport(), Qt::LeftButton, {},
                          rowRect(row).center());
    }
    QAbstractButton* button(const char* name) const {
        return editor()->findChild<QAbstractButton*>(name);
    }
    QLineEdit* labelField() const { return editor()->findChild<QLineEdit*>("label"); }

    std::vector<Labels> heldAtRequest_;
    std::vector<AccessQuestion> asked_;
    std::vector<QRect> galleryRequests_;
    UpdateInfo updateInfo_;
    bool automaticUpdateChecks_ = false;
    bool realQuestions_ = false;  // the window's own message boxes
    std::unique_ptr<MainWindow> window_;
};

// Runs `reply` on the next popup or modal T once it is up (it runs its own loop).
template <class T>
void whenShown(std::function<void(T*)> reply) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, reply] {
        QWidget* up = QApplication::activePopupWidget();
        if (up == nullptr) {
            up = QApplication::activeModalWidget();
        }
        if (auto* shown = qobject_cast<T*>(up); shown != nullptr && shown->isVisible()) {
            poll->stop();
            poll->deleteLater();
            reply(shown);
        }
    });
    poll->start(20);
}

TEST_F(MainWindowTest, PresetOpensTheEditorAndAddingStoresBeforeTheHostReloads) {
    MainWindow& window = open();
    QAction* winter = findAction(window.countdownList()->addMenu(), "Winter");
    ASSERT_NE(winter, nullptr);
    winter->trigger();
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->windowTitle(), "New Countdown");
    EXPECT_EQ(labelText(editor(), "startRule"), "December solstice");
    // From the window's clock, not the machine's.
    EXPECT_EQ(labelText(editor(), "nextStart"), "Next: Thu, Dec 21");
    EXPECT_FALSE(shown(editor(), "startDate"));

    QTest::keyClick(labelField(), Qt::Key_Return);
    waitForEditorClosed();
    const auto stored = store_.loadCountdowns(newYork(), kNow);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_FALSE(stored[0].start.asFixed());

    EXPECT_EQ(heldAtRequest_, (std::vector<Labels>{{"Winter"}}));
    ASSERT_TRUE(waitUntil([] { return gHost->received == 1; }));
    EXPECT_EQ(gHost->heldOnArrival, (std::vector<Labels>{{"Winter"}}));

    // South of the equator "Winter" is the span that starts at the June solstice.
    window.state().placeChanged(SavedLocation{-33.87, 151.21, "Sydney"});
    QAction* southernWinter = findAction(window.countdownList()->addMenu(), "Winter");
    ASSERT_NE(southernWinter, nullptr);
    EXPECT_EQ(southernWinter->data().toString(), "summer");
}

// What deleting does to the countdown's image is the state's to test.
TEST_F(MainWindowTest, CancelChangesNothingAndDeleteRemovesTheCountdown) {
    store_.saveCountdowns({onDay("Cake", 12, 10), onDay("Other", 12, 20)});
    open();

    clickRow(0);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->windowTitle(), "Edit Countdown");
    EXPECT_EQ(button("confirm")->text(), "Save");
    QTest::keyClicks(labelField(), " day");
    QTest::mouseClick(button("cancel"), Qt::LeftButton);
    waitForEditorClosed();
    EXPECT_EQ(labelsIn(store_), (Labels{"Cake", "Other"}));
    EXPECT_EQ(gHost->sent, 0);

    clickRow(0);
    ASSERT_NE(editor(), nullptr);
    QTest::mouseClick(button("delete"), Qt::LeftButton);
    waitForEditorClosed();
    EXPECT_EQ(labelsIn(store_), (Labels{"Other"}));
    EXPECT_EQ(heldAtRequest_, (std::vector<Labels>{{"Other"}}));
    ASSERT_TRUE(waitUntil([] { return gHost->received == 1; }));
}

// Delete says which countdown goes (its label as written, never markup), and
// the keyboard carries on from the row that took its place.
TEST_F(MainWindowTest, DeleteNamesTheCountdownAndTheFocusStaysWhereItWas) {
    store_.saveCountdowns({onDay("First", 12, 10), onDay("Mum & Dad's <b>anniversary</b>", 12, 12),
                           onDay("Third", 12, 20)});
    realQuestions_ = true;
    MainWindow& window = open();
    QListView* view = window.countdownList()->listView();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    view->setFocus();
    view->setCurrentIndex(view->model()->index(1, 0));

    QString asked;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        asked = box->text();
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        QTest::keyClick(box, Qt::Key_Return);  // Cancel is the default
    });
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(asked, "Delete “Mum & Dad's <b>anniversary</b>”?");
    EXPECT_EQ(labelsIn(store_).size(), 3u);

    const auto deleteCurrent = [&] {
        whenShown<QMessageBox>([](QMessageBox* box) {
            for (QAbstractButton* b : box->buttons()) {
                if (box->buttonRole(b) == QMessageBox::AcceptRole) {
                    b->click();
                }
            }
        });
        QTest::keyClick(view, Qt::Key_Delete);
    };
    deleteCurrent();
    EXPECT_EQ(labelsIn(store_), (Labels{"First", "Third"}));
    EXPECT_EQ(view->currentIndex().row(), 1) << "Third took its place";
    deleteCurrent();
    EXPECT_EQ(labelsIn(store_), (Labels{"First"}));
    EXPECT_EQ(view->currentIndex().row(), 0) << "the last gone: the one before it";
}

// Another program (the widget host's feed sync) replaces countdowns while the
// user edits one: the list follows at once, the sheet says its countdown has
// gone, and nothing brings the old one back.
TEST_F(MainWindowTest, AStoreChangeElsewhereReachesTheListAndTheOpenSheet) {
    const Countdown trip = onDay("Trip", 12, 10);
    const Countdown party = onDay("Party", 12, 20);
    store_.saveCountdowns({trip, party});
    open();
    QAbstractItemModel* rows = window_->countdownList()->listView()->model();
    const auto shownLabels = [&] {
        Labels out;
        for (int i = 0; i < rows->rowCount(); ++i) {
            out.push_back(rows->index(i, 0).data(Qt::DisplayRole).toString().toStdString());
        }
        return out;
    };
    clickRow(0);
    ASSERT_NE(editor(), nullptr);
    QTest::keyClicks(labelField(), " abroad");

    const Countdown concert = onDay("Concert", 12, 15);
    store_.saveCountdowns({party, concert});
    ASSERT_TRUE(bus::announceStoreChanged());
    ASSERT_TRUE(waitUntil([&] {
        return shownLabels() == Labels{"Party", "Concert"};
    })) << "the list kept what was stored before";
    auto* notice = editor()->findChild<QLabel*>("goneNotice");
    ASSERT_TRUE(notice != nullptr && notice->isVisible());
    EXPECT_TRUE(notice->text().contains("“Trip” is no longer in the list"))
        << notice->text().toStdString();
    EXPECT_FALSE(button("confirm")->isEnabled());
    QTest::keyClick(labelField(), Qt::Key_Return);
    EXPECT_EQ(labelsIn(store_), (Labels{"Party", "Concert"}));
    QTest::mouseClick(button("cancel"), Qt::LeftButton);
    waitForEditorClosed();

    // Gone between the last change the window heard of and Save: the sheet
    // stays, says so, and the list as stored is kept.
    clickRow(1);
    ASSERT_NE(editor(), nullptr);
    store_.saveCountdowns({party});
    QTest::keyClicks(labelField(), "!");
    QTest::mouseClick(button("confirm"), Qt::LeftButton);
    ASSERT_NE(editor(), nullptr);
    EXPECT_TRUE(editor()->isGone());
    EXPECT_EQ(labelsIn(store_), (Labels{"Party"}));
}

TEST_F(MainWindowTest, DraggingRowsDownAndUpRewritesTheStoredOrder) {
    store_.saveCountdowns({onDay("A", 12, 1), onDay("B", 12, 2), onDay("C", 12, 3)});
    MainWindow& window = open();
    QWidget* viewport = window.countdownList()->listView()->viewport();
    const auto drag = [&](QPoint from, QPoint to) {
        sendMouse(viewport, QEvent::MouseButtonPress, from, Qt::LeftButton);
        sendMouse(viewport, QEvent::MouseMove, from + QPoint(0, to.y() > from.y() ? 12 : -12),
                  Qt::LeftButton);
        sendMouse(viewport, QEvent::MouseMove, to, Qt::LeftButton);
        sendMouse(viewport, QEvent::MouseButtonRelease, to, Qt::NoButton);
    };

    drag(rowRect(0).center(), QPoint(rowRect(0).center().x(), rowRect(2).bottom() - 2));
    EXPECT_EQ(labelsIn(store_), (Labels{"B", "C", "A"}));
    drag(rowRect(2).center(), QPoint(rowRect(0).center().x(), rowRect(0).top() + 2));
    EXPECT_EQ(labelsIn(store_), (Labels{"A", "B", "C"}));
    EXPECT_EQ(heldAtRequest_, (std::vector<Labels>{{"B", "C", "A"}, {"A", "B", "C"}}));
    EXPECT_EQ(editor(), nullptr) << "a drag is not a click";
}

TEST_F(MainWindowTest, NewCountdownNeedsALabelBeforeAddIsOffered) {
    MainWindow& window = open();
    findAction(window.countdownList()->addMenu(), "New Countdown")->trigger();
    ASSERT_NE(editor(), nullptr);
    // A month from the window's clock.
    EXPECT_EQ(editor()->findChild<QDateEdit*>("startDate")->date(), QDate(2023, 12, 14));
    auto* label = labelField();
    auto* add = qobject_cast<QPushButton*>(button("confirm"));
    EXPECT_EQ(add->text(), "Add");
    EXPECT_EQ(button("delete"), nullptr);
    EXPECT_FALSE(add->isEnabled());
    QTest::keyClicks(label, "   ");
    EXPECT_FALSE(add->isEnabled());
    QTest::keyClick(label, Qt::Key_Return);
    ASSERT_TRUE(editor() != nullptr && editor()->isVisible());
    EXPECT_EQ(gHost->sent, 0);

    label->clear();
    QTest::keyClicks(label, "Trip");
    EXPECT_TRUE(add->isEnabled());
    QTest::mouseClick(add, Qt::LeftButton);
    waitForEditorClosed();
    EXPECT_EQ(labelsIn(store_), (Labels{"Trip"}));
}

TEST_F(MainWindowTest, IconChosenBySearchAndImportedImageAreSavedIntoTheStore) {
    Countdown trip = onDay("Trip", 12, 10);
    trip.symbol = "gift";
    store_.saveCountdowns({trip});
    open();
    clickRow(0);
    ASSERT_NE(editor(), nullptr);
    IconPicker* picker = editor()->iconPicker();  // its search is the sheet's test's
    picker->pickSymbol(QStringLiteral("beach.umbrella"));

    // The sheet imports into the window's icon store, beside the shared data.
    const auto picture = dir_.path() / "ink.png";
    QImage image(40, 40, QImage::Format_ARGB32);
    image.fill(Qt::black);
    ASSERT_TRUE(image.save(QString::fromStdString(picture.string())));
    ASSERT_TRUE(picker->importFile(QString::fromStdString(picture.string())));
    const auto imported = picker->customImage();
    ASSERT_TRUE(imported);

    QTest::mouseClick(button("confirm"), Qt::LeftButton);
    waitForEditorClosed();
    const auto stored = store_.loadCountdowns(newYork(), kNow);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].symbol, "beach.umbrella");
    EXPECT_EQ(stored[0].customImage, imported->toStdString());
    EXPECT_TRUE(std::filesystem::exists(*store_.iconsDirectory() / imported->toStdString()));
}

TEST_F(MainWindowTest, FallbackNoticeShowsItsDetailsUntilAppleAnswersAgain) {
    store_.saveSettings(AppSettings{WeatherSource::apple, TempUnit::fahrenheit, {}});
    const SavedLocation place = store_.loadLocation(newYork());
    WeatherSnapshot cached =
        fakes::snapshotFor(place.latitude, place.longitude, WeatherSource::openMeteo);
    cached.requested = WeatherSource::apple;
    ASSERT_TRUE(store_.saveWeather(cached));
    MainWindow& window = open();
    WeatherSection* section = window.weatherSection();
    QWidget* notice = section->fallbackNotice();

    // Served from the fresh cache: nothing says why Apple failed yet.
    EXPECT_EQ(apple_.calls(), 0);
    EXPECT_TRUE(notice->isVisibleTo(&window));
    EXPECT_EQ(section->detailsLabel()->text(), "No details yet. Click Try Apple Weather Again.");
    EXPECT_TRUE(section->attributionLine()->isVisibleTo(&window));
    EXPECT_TRUE(section->attributionLink()->text().contains("Weather data by open-meteo.com"));

    apple_.script({false, true});
    openMeteo_.script({true});
    QTest::mouseClick(section->retryButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(apple_.calls(), 1);
    EXPECT_TRUE(notice->isVisibleTo(&window));
    EXPECT_EQ(section->detailsLabel()->text(), "WeatherKitError.http(503)");
    // What to do (the advice table's), above the technical words.
    EXPECT_TRUE(section->adviceLabel()->isVisibleTo(&window));
    EXPECT_EQ(section->noticeHeading()->text(),
              "Apple Weather didn't answer. Open-Meteo is filling in.");

    QTest::mouseClick(section->retryButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(apple_.calls(), 2);
    EXPECT_FALSE(notice->isVisibleTo(&window));
    EXPECT_EQ(section->attributionMark()->text(), "Apple Weather");
    EXPECT_TRUE(section->attributionLink()->text().contains("Data sources"));
    EXPECT_EQ(gHost->sent, 2) << "every retry asks the widgets to catch up";
}

TEST(WeatherAdvice, EachFailureSaysWhatToDo) {
    const QString file = "~/.config/solvane/weatherkit.json";
    const QString refused =
        "Apple Weather refused the credentials in ~/.config/solvane/weatherkit.json.";
    // Notes from a newer build, or garbled ones, still get a sentence; the
    // heading says what happened, the timeout the fetcher notes included.
    const struct {
        const char* note;
        QString says;
        const char* heading;  // null: not checked
    } cases[] = {
        {"WeatherKitError.missingCredentials",
         "Put your WeatherKit key and its IDs in ~/.config/solvane/weatherkit.json "
         "— see the README's Weather section.",
         "Apple Weather needs your WeatherKit key."},
        {"WeatherKitError.invalidCredentials", refused, nullptr},
        {"WeatherKitError.http(401)", refused, "Apple Weather refused your WeatherKit key."},
        {"WeatherKitError.http(429)", "Try again in a while", "Apple Weather refused the request."},
        {"WeatherKitError.http(503)", "Apple Weather's servers had a problem. Try again later.",
         "Apple Weather didn't answer."},
        {"HttpError.timedOut", "Check the connection", nullptr},
        {"HttpError.cannotConnect", "",
         "Apple Weather can't be reached: no network, or no way to it."},
        {"HttpError.secureConnectionFailed", "date and time", nullptr},
        {"Apple Weather didn't answer within 15 seconds.", "did not answer in time",
         "Apple Weather didn't answer."},
        {"WeatherKitError.http(", "", nullptr},
        {"WeatherKitError.http(99999999999)", "", nullptr},
        {"SomethingNew.entirely", "", "Apple Weather failed."},
    };
    for (const auto& c : cases) {
        const QString text = weatherAdvice(c.note, file);
        EXPECT_FALSE(text.isEmpty()) << c.note;
        EXPECT_TRUE(text.contains(c.says)) << c.note << ": " << text.toStdString();
        if (c.heading != nullptr) {
            EXPECT_EQ(weatherHeading(c.note), c.heading) << c.note;
        }
    }
    EXPECT_TRUE(weatherAdvice("", file).isEmpty()) << "no note yet, nothing to advise";
}

// Access given from the picker's question shows the calendar toggles at
// once, not after a restart.
TEST_F(MainWindowTest, AccessGrantedFromThePickerShowsTheCalendarsAtOnce) {
    FakeEventStore events;
    events.state = CalendarAuthorization::notDetermined;
    MainWindow& window = open(&events);
    ASSERT_FALSE(window.calendarsSection()->accessShown());
    window.openEventPicker();
    ASSERT_NE(window.eventPicker(), nullptr);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_TRUE(window.calendarsSection()->accessShown());
    EXPECT_FALSE(window.calendarsSection()->toggles().empty());
}

// Following a calendar by address from the Calendars section: a page that is
// no calendar is refused in the dialog, a calendar appears with its state
// and can be unsubscribed, taking its feed countdowns with it.
TEST_F(MainWindowTest, SubscribingFromTheCalendarsSection) {
    testing::LoopbackHttpServer server([](const testing::HttpTestRequest& request) {
        if (request.path() == "/page") {
            return testing::HttpTestReply{
                200, "<html><body>Not a calendar</body></html>", {{"Content-Type", "text/html"}}};
        }
        return testing::HttpTestReply{
            200,
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nX-WR-CALNAME:Holidays\r\n"
            "BEGIN:VEVENT\r\nUID:h1\r\nSUMMARY:Founders' Day\r\n"
            "DTSTART;VALUE=DATE:20231201\r\nDTEND;VALUE=DATE:20231202\r\nEND:VEVENT\r\n"
            "END:VCALENDAR\r\n",
            {{"Content-Type", "text/calendar"}}};
    });
    const platform::SubscriptionPaths paths{dir_.path() / "config" / "subscriptions.json",
                                            dir_.path() / "data" / "subscriptions"};
    platform::PermissionRecord permissions(dir_.path() / "permissions.json");
    permissions.record(platform::kCalendarsPermissionKey, platform::kPermissionGranted);
    std::vector<std::unique_ptr<platform::CalendarSource>> sources;
    sources.push_back(std::make_unique<platform::SubscriptionSource>(paths));
    platform::CalendarDatabase database(std::move(sources), permissions);
    MainWindow& window = open(&database);
    CalendarsSection* section = window.calendarsSection();
    ASSERT_TRUE(section->subscribeButton()->isVisibleTo(&window));

    const auto dialogOpen = [&] { return window.findChild<SubscribeDialog*>() != nullptr; };
    section->subscribeButton()->click();
    ASSERT_TRUE(waitUntil(dialogOpen));
    SubscribeDialog* dialog = window.findChild<SubscribeDialog*>();
    dialog->addressField()->setText(QString::fromStdString(server.url() + "/page"));
    dialog->subscribeButton()->click();
    ASSERT_TRUE(waitUntil([&] { return dialog->subscribeButton()->isEnabled(); }));
    EXPECT_TRUE(dialog->statusLabel()->text().contains("cannot be followed"))
        << dialog->statusLabel()->text().toStdString();
    EXPECT_TRUE(dialog->isVisible());

    dialog->addressField()->setText(QString::fromStdString(server.url() + "/holidays.ics"));
    dialog->subscribeButton()->click();
    ASSERT_TRUE(waitUntil([&] { return !dialogOpen(); }));
    ASSERT_EQ(window.state().subscriptions().size(), 1u);
    const std::string id = window.state().subscriptions().front().id;
    ASSERT_EQ(section->toggles().size(), 1u);
    EXPECT_EQ(section->toggles()[0]->text(), "Holidays");
    auto* line = window.findChild<QWidget*>(QString::fromStdString("subscription:" + id));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->findChild<QLabel*>()->text().startsWith("Updated just now"));

    section->toggles()[0]->click();  // its events become countdowns
    ASSERT_TRUE(waitUntil([&] { return labelsIn(store_) == Labels{"Founders' Day"}; }));
    line->findChild<QPushButton*>()->click();
    EXPECT_TRUE(labelsIn(store_).empty());
    EXPECT_TRUE(window.state().subscriptions().empty());
    EXPECT_TRUE(section->toggles().empty());
}

// The first start checks for updates by itself; news of a newer version is
// a line in the window, never a dialog in the way of a new user.
TEST_F(MainWindowTest, TheCheckNobodyAskedForOpensNoDialog) {
    testing::LoopbackHttpServer server([](const testing::HttpTestRequest&) {
        return testing::HttpTestReply{200,
                                      R"(<rss><channel><item><enclosure sparkle:version="9.0"
            url="https://example.org/9.0" xmlns:sparkle="x"/></item></channel></rss>)",
                                      {{"Content-Type", "application/xml"}}};
    });
    updateInfo_ = {server.url() + "/appcast.xml", "0.1.0"};
    automaticUpdateChecks_ = true;
    MainWindow& window = open();
    ASSERT_TRUE(waitUntil([&] { return window.updateNotice()->isVisibleTo(&window); }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(window.findChild<QMessageBox*>(), nullptr);
}

TEST_F(MainWindowTest, PickedEventOpensTheEditorOnlyOnceThePickerHasGone) {
    const EventCalendar personal{"cal", "Personal", "#00AA00", "Local"};
    FakeEventStore events;
    events.stored.push_back(CalendarEvent{"e1", "Dentist", kNow + 86400.0 * 5,
                                          kNow + 86400.0 * 5 + 3600, false, personal});
    MainWindow& window = open(&events);
    findAction(window.countdownList()->addMenu(), "From Calendar\u2026")->trigger();
    EventPickerSheet* picker = window.eventPicker();
    ASSERT_TRUE(picker != nullptr && waitUntil([&] { return picker->isVisible(); }));
    ASSERT_EQ(picker->list()->count(), 1);

    QTest::keyClick(picker->searchField(), Qt::Key_Return);
    EXPECT_EQ(editor(), nullptr) << "two sheets never stack";
    ASSERT_TRUE(waitUntil([this] { return editor() != nullptr; }));
    EXPECT_EQ(window.eventPicker(), nullptr);
    EXPECT_EQ(labelField()->text(), "Dentist");
    EXPECT_EQ(labelText(editor(), "dates"), "Follow the calendar event");

    window.openEventPicker();
    EXPECT_EQ(window.eventPicker(), nullptr) << "no picker over an open editor";

    QTest::mouseClick(button("confirm"), Qt::LeftButton);
    waitForEditorClosed();
    const auto stored = store_.loadCountdowns(newYork(), kNow);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].eventID, "e1");
    EXPECT_TRUE(asked_.empty()) << "full access needs no question";
}

TEST_F(MainWindowTest, AnUnreadableListIsKeptAsideAndTheWindowSaysSo) {
    const std::string damaged = R"({"label":5})";
    ASSERT_TRUE(store_.setRawValue("countdowns.v1", damaged));
    MainWindow& window = open();
    CountdownListWidget* list = window.countdownList();
    EXPECT_TRUE(list->noticeLabel()->isVisibleTo(&window));
    EXPECT_TRUE(list->noticeLabel()->text().contains("could not be read"));
    EXPECT_FALSE(list->dismissButton()->isVisibleTo(&window)) << "nothing kept aside yet";
    EXPECT_EQ(list->listView()->model()->rowCount(), 4) << "the starters stand in";

    // Kept aside by the first save, as the store's tests check.
    window.state().saveCountdown(onDay("Mine", 12, 25), true);
    EXPECT_TRUE(list->noticeLabel()->text().contains("countdowns.v1.unreadable"));
    ASSERT_TRUE(list->dismissButton()->isVisibleTo(&window));

    QTest::mouseClick(list->dismissButton(), Qt::LeftButton);
    EXPECT_FALSE(list->noticeLabel()->isVisibleTo(&window));
    EXPECT_EQ(store_.rawValue("countdowns.v1.unreadable"), damaged) << "dismissing keeps it";
}

// A store the window cannot read is said, with no list in its place; what a
// newer version's records become is the store's to test.
TEST_F(MainWindowTest, TheWindowSaysWhatIsWrongWithTheStore) {
    const std::filesystem::path suite = store_.paths().suite;
    for (const char* part : {"", "-wal", "-shm"}) {
        std::filesystem::remove(suite.string() + part);
    }
    std::filesystem::create_directories(suite);
    MainWindow& window = open();
    CountdownListWidget* list = window.countdownList();
    EXPECT_TRUE(list->noticeLabel()->text().contains("A link or a folder"))
        << list->noticeLabel()->text().toStdString();
    EXPECT_EQ(list->listView()->model()->rowCount(), 0) << "no defaults in its place";
    window.state().saveCountdown(onDay("Mine", 12, 25), true);
    EXPECT_TRUE(list->noticeLabel()->text().contains("could not be saved"));
}

// Neither asking for the gallery nor trying a preview style (the
// accessibility test's) stores anything.
TEST_F(MainWindowTest, AddWidgetLeavesTheStoreAlone) {
    store_.saveCountdowns({onDay("Trip", 12, 10)});
    MainWindow& window = open();
    ASSERT_TRUE(window.addWidgetButton()->isEnabled());
    window.addWidgetButton()->click();
    QAction* fromMenu = findAction(window.applicationMenu(), "Add Widget…");
    ASSERT_NE(fromMenu, nullptr);
    fromMenu->trigger();
    EXPECT_EQ(galleryRequests_,
              (std::vector<QRect>{window.frameGeometry(), window.frameGeometry()}));
    EXPECT_EQ(labelsIn(store_), (Labels{"Trip"}));
    EXPECT_EQ(gHost->sent, 0);
}

// The computer flies to Berlin while the window is open: the list, the
// preview and their captions count Berlin's days, and nothing is stored.
TEST_F(MainWindowTest, AChangedSystemZoneRedrawsTheListAndPreviewInTheNewZone) {
    // 20:00 on the 14th in New York, when it is 17:13 there; in Berlin the
    // 15th has begun at that moment, and it is 23:13 on the 14th now.
    store_.saveCountdowns({fakes::countdownOn("Flight", kNow + 10'000)});
    const std::filesystem::path localtime = dir_.path() / "localtime";
    std::filesystem::create_symlink("/usr/share/zoneinfo/America/New_York", localtime);
    platform::SystemZoneSource zones({.localtime = localtime, .pinned = false, .systemBus = false});
    MainWindow& window = open();
    window.followZone(zones);
    const auto trailing = [&window] {
        const QAbstractItemModel* model = window.countdownList()->listView()->model();
        return model->index(0, 0).data(CountdownListWidget::TrailingRole).toString();
    };
    const auto previewDays = [&window] {
        return window.preview()->board()->countdowns.at(0).value;
    };
    const QString inNewYork = trailing();
    ASSERT_EQ(previewDays(), 0);

    const std::filesystem::path moved = dir_.path() / ".localtime.new";
    std::filesystem::create_symlink("/usr/share/zoneinfo/Europe/Berlin", moved);
    std::filesystem::rename(moved, localtime);
    ASSERT_TRUE(
        waitUntil([&] { return window.state().calendar().zoneId() == "Europe/Berlin"; }, 2s));
    EXPECT_EQ(previewDays(), 1);
    EXPECT_NE(trailing(), inNewYork);
    EXPECT_EQ(labelsIn(store_), (Labels{"Flight"}));
    EXPECT_EQ(gHost->sent, 0);
}

// The window as a screen reader finds it: every custom control named, with
// its role; rows, grid cells and the preview read as what they show.
using AccessibilityTest = MainWindowTest;

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(iface, nullptr) << object->metaObject()->className();
    return iface;
}

// The first child of `parent` with `role` and a name, by name.
QAccessibleInterface* childNamed(QAccessibleInterface* parent, QAccessible::Role role,
                                 const QString& name) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child != nullptr && child->role() == role && child->text(QAccessible::Name) == name) {
            return child;
        }
    }
    return nullptr;
}

// The nodes under `root` named `name` that a screen reader can reach (not
// invisible, not of no size).
int shownNodesNamed(QAccessibleInterface* root, const QString& name, int depth = 0) {
    if (root == nullptr || depth > 40 || root->state().invisible) {
        return 0;
    }
    int found = root->text(QAccessible::Name) == name && !root->rect().isEmpty() ? 1 : 0;
    for (int i = 0; i < root->childCount(); ++i) {
        found += shownNodesNamed(root->child(i), name, depth + 1);
    }
    return found;
}

TEST_F(AccessibilityTest, ControlsOfTheWindowHaveNamesAndRoles) {
    Countdown trip = onDay("Trip", 12, 10);
    trip.symbol = "airplane";
    store_.saveCountdowns({trip});
    MainWindow& window = open();

    // The style picker: a named group of radio buttons, the chosen one checked.
    QAccessibleInterface* styles = accessible(window.stylePicker()->button(0)->parentWidget());
    EXPECT_EQ(styles->role(), QAccessible::Grouping);
    EXPECT_EQ(styles->text(QAccessible::Name), QStringLiteral("Style"));
    QAccessibleInterface* glass = accessible(window.stylePicker()->button(0));
    EXPECT_EQ(glass->role(), QAccessible::RadioButton);
    EXPECT_EQ(glass->text(QAccessible::Name), QStringLiteral("Liquid Glass"));
    EXPECT_TRUE(glass->state().checked);
    QAccessibleInterface* dark = accessible(window.stylePicker()->button(1));
    ASSERT_NE(dark->actionInterface(), nullptr);
    const AppSettings before = store_.loadSettings();
    dark->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window.preview()->previewStyle(), WidgetStyle::dark);
    EXPECT_TRUE(dark->state().checked);
    EXPECT_EQ(store_.loadSettings(), before) << "a preview style is only tried";
    EXPECT_EQ(gHost->sent, 0);

    // The countdown rows: list items named by the label and what the board shows.
    QAccessibleInterface* list = accessible(window.countdownList()->listView());
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Countdowns"));
    QAccessibleInterface* row = childNamed(list, QAccessible::ListItem, "Trip, 26 days");
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(row->text(QAccessible::Description).startsWith("Sun, Dec 10"))
        << row->text(QAccessible::Description).toStdString();

    // The preview reads as the board it draws.
    QAccessibleInterface* preview = accessible(window.preview());
    EXPECT_EQ(preview->role(), QAccessible::Graphic);
    EXPECT_EQ(preview->text(QAccessible::Name), QStringLiteral("Preview"));
    const QString board = preview->text(QAccessible::Description);
    EXPECT_TRUE(board.contains("Trip in 26 days")) << board.toStdString();

    // The editor's icon grid: a list of cells named in words, the chosen one
    // selected; its segments take their form's labels.
    QAction* add = findAction(window.countdownList()->addMenu(), "New Countdown");
    ASSERT_NE(add, nullptr);
    add->trigger();
    ASSERT_TRUE(waitUntil([&] { return window.editor() != nullptr; }));
    auto* picker = window.editor()->findChild<IconPicker*>();
    ASSERT_NE(picker, nullptr);
    picker->pickSymbol(QStringLiteral("star.circle"));
    QAccessibleInterface* cell =
        accessible(picker->findChild<QAbstractButton*>(QStringLiteral("star.circle")));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::ListItem);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Star in a circle"));
    EXPECT_TRUE(cell->state().selected);
    QAccessibleInterface* grid = cell->parent();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::List);
    EXPECT_EQ(grid->text(QAccessible::Name), QStringLiteral("Symbols"));
    QAccessibleInterface* other = childNamed(grid, QAccessible::ListItem, "Gift");
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(other->state().selected);
    other->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(picker->symbol(), QStringLiteral("gift"));

    bool labelled = false;  // the unit segments, as a group named by their form's label
    for (QWidget* widget : window.editor()->findChildren<QWidget*>()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        labelled = labelled || (iface != nullptr && iface->role() == QAccessible::Grouping &&
                                iface->text(QAccessible::Name) == QStringLiteral("Count in"));
    }
    EXPECT_TRUE(labelled);
}

// Apple Weather chosen, no key, no network: the window says so as it opens
// (and again once it has been closed), and the keyboard reaches the source
// picker on the choice already made.
TEST_F(AccessibilityTest, OfflineAdviceIsShownAndTheFocusedSegmentIsTheCheckedOne) {
    store_.saveSettings(AppSettings{WeatherSource::apple, TempUnit::fahrenheit, {}});
    apple_.failWith(WeatherError::service("WeatherKitError.missingCredentials"));
    openMeteo_.failWith(WeatherError::fromHttp({net::HttpErrorKind::cannotConnect, "offline"}));
    for (int start = 0; start < 2; ++start) {
        MainWindow& window = open();
        WeatherSection* section = window.weatherSection();
        ASSERT_TRUE(waitUntil([&] { return section->fallbackNotice()->isVisibleTo(&window); }))
            << "start " << start;
        EXPECT_EQ(section->noticeHeading()->text(), "Apple Weather needs your WeatherKit key.");
        const QString advice = section->adviceLabel()->text();
        EXPECT_TRUE(advice.contains("weatherkit.json")) << advice.toStdString();
        QAccessibleInterface* root = accessible(&window);
        EXPECT_EQ(shownNodesNamed(root, advice), 1);
        EXPECT_EQ(shownNodesNamed(root, section->noticeHeading()->text()), 1);
    }

    // Tab into the source picker from the field before it.
    MainWindow& window = *window_;
    QButtonGroup* source = window.weatherSection()->sourcePicker();
    const auto focusedSegment = [&] {
        return qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    };
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.locationSection()->longitudeField()->setFocus();
    for (int i = 0; i < 5 && !source->buttons().contains(focusedSegment()); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(focusedSegment(), source->button(0)) << "Apple Weather, the checked one";
    QAccessibleInterface* focused = accessible(focusedSegment());
    EXPECT_EQ(focused->role(), QAccessible::RadioButton);
    EXPECT_TRUE(focused->state().focused);
    EXPECT_TRUE(focused->state().checked);
    QTest::keyClick(focusedSegment(), Qt::Key_Space);
    EXPECT_EQ(store_.loadSettings().weatherSource, WeatherSource::apple) << "Space keeps it";

    // An arrow moves the choice; Tab goes on to the units, one stop later.
    QTest::keyClick(focusedSegment(), Qt::Key_Right);
    EXPECT_EQ(focusedSegment(), source->button(1));
    EXPECT_TRUE(accessible(focusedSegment())->state().checked);
    EXPECT_EQ(store_.loadSettings().weatherSource, WeatherSource::openMeteo);
    EXPECT_TRUE(waitUntil([&] {
        return !window.weatherSection()->fallbackNotice()->isVisibleTo(&window);
    })) << "Apple Weather is no longer asked";
    QTest::keyClick(focusedSegment(), Qt::Key_Tab);
    EXPECT_EQ(focusedSegment(), window.weatherSection()->unitPicker()->button(0)) << "°F";
    QTest::keyClick(focusedSegment(), Qt::Key_Right);
    EXPECT_EQ(store_.loadSettings().unit, TempUnit::celsius);
    EXPECT_TRUE(accessible(focusedSegment())->state().checked);
    QTest::keyClick(focusedSegment(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusedSegment(), source->button(1)) << "back to the choice, Open-Meteo";
}

// The window in the pseudo-locale en_XA, whose catalogue writes every text
// "［…］" with no plain ASCII letter: a plain word is the test's data, a name,
// ICU's date words, a technical text (a code, a path) — or a stray.
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

int main(int argc, char** argv) {
    // Anything that reaches for the user's folders finds an empty stand-in.
    const solvane::testing::TempDir home;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        qputenv(name, QByteArray::fromStdString((home.path() / name).string()));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    auto host = std::make_unique<solvane::app::FakeHost>();
    if (solvane::host::registerReloadService(QDBusConnection::sessionBus(), host->service) ==
        solvane::host::RegisterOutcome::registered) {
        solvane::app::gHost = host.get();
    }
    const int result = RUN_ALL_TESTS();
    solvane::app::gHost = nullptr;
    return result;
}
