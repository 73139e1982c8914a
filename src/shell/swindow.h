#pragma once

#include <QString>
#include <QWidget>

// A frame window that remembers its top-left corner per user ("%sScreenX" /
// "%sScreenY" under its position name) and otherwise opens at a default place.
class SWindow : public QWidget {
    Q_OBJECT
public:
    SWindow(QWidget* parent, const QString& caption, const QString& positionName,
            QWidget* client = nullptr, bool shrinkToClient = false);
    ~SWindow() override;

    // Runs the set-up once; call before the first show.
    void Create();
    virtual void SetupWindow();
    void SetPos();
    void DefaultPos(int& x, int& y) const;
    QString positionName() const { return positionName_; }
    QWidget* client() const { return client_; }

protected:
    void moveEvent(QMoveEvent* event) override;
    virtual void EvMove();

private:
    QString positionName_;
    QWidget* client_;
    bool created_ = false;
};
