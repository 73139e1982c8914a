#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// Where the user stopped in their own texts, so a text opened again can go on from there.
// A text is known by its file, size and modification time (and chapter, for a book); a
// place is the number of characters other than white space before the line at the top of
// the page, which stays true when the text is wrapped to another font or width.
struct PlaceKey {
    QString path;
    qint64 size = 0;
    qint64 modified = 0; // milliseconds since the epoch
    int chapter = -1;    // -1 for a text file
    bool operator==(const PlaceKey&) const = default;
};

struct ReadingPlace {
    PlaceKey key;
    int place = 0;
};

namespace ReadingPlaces {

// Texts remembered per user; the one used longest ago goes first.
constexpr int kRemembered = 20;
// The store in the state directory.
constexpr const char* kFileName = "reading-places.json";

// The key of a file as it is now; its path empty when the file cannot be found.
PlaceKey keyOf(const QString& path, int chapter);

// The place of the line starting at `lineStart` in a laid-out text, and back: the start
// of the line holding a place (0 for the first line, the last line's start beyond the end).
int placeOfLine(QStringView text, int lineStart);
int lineStartOfPlace(QStringView text, int place);

// Puts a text's place first in the list, dropping its older entry and the ones beyond kRemembered.
void remember(std::vector<ReadingPlace>& places, const ReadingPlace& place);
std::optional<int> find(const std::vector<ReadingPlace>& places, const PlaceKey& key);

// The file's content for every user, and back; a damaged store reads as empty.
QByteArray encode(const QString& user, const std::vector<ReadingPlace>& places,
                  const QByteArray& old);
std::vector<ReadingPlace> decode(const QByteArray& bytes, const QString& user);

// The current user's places in the store, and saving one there. A store that cannot be
// read means no places; saving writes a whole new file atomically, readable by the user only.
std::optional<int> stored(const PlaceKey& key);
bool store(const ReadingPlace& place);

} // namespace ReadingPlaces
