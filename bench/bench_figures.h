#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

// The figures every benchmark reports of its samples.
struct Figures {
    double median, p95, max;
};

inline Figures summarise(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    auto at = [&v](double q) {
        return v[std::min(v.size() - 1, size_t(q * double(v.size() - 1) + 0.5))];
    };
    return {at(0.5), at(0.95), v.back()};
}

// A file of the given bytes in the benchmark's temporary directory.
inline QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.path() + "/" + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}
