// Builds the flash-drill word and sentence lists of one mode from its readings and word source.
//
//   gen_lists --mode basic|advanced --words FILE --out DIR [--cap N] READING...
//
// Writes DIR/word_bas/w1.dat .. w12.dat and DIR/sent_bas/w1.dat .. w60.dat (basic), or
// DIR/word_adv/w1.dat .. w12.dat and DIR/sent_adv/w1.dat .. w115.dat (advanced). Each file holds
// records of exactly n bytes back to back. The drill treats a missing sentence list as the level
// limit, so no sentence list is written above the mode's limit, and every length up to it must
// have records: the build fails otherwise.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWordListMax = 12;
constexpr int kBasicSentenceMax = 60;
constexpr int kAdvancedSentenceMax = 115;
// Lists below this many records still work but repeat often; the summary points them out.
constexpr std::size_t kThinList = 150;

// Short words every mode needs at lengths 1 and 2, whatever the sources hold.
const char* const kShortWords[] = {"a",  "I",  "am", "an", "as", "at", "be", "by", "do",
                                   "go", "he", "if", "in", "is", "it", "me", "my", "no",
                                   "of", "oh", "on", "or", "so", "to", "up", "us", "we"};

struct Options {
    bool advanced = false;
    std::string wordsFile;
    std::string outDir;
    std::size_t cap = 2000;
    std::vector<std::string> readings;
};

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "gen_lists: " << message << "\n";
    std::exit(1);
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

Options parseArgs(int argc, char** argv) {
    Options o;
    bool modeGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) fail("missing value after " + a);
            return argv[++i];
        };
        if (a == "--mode") {
            const std::string m = value();
            if (m != "basic" && m != "advanced")
                fail("--mode must be basic or advanced, not '" + m + "'");
            o.advanced = m == "advanced";
            modeGiven = true;
        } else if (a == "--words") {
            o.wordsFile = value();
        } else if (a == "--out") {
            o.outDir = value();
        } else if (a == "--cap") {
            const long cap = std::strtol(value().c_str(), nullptr, 10);
            if (cap < 1) fail("--cap must be a positive number");
            o.cap = static_cast<std::size_t>(cap);
        } else if (a.rfind("--", 0) == 0) {
            fail("unknown option " + a);
        } else {
            o.readings.push_back(a);
        }
    }
    if (!modeGiven || o.wordsFile.empty() || o.outDir.empty())
        fail("usage: gen_lists --mode basic|advanced --words FILE --out DIR [--cap N] "
             "READING...");
    if (o.readings.empty())
        fail("no readings given for the " + std::string(o.advanced ? "advanced" : "basic") +
             " mode");
    std::sort(o.readings.begin(), o.readings.end());
    return o;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) fail("cannot read " + path);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// One word of a reading as it may appear in a record, and whether a run may go on past it.
struct Token {
    std::string text;
    bool breakAfter = false;
};

// Paragraphs of a reading, each a list of raw whitespace-separated pieces. The title line
// (first line, followed by an empty line) is left out: it is not prose.
std::vector<std::vector<std::string>> paragraphs(const std::string& content) {
    std::vector<std::string> lines;
    {
        std::string line;
        std::istringstream in(content);
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
    }
    std::size_t first = 0;
    if (lines.size() >= 2 && lines[1].find_first_not_of(" \t") == std::string::npos) first = 2;
    std::vector<std::vector<std::string>> result(1);
    for (std::size_t i = first; i < lines.size(); ++i) {
        std::istringstream words(lines[i]);
        std::string w;
        bool any = false;
        while (words >> w) {
            result.back().push_back(w);
            any = true;
        }
        if (!any && !result.back().empty()) result.emplace_back();
    }
    if (result.back().empty()) result.pop_back();
    return result;
}

// Splits a raw piece at dashes: "--" and a lone "-" end a phrase; a hyphen between letters
// joins a compound. Returns the pieces with a "|" marker where a phrase ends.
std::vector<std::string> splitDashes(const std::string& raw) {
    std::vector<std::string> out;
    std::string cur;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '-' && i + 1 < raw.size() && raw[i + 1] == '-') {
            while (i + 1 < raw.size() && raw[i + 1] == '-')
                ++i;
            if (!cur.empty()) out.push_back(cur);
            cur.clear();
            out.push_back("|");
        } else {
            cur += raw[i];
        }
    }
    if (!cur.empty()) out.push_back(cur);
    return out;
}

