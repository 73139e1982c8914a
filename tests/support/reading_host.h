#pragma once

#include "reading/readinghost.h"
#include "shell/globals.h"

#include <QImage>

#include <vector>

// A reading window reduced to what a text box needs: a canvas of a given client
// size, with everything the box reports recorded. Becomes `win` while it lives.
class ImageHost : public ReadingHost {
public:
    explicit ImageHost(QSize client = QSize(600, 400)) : image(client, QImage::Format_RGB32) {
        image.fill(Qt::black);
        win = this;
    }
    ~ImageHost() override {
        if (win == this) win = nullptr;
    }
    void SetProgress(int value) override { progress = value; }
    void SetProgressMax(int max) override { progressMax = max; }
    void EnableTimerStop() override { ++nearEnd; }
    void TextLoaded() override { ++loaded; }
    void FinishedScrolling() override { ++finished; }
    bool padText() const override { return pad; }
    QImage& canvas() override { return image; }
    void present(const QRect& rect) override {
        presented.push_back(rect);
        if (PaintLock) ++presentedLocked;
    }
    int outerWidthFor(int clientWidth) const override { return clientWidth + kFrame; }
    void setOuterWidth(int outerWidth) override {
        outerWidths.push_back(outerWidth);
        QImage next(outerWidth - kFrame, image.height(), QImage::Format_RGB32);
        next.fill(Qt::black);
        image = next;
    }

    static constexpr int kFrame = 8;
    QImage image;
    bool pad = false;
    int progress = -100;
    int progressMax = -100;
    int nearEnd = 0;
    int loaded = 0;
    int finished = 0;
    int presentedLocked = 0;
    std::vector<QRect> presented;
    std::vector<int> outerWidths;
};
