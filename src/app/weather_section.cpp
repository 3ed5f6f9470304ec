#include "app/weather_section.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/section_style.h"
#include "board/layout.h"
#include "core/holidays/holiday_catalog.h"

namespace solvane::app {

namespace {

constexpr int kMarkHeight = 12;
constexpr std::size_t kMaxMarkBytes = 512 * 1024;

QWidget* labelledRow(const QString& title, QWidget* control, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    auto* label = new QLabel(title, row);
    label->setMinimumWidth(48);
    label->setBuddy(control);
    layout->addWidget(label);
    layout->addWidget(control);
    layout->addStretch(1);
    return row;
}

QString linkHtml(const QString& href, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(href.toHtmlEscaped(), text.toHtmlEscaped());
}

}  // namespace

std::optional<QByteArray> fetchAttributionMark(const std::string& url,
                                               const net::CancelToken& cancel) {
    net::HttpRequest request;
    request.url = url;
    request.connectTimeoutSeconds = 10;
    request.totalTimeoutSeconds = 20;
    request.maxBodyBytes = kMaxMarkBytes;
    request.cancel = cancel;
    auto reply = net::httpGet(request);
    if (!reply || reply->status != 200) {
        return std::nullopt;
    }
    return QByteArray::fromStdString(reply->body);
}

WeatherSection::WeatherSection(QWidget* parent) : QWidget(parent), fetcher_(fetchAttributionMark) {
    workers_.setMaxThreadCount(2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(makeHeadline(tr("Weather"), this));

    auto* sourceRow = new QWidget(this);
    sourceRow->setFixedWidth(220);
    source_ = addSegments({tr("Apple Weather"), tr("Open-Meteo")}, sourceRow);
    sourceRow->setAccessibleName(tr("Source"));
    layout->addWidget(labelledRow(tr("Source"), sourceRow, this));

    auto* unitRow = new QWidget(this);
    unitRow->setFixedWidth(100);
    unit_ = addSegments({QStringLiteral("°F"), QStringLiteral("°C")}, unitRow);
    unitRow->setAccessibleName(tr("Units"));
    layout->addWidget(labelledRow(tr("Units"), unitRow, this));

    // Holidays: the countries whose files are installed, by name in the
    // user's language where the file has it.
    holidayCountry_ = new QComboBox(this);
    holidayCountry_->setObjectName(QStringLiteral("holidayCountry"));
    holidayCountry_->setAccessibleName(tr("Holidays"));
    holidayCountry_->addItem(tr("From your language and time zone"), QString());
    const std::string language = QLocale().name().section(QLatin1Char('_'), 0, 0).toStdString();
    if (const auto folder = holidayFolder()) {
        for (const std::string& code : holidayCountries(*folder)) {
            if (const CountryHolidays* country = installedCountry(code)) {
                holidayCountry_->addItem(QString::fromStdString(countryTitle(*country, language)),
                                         QString::fromStdString(code));
            }
        }
    }
    layout->addWidget(labelledRow(tr("Holidays"), holidayCountry_, this));
    holidayRegion_ = new QComboBox(this);
    holidayRegion_->setObjectName(QStringLiteral("holidayRegion"));
    holidayRegion_->setAccessibleName(tr("Region"));
    holidayRegionRow_ = labelledRow(tr("Region"), holidayRegion_, this);
    layout->addWidget(holidayRegionRow_);
    holidayRegionRow_->hide();

    notice_ = new QWidget(this);
    auto* notice = new QVBoxLayout(notice_);
    notice->setContentsMargins(0, 0, 0, 0);
    notice->setSpacing(4);
    noticeTitle_ = makeLabel(tr("Apple Weather didn't answer, so Open-Meteo is filling in."),
                             captionFont(), noticeColor(palette()), notice_);
    notice->addWidget(noticeTitle_);
    advice_ = makeLabel(QString(), captionFont(), palette().color(QPalette::WindowText), notice_);
    advice_->setObjectName(QStringLiteral("weatherAdvice"));
    advice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    advice_->hide();
    notice->addWidget(advice_);
    details_ = makeLabel(QString(), monospacedFont(10), secondaryTextColor(palette()), notice_);
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notice->addWidget(details_);
    retry_ = new QPushButton(tr("Try Apple Weather Again"), notice_);
    retry_->setFont(captionFont());
    retry_->setAutoDefault(false);
    notice->addWidget(retry_, 0, Qt::AlignLeft);
    layout->addWidget(notice_);
    notice_->hide();

    attribution_ = new QWidget(this);
    auto* credit = new QHBoxLayout(attribution_);
    credit->setContentsMargins(0, 0, 0, 0);
    credit->setSpacing(8);
    mark_ = new QLabel(attribution_);
    mark_->setFont(captionFont());
    credit->addWidget(mark_, 0, Qt::AlignVCenter);
    link_ = new QLabel(attribution_);
    link_->setFont(captionFont());
    link_->setOpenExternalLinks(true);
    link_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    credit->addWidget(link_, 0, Qt::AlignVCenter);
    credit->addStretch(1);
    layout->addWidget(attribution_);
    attribution_->hide();

    connect(source_, &QButtonGroup::idClicked, this, [this](int id) {
        emit sourceChosen(id == 0 ? WeatherSource::apple : WeatherSource::openMeteo);
    });
    connect(unit_, &QButtonGroup::idClicked, this, [this](int id) {
        emit unitChosen(id == 0 ? TempUnit::fahrenheit : TempUnit::celsius);
    });
    connect(retry_, &QPushButton::clicked, this, &WeatherSection::retryRequested);
    connect(holidayCountry_, &QComboBox::activated, this, [this] {
        fillHolidayRegions(holidayCountry_->currentData().toString(), QString());
        emitHolidayPlace();
    });
    connect(holidayRegion_, &QComboBox::activated, this, &WeatherSection::emitHolidayPlace);
}

void WeatherSection::fillHolidayRegions(const QString& country, const QString& region) {
    holidayRegion_->clear();
    const CountryHolidays* holidays =
        country.isEmpty() ? nullptr : installedCountry(country.toStdString());
    if (holidays == nullptr || holidays->regions.empty()) {
        holidayRegionRow_->hide();
        return;
    }
    const std::string language = QLocale().name().section(QLatin1Char('_'), 0, 0).toStdString();
    holidayRegion_->addItem(tr("Whole country"), QString());
    for (const HolidayRegion& r : holidays->regions) {
        holidayRegion_->addItem(QString::fromStdString(localName(r.names, language)),
                                QString::fromStdString(r.code));
    }
    holidayRegion_->setCurrentIndex(std::max(0, holidayRegion_->findData(region)));
    holidayRegionRow_->show();
}

void WeatherSection::emitHolidayPlace() {
    const QString country = holidayCountry_->currentData().toString();
    const QString region =
        holidayRegionRow_->isHidden() ? QString() : holidayRegion_->currentData().toString();
    emit holidayPlaceChosen(region.isEmpty() ? country : country + QLatin1Char('-') + region);
}

WeatherSection::~WeatherSection() {
    cancel_.cancel();
    workers_.waitForDone();
}

void WeatherSection::setSettings(const AppSettings& settings) {
    appleChosen_ = settings.weatherSource == WeatherSource::apple;
    source_->button(appleChosen_ ? 0 : 1)->setChecked(true);
    unit_->button(settings.unit == TempUnit::fahrenheit ? 0 : 1)->setChecked(true);
    const auto place = parseCountryAndRegion(settings.holidayPlace);
    const QString country = place ? QString::fromStdString(place->country) : QString();
    holidayCountry_->setCurrentIndex(std::max(0, holidayCountry_->findData(country)));
    fillHolidayRegions(holidayCountry_->currentData().toString(),
                       place ? QString::fromStdString(place->region) : QString());
    refreshNotice();
}

void WeatherSection::setWeather(const std::optional<WeatherSnapshot>& weather,
                                const QString& details,
                                const std::optional<platform::WeatherKitAttribution>& attribution) {
    weather_ = weather;
    credit_ = attribution;
    details_->setText(shownText(details));
    refreshNotice();
    refreshAttribution();
}

void WeatherSection::setAdvice(const QString& heading, const QString& advice) {
    heading_ = heading;
    advice_->setText(advice);
    advice_->setVisible(!advice.isEmpty());
    refreshNotice();
}

void WeatherSection::refreshNotice() {
    const bool fallback = weather_ && weather_->requested == WeatherSource::apple &&
                          weather_->source != WeatherSource::apple;
    // Apple Weather's failure is told while it is the source chosen, whether
    // or not Open-Meteo could fill in (offline it cannot).
    const bool failing = appleChosen_ && (fallback || !advice_->text().isEmpty());
    if (heading_.isEmpty()) {
        noticeTitle_->setText(tr("Apple Weather didn't answer, so Open-Meteo is filling in."));
    } else if (fallback) {
        noticeTitle_->setText(
            tr("%1 Open-Meteo is filling in.", "%1: what happened to Apple Weather").arg(heading_));
    } else {
        noticeTitle_->setText(heading_);
    }
    notice_->setVisible(failing);
}

void WeatherSection::setColorScheme(ColorScheme scheme) {
    scheme_ = scheme;
    setTextColor(noticeTitle_, noticeColor(palette()));
    setTextColor(details_, secondaryTextColor(palette()));
    refreshAttribution();
}

void WeatherSection::refreshAttribution() {
    if (!weather_) {
        attribution_->hide();
        return;
    }
    if (weather_->source == WeatherSource::openMeteo) {
        mark_->hide();
        link_->setText(linkHtml(
            QString::fromLatin1(kOpenMeteoHome),
            tr("Weather data by") + QLatin1Char(' ') + QString::fromLatin1(kOpenMeteoDomain)));
        attribution_->show();
        return;
    }
    if (!credit_) {
        attribution_->hide();
        return;
    }
    const QString url = QString::fromStdString(scheme_ == ColorScheme::dark ? credit_->logoDark
                                                                            : credit_->logoLight);
    const auto known = marks_.find(url);
    if (known != marks_.end() && !known->second.isNull()) {
        const QImage& image = known->second;
        const double ratio = devicePixelRatioF();
        QPixmap pixmap = QPixmap::fromImage(
            image.scaledToHeight(static_cast<int>(kMarkHeight * ratio), Qt::SmoothTransformation));
        pixmap.setDevicePixelRatio(ratio);
        mark_->setPixmap(pixmap);
    } else {
        mark_->setText(QString::fromStdString(credit_->serviceName));
    }
    mark_->show();
    link_->setText(linkHtml(QString::fromStdString(credit_->legalPage), tr("Data sources")));
    attribution_->show();

    if (known == marks_.end() && !url.isEmpty() && fetcher_ && !fetching_[url]) {
        fetching_[url] = true;
        QPointer<WeatherSection> self(this);
        const std::string address = url.toStdString();
        workers_.start([this, address, url, fetcher = fetcher_, cancel = cancel_] {
            const auto bytes = fetcher(address, cancel);
            QImage image;
            if (bytes) {
                image.loadFromData(*bytes);
            }
            // The destructor waits for this thread, so `this` is still alive.
            QMetaObject::invokeMethod(
                this, [this, url, image] { markArrived(url, image); }, Qt::QueuedConnection);
        });
    }
}

void WeatherSection::markArrived(const QString& url, const QImage& image) {
    fetching_[url] = false;
    marks_[url] = image;
    refreshAttribution();
}

}  // namespace solvane::app
