#include "reading/reading_places.h"

#include "platform/locations.h"
#include "platform/profile_store.h"
#include "shell/globals.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>

namespace {

QJsonObject toJson(const ReadingPlace& p) {
    return {{"path", p.key.path},
            {"size", double(p.key.size)},
            {"modified", double(p.key.modified)},
            {"chapter", p.key.chapter},
            {"place", p.place}};
}

std::optional<ReadingPlace> fromJson(const QJsonValue& v) {
    const QJsonObject o = v.toObject();
    if (!o.value("path").isString() || !o.value("size").isDouble() ||
        !o.value("modified").isDouble() || !o.value("chapter").isDouble() ||
        !o.value("place").isDouble())
        return {};
    ReadingPlace p;
    p.key.path = o.value("path").toString();
    p.key.size = qint64(o.value("size").toDouble());
    p.key.modified = qint64(o.value("modified").toDouble());
    p.key.chapter = o.value("chapter").toInt(-1);
    p.place = o.value("place").toInt(-1);
    if (p.key.path.isEmpty() || p.place < 0) return {};
    return p;
}

QByteArray storePath() {
    return QFile::encodeName(Locations::stateDir() + "/" + ReadingPlaces::kFileName);
}

QString currentUser() {
    return QString::fromStdString(PersonName);
}

} // namespace

namespace ReadingPlaces {

PlaceKey keyOf(const QString& path, int chapter) {
    const QFileInfo info(path);
    if (!info.isFile()) return {};
    return {info.absoluteFilePath(), info.size(),
            info.lastModified().toMSecsSinceEpoch(), chapter};
}

int placeOfLine(QStringView text, int lineStart) {
    int place = 0;
    const qsizetype end = std::clamp<qsizetype>(lineStart, 0, text.size());
    for (qsizetype i = 0; i < end; ++i)
        if (!text[i].isSpace()) ++place;
    return place;
}

int lineStartOfPlace(QStringView text, int place) {
    int seen = 0;
    int lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n') {
            // The next line starts at or after the place: it is not reached yet.
            if (seen > place) break;
            lineStart = int(i + 1);
        } else if (!c.isSpace()) {
            ++seen;
        }
    }
    return lineStart;
}

void remember(std::vector<ReadingPlace>& places, const ReadingPlace& place) {
    std::erase_if(places, [&](const ReadingPlace& p) { return p.key == place.key; });
    places.push_back(place);
    if (places.size() > size_t(kRemembered))
        places.erase(places.begin(), places.end() - kRemembered);
}

std::optional<int> find(const std::vector<ReadingPlace>& places, const PlaceKey& key) {
    for (const ReadingPlace& p : places)
        if (p.key == key) return p.place;
    return {};
}

QByteArray encode(const QString& user, const std::vector<ReadingPlace>& places,
                  const QByteArray& old) {
    QJsonObject users = QJsonDocument::fromJson(old).object().value("users").toObject();
    QJsonArray list;
    for (const ReadingPlace& p : places)
        list.append(toJson(p));
    users.insert(user, list);
    return QJsonDocument(QJsonObject{{"users", users}}).toJson(QJsonDocument::Indented);
}

std::vector<ReadingPlace> decode(const QByteArray& bytes, const QString& user) {
    std::vector<ReadingPlace> places;
    const QJsonArray list =
        QJsonDocument::fromJson(bytes).object().value("users").toObject().value(user).toArray();
    for (const QJsonValue& v : list)
        if (const auto p = fromJson(v)) remember(places, *p);
    return places;
}

std::optional<int> stored(const PlaceKey& key) {
    std::string bytes;
    if (ProfileStore::readWhole(storePath(), bytes) != ProfileStore::ReadResult::Ok) return {};
    return find(decode(QByteArray::fromStdString(bytes), currentUser()), key);
}

bool store(const ReadingPlace& place) {
    if (place.key.path.isEmpty() || !Locations::ensureDir(Locations::stateDir())) return false;
    const QByteArray path = storePath();
    const ProfileStore::WriteLock lock(path);
    if (!lock.held()) return false;
    std::string bytes;
    const bool read = ProfileStore::readWhole(path, bytes) == ProfileStore::ReadResult::Ok;
    const QByteArray old = read ? QByteArray::fromStdString(bytes) : QByteArray();
    std::vector<ReadingPlace> places = decode(old, currentUser());
    remember(places, place);
    const QByteArray content = encode(currentUser(), places, old);
    // What the user reads is their own business.
    return ProfileStore::replaceFile(path, std::string_view(content.constData(), content.size()),
                                     S_IRUSR | S_IWUSR);
}

} // namespace ReadingPlaces
