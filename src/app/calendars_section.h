// The Calendars section of the companion window: how to connect calendars
// while access is not granted, and the feed toggles once it is.
//
// Without access it explains what calendars are for and offers "Connect
// Calendars"; when the user has said no (or access cannot be had at all) an
// orange line says where to turn it back on. With access it lists every
// calendar, sorted by account title and then by title, each with a toggle
// that makes it a feed whose upcoming events become countdowns.
//
//   section->setAccess(state.calendarAccess, database.authorization());
//   section->setCalendars(database.calendars(), settings.feedCalendarIDs);
//   connect(section, &CalendarsSection::feedsChanged, state, &State::setFeeds);
#pragma once

#include <QWidget>

#include <map>
#include <string>
#include <vector>

#include "core/calendar/event_store.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace solvane::app {

class CalendarsSection : public QWidget {
    Q_OBJECT

  public:
    explicit CalendarsSection(QWidget* parent = nullptr);

    // `granted` is the window's own view of access (true only for full
    // access); `current` decides whether the orange notice shows.
    void setAccess(bool granted, CalendarAuthorization current);
    // The calendars to offer and the feed calendars among them, in the order
    // they were switched on.
    void setCalendars(std::vector<EventCalendar> calendars, std::vector<std::string> feedIds);

    // What the row of a subscribed calendar says under its toggle.
    struct SubscriptionState {
        QString text;          // "Updated 2 hours ago"
        bool problem = false;  // the last update failed
        QString address;       // shown when the pointer rests on the line
    };
    // By calendar id; rows of these calendars also offer "Unsubscribe".
    // Takes effect with the next setCalendars.
    void setSubscriptionStates(std::map<std::string, SubscriptionState> states);
    // By calendar id: events it has beyond the ones one calendar adds, said
    // under its toggle. Takes effect with the next setCalendars.
    void setBeyondCap(std::map<std::string, std::size_t> counts);
    // Whether "Subscribe to Calendar…" is offered.
    void setSubscribingAvailable(bool available);
    QPushButton* subscribeButton() const { return subscribe_; }

    bool accessShown() const { return granted_; }
    // The toggles in display order; a toggle's objectName is its calendar id.
    std::vector<QCheckBox*> toggles() const { return toggles_; }
    QPushButton* connectButton() const { return connectButton_; }
    QLabel* noticeLabel() const { return notice_; }
    const std::vector<std::string>& feedIds() const { return feedIds_; }

  signals:
    void connectRequested();
    void subscribeRequested();
    void unsubscribeRequested(const QString& calendarId);
    // The whole new list of feed calendar ids: a switched-off id removed, a
    // switched-on one appended at the end.
    void feedsChanged(std::vector<std::string> ids);

  private:
    void rebuildToggles();
    void addSubscriptionLine(const std::string& id, const SubscriptionState& state);
    void addBeyondCapLine(const std::string& id, std::size_t count);
    void setFeed(const std::string& id, bool on);

    bool granted_ = false;
    std::vector<EventCalendar> calendars_;
    std::vector<std::string> feedIds_;
    std::map<std::string, std::size_t> beyondCap_;
    std::vector<QCheckBox*> toggles_;
    std::map<std::string, SubscriptionState> subscriptionStates_;
    QPushButton* subscribe_ = nullptr;
    std::vector<QWidget*> extraRows_;

    QWidget* noAccess_ = nullptr;
    QLabel* notice_ = nullptr;
    QPushButton* connectButton_ = nullptr;
    QWidget* withAccess_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* list_ = nullptr;
    QVBoxLayout* listLayout_ = nullptr;
    QLabel* emptyList_ = nullptr;
};

// The calendars in the order the section shows them: by account title, then
// by title, then by id so that equal names keep a stable order.
std::vector<EventCalendar> sortedForDisplay(std::vector<EventCalendar> calendars);

}  // namespace solvane::app
