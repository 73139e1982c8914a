#pragma once

#include "platform/commands.h"
#include "platform/modal.h"
#include "shell/swindow.h"

#include <QPixmap>

class QTextEdit;

// A framed yes/no/cancel prompt that answers the Y and N keys and remembers
// where the user put it.
class YNC : public SWindow, public ModalWindow {
    Q_OBJECT
public:
    YNC(QWidget* parent, const QString& positionName, const QString& text, const QString& caption,
        int helpTopic, int x, int y);
    ~YNC() override;

    void SetupWindow() override;
    void Yes();
    void No();
    void Cancel();
    void Help();

    int execModal() override { return runModalLoop(); }
    int modalResult() const override { return lastModalResult(); }
    QString text() const { return text_; }

    CommandTable commands;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void fitOuterSize();
    QString text_;
    int helpTopic_;
    QPixmap brain_, pencil_;
};
