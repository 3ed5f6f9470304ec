// The Weather section of the companion window: the source and unit pickers,
// the notice shown while Open-Meteo fills in for Apple Weather, and the line
// that credits whichever service the weather came from.
//
// Apple Weather's credit is its mark, fetched from the address the service
// gives (in the light or dark version for the window's appearance) off the
// main thread, beside a "Data sources" link; until the mark has arrived, or
// when it cannot be had, the service's name stands in for it.
//
//   section->setSettings(settings);
//   section->setWeather(state.weather(), state.fallbackDetails(), state.attribution());
//   connect(section, &WeatherSection::retryRequested, state, &AppState::retryAppleWeather);
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QThreadPool>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "board/palette.h"
#include "core/net/http.h"
#include "core/weather/weather.h"
#include "platform/weatherkit/weatherkit.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;

namespace solvane::app {

inline constexpr const char* kOpenMeteoHome = "https://open-meteo.com/";
inline constexpr const char* kOpenMeteoDomain = "open-meteo.com";

class WeatherSection : public QWidget {
    Q_OBJECT

  public:
    // Fetches the bytes at an address; runs on a worker thread.
    using ImageFetcher = std::function<std::optional<QByteArray>(const std::string& url,
                                                                 const net::CancelToken& cancel)>;

    explicit WeatherSection(QWidget* parent = nullptr);
    ~WeatherSection() override;

    void setImageFetcher(ImageFetcher fetcher) { fetcher_ = std::move(fetcher); }
    void setSettings(const AppSettings& settings);
    // `details` is the stored failure note or the text that stands in for it.
    void setWeather(const std::optional<WeatherSnapshot>& weather, const QString& details,
                    const std::optional<platform::WeatherKitAttribution>& attribution);
    void setColorScheme(ColorScheme scheme);

    QButtonGroup* sourcePicker() const { return source_; }
    QButtonGroup* unitPicker() const { return unit_; }
    // The country whose holidays are offered, and its region where its days
    // off differ by region; the first country entry follows the locale and
    // the zone.
    QComboBox* holidayCountryPicker() const { return holidayCountry_; }
    QComboBox* holidayRegionPicker() const { return holidayRegion_; }
    // What happened to Apple Weather (the notice's heading) and what to do
    // about it, above the technical details; an empty advice hides it. The
    // notice shows while Apple Weather is the source and failing, with or
    // without weather from Open-Meteo in its place.
    void setAdvice(const QString& heading, const QString& advice);
    QLabel* noticeHeading() const { return noticeTitle_; }

    QWidget* fallbackNotice() const { return notice_; }
    QLabel* adviceLabel() const { return advice_; }
    QLabel* detailsLabel() const { return details_; }
    QPushButton* retryButton() const { return retry_; }
    // The credit line; hidden when nothing is credited.
    QWidget* attributionLine() const { return attribution_; }
    QLabel* attributionMark() const { return mark_; }
    QLabel* attributionLink() const { return link_; }

  signals:
    void sourceChosen(solvane::WeatherSource source);
    void unitChosen(solvane::TempUnit unit);
    // "DE", "DE-BY", or empty for the locale's and zone's country.
    void holidayPlaceChosen(const QString& place);
    void retryRequested();

  private:
    void refreshNotice();
    void fillHolidayRegions(const QString& country, const QString& region);
    void emitHolidayPlace();
    void refreshAttribution();
    void markArrived(const QString& url, const QImage& image);

    ImageFetcher fetcher_;
    std::optional<WeatherSnapshot> weather_;
    std::optional<platform::WeatherKitAttribution> credit_;
    ColorScheme scheme_ = ColorScheme::light;
    bool appleChosen_ = false;
    QString heading_;
    // Marks by address; a null image records a failed fetch.
    std::map<QString, QImage> marks_;
    std::map<QString, bool> fetching_;

    QButtonGroup* source_ = nullptr;
    QButtonGroup* unit_ = nullptr;
    QComboBox* holidayCountry_ = nullptr;
    QComboBox* holidayRegion_ = nullptr;
    QWidget* holidayRegionRow_ = nullptr;
    QWidget* notice_ = nullptr;
    QLabel* noticeTitle_ = nullptr;
    QLabel* details_ = nullptr;
    QLabel* advice_ = nullptr;
    QPushButton* retry_ = nullptr;
    QWidget* attribution_ = nullptr;
    QLabel* mark_ = nullptr;
    QLabel* link_ = nullptr;
    net::CancelToken cancel_;
    // Last member: waited for before anything above goes.
    QThreadPool workers_;
};

// The fetcher the window uses: an https GET with short limits and a small
// size cap.
std::optional<QByteArray> fetchAttributionMark(const std::string& url,
                                               const net::CancelToken& cancel);

}  // namespace solvane::app