bool isQuote(char c) {
    return c == '"' || c == '\'' || c == '`';
}

// Cleans one piece into a record word. Basic keeps letters and inner apostrophes and splits
// compounds into separate words; advanced also keeps inner hyphens and a trailing comma or full
// stop. Marks that end a sentence or clause stop the run (basic) or are dropped (advanced keeps
// full stops in the run and turns ; and : into commas). Pieces with digits or other symbols end
// the run: they cannot be typed from a flash of words.
void cleanPiece(const std::string& piece, bool advanced, std::vector<Token>& out) {
    auto breakRun = [&]() {
        if (!out.empty()) out.back().breakAfter = true;
    };
    if (piece == "|" || piece == "-") {
        breakRun();
        return;
    }
    std::string s = piece;
    bool openParen = false;
    bool closeParen = false;
    // Strip surrounding quotes and brackets; remember brackets, which end a phrase.
    while (!s.empty() && (isQuote(s.front()) || s.front() == '(' || s.front() == '[')) {
        openParen |= s.front() == '(' || s.front() == '[';
        s.erase(0, 1);
    }
    auto stripTail = [&]() {
        while (!s.empty() && (isQuote(s.back()) || s.back() == ')' || s.back() == ']')) {
            closeParen |= s.back() == ')' || s.back() == ']';
            s.pop_back();
        }
    };
    stripTail();
    if (openParen) breakRun();

    // Trailing marks, innermost last: "word.", "word?)", "word,'".
    bool sentenceEnd = false;
    bool clauseEnd = false; // ; or :
    bool comma = false;
    bool fullStop = false;
    bool ellipsis = false;
    while (!s.empty()) {
        const char c = s.back();
        if (c == '.') {
            if (fullStop) ellipsis = true;
            fullStop = true;
        } else if (c == '!' || c == '?') {
            sentenceEnd = true;
        } else if (c == ';' || c == ':') {
            clauseEnd = true;
        } else if (c == ',') {
            comma = true;
        } else if (isQuote(c) || c == ')' || c == ']') {
            closeParen |= c == ')' || c == ']';
        } else {
            break;
        }
        s.pop_back();
    }
    while (!s.empty() && (s.front() == '-' || s.front() == '\''))
        s.erase(0, 1);
    while (!s.empty() && (s.back() == '-' || s.back() == '\''))
        s.pop_back();

    bool usable = !s.empty();
    for (std::size_t i = 0; i < s.size() && usable; ++i) {
        const char c = s[i];
        if (isLetter(c)) continue;
        // Inner apostrophes and hyphens must sit between letters.
        const bool between = i > 0 && i + 1 < s.size() && isLetter(s[i - 1]) && isLetter(s[i + 1]);
        if ((c == '\'' || c == '-') && between) continue;
        usable = false;
    }
    if (!usable) {
        // A piece made only of marks (a lone quote) changes nothing; anything else, such as a
        // number, an abbreviation or a symbol, ends the run on both sides.
        const bool onlyMarks = s.empty() && !ellipsis;
        if (!onlyMarks || sentenceEnd || clauseEnd || openParen || closeParen || fullStop)
            breakRun();
        return;
    }

    if (advanced) {
        Token t{s, false};
        if (ellipsis || sentenceEnd || closeParen)
            t.breakAfter = true;
        else if (fullStop)
            t.text += '.';
        else if (comma || clauseEnd)
            t.text += ',';
        out.push_back(t);
        return;
    }

    // Basic: compounds become separate words.
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || s[i] == '-') {
            out.push_back(Token{s.substr(start, i - start), false});
            start = i + 1;
        }
    }
    if (fullStop || sentenceEnd || clauseEnd || ellipsis || closeParen)
        out.back().breakAfter = true;
}

// The runs of a reading: each run is a stretch of words that a record may cover.
std::vector<std::vector<std::string>> runsOf(const std::string& content, bool advanced) {
    std::vector<std::vector<std::string>> runs;
    for (const auto& para : paragraphs(content)) {
        std::vector<Token> tokens;
        for (const std::string& raw : para)
            for (const std::string& piece : splitDashes(raw))
                cleanPiece(piece, advanced, tokens);
        std::vector<std::string> run;
        for (const Token& t : tokens) {
            run.push_back(t.text);
            if (t.breakAfter) {
                runs.push_back(run);
                run.clear();
            }
        }
        if (!run.empty()) runs.push_back(run);
    }
    return runs;
}

