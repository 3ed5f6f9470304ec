#include "app/calendars_section.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>
#include <utility>

#include "app/section_style.h"
#include "board/components.h"
#include "core/calendar/calendar_sync.h"
#include "core/util/translation.h"

namespace solvane::app {

namespace {

constexpr int kListMaxHeight = 96;

QIcon dotIcon(const QColor& color) {
    QPixmap pixmap(kCalendarDot * 2, kCalendarDot * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QRectF(0, 0, kCalendarDot, kCalendarDot));
    return QIcon(pixmap);
}

}  // namespace

std::vector<EventCalendar> sortedForDisplay(std::vector<EventCalendar> calendars) {
    std::stable_sort(
        calendars.begin(), calendars.end(), [](const EventCalendar& a, const EventCalendar& b) {
            const int account =
                QString::localeAwareCompare(qstr(a.accountTitle), qstr(b.accountTitle));
            if (account != 0) {
                return account < 0;
            }
            const int title = QString::localeAwareCompare(qstr(a.title), qstr(b.title));
            if (title != 0) {
                return title < 0;
            }
            return a.id < b.id;
        });
    return calendars;
}

CalendarsSection::CalendarsSection(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(makeHeadline(tr("Calendars")));

    const QColor secondary = secondaryTextColor(palette());

    noAccess_ = new QWidget;
    auto* noAccess = new QVBoxLayout(noAccess_);
    noAccess->setContentsMargins(0, 0, 0, 0);
    noAccess->setSpacing(8);
    noAccess->addWidget(
        makeLabel(tr("Turn calendar events into countdowns, or auto-add everything from one "
                     "calendar. Works with GNOME Calendar and Evolution (and the accounts in "
                     "Online Accounts), khal and vdir folders, and calendars you subscribe to."),
                  captionFont(), secondary));
    connectButton_ = new QPushButton(tr("Connect Calendars"));
    connect(connectButton_, &QPushButton::clicked, this, &CalendarsSection::connectRequested);
    noAccess->addWidget(connectButton_, 0, Qt::AlignLeft);
    notice_ = makeLabel(tr("Calendar access is off. Turn it on in Solvane \u203a Privacy & "
                           "Security \u203a Calendars."),
                        captionFont(), noticeColor(palette()));
    notice_->setVisible(false);
    noAccess->addWidget(notice_);
    layout->addWidget(noAccess_);

    withAccess_ = new QWidget;
    auto* withAccess = new QVBoxLayout(withAccess_);
    withAccess->setContentsMargins(0, 0, 0, 0);
    withAccess->setSpacing(8);
    withAccess->addWidget(
        makeLabel(tr("Auto-add upcoming events from:"), captionFont(), secondary));
    list_ = new QWidget;
    listLayout_ = new QVBoxLayout(list_);
    listLayout_->setContentsMargins(0, 0, 0, 0);
    listLayout_->setSpacing(6);
    scroll_ = new QScrollArea;
    scroll_->setWidget(list_);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setMaximumHeight(kListMaxHeight);
    withAccess->addWidget(scroll_);
    emptyList_ = makeLabel(tr("No calendars found yet."), calloutFont(), secondary);
    withAccess->addWidget(emptyList_);
    subscribe_ = new QPushButton(tr("Subscribe to Calendar\u2026"));
    connect(subscribe_, &QPushButton::clicked, this, &CalendarsSection::subscribeRequested);
    withAccess->addWidget(subscribe_, 0, Qt::AlignLeft);
    withAccess->addWidget(makeLabel(
        tr("Tip: make a calendar called “Countdowns” and add events to it from any "
           "device. Events from GNOME Calendar and Evolution, khal folders and subscribed "
           "calendars appear here."),
        captionFont(), secondary));
    layout->addWidget(withAccess_);

    setAccess(false, CalendarAuthorization::notDetermined);
    rebuildToggles();
}

void CalendarsSection::setAccess(bool granted, CalendarAuthorization current) {
    granted_ = granted;
    noAccess_->setVisible(!granted);
    withAccess_->setVisible(granted);
    notice_->setVisible(!granted && (current == CalendarAuthorization::restricted ||
                                     current == CalendarAuthorization::denied));
}

void CalendarsSection::setCalendars(std::vector<EventCalendar> calendars,
                                    std::vector<std::string> feedIds) {
    calendars_ = sortedForDisplay(std::move(calendars));
    feedIds_ = std::move(feedIds);
    rebuildToggles();
}

void CalendarsSection::setSubscriptionStates(std::map<std::string, SubscriptionState> states) {
    subscriptionStates_ = std::move(states);
}

void CalendarsSection::setSubscribingAvailable(bool available) {
    subscribe_->setVisible(available);
}

void CalendarsSection::rebuildToggles() {
    // Deleted later, since a click in one of them may be what rebuilds the
    // list; hidden now, or they stay painted where they were, under the new
    // rows, until then.
    for (QCheckBox* toggle : toggles_) {
        toggle->parentWidget()->hide();
        toggle->parentWidget()->deleteLater();
    }
    toggles_.clear();
    for (QWidget* row : extraRows_) {
        row->hide();
        row->deleteLater();
    }
    extraRows_.clear();
    while (QLayoutItem* item = listLayout_->takeAt(0)) {
        delete item;
    }
    // The application's palette, not this widget's: a hidden window's
    // widgets can lag behind an appearance change, and a colour taken from
    // the stale one is not recognised, so not restyled, when it ends.
    const QColor secondary = secondaryTextColor(QApplication::palette());
    for (const EventCalendar& calendar : calendars_) {
        auto* row = new QWidget(list_);
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->setSpacing(6);
        auto* toggle = new QCheckBox(literalText(qstr(calendar.title)), row);
        toggle->setObjectName(qstr(calendar.id));
        toggle->setFont(calloutFont());
        toggle->setIcon(dotIcon(calendarColor(calendar.color)));
        toggle->setIconSize(QSize(kCalendarDot, kCalendarDot));
        toggle->setChecked(std::find(feedIds_.begin(), feedIds_.end(), calendar.id) !=
                           feedIds_.end());
        const std::string id = calendar.id;
        connect(toggle, &QCheckBox::toggled, this, [this, id](bool on) { setFeed(id, on); });
        rowLayout->addWidget(toggle);
        rowLayout->addWidget(makeLabel(qstr(calendar.accountTitle), calloutFont(), secondary));
        rowLayout->addStretch(1);
        listLayout_->addWidget(row);
        if (const auto state = subscriptionStates_.find(calendar.id);
            state != subscriptionStates_.end()) {
            addSubscriptionLine(calendar.id, state->second);
        }
        if (const auto beyond = beyondCap_.find(calendar.id);
            beyond != beyondCap_.end() && beyond->second > 0 && toggle->isChecked()) {
            addBeyondCapLine(calendar.id, beyond->second);
        }
        // A child added to a visible list would be shown only later, after
        // the height below has been worked out without it.
        row->show();
        toggles_.push_back(toggle);
    }
    listLayout_->addStretch(1);
    // The list takes only the height its rows need, up to the maximum.
    const int needed = list_->sizeHint().height();
    scroll_->setFixedHeight(std::min(needed, kListMaxHeight));
    scroll_->setVisible(!calendars_.empty());
    emptyList_->setVisible(calendars_.empty());
}

void CalendarsSection::addSubscriptionLine(const std::string& id, const SubscriptionState& state) {
    auto* line = new QWidget(list_);
    line->setObjectName(QString::fromStdString("subscription:" + id));
    auto* layout = new QHBoxLayout(line);
    // Lined up with the toggle's text, past its box and dot.
    layout->setContentsMargins(24, 0, 0, 4);
    layout->setSpacing(8);
    QLabel* text = makeLabel(state.text, captionFont(),
                             state.problem ? noticeColor(QApplication::palette())
                                           : secondaryTextColor(QApplication::palette()));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setToolTip(state.address);
    layout->addWidget(text, 1);
    auto* unsubscribe = new QPushButton(tr("Unsubscribe"));
    unsubscribe->setFont(captionFont());
    const QString calendarId = QString::fromStdString(id);
    connect(unsubscribe, &QPushButton::clicked, this,
            [this, calendarId] { emit unsubscribeRequested(calendarId); });
    layout->addWidget(unsubscribe, 0, Qt::AlignTop);
    listLayout_->addWidget(line);
    line->show();
    extraRows_.push_back(line);
}

void CalendarsSection::setBeyondCap(std::map<std::string, std::size_t> counts) {
    beyondCap_ = std::move(counts);
}

void CalendarsSection::addBeyondCapLine(const std::string& id, std::size_t count) {
    const int n = static_cast<int>(std::min<std::size_t>(count, 1'000'000));
    QLabel* text = makeLabel(
        QString::fromStdString(
            translate("CalendarsSection",
                      "%n later event(s) not added: a calendar adds its %1 nearest.", nullptr, n))
            .arg(QLocale().toString(qulonglong{kMaxFeedCountdownsPerCalendar})),
        captionFont(), secondaryTextColor(QApplication::palette()));
    text->setObjectName(QString::fromStdString("beyond:" + id));
    text->setWordWrap(true);
    // Lined up with the toggle's text, past its box and dot.
    text->setContentsMargins(24, 0, 0, 4);
    listLayout_->addWidget(text);
    text->show();
    extraRows_.push_back(text);
}

void CalendarsSection::setFeed(const std::string& id, bool on) {
    std::erase(feedIds_, id);
    if (on) {
        feedIds_.push_back(id);
    }
    emit feedsChanged(feedIds_);
}

}  // namespace solvane::app
