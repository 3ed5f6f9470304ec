#include "host/placed_widgets.h"
#include "core/store/shared_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QUuid>

#include <cmath>
#include <cstdlib>

namespace solvane::host {

namespace {

constexpr int kFormatVersion = 1;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

std::optional<int> coordinate(const QJsonValue& v) {
    if (!v.isDouble()) {
        return std::nullopt;
    }
    const double d = v.toDouble();
    // Far beyond any screen: a value like this is damage, not a position.
    if (!std::isfinite(d) || std::abs(d) > 1e6 || d != std::floor(d)) {
        return std::nullopt;
    }
    return static_cast<int>(d);
}

std::optional<widgets::Configuration> decodeConfiguration(const QJsonValue& value) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    widgets::Configuration configuration;
    const QJsonValue choices = object.value("choices");
    if (!choices.isUndefined()) {
        if (!choices.isObject()) {
            return std::nullopt;
        }
        const QJsonObject c = choices.toObject();
        for (auto it = c.begin(); it != c.end(); ++it) {
            if (!it.value().isString()) {
                return std::nullopt;
            }
            configuration.choices[it.key().toStdString()] = it.value().toString().toStdString();
        }
    }
    const QJsonValue lists = object.value("entityLists");
    if (!lists.isUndefined()) {
        if (!lists.isObject()) {
            return std::nullopt;
        }
        const QJsonObject l = lists.toObject();
        for (auto it = l.begin(); it != l.end(); ++it) {
            if (!it.value().isArray()) {
                return std::nullopt;
            }
            std::vector<std::string> ids;
            for (const QJsonValue& id : it.value().toArray()) {
                if (!id.isString()) {
                    return std::nullopt;
                }
                ids.push_back(id.toString().toStdString());
            }
            configuration.entityLists[it.key().toStdString()] = std::move(ids);
        }
    }
    return configuration;
}

std::optional<PlacedWidget> decodeWidget(const QJsonValue& value) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject o = value.toObject();
    if (!o.value("id").isString() || !o.value("kind").isString() || !o.value("size").isString()) {
        return std::nullopt;
    }
    PlacedWidget widget;
    widget.id = o.value("id").toString().toStdString();
    widget.kind = o.value("kind").toString().toStdString();
    const auto family =
        enumFromString<widgets::WidgetFamily>(o.value("size").toString().toStdString());
    const auto x = coordinate(o.value("x"));
    const auto y = coordinate(o.value("y"));
    auto configuration = decodeConfiguration(o.value("configuration"));
    if (widget.id.empty() || widget.kind.empty() || !family || !x || !y || !configuration) {
        return std::nullopt;
    }
    widget.family = *family;
    widget.position = QPoint(*x, *y);
    widget.configuration = std::move(*configuration);
    return widget;
}

}  // namespace

QByteArray encodePlacedWidgets(const PlacedWidgets& placed) {
    QJsonArray list;
    for (const PlacedWidget& w : placed.widgets) {
        QJsonObject choices;
        for (const auto& [name, value] : w.configuration.choices) {
            choices.insert(qs(name), qs(value));
        }
        QJsonObject lists;
        for (const auto& [name, ids] : w.configuration.entityLists) {
            QJsonArray array;
            for (const std::string& id : ids) {
                array.append(qs(id));
            }
            lists.insert(qs(name), array);
        }
        list.append(QJsonObject{
            {"id", qs(w.id)},
            {"kind", qs(w.kind)},
            {"size", qs(std::string(toString(w.family)))},
            {"x", w.position.x()},
            {"y", w.position.y()},
            {"configuration", QJsonObject{{"choices", choices}, {"entityLists", lists}}},
        });
    }
    const QJsonObject root{
        {"version", kFormatVersion},
        {"accentedColours", placed.accentedColours},
        {"widgets", list},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<PlacedWidgets> decodePlacedWidgets(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value("version").toInt(-1) != kFormatVersion || !root.value("widgets").isArray()) {
        return std::nullopt;
    }
    PlacedWidgets placed;
    const QJsonValue accented = root.value("accentedColours");
    if (!accented.isUndefined() && !accented.isBool()) {
        return std::nullopt;
    }
    placed.accentedColours = accented.toBool(false);
    for (const QJsonValue& value : root.value("widgets").toArray()) {
        auto widget = decodeWidget(value);
        if (!widget) {
            return std::nullopt;
        }
        for (const PlacedWidget& earlier : placed.widgets) {
            if (earlier.id == widget->id) {
                return std::nullopt;
            }
        }
        placed.widgets.push_back(std::move(*widget));
    }
    return placed;
}

PlacedWidgetsLoad loadPlacedWidgets(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return {{}, LoadStatus::missing};
    }
    // A placed-widgets file is a few kilobytes; refusing huge ones bounds memory.
    constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
    std::optional<PlacedWidgets> decoded;
    if (file.open(QIODevice::ReadOnly) && file.size() <= kMaxBytes) {
        decoded = decodePlacedWidgets(file.read(kMaxBytes));
    }
    file.close();
    if (decoded) {
        return {std::move(*decoded), LoadStatus::loaded};
    }
    const QString aside = path + ".bad";
    QFile::remove(aside);
    QFile::rename(path, aside);
    return {{}, LoadStatus::corrupt};
}

bool savePlacedWidgets(const QString& path, const PlacedWidgets& placed) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray bytes = encodePlacedWidgets(placed);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString defaultPlacedWidgetsPath() {
    const std::filesystem::path folder = solvaneConfigFolder();
    return folder.empty() ? QString() : QString::fromStdString((folder / "widgets.json").string());
}

std::string newWidgetId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
}

}  // namespace solvane::host