// Picks at most `cap` items spread evenly over the list, keeping their order.
std::vector<std::string> spread(const std::vector<std::string>& items, std::size_t cap) {
    if (items.size() <= cap) return items;
    std::vector<std::string> out;
    out.reserve(cap);
    for (std::size_t k = 0; k < cap; ++k)
        out.push_back(items[k * items.size() / cap]);
    return out;
}

// Unique entries in first-seen order. "The" and "the" count as one: the answer check ignores
// case, so the user could not tell them apart.
class OrderedSet {
public:
    void add(const std::string& s) {
        if (seen_.insert(lower(s)).second) items_.push_back(s);
    }
    const std::vector<std::string>& items() const { return items_; }

private:
    std::set<std::string> seen_;
    std::vector<std::string> items_;
};

std::vector<std::string> readWordSource(const std::string& path) {
    std::vector<std::string> words;
    std::istringstream in(readFile(path));
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto b = line.find_first_not_of(" \t");
        if (b == std::string::npos || line[b] == '#') continue;
        const auto e = line.find_last_not_of(" \t");
        const std::string w = line.substr(b, e - b + 1);
        for (char c : w)
            if (c < 'a' || c > 'z')
                fail(path + ":" + std::to_string(lineNo) + ": '" + w +
                     "' is not a lower-case word of letters a to z");
        words.push_back(w);
    }
    if (words.empty()) fail(path + " holds no words");
    return words;
}

struct Lists {
    std::map<int, std::vector<std::string>> words;     // by length
    std::map<int, std::vector<std::string>> sentences; // by length
};

Lists build(const Options& o) {
    const int sentenceMax = o.advanced ? kAdvancedSentenceMax : kBasicSentenceMax;
    std::vector<std::vector<std::vector<std::string>>> runsByReading;
    for (const std::string& path : o.readings) {
        auto runs = runsOf(readFile(path), o.advanced);
        if (runs.empty()) fail("reading " + path + " holds no text");
        runsByReading.push_back(std::move(runs));
    }

    Lists lists;

    // Word records: the source's words, the short words, and words of letters only from the
    // readings. A reading's word counts only when it is written in lower case somewhere, which
    // leaves out names; "I" is the one capital word kept.
    std::set<std::string> lowerSeen;
    std::set<std::string> all;
    for (const auto& runs : runsByReading)
        for (const auto& run : runs)
            for (std::string w : run) {
                while (!w.empty() && (w.back() == '.' || w.back() == ','))
                    w.pop_back();
                if (w.empty() || !std::all_of(w.begin(), w.end(), isLetter)) continue;
                all.insert(w);
                if (lower(w) == w) lowerSeen.insert(w);
            }
    std::map<int, std::set<std::string>> words;
    for (const std::string& w : readWordSource(o.wordsFile))
        words[static_cast<int>(w.size())].insert(w);
    for (const char* w : kShortWords)
        words[static_cast<int>(std::string(w).size())].insert(w);
    for (const std::string& w : all) {
        const std::string l = lower(w);
        // Very short pieces of a text may name letters ("the gh in night"); the short words
        // come from the list above instead.
        if (l.size() > 2 && lowerSeen.count(l)) words[static_cast<int>(l.size())].insert(l);
    }
    auto knownWord = [&](const std::string& record) {
        std::string w = record;
        while (!w.empty() && (w.back() == '.' || w.back() == ','))
            w.pop_back();
        if (w == "I") return true;
        const std::string l = lower(w);
        if (words[static_cast<int>(l.size())].count(l)) return true;
        const bool allCaps =
            std::none_of(w.begin(), w.end(), [](char c) { return c >= 'a' && c <= 'z'; });
        return w.size() >= 3 && !allCaps;
    };

    // Sentence records: every run of whole consecutive words of a run of the text, in text order.
    std::map<int, OrderedSet> sentences;
    for (const char* w : kShortWords)
        sentences[static_cast<int>(std::string(w).size())].add(w);
    for (const auto& runs : runsByReading) {
        for (const auto& run : runs) {
            for (std::size_t i = 0; i < run.size(); ++i) {
                std::string text;
                for (std::size_t j = i; j < run.size(); ++j) {
                    if (j > i) text += ' ';
                    text += run[j];
                    // A record ends with a word; a trailing comma would look like a cut-off clause.
                    std::string record = text;
                    if (record.back() == ',') record.pop_back();
                    const int n = static_cast<int>(record.size());
                    if (n > sentenceMax) break;
                    // One word alone must be a real word: not "C" of "vitamin C" nor "BC".
                    if (j == i && !knownWord(record)) continue;
                    sentences[n].add(record);
                }
            }
        }
    }
    for (int n = 1; n <= sentenceMax; ++n)
        lists.sentences[n] = spread(sentences[n].items(), o.cap);
    for (int n = 1; n <= kWordListMax; ++n) {
        const auto& set = words[n];
        std::vector<std::string> sorted(set.begin(), set.end());
        // "i" must never appear next to "I".
        sorted.erase(std::remove(sorted.begin(), sorted.end(), "i"), sorted.end());
        lists.words[n] = spread(sorted, o.cap);
    }
    return lists;
}

