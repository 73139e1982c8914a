#include "graph/stored_results.h"

#include "graph/graph_layout.h"
#include "platform/message_box.h"
#include "shell/globals.h"
#include "shell/settings.h"

#include <QRegularExpression>

#include <algorithm>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

// The read of the emptiness check, as the lists' writers read them.
constexpr int kCheckBufferSize = 1000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the decimal number at the start of s (sign, digits, point, exponent); 0 when
// there is none. Hex, "inf" and "nan" are not numbers here.
size_t decimalPrefix(const std::string& s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return 0;
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            end = j;
        }
    }
    return end;
}

// Reads whatever number the piece starts with, in the C locale whatever the user's locale,
// and keeps it within what a float holds.
float pieceValue(const QString& piece) {
    std::string text = piece.left(kMaxStoredPieceChars).toLatin1().toStdString();
    size_t start = 0;
    while (start < text.size() && (text[start] == '\t' || text[start] == '\r'))
        ++start;
    text.erase(0, start);
    const size_t length = decimalPrefix(text);
    if (length == 0) return 0.0f;
    text.resize(length);
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(0));
    const double v = strtod_l(text.c_str(), nullptr, cLocale);
    if (std::isnan(v)) return 0.0f;
    // Out of range reads as infinity: the largest float instead.
    return float(std::clamp(v, double(-FLT_MAX), double(FLT_MAX)));
}

bool checkStored(QWidget* parent, const char* key, const char* what, const char* caption) {
    if (!Settings::userString(key, "", kCheckBufferSize).isEmpty()) return true;
    MessageBox(parent,
               QStringLiteral("You have not yet done any %1 under the name of %2.")
                   .arg(QLatin1String(what), QString::fromStdString(PersonName)),
               QString::fromLatin1(caption), MB_OK);
    return false;
}

} // namespace

QStringList storedPieces(const QString& text) {
    QStringList pieces;
    qsizetype pos = 0;
    while (pos < text.size() && text[pos] == QLatin1Char(' '))
        ++pos;
    while (pos < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char(' '), pos);
        if (end < 0) end = text.size();
        pieces << text.mid(pos, end - pos);
        pos = end + 1;
    }
    return pieces;
}

std::vector<float> readValueList(const QString& text) {
    std::vector<float> values;
    const QStringList pieces = storedPieces(text.left(kMaxStoredListChars));
    for (qsizetype i = 0; i < pieces.size() && i < kMaxGraphValues; ++i)
        values.push_back(pieceValue(pieces[i]));
    return values;
}

std::vector<ComprehensionEntry> readComprehensionList(const QString& text, int scoreCount) {
    static const QRegularExpression wholePercent(QStringLiteral("^[0-9]{1,3}$"));
    const QStringList pieces = storedPieces(text.left(kMaxStoredListChars));
    std::vector<ComprehensionEntry> entries;
    for (qsizetype i = 0; i < pieces.size() && i < scoreCount; ++i) {
        ComprehensionEntry e;
        if (pieces[i] == QLatin1String(kPracticeMark))
            e.practice = true;
        else if (wholePercent.match(pieces[i]).hasMatch() && pieces[i].toInt() <= 100)
            e.percent = pieces[i].toInt();
        entries.push_back(e);
    }
    return entries;
}

std::vector<ComprehensionEntry> storedComprehension(int scoreCount) {
    return readComprehensionList(
        Settings::userString("SpeedTestComprehension", "", kMaxStoredListChars + 1), scoreCount);
}

std::vector<float> storedValues(const char* keyName) {
    return readValueList(Settings::userString(keyName, "", kMaxStoredListChars + 1));
}

bool STOK(QWidget* parent) {
    return checkStored(parent, "SpeedTestScores", "speed tests", "No speed tests recorded.");
}

bool DROK(QWidget* parent) {
    return checkStored(parent, "DrillScores", "earlier drills", "No earlier drills recorded.");
}