std::size_t median(std::vector<std::size_t> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void summarize(const std::string& mode, const std::string& kind,
               const std::map<int, std::vector<std::string>>& lists) {
    std::vector<std::size_t> counts;
    int minLength = 0;
    std::size_t minCount = SIZE_MAX;
    std::size_t bytes = 0;
    std::ostringstream thin;
    for (const auto& [n, records] : lists) {
        counts.push_back(records.size());
        bytes += records.size() * static_cast<std::size_t>(n);
        if (records.size() < minCount) {
            minCount = records.size();
            minLength = n;
        }
        if (records.size() < kThinList) thin << " " << n << ":" << records.size();
    }
    std::cout << mode << " " << kind << " lists: " << lists.size() << " files, " << bytes
              << " bytes, min " << minCount << " (length " << minLength << "), median "
              << median(counts) << "\n";
    std::cout << "  lengths below " << kThinList
              << " records:" << (thin.str().empty() ? std::string(" none") : thin.str()) << "\n";
}

void check(const Options& o, const Lists& lists) {
    const std::string mode = o.advanced ? "advanced" : "basic";
    std::vector<std::string> missing;
    for (const auto& [n, records] : lists.words)
        if (records.empty()) missing.push_back(mode + " word list of length " + std::to_string(n));
    for (const auto& [n, records] : lists.sentences)
        if (records.empty())
            missing.push_back(mode + " sentence list of length " + std::to_string(n));
    for (const auto& m : missing)
        std::cerr << "gen_lists: " << m << " has no records\n";
    if (!missing.empty())
        fail("the drill could ask for " + std::to_string(missing.size()) +
             " lengths that have no records; add readings or words");
}

void writeLists(const fs::path& dir, const std::map<int, std::vector<std::string>>& lists) {
    fs::create_directories(dir);
    // Remove old lists, so a length above the mode's limit never lingers from earlier runs.
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 5 && name[0] == 'w' && name.substr(name.size() - 4) == ".dat")
            fs::remove(entry.path());
    }
    for (const auto& [n, records] : lists) {
        std::string name = std::to_string(n);
        name.insert(name.begin(), 'w'); // "w" + string trips a false -Wrestrict in GCC 12
        const fs::path file = dir / (name + ".dat");
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        for (const std::string& r : records) {
            if (static_cast<int>(r.size()) != n)
                fail("internal error: record '" + r + "' is not " + std::to_string(n) +
                     " bytes long");
            out.write(r.data(), static_cast<std::streamsize>(r.size()));
        }
        if (!out) fail("cannot write " + file.string());
    }
}

} // namespace

int main(int argc, char** argv) {
    const Options o = parseArgs(argc, argv);
    const Lists lists = build(o);
    const std::string mode = o.advanced ? "advanced" : "basic";
    const std::string suffix = o.advanced ? "adv" : "bas";
    summarize(mode, "word", lists.words);
    summarize(mode, "sentence", lists.sentences);
    check(o, lists);
    writeLists(fs::path(o.outDir) / ("word_" + suffix), lists.words);
    writeLists(fs::path(o.outDir) / ("sent_" + suffix), lists.sentences);
    std::cout << mode << ": " << o.readings.size() << " readings, lists written to " << o.outDir
              << "\n";
    return 0;
}
